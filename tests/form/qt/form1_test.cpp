// Form1 through the real window: focus, keys, clicks, VERIFICA and AZZERA, the warning box.
#include "form/qt/form1.h"

#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include <malloc.h>

#include "form/qt/box_string.h"
#include "tests/form/qt/form1_fixture.h"
#include "tests/form/qt/run_window_test.h"
#include "tests/form/window_cases.h"

Q_DECLARE_METATYPE(const VerifyCase*)

class Form1Test : public QObject, Form1Fixture {
    Q_OBJECT

  private slots:
    void init() { Open(); }
    void cleanup() { Close(); }

    void startsEmptyWithTheFocusInText1() {
        for (int n = 1; n <= 12; ++n) {
            QVERIFY2(box(n)->text().isEmpty(), qPrintable(QString::number(n)));
        }
        QCOMPARE(Focused(), box(1));
        QCOMPARE(form_->windowTitle(), QStringLiteral("Form1"));
    }

    void tabCyclesTheFourteenControlsBothWays() {
        QStringList cycle, forward;
        for (const std::string_view name : kTabCycle) {
            cycle << QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
            forward << Focused()->objectName();
            QTest::keyClick(Focused(), Qt::Key_Tab);
        }
        QCOMPARE(forward, cycle);
        QCOMPARE(Focused(), box(1));  // wrapped around

        QStringList backward;
        for (std::size_t i = 0; i < kTabCycle.size(); ++i) {
            QTest::keyClick(Focused(), Qt::Key_Backtab, Qt::ShiftModifier);
            backward.prepend(Focused()->objectName());
        }
        QCOMPARE(backward, cycle);
    }

    void enterInATextBoxRunsNothing() {
        TypeEntries("3", "4", "5");
        for (int n = 1; n <= 12; ++n) {
            box(n)->setFocus();
            QTest::keyClick(box(n), Qt::Key_Return);
            QTest::keyClick(box(n), Qt::Key_Enter);
            QTest::keyClick(box(n), Qt::Key_Escape);
        }
        QTest::qWait(20);
        QCOMPARE(ResultTexts(), QStringList(9, QString()));
        QVERIFY(watcher_->seen().empty());
    }

    void spaceAndEnterRunAFocusedButton() {
        TypeEntries("3", "4", "5");
        button("Command2")->setFocus();
        QTest::keyClick(button("Command2"), Qt::Key_Space);
        QCOMPARE(box(12)->text(), QStringLiteral("è"));

        button("Command1")->setFocus();
        QTest::keyClick(button("Command1"), Qt::Key_Return);
        QVERIFY(box(1)->text().isEmpty() && box(12)->text().isEmpty());

        TypeEntries("5", "4", "3");
        button("Command2")->setFocus();
        QTest::keyClick(button("Command2"), Qt::Key_Enter);
        QCOMPARE(box(12)->text(), QStringLiteral("non è"));
    }

    // A key held down repeats: only its first press is a click.
    void enterHeldDownClicksOnce() {
        QSignalSpy clicks(button("Command1"), &QPushButton::clicked);
        button("Command1")->setFocus();
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(button("Command1"), &repeat);
        QCOMPARE(clicks.count(), 0);
    }

    void verifiesEndToEnd_data() {
        QTest::addColumn<const VerifyCase*>("verify");
        for (const VerifyCase& c : kVerifyCases) {
            QTest::newRow(std::string(c.name).c_str()) << &c;
        }
    }

