// The Qt Form1 as the shared window behaviours drive it.
#pragma once

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QtTest>

#include <string>

#include "form/qt/box_string.h"
#include "tests/form/qt/form1_fixture.h"
#include "tests/form/window_behaviours.h"

class Form1Driver : public WindowDriver, public Form1Fixture {
  public:
    using Form1Fixture::Type;  // by box number, for the window's own tests

    void Open(std::string_view separator) override {
        Close();
        Form1Fixture::Open(std::string(separator).c_str());
    }
    void Type(std::string_view name, std::string_view text) override {
        QLineEdit* edit = Box(name);
        edit->setFocus();
        edit->end(false);
        const QString typed = BoxQString(text);
        // Keys where a keyboard has them; others as an input method inserts them.
        bool keys = true;
        for (const QChar unit : typed) {
            keys = keys && unit.unicode() >= 0x20 && unit.unicode() < 0x7F;
        }
        if (keys) {
            QTest::keyClicks(edit, typed);
        } else {
            edit->insert(typed);
        }
    }
    void SetText(std::string_view name, std::string_view text) override {
        form_->SetText(static_cast<TextBox>(std::stoi(std::string(name.substr(4)))), text);
    }
    void Paste(std::string_view name, std::string_view text) override {
        QApplication::clipboard()->setText(BoxQString(text));
        Box(name)->setFocus();
        Box(name)->selectAll();
        QTest::keyClick(Box(name), Qt::Key_V, Qt::ControlModifier);
    }
    void Press(Key key, bool held) override {
        static constexpr Qt::Key kKeys[] = {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Return,
                                            Qt::Key_Escape, Qt::Key_Space};
        const Qt::Key qt_key = kKeys[static_cast<int>(key)];
        const Qt::KeyboardModifiers modifiers =
            key == Key::ShiftTab ? Qt::ShiftModifier : Qt::NoModifier;
        if (held) {
            QKeyEvent repeat(QEvent::KeyPress, qt_key, modifiers, QString(), true);
            QApplication::sendEvent(Form1Fixture::Focused(), &repeat);
        } else {
            QTest::keyClick(Form1Fixture::Focused(), qt_key, modifiers);
        }
    }
    void Click(std::string_view name) override {
        QTest::mouseClick(button(std::string(name).c_str()), Qt::LeftButton);
    }
    void Focus(std::string_view name) override {
        form_->findChild<QWidget*>(BoxQString(name))->setFocus();
    }
    std::string Text(std::string_view name) const override { return BoxBytes(Box(name)->text()); }
    std::string Focused() const override {
        return Form1Fixture::Focused() ? BoxBytes(Form1Fixture::Focused()->objectName()) : "";
    }
    std::vector<ShownWarning> Warnings() const override {
        std::vector<ShownWarning> warnings;
        for (const SeenMessage& seen : watcher_->seen()) {
            std::vector<std::string> buttons;
            for (const QString& button : seen.buttons) {
                buttons.push_back(BoxBytes(button));
            }
            warnings.push_back({BoxBytes(seen.title), BoxBytes(seen.text), buttons,
                                seen.icon != QMessageBox::NoIcon});
        }
        return warnings;
    }
    bool ShowsBeginning(std::string_view name) const override { return FirstShown(Box(name)) == 0; }
    std::string Tip(std::string_view name) const override {
        return BoxBytes(static_cast<EntryBox*>(Box(name))->OverflowTip());
    }
    void Resize(int width, int height) override {
        form_->resize(width, height);
        QTest::qWait(10);
    }
    Place PlaceOf(std::string_view name) const override {
        const QRect place = Control(name)->geometry();
        return {place.x(), place.y(), place.width(), place.height()};
    }
    std::string TopmostAt(int x, int y) const override {
        const QWidget* top = form_->childAt(x, y);
        return top != nullptr ? BoxBytes(top->objectName()) : "";
    }
    bool CaptionFits(std::string_view name) const override {
        if (const auto* command = qobject_cast<const QPushButton*>(Control(name))) {
            return command->sizeHint().width() <= command->width() &&
                   command->fontMetrics().height() <= command->height();
        }
        return InkInside(*static_cast<const QLabel*>(Control(name)));
    }

  private:
    QLineEdit* Box(std::string_view name) const {
        return form_->findChild<QLineEdit*>(BoxQString(name));
    }
    QWidget* Control(std::string_view name) const {
        return form_->findChild<QWidget*>(BoxQString(name));
    }

    // Whether a label's caption keeps all its ink inside the label: it is drawn as the label
    // draws it, on a canvas with room all around, and any ink outside the label's rectangle is
    // what the label would cut off.
    static bool InkInside(const QLabel& label) {
        constexpr int kMargin = 100;
        const QRect inside(kMargin, kMargin, label.width(), label.height());
        QImage canvas(inside.size() + QSize(2 * kMargin, 2 * kMargin), QImage::Format_ARGB32);
        canvas.fill(Qt::transparent);
        {
            QPainter painter(&canvas);
            painter.setFont(label.font());
            painter.setPen(Qt::black);
            painter.drawText(inside, int(label.alignment()) | Qt::TextWordWrap, label.text());
        }
        for (int y = 0; y < canvas.height(); ++y) {
            for (int x = 0; x < canvas.width(); ++x) {
                if (qAlpha(canvas.pixel(x, y)) != 0 && !inside.contains(x, y)) {
                    return false;
                }
            }
        }
        return true;
    }
};
