// Program start: set up the application, show Form1, run the event loop until it is closed.
#include <QApplication>
#include <QLocale>

#include <cstdio>
#include <cstdlib>

#include "app/qt/start_guard.h"
#include "app/qt/startup.h"
#include "form/qt/form1.h"

int main(int argc, char* argv[]) {
    StartGuard guard;
    QApplication app(argc, argv);
    SetUpApplication(app);
    Form1 form(QLocale::system().decimalPoint().toStdString());
    form.show();
    guard.Done();
    const int exit_code = QApplication::exec();
    // Closing the window ends the program at once: Qt 6.4's Wayland plugin can deadlock while it
    // shuts down (the display waits for its event thread, which waits for the compositor), and
    // nothing is left to save.
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        std::fflush(nullptr);
        std::_Exit(exit_code);
    }
    return exit_code;
}
