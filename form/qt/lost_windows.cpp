// Closing what another X client destroyed.
#include "form/qt/lost_windows.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <xcb/xcb.h>

LostWindows::LostWindows() {
    QCoreApplication::instance()->installNativeEventFilter(this);
}

LostWindows::~LostWindows() {
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeNativeEventFilter(this);
    }
}

bool LostWindows::nativeEventFilter(const QByteArray& type, void* message, qintptr*) {
    if (type != QByteArrayLiteral("xcb_generic_event_t")) {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != XCB_DESTROY_NOTIFY) {
        return false;
    }
    const xcb_window_t lost = reinterpret_cast<const xcb_destroy_notify_event_t*>(event)->window;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->internalWinId() != lost || !widget->isVisible()) {
            continue;
        }
        // After the event, not inside Qt's handling of it.
        QTimer::singleShot(0, widget, [widget = QPointer<QWidget>(widget)] {
            if (auto* dialog = qobject_cast<QDialog*>(widget.data())) {
                dialog->reject();
            } else if (widget) {
                widget->close();
            }
        });
    }
    return false;
}
