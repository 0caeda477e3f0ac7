// A push button that Enter activates too, but only while it has the focus, and that shows the
// focus plainly.
#pragma once

#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

// Outside dialogs a plain QPushButton ignores Enter; making it auto-default instead would also
// reserve room for a default-button frame in some styles.
class CommandButton : public QPushButton {
  public:
    using QPushButton::QPushButton;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
            !event->isAutoRepeat()) {
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }

    // Fusion marks the focus with a faint outline only: a dotted rectangle inside the caption's
    // room makes it as plain as on Windows.
    void paintEvent(QPaintEvent* event) override {
        QPushButton::paintEvent(event);
        if (hasFocus()) {
            QPainter painter(this);
            painter.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
            painter.drawRect(
                rect().adjusted(kFocusInset, kFocusInset, -kFocusInset - 1, -kFocusInset - 1));
        }
    }

  private:
    static constexpr int kFocusInset = 4;
};
