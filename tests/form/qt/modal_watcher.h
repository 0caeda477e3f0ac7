// Dismisses every modal dialog a test opens and remembers what it showed, so no test can block.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>

#include <vector>

struct SeenMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QStringList buttons;
};

class ModalWatcher : public QObject {
  public:
    ModalWatcher() {
        // The nested loop of QDialog::exec() keeps running timers, so this fires inside it.
        connect(&timer_, &QTimer::timeout, this, &ModalWatcher::DismissModal);
        timer_.start(5);
    }

    const std::vector<SeenMessage>& seen() const { return seen_; }
    void Forget() { seen_.clear(); }

  private:
    void DismissModal() {
        QWidget* modal = QApplication::activeModalWidget();
        // Dismissed once it is on screen and painted, as a user would.
        if (modal == nullptr || modal->windowHandle() == nullptr ||
            !modal->windowHandle()->isExposed()) {
            return;
        }
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            QStringList buttons;
            for (QAbstractButton* button : box->buttons()) {
                buttons << button->text();
            }
            seen_.push_back({box->windowTitle(), box->text(), box->icon(), buttons});
        } else {
            seen_.push_back({modal->windowTitle(),
                             QStringLiteral("<not a message box>"),
                             QMessageBox::NoIcon,
                             {}});
        }
        modal->close();
    }

    QTimer timer_;
    std::vector<SeenMessage> seen_;
};
