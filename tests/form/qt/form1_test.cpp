// Form1 through the real window: what every window must do, and what is this window's own:
// the warning box, Qt's texts, the icon.
#include "form/qt/form1.h"

#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include <malloc.h>

#include "form/qt/box_string.h"
#include "tests/form/qt/form1_driver.h"
#include "tests/form/qt/run_window_test.h"

class Form1Test : public QObject, Form1Driver {
    Q_OBJECT

  private slots:
    void init() { Open("."); }
    void cleanup() { Close(); }

    // What every window must do, from the shared list.
    void behaviours_data() {
        QTest::addColumn<std::size_t>("index");
        for (std::size_t i = 0; i < WindowBehaviours().size(); ++i) {
            QTest::newRow(WindowBehaviours()[i].name.c_str()) << i;
        }
    }
    void behaviours() {
        QFETCH(std::size_t, index);
        const Behaviour& behaviour = WindowBehaviours()[index];
        const bool pastes = std::any_of(behaviour.steps.begin(), behaviour.steps.end(),
                                        [](const Step& step) { return step.act == Act::Paste; });
        if (pastes && !ClipboardWorks()) {
            QSKIP("this platform's clipboard keeps nothing (a compositor without a seat)");
        }
        const std::vector<std::string> differences = RunBehaviour(behaviour, *this);
        QVERIFY2(differences.empty(), differences.empty() ? "" : differences.front().c_str());
    }

    // Input is blocked while the warning is up, but a screen reader's "press" clicks the button
    // all the same, from inside the warning's loop.
    void pressesWhileTheWarningIsOpenStackNoWarnings() {
        QTimer::singleShot(0, this, [this] {
            for (int i = 0; i < 3; ++i) {
                button("Command2")->click();
                button("Command1")->click();
            }
        });
        Type(1, "x");
        button("Command2")->click();
        QCOMPARE(watcher_->seen().size(), std::size_t{1});
        QCOMPARE(box(1)->text(), QStringLiteral("x"));
    }

    // A window manager draws the title in a font of its own, often larger and bold, beside its
    // buttons: a box as narrow as its text had its title cut and minimise and maximise buttons.
    void theWarningIsADialogWideEnoughForItsTitleInTheWindowsFont() {
        QWidget* shown = nullptr;
        QTimer::singleShot(0, this, [&shown] { shown = QApplication::activeModalWidget(); });
        QFont font;
        int width = 0;
        Qt::WindowFlags flags;
        QTimer::singleShot(0, this, [&] {
            if (shown != nullptr) {
                font = shown->font();
                width = shown->width();
                flags = shown->windowFlags();
            }
        });
        button("Command2")->click();
        QVERIFY(shown != nullptr);
        QCOMPARE(QFontInfo(font).family(), QFontInfo(form_->font()).family());
        QCOMPARE(QFontInfo(font).pixelSize(), QFontInfo(form_->font()).pixelSize());
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(flags & Qt::CustomizeWindowHint);
        const QFontMetrics title(font);
        QVERIFY2(width >= 2 * title.horizontalAdvance(BoxQString(kApplicationTitle)),
                 qPrintable(QString::number(width)));
    }

    void qtTextsAreItalian() {
        std::unique_ptr<QMenu> menu(box(1)->createStandardContextMenu());
        QStringList items;
        for (const QAction* action : menu->actions()) {
            items << action->text().remove('&').section('\t', 0, 0);
        }
        QVERIFY2(items.contains("Annulla") && items.contains("Incolla") &&
                     items.contains("Seleziona tutto"),
                 qPrintable(items.join(", ")));
    }

    void windowIconIsTheTriangle() {
        const QIcon icon = QApplication::windowIcon();
        QCOMPARE(icon.availableSizes().size(), 4);
        const QImage image = icon.pixmap(QSize(64, 64)).toImage();
        const QColor triangle = image.pixelColor(28, 34);  // inside the yellow triangle
        QVERIFY2(triangle.red() > 200 && triangle.green() > 180 && triangle.blue() < 100,
                 qPrintable(triangle.name()));
    }

    // Each warning is a box of its own, shown, painted and dismissed: once it is gone, nothing
    // of it may stay. Its button's images stayed, 2 KiB a warning on xcb; what remains now are
    // caches that fill and empty by turns, well under 1 KiB a warning.
    void warningsLeaveTheHeapAsTheyFoundIt() {
        if (QGuiApplication::platformName() == QLatin1String("wayland")) {
            // Hidden as soon as shown, 220 times, a window of Qt 6.4's Wayland plugin now and then
            // has its frame callback destroyed twice (wl_proxy_unref aborts, about one run in 30).
            // The heap is Qt's and the program's alike on the other two platforms.
            QSKIP("Qt 6.4's Wayland plugin does not survive 220 warnings dismissed at once");
        }
        Type(1, "x");
        const auto warn = [this](int times) {
            for (int i = 0; i < times; ++i) {
                button("Command2")->click();
                QCOMPARE(watcher_->seen().size(), std::size_t{1});
                watcher_->Forget();
            }
        };
        warn(20);  // caches that fill once
        const std::size_t before = mallinfo2().uordblks;
        if (before == 0) {
            QSKIP("the heap is not glibc's here (a sanitizer's)");
        }
        warn(200);
        const auto growth = static_cast<std::ptrdiff_t>(mallinfo2().uordblks - before);
        QVERIFY2(growth < 200 * 1024, qPrintable(QStringLiteral("%1 B more").arg(growth)));
    }
};

int main(int argc, char* argv[]) {
    return RunWindowTest<Form1Test>(argc, argv);
}

#include "form1_test.moc"
