// Pasting into Form1's boxes: long, huge and hostile texts arrive whole, cut, or unchanged.
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QMenu>
#include <QTimer>
#include <QtTest>

#include "tests/form/qt/form1_fixture.h"

class Form1PasteTest : public QObject, Form1Fixture {
    Q_OBJECT

  private slots:
    void init() { Open(); }
    void cleanup() { Close(); }

    void longPasteIsKeptWhole() {
        const QString entry = QStringLiteral("3.") + QString(100'000 - 2, '0');
        QApplication::clipboard()->setText(entry);
        box(1)->setFocus();
        QTest::keyClick(box(1), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box(1)->text().size(), entry.size());
        TypeEntries("", "4", "5");
        QTest::mouseClick(button("Command2"), Qt::LeftButton);
        QCOMPARE(box(4)->text(), entry);
        QCOMPARE(box(12)->text(), QStringLiteral("è"));
    }

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

    // Pastes are cut at the boxes' limit, so that no single action freezes the window.
    void hugePasteIsCut() {
        const QString entry = QStringLiteral("3.") + QString(10'000'000, '0');
        QApplication::clipboard()->setText(entry);
        box(1)->setFocus();
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(box(1), Qt::Key_V, Qt::ControlModifier);
        box(1)->repaint();
        const qint64 paste_ms = timer.restart();
        QCOMPARE(box(1)->text(), entry.left(100'000));
        TypeEntries("", "4", "5");
        timer.restart();
        QTest::mouseClick(button("Command2"), Qt::LeftButton);
        form_->repaint();
        const qint64 click_ms = timer.elapsed();
        QCOMPARE(box(4)->text(), entry.left(100'000));
        QCOMPARE(box(12)->text(), QStringLiteral("è"));
        qInfo("10 MB paste: %lld ms; VERIFICA with the cut entry: %lld ms", paste_ms, click_ms);
    }

    void contextMenuPasteIsCutToo() {
        QApplication::clipboard()->setText(QString(300'000, '7'));
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
        QCOMPARE(box(2)->text(), QString(100'000, '7'));
    }
};

QObject* NewForm1PasteTest() {
    return new Form1PasteTest;
}

#include "form1_paste_test.moc"
