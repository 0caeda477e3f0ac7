// Pastes into a text box, cut to its length limit up front.
#include "form/qt/entry_box.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

#include <memory>

namespace {

// Newer Qt names the standard menu's actions; Qt 6.4 only labels them.
QAction* FindPasteAction(const QMenu& menu) {
    const QString label = QLineEdit::tr("&Paste");
    for (QAction* action : menu.actions()) {
        if (action->objectName() == QLatin1String("edit-paste") ||
            action->text().section(QLatin1Char('\t'), 0, 0) == label) {
            return action;
        }
    }
    return nullptr;
}

}  // namespace

void EntryBox::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste) && !isReadOnly()) {
        PasteCut(QClipboard::Clipboard);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// X11's middle-button paste of the selection.
void EntryBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && !isReadOnly() &&
        QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        PasteCut(QClipboard::Selection);
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void EntryBox::contextMenuEvent(QContextMenuEvent* event) {
    const std::unique_ptr<QMenu> menu(createStandardContextMenu());
    if (QAction* paste = FindPasteAction(*menu)) {
        disconnect(paste, &QAction::triggered, nullptr, nullptr);
        connect(paste, &QAction::triggered, this, [this] { PasteCut(QClipboard::Clipboard); });
    }
    menu->exec(event->globalPos());
}

void EntryBox::PasteCut(QClipboard::Mode mode) {
    const QString clip = QGuiApplication::clipboard()->text(mode);
    if (clip.isEmpty() && !hasSelectedText()) {
        return;
    }
    const qsizetype room = maxLength() - text().size() + selectedText().size();
    insert(clip.left(room));
}
