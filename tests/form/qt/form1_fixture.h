// The real Form1, shown, with a watcher that dismisses any modal dialog it opens.
#pragma once

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QToolTip>
#include <QtTest>

#include <memory>

#include "form/box_text.h"
#include "form/qt/entry_box.h"
#include "form/qt/form1.h"
#include "tests/form/qt/modal_watcher.h"

class Form1Fixture {
  protected:
    void Open(const char* separator = ".") {
        watcher_ = std::make_unique<ModalWatcher>();
        form_ = std::make_unique<Form1>(separator);
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        // On Wayland only the compositor activates a window, and a headless one, with no seat,
        // never does: the window is made active in Qt, as a desktop's compositor would make it.
        if (QGuiApplication::platformName() == QLatin1String("wayland")) {
            QApplication::setActiveWindow(form_.get());
            QVERIFY(form_->isActiveWindow());
        } else {
            form_->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        }
    }
    void Close() {
        form_.reset();
        watcher_.reset();
    }

    // The control that has the focus within the window.
    QWidget* Focused() const { return form_->focusWidget(); }
    QLineEdit* box(int n) const {
        return form_->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(n));
    }
    QPushButton* button(const char* name) const { return form_->findChild<QPushButton*>(name); }
    // Typed after what the box holds.
    void Type(int n, const QString& text) {
        box(n)->setFocus();
        box(n)->end(false);
        QTest::keyClicks(box(n), text);
    }
    void TypeEntries(const QString& a, const QString& b, const QString& c) {
        Type(1, a);
        Type(2, b);
        Type(3, c);
    }
    // Text4 .. Text12.
    QStringList ResultTexts() const {
        QStringList texts;
        for (int n = 4; n <= 12; ++n) {
            texts << box(n)->text();
        }
        return texts;
    }
    // The first character a box shows: the one at its left edge.
    static int FirstShown(QLineEdit* edit) {
        edit->repaint();  // the line edit scrolls when it paints
        return edit->cursorPositionAt(QPoint(3, edit->height() / 2));
    }
    // Whether the system's clipboard takes a text and gives it back (a compositor without a
    // seat has none).
    static bool ClipboardWorks(QClipboard::Mode mode = QClipboard::Clipboard) {
        QApplication::clipboard()->setText(QStringLiteral("probe"), mode);
        return QApplication::clipboard()->text(mode) == QLatin1String("probe");
    }

    std::unique_ptr<Form1> form_;
    std::unique_ptr<ModalWatcher> watcher_;
};
