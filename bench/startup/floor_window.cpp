// The least a Qt window with a caption costs: Form1's size, white, one line in one QLabel.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.resize(478, 332);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, Qt::white);
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    QLabel label(QStringLiteral("TERNE PITAGORICHE"), &window);
    label.setGeometry(152, 16, 209, 25);
    window.show();
    return QApplication::exec();
}
