// Pasting into Form1's boxes: long, huge and hostile texts arrive whole, cut, or unchanged.
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>
#include <QtTest>

#include "tests/form/qt/form1_fixture.h"
#include "tests/form/qt/run_window_test.h"

class Form1PasteTest : public QObject, Form1Fixture {
    Q_OBJECT

  private slots:
    void initTestCase() {
        if (!ClipboardWorks()) {
            QSKIP("this platform's clipboard keeps nothing (a compositor without a seat)");
        }
    }
    void init() { Open(); }
    void cleanup() { Close(); }

    void hostileEntriesArriveUnchanged_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("verdict");  // Text12 afterwards, or the warning shown
        const QString invalid = QStringLiteral("Impossibile: valori errati.");
        QTest::newRow("lone surrogate after") << QString("3") + QChar(0xD800) << "è";
        QTest::newRow("lone surrogate alone") << QString(QChar(0xDC00)) << invalid;
        QTest::newRow("surrogate pair") << QString("3") + QString::fromUcs4(U"\U0001F600") << "è";
        QTest::newRow("nul") << QString("3") + QChar(0) + "abc"
                             << "è";
        QTest::newRow("right-to-left mark") << QString(QChar(0x200F)) + "3" << invalid;
        QTest::newRow("full-width digit") << QString(QChar(0xFF13)) << invalid;
        QTest::newRow("combining accent") << QString("3") + QChar(0x0301) << "è";
        QTest::newRow("too large")
            << QString("1E400") << QStringLiteral("Impossibile: valori troppo grandi.");
    }

    void hostileEntriesArriveUnchanged() {
        QFETCH(QString, entry);
        QFETCH(QString, verdict);
        QApplication::clipboard()->setText(entry);
        box(1)->setFocus();
        QTest::keyClick(box(1), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box(1)->text(), entry);
        TypeEntries("", "4", "5");
        QTest::mouseClick(button("Command2"), Qt::LeftButton);
        if (watcher_->seen().empty()) {
            QCOMPARE(box(12)->text(), verdict);
            QCOMPARE(box(4)->text(), entry);  // unit for unit, lone surrogates included
        } else {
            QCOMPARE(watcher_->seen().front().text, verdict);
            QVERIFY(box(4)->text().isEmpty());
        }
    }

    // Pastes are cut to the room left before the line edit sees them: it rejects nothing. Qt's
    // own cut takes time with the square of the room.
    void ctrlVPasteIsCutBeforeTheLineEditSeesIt() {
        const QString entry = QStringLiteral("3.") + QString(10'000'000, '0');
        QApplication::clipboard()->setText(entry);
        QSignalSpy rejected(box(1), &QLineEdit::inputRejected);
        box(1)->setFocus();
        QTest::keyClick(box(1), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box(1)->text(), entry.left(kMaxBoxLength));
        QCOMPARE(rejected.count(), 0);
        TypeEntries("", "4", "5");
        QTest::mouseClick(button("Command2"), Qt::LeftButton);
        QCOMPARE(box(4)->text(), entry.left(kMaxBoxLength));
        QCOMPARE(box(12)->text(), QStringLiteral("è"));
    }

    // What is selected is replaced, so it counts as room.
    void pasteOverASelectionKeepsItsRoom() {
        box(1)->setText(QString(kMaxBoxLength, '7'));
        box(1)->setSelection(0, 10);
        QApplication::clipboard()->setText(QStringLiteral("0123456789ABCDEF"));
        QTest::keyClick(box(1), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box(1)->text(), QStringLiteral("0123456789") + QString(kMaxBoxLength - 10, '7'));
    }

    void middleClickPasteIsCutToo() {
        if (!QApplication::clipboard()->supportsSelection() ||
            !ClipboardWorks(QClipboard::Selection)) {
            QSKIP("this platform has no selection to paste");
        }
        QApplication::clipboard()->setText(QString(300'000, '7'), QClipboard::Selection);
        QSignalSpy rejected(box(2), &QLineEdit::inputRejected);
        QTest::mouseClick(box(2), Qt::MiddleButton);
        QCOMPARE(box(2)->text(), QString(kMaxBoxLength, '7'));
        QCOMPARE(rejected.count(), 0);
    }

    void contextMenuPasteIsCutToo() {
        QApplication::clipboard()->setText(QString(300'000, '7'));
        QSignalSpy rejected(box(2), &QLineEdit::inputRejected);
        QTimer::singleShot(50, [] {
            QWidget* menu = QApplication::activePopupWidget();
            QVERIFY(menu != nullptr);
            for (QAction* action : menu->actions()) {
                if (action->text().startsWith(QLineEdit::tr("&Paste"))) {
                    action->trigger();
                }
            }
            menu->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                box(2)->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(box(2), &event);
        QCOMPARE(box(2)->text(), QString(kMaxBoxLength, '7'));
        QCOMPARE(rejected.count(), 0);
    }
};

int main(int argc, char* argv[]) {
    return RunWindowTest<Form1PasteTest>(argc, argv);
}

#include "form1_paste_test.moc"
