// Runs the window tests with the program's own start-up set-up.
#include <QApplication>
#include <QtTest>

#include <memory>

#include "app/qt/startup.h"

QObject* NewForm1Test();
QObject* NewForm1PasteTest();

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);  // as QTEST_MAIN does
    SetUpApplication(app);
    int failures = 0;
    for (auto* make : {NewForm1Test, NewForm1PasteTest}) {
        const std::unique_ptr<QObject> test(make());
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
