// Form1's own layout: fonts sized in pixels at any DPI (run again with QT_FONT_DPI at 120 and
// 144), large signs drawn whole at any scale, the focus on a button. Geometry, stacking and
// captions are checked with what every window must do (form1_test.cpp).
#include "form/qt/form1.h"

#include <QFontInfo>
#include <QLabel>
#include <QPainter>
#include <QtTest>

#include "tests/form/qt/form1_fixture.h"
#include "tests/form/qt/run_window_test.h"

namespace {

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
            const ControlRow& entry = kControls[row];
            const double points = FontPoints(entry);
            QCOMPARE(QFontInfo(form_->control(row)->font()).pixelSize(), FontPixels(points, 96));
            QCOMPARE(QFontInfo(form_->control(row)->font()).family(), QStringLiteral("Carlito"));
        }
    }
};

int main(int argc, char* argv[]) {
    return RunWindowTest<Form1LayoutTest>(argc, argv);
}

#include "form1_layout_test.moc"
