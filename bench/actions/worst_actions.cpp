// The slowest things a user can do to the Qt window's boxes, in process: setting an entry,
// pasting one longer than the limit, typing a digit at its end, VERIFICA copying three such
// entries, and AZZERA, each until the window is painted again. Slowest of RUNS each.
// Usage: worst_actions RUNS LENGTH...   (on a display: xvfb-run, or QT_QPA_PLATFORM=offscreen)
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <functional>

#include "app/qt/startup.h"
#include "form/qt/form1.h"

namespace {

struct Slowest {
    double set_text = 0, paste = 0, type = 0, verify = 0, clear = 0;
};

// "3.000…" of `length` characters: a valid entry, so VERIFICA copies it.
QString Entry(char digit, int length) {
    return QString(QLatin1Char(digit)) + QLatin1Char('.') + QString(length - 2, QLatin1Char('0'));
}

void Key(QWidget* widget, int key, Qt::KeyboardModifiers modifiers, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(widget, &press);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    SetUpApplication(app);
    if (argc < 3) {
        std::fprintf(stderr, "usage: worst_actions RUNS LENGTH...\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    Form1 form;
    form.show();
    QApplication::processEvents();
    const auto box = [&form](int n) {
        return form.findChild<QLineEdit*>(QStringLiteral("Text%1").arg(n));
    };
    const auto button = [&form](const char* name) { return form.findChild<QPushButton*>(name); };
    // Milliseconds for an action and the painting it causes.
    const auto timed = [&form](const std::function<void()>& action) {
        QElapsedTimer timer;
        timer.start();
        action();
        form.repaint();
        QApplication::processEvents();
        return static_cast<double>(timer.nsecsElapsed()) / 1e6;
    };

    std::printf("%8s %9s %9s %9s %9s %9s   (slowest of %d, ms)\n", "length", "settext", "paste",
                "type", "verify", "azzera", runs);
    for (int arg = 2; arg < argc; ++arg) {
        const int length = std::max(3, std::atoi(argv[arg]));
        Slowest slowest;
        for (int run = 0; run < runs; ++run) {
            const QString a = Entry('3', length);
            slowest.set_text = std::max(slowest.set_text, timed([&] { box(1)->setText(a); }));
            for (const auto& [n, digit] : {std::pair{2, '4'}, std::pair{3, '5'}}) {
                QApplication::clipboard()->setText(Entry(digit, length + 1));
                box(n)->setFocus();
                box(n)->selectAll();
                slowest.paste =
                    std::max(slowest.paste,
                             timed([&, n = n] { Key(box(n), Qt::Key_V, Qt::ControlModifier); }));
            }
            slowest.verify = std::max(slowest.verify, timed([&] { button("Command2")->click(); }));
            box(1)->setText(a.left(length - 1));
            box(1)->setFocus();
            box(1)->end(false);
            slowest.type = std::max(slowest.type, timed([&] {
                                        Key(box(1), Qt::Key_0, Qt::NoModifier, QStringLiteral("0"));
                                    }));
            slowest.clear = std::max(slowest.clear, timed([&] { button("Command1")->click(); }));
        }
        std::printf("%8d %9.1f %9.1f %9.1f %9.1f %9.1f\n", length, slowest.set_text, slowest.paste,
                    slowest.type, slowest.verify, slowest.clear);
        std::fflush(stdout);
    }
    return 0;
}