    void verifiesEndToEnd() {
        QFETCH(const VerifyCase*, verify);
        // Inserted as an input method would: some entries are no keys of a keyboard.
        const std::array entries = {verify->a, verify->b, verify->c};
        for (int n = 1; n <= 3; ++n) {
            box(n)->insert(BoxQString(entries[static_cast<std::size_t>(n - 1)]));
        }
        QTest::mouseClick(button("Command2"), Qt::LeftButton);
        QStringList expected;
        for (const std::string_view text : verify->results) {
            expected << BoxQString(text);
        }
        QCOMPARE(ResultTexts(), expected);
        if (verify->message.empty()) {
            QVERIFY(watcher_->seen().empty());
        } else {
            QCOMPARE(watcher_->seen().size(), std::size_t{1});
            const SeenMessage& message = watcher_->seen().front();
            QCOMPARE(message.title, BoxQString(kWarningCaption));
            QCOMPARE(message.text, BoxQString(verify->message));
            QCOMPARE(message.icon, QMessageBox::NoIcon);
            QCOMPARE(message.buttons, QStringList{"OK"});
        }
        // Every box written shows the beginning of its text, not its tail.
        for (int n = 4; n <= 12; ++n) {
            QVERIFY2(box(n)->cursorPosition() == 0, qPrintable(box(n)->objectName()));
        }
    }

    // "1.5" cut to ".5" would show another number: a box the focus leaves, and a box a command
    // writes, show the beginning of their text, and one whose text does not fit shows all of it
    // in a tooltip.
    void boxesShowTheBeginningAndTooLongTextsInATooltip() {
        const QString long_text = QStringLiteral("0123456789.0123456789");
        for (int n = 1; n <= 12; ++n) {
            const QString name = box(n)->objectName();
            box(n)->clear();
            Type(n, long_text);
            QVERIFY2(FirstShown(n) > 0, qPrintable(name));
            QTest::keyClick(box(n), Qt::Key_Tab);
            QVERIFY2(FirstShown(n) == 0, qPrintable(name));
            QCOMPARE(Tip(n), long_text);
            box(n)->setText(QStringLiteral("012"));  // fits the narrowest box, just
            QCOMPARE(Tip(n), QString());
        }
        box(1)->setText(QString(kMaxBoxLength, '7'));
        QCOMPARE(Tip(1), QString(kToolTipLength, '7') + QChar(0x2026));
        // Where the pointer rests.
        const QPoint inside(box(1)->width() / 2, box(1)->height() / 2);
        QHelpEvent rest(QEvent::ToolTip, inside, box(1)->mapToGlobal(inside));
        QApplication::sendEvent(box(1), &rest);
        QVERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), Tip(1));
        QToolTip::hideText();
    }

    void invalidEntryKeepsTheResultsAndWhatWasTyped() {
        TypeEntries("5", "4", "3");
        QTest::mouseClick(button("Command2"), Qt::LeftButton);
        Type(8, "mio");  // typed by hand into a result box
        const QStringList before = ResultTexts();

        box(1)->clear();
        Type(1, "abc");
        QTest::mouseClick(button("Command2"), Qt::LeftButton);
        QCOMPARE(watcher_->seen().size(), std::size_t{1});
        QCOMPARE(ResultTexts(), before);
        QCOMPARE(box(8)->text(), QStringLiteral("25mio"));
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
        QVERIFY2(width >= 2 * title.horizontalAdvance(BoxQString(kWarningCaption)),
                 qPrintable(QString::number(width)));
    }

    void clickOnAzzeraEmptiesEveryBox() {
        TypeEntries("3", "4", "5");
        QTest::mouseClick(button("Command2"), Qt::LeftButton);
        Type(10, "scritto a mano");
        QTest::mouseClick(button("Command1"), Qt::LeftButton);
        for (int n = 1; n <= 12; ++n) {
            QVERIFY2(box(n)->text().isEmpty(), qPrintable(QString::number(n)));
        }
        QVERIFY(watcher_->seen().empty());
        // An empty window stays empty.
        QTest::mouseClick(button("Command1"), Qt::LeftButton);
        QVERIFY(box(1)->text().isEmpty());
    }

    void squaresUseTheLocaleSeparator() {
        Close();
        Open(",");
        TypeEntries("1.5", "2", "2.5");
        QTest::mouseClick(button("Command2"), Qt::LeftButton);
        QCOMPARE(box(8)->text(), QStringLiteral("2,25"));
        QCOMPARE(box(12)->text(), QStringLiteral("è"));
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
