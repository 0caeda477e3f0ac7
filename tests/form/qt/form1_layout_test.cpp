// Form1's layout: fixed geometry, captions that fit, stacking, and fonts sized in pixels at any
// DPI (run again with QT_FONT_DPI at 120 and 144).
#include "form/qt/form1.h"

#include <QFontInfo>
#include <QLabel>
#include <QPainter>
#include <QtTest>

#include "tests/form/qt/form1_fixture.h"
#include "tests/form/qt/run_window_test.h"

namespace {

// Whether a label's caption keeps all its ink inside the label: it is drawn as the label
// draws it, on a canvas with room all around, and any ink outside the label's rectangle is what
// the label would cut off.
bool CaptionFits(const QLabel& label) {
    constexpr int kMargin = 100;
    const QRect inside(kMargin, kMargin, label.width(), label.height());
    QImage canvas(inside.size() + QSize(2 * kMargin, 2 * kMargin), QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setFont(label.font());
        painter.setPen(Qt::black);
        painter.drawText(inside, int(label.alignment()) | Qt::TextWordWrap, label.text());
    }
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            if (qAlpha(canvas.pixel(x, y)) != 0 && !inside.contains(x, y)) {
                return false;
            }
        }
    }
    return true;
}

// Whether any pixel of a row of the image is ink (darker than the white background).
bool RowHasInk(const QImage& image, int y) {
    for (int x = 0; x < image.width(); ++x) {
        if (qGray(image.pixel(x, y)) < 160) {
            return true;
        }
    }
    return false;
}

}  // namespace

class Form1LayoutTest : public QObject, Form1Fixture {
    Q_OBJECT

  private slots:
    void init() { Open(); }
    void cleanup() { Close(); }

    void resizingMovesNothing() {
        QList<QRect> before;
        for (QWidget* child : form_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            before << child->geometry();
        }
        QCOMPARE(before.size(), 26);
        for (const QSize size : {QSize(900, 700), QSize(120, 80), QSize(478, 332)}) {
            form_->resize(size);
            QTest::qWait(10);
            QList<QRect> after;
            for (QWidget* child : form_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                after << child->geometry();
            }
            QCOMPARE(after, before);
        }
    }

    void captionsFitInTheEmbeddedFont() {
        const auto labels = form_->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
        QCOMPARE(labels.size(), 12);
        for (const QLabel* label : labels) {
            QCOMPARE(QFontInfo(label->font()).family(), QStringLiteral("Carlito"));
            QVERIFY2(CaptionFits(*label), qPrintable(label->objectName()));
        }
        for (const QPushButton* command : form_->findChildren<QPushButton*>()) {
            QVERIFY(command->sizeHint().width() <= command->width());
            QVERIFY(command->fontMetrics().height() <= command->height());
        }
    }

    // The large "+" signs are a line of a font taller than their labels. As the screen draws them,
    // at its scale (run again at 1.5 and 2), their ink must neither touch the label's bottom,
    // where the cut is, nor its top.
    void largeSignsAreDrawnWhole() {
        for (const char* name : {"Label8", "Label3(0)"}) {
            const QImage image = form_->findChild<QLabel*>(name)->grab().toImage();
            QVERIFY2(!RowHasInk(image, 0) && !RowHasInk(image, image.height() - 1), name);
            QVERIFY2(RowHasInk(image, image.height() / 2), name);
        }
    }

    // The focus on a button is as plain as Windows' dotted rectangle: dark dots just inside its
    // frame, above the caption.
    void aFocusedButtonShowsAFocusRectangle() {
        QPushButton* verifica = button("Command2");
        const auto dots = [verifica] {
            const QImage image = verifica->grab().toImage();
            const int y = static_cast<int>(4 * verifica->devicePixelRatioF());
            int dark = 0;
            for (int x = image.width() / 4; x < image.width() * 3 / 4; ++x) {
                dark += qGray(image.pixel(x, y)) < 100;
            }
            return dark;
        };
        box(1)->setFocus();
        QCOMPARE(dots(), 0);
        verifica->setFocus();
        QVERIFY2(dots() >= verifica->width() / 8, qPrintable(QString::number(dots())));
    }

    // The captions were sized for the fonts at 96 dpi, where a point is 4/3 of a pixel: a
    // desktop set to another DPI must not grow them out of their fixed boxes.
    void fontsAreSizedInPixels() {
        for (std::size_t row = 0; row < kControls.size(); ++row) {
            const ControlSpec& entry = kControls[row];
            const double points = FontPoints(entry);
            QCOMPARE(QFontInfo(form_->control(row)->font()).pixelSize(), FontPixels(points, 96));
        }
    }

    void textBoxesLieAboveTheExponentLabels() {
        // Each exponent "2" overlaps the box to its left by one pixel.
        for (const auto& [label, textBox] :
             {std::pair{"Label3(1)", 4}, std::pair{"Label4", 5}, std::pair{"Label5", 7}}) {
            const QWidget* exponent = form_->findChild<QLabel*>(label);
            const QRect overlap = exponent->geometry() & box(textBox)->geometry();
            QVERIFY(!overlap.isEmpty());
            QCOMPARE(form_->childAt(overlap.center()), box(textBox));
            QCOMPARE(form_->childAt(exponent->geometry().topRight()), exponent);
        }
        // Where the two notes overlap, the red one is on top.
        const QWidget* label9 = form_->findChild<QLabel*>("Label9");
        const QRect strip = label9->geometry() & form_->findChild<QLabel*>("Label11")->geometry();
        QVERIFY(!strip.isEmpty());
        QCOMPARE(form_->childAt(strip.center()), label9);
    }
};

int main(int argc, char* argv[]) {
    return RunWindowTest<Form1LayoutTest>(argc, argv);
}

#include "form1_layout_test.moc"
