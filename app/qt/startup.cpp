// Start-up set-up shared by the program and the window tests.
#include "app/qt/startup.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QImage>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QResource>
#include <QTranslator>

#include "form/control_table.h"

namespace {

// Whether Carlito and Qt's Italian texts are in the program, or come from the system.
constexpr bool kEmbedded = TERNE_EMBED_RESOURCES;

// "MS Sans Serif" exists only on Windows. Fontconfig's stand-in (usually DejaVu Sans) is too
// wide for the fixed label sizes: the table's stand-ins take its place, in order, Carlito the
// one a Linux system has. The program carries Carlito where it is built to, and otherwise uses
// the system's.
void InstallFont() {
    QString family = QStringLiteral("Carlito");
    // Where the system has Carlito, the window is drawn from the system's file even when the
    // program registers its own: registering it would parse 0.6 MB for nothing.
    if (kEmbedded && !QFontDatabase::families().contains(family, Qt::CaseInsensitive)) {
        // Stored uncompressed, the font is read in place; a copy would add 0.6 MB to the memory.
        const QResource font(QStringLiteral(":/fonts/Carlito-Regular.ttf"));
        const int id = QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(
            reinterpret_cast<const char*>(font.data()), static_cast<qsizetype>(font.size())));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty()) {
            family = families.first();
        }
    }
    QStringList substitutes;
    for (const std::string_view fallback : kFontFallbacks) {
        const QString face =
            QString::fromUtf8(fallback.data(), static_cast<qsizetype>(fallback.size()));
        substitutes << (face == QLatin1String("Carlito") ? family : face);
    }
    QFont::insertSubstitutions(QString::fromUtf8(kForm1.font_family.data(),
                                                 static_cast<qsizetype>(kForm1.font_family.size())),
                               substitutes);
}

// Qt's own texts (the text boxes' context menu, the OK button) in Italian whatever the user's
// locale, like the rest of the interface.
void InstallTranslations(QApplication& app) {
    const QString folder = kEmbedded ? QStringLiteral(":/translations")
                                     : QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"),
                         QStringLiteral("_"), folder)) {
        QApplication::installTranslator(translator);
    }
}

// Built from raw pixels (32-bit ARGB, as the bytes B, G, R, A): any image file would go through
// QImageReader, which loads every image-format plugin first and made start-up a sixth slower.
QIcon WindowIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64}) {
        QFile file(QStringLiteral(":/icons/terne-%1.bgra").arg(size));
        if (!file.open(QIODevice::ReadOnly)) {
            continue;
        }
        const QByteArray pixels = file.readAll();
        if (pixels.size() == qsizetype{4} * size * size) {
            const QImage image(reinterpret_cast<const uchar*>(pixels.constData()), size, size,
                               QImage::Format_ARGB32);
            icon.addPixmap(QPixmap::fromImage(image));
        }
    }
    return icon;
}

}  // namespace

void SetUpApplication(QApplication& app) {
    QApplication::setApplicationName(QString::fromUtf8(
        kApplicationTitle.data(), static_cast<qsizetype>(kApplicationTitle.size())));
    QApplication::setApplicationVersion(QStringLiteral(TERNE_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(TERNE_APP_ID));
    QApplication::setWindowIcon(WindowIcon());
    InstallFont();
    InstallTranslations(app);
}
