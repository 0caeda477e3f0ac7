// The real Form1, shown and focused, with a watcher that dismisses any modal dialog it opens.
#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

#include "form/qt/form1.h"
#include "tests/form/qt/modal_watcher.h"

class Form1Fixture {
  protected:
    void Open(const char* separator = ".") {
        watcher_ = std::make_unique<ModalWatcher>();
        form_ = std::make_unique<Form1>(separator);
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        form_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    }
    void Close() {
        form_.reset();
        watcher_.reset();
    }

    QLineEdit* box(int n) const {
        return form_->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(n));
    }
    QPushButton* button(const char* name) const { return form_->findChild<QPushButton*>(name); }
    void Type(int n, const QString& text) {
        box(n)->setFocus();
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

    std::unique_ptr<Form1> form_;
    std::unique_ptr<ModalWatcher> watcher_;
};
