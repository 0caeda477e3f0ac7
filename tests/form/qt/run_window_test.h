// Runs one window-test class as a program of its own, with the program's own start-up set-up.
#pragma once

#include <QApplication>
#include <QtTest>

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
    return QTest::qExec(&test, argc, argv);
}
