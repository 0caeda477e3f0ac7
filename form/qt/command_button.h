// A push button that Enter activates too, but only while it has the focus.
#pragma once

#include <QKeyEvent>
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
};
