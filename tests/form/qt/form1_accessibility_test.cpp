// What Form1 tells screen readers, through Qt's accessibility interfaces: its controls in the
// reading order, and the boxes' names and hints.
#include "form/qt/form1.h"

#include <QAccessible>
#include <QtTest>

#include "tests/form/qt/form1_fixture.h"
#include "tests/form/qt/run_window_test.h"

class Form1AccessibilityTest : public QObject, Form1Fixture {
    Q_OBJECT

  private slots:
    void init() { Open(); }
    void cleanup() { Close(); }

    // Row by row as they appear on screen, left to right; not in stacking order.
    void controlsComeInReadingOrder() {
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form_.get());
        QCOMPARE(window->childCount(), 26);
        QStringList order, expected;
        for (int i = 0; i < window->childCount(); ++i) {
            QAccessibleInterface* child = window->child(i);
            order << child->object()->objectName();
            QCOMPARE(window->indexOfChild(child), i);
            expected << QString::fromStdString(ObjectName(kControls[static_cast<std::size_t>(i)]));
        }
        QCOMPARE(order, expected);
        QCOMPARE(order.mid(0, 6),
                 (QStringList{"Label1", "Label2", "Label9", "Text1", "Text2", "Text3"}));
    }

    void textBoxesTellWhatTheyHold() {
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form_.get());
        const auto text = [&](const char* name, QAccessible::Text kind) {
            for (int i = 0; i < window->childCount(); ++i) {
                if (window->child(i)->object()->objectName() == QLatin1String(name)) {
                    return window->child(i)->text(kind);
                }
            }
            return QStringLiteral("(no %1)").arg(name);
        };
        // The hints are the labels' own captions, as they stand on screen.
        const QString point =
            QStringLiteral("Per i numeri decimali, usa il punto al posto della virgola");
        QCOMPARE(text("Text1", QAccessible::Name), QStringLiteral("Primo numero"));
        QCOMPARE(text("Text1", QAccessible::Description), point);
        QCOMPARE(text("Text2", QAccessible::Description), point);
        const QString third = text("Text3", QAccessible::Description);
        QCOMPARE(third, QStringLiteral("(numero più grande nell'ultima casella) ") + point);
        QCOMPARE(text("Text12", QAccessible::Name),
                 QStringLiteral("Verdetto: La TERNA … Pitagorica"));
        QCOMPARE(text("Command2", QAccessible::Name), QStringLiteral("VERIFICA"));
        QCOMPARE(text("Label1", QAccessible::Name), QStringLiteral("TERNE PITAGORICHE"));
    }
};

int main(int argc, char* argv[]) {
    return RunWindowTest<Form1AccessibilityTest>(argc, argv);
}

#include "form1_accessibility_test.moc"
