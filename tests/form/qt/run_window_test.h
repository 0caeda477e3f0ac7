// Runs one window-test class as a program of its own, with the program's own start-up set-up.
#pragma once

#include <QApplication>
#include <QtTest>

#include <cstdio>
#include <cstdlib>

#include "app/qt/startup.h"

// Fonts and geometry are those of a 96-dpi screen, as with QTEST_MAIN, unless the run asks for
// another DPI with QT_FONT_DPI.
template <typename Test>
int RunWindowTest(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_FONT_DPI")) {
        QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    }
    SetUpApplication(app);
    Test test;
    const int failures = QTest::qExec(&test, argc, argv);
    // Qt 6.4's Wayland plugin can deadlock as it shuts down: the display waits for its event
    // thread, which waits in wl_display_read_events. On Wayland the run ends here, as it is.
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        std::fflush(nullptr);
        std::_Exit(failures);
    }
    return failures;
}
