// Program start: set up the application, show Form1, run the event loop until it is closed.
#include <QApplication>
#include <QLocale>

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
    return QApplication::exec();
}
