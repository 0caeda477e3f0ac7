// Start-up set-up shared by the program and the window tests.
#include "app/startup.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QLocale>
#include <QTranslator>

namespace {

// "MS Sans Serif" exists only on Windows. Fontconfig's stand-in (usually DejaVu Sans) is too
// wide for the fixed label sizes, so the program carries Carlito, whose widths fit them.
void InstallFont() {
    const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/Carlito-Regular.ttf"));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (!families.isEmpty()) {
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), families.first());
    }
}

// Qt's own texts (the text boxes' context menu, the OK button) in Italian whatever the user's
// locale, like the rest of the interface.
void InstallTranslations(QApplication& app) {
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QStringLiteral(":/translations"))) {
        QApplication::installTranslator(translator);
    }
}

}  // namespace

void SetUpApplication(QApplication& app) {
    QApplication::setApplicationName(QString::fromUtf8(kApplicationName));
    QApplication::setApplicationVersion(QStringLiteral(TERNE_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(TERNE_APP_ID));
    QIcon icon;
    for (const int size : {16, 32, 48, 64}) {
        icon.addFile(QStringLiteral(":/icons/terne-%1.png").arg(size), QSize(size, size));
    }
    QApplication::setWindowIcon(icon);
    InstallFont();
    InstallTranslations(app);
}
