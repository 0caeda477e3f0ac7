// Form1: the window, its controls from the control table, and the two buttons' wiring.
#include "form/qt/form1.h"

#include <QAccessibleWidget>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <array>
#include <string>
#include <utility>

#include "form/control_table.h"
#include "form/qt/box_string.h"
#include "form/qt/command_button.h"
#include "form/qt/entry_box.h"

namespace {

// Qt scales device-independent pixels itself, so the geometry is that of the design's screen.
constexpr int kDpi = kDesignDpi;

int Pixels(int twips) {
    return ToPixels(twips, kDpi);
}

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor ToQColor(Rgb colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

// Sized in pixels, like the geometry: a desktop set to 120 dpi must not grow the captions out
// of their fixed boxes. The points are those of a 96-dpi screen, where 8.25 pt is 11 px.
QFont WindowFont(std::string_view family, double points) {
    QFont font(ToQString(family));
    font.setPixelSize(FontPixels(points, kDpi));
    font.setWeight(QFont::Normal);
    return font;
}

void SetColour(QWidget* widget, QPalette::ColorRole role, Rgb colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, ToQColor(colour));
    widget->setPalette(palette);
}

QWidget* CreateControl(const ControlRow& row, QWidget* parent) {
    QWidget* widget = nullptr;
    switch (row.kind()) {
        case ControlKind::Label: {
            auto* label = new QLabel(ToQString(row.caption), parent);
            label->setWordWrap(true);
            label->setTextFormat(Qt::PlainText);
            label->setAutoFillBackground(true);  // opaque: Label9 hides the strip of Label11
            SetColour(label, QPalette::Window, kWhite);
            if (row.text_colour) {
                SetColour(label, QPalette::WindowText, *row.text_colour);
            }
            widget = label;
            break;
        }
        case ControlKind::TextBox: {
            auto* box = new EntryBox(parent);
            box->setMaxLength(kMaxBoxLength);
            box->setAccessibleName(ToQString(row.accessible_name));
            box->setAccessibleDescription(ToQString(HintText(row)));
            if (row.text_colour) {
                SetColour(box, QPalette::Text, *row.text_colour);
            }
            widget = box;
            break;
        }
        case ControlKind::Button:
            widget = new CommandButton(ToQString(row.caption), parent);
            break;
    }
    widget->setObjectName(QString::fromStdString(ObjectName(row)));
    widget->setGeometry(Pixels(row.left), Pixels(row.top), Pixels(row.width), Pixels(row.height));
    if (row.font_points != kDefaultFont) {
        widget->setFont(WindowFont(kForm1.font_family, row.font_points));
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        // Centred where the table's rule says (the large "+" signs), measured in its own font.
        const QFontMetrics metrics(label->font());
        const bool tall =
            CentresCaption(row, metrics.height(), metrics.horizontalAdvance(label->text()), kDpi);
        label->setAlignment(Qt::AlignLeft | (tall ? Qt::AlignVCenter : Qt::AlignTop));
    }
    return widget;
}

// Screen readers take a window's children in the order the window gives them, and Qt gives
// them in stacking order: every label first, then the boxes from the bottom up. This gives them
// row by row as they appear on screen, left to right, which is the table's order.
class Form1Accessible : public QAccessibleWidget {
  public:
    explicit Form1Accessible(Form1* form) : QAccessibleWidget(form, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(kControls.size()); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        return QAccessible::queryAccessibleInterface(
            form()->control(static_cast<std::size_t>(index)));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int index = 0; index < childCount(); ++index) {
            if (child != nullptr &&
                child->object() == form()->control(static_cast<std::size_t>(index))) {
                return index;
            }
        }
        return -1;
    }

  private:
    Form1* form() const { return static_cast<Form1*>(widget()); }
};

QAccessibleInterface* AccessibleForm1(const QString&, QObject* object) {
    auto* form = qobject_cast<Form1*>(object);
    return form != nullptr ? new Form1Accessible(form) : nullptr;
}

}  // namespace

Form1::Form1(std::string decimal_separator, QWidget* parent)
    : QWidget(parent), commands_(*this, std::move(decimal_separator)) {
    setWindowTitle(ToQString(kForm1.caption));
    resize(Pixels(kForm1.client_width), Pixels(kForm1.client_height));
    setAutoFillBackground(true);
    SetColour(this, QPalette::Window, kForm1.background);
    setFont(WindowFont(kForm1.font_family, kForm1.font_points));

    [[maybe_unused]] static const bool accessible =
        (QAccessible::installFactory(AccessibleForm1), true);

    for (const std::size_t row : kCreationOrder) {
        controls_[row] = CreateControl(kControls[row], this);
    }
    // Each raised in turn from the bottom: the first of the stacking order ends on top.
    for (auto row = kStackingOrder.rbegin(); row != kStackingOrder.rend(); ++row) {
        controls_[*row]->raise();
    }
    for (std::size_t i = 1; i < kTabOrder.size(); ++i) {
        QWidget::setTabOrder(controls_[kTabOrder[i - 1]], controls_[kTabOrder[i]]);
    }

    for (std::size_t row = 0; row < kControls.size(); ++row) {
        if (const std::optional<TextBox> box = kControls[row].role.box) {
            text_boxes_[BoxIndex(*box)] = static_cast<QLineEdit*>(controls_[row]);
        }
        if (const ClickHandler handler = HandlerOf(row)) {
            connect(static_cast<QPushButton*>(controls_[row]), &QPushButton::clicked, this,
                    [this, handler] { (commands_.*handler)(); });
        }
    }

    box(TextBox::Text1)->setFocus();
}

QLineEdit* Form1::box(TextBox box) const {
    return text_boxes_[BoxIndex(box)];
}

std::string Form1::GetText(TextBox box) const {
    return BoxBytes(this->box(box)->text());
}

void Form1::SetText(TextBox box, std::string_view text) {
    QLineEdit* edit = this->box(box);
    // Cut here, between characters: the box itself would cut at its limit wherever it falls.
    const QString whole = BoxQString(text);
    edit->setText(whole.left(static_cast<qsizetype>(CutToBoxLength(Units(whole)).size())));
    edit->setCursorPosition(0);  // a long text shows its beginning, not its tail
}

void Form1::ShowMessage(std::string_view prompt) {
    QMessageBox message(this);
    // A dialog's frame: no minimise or maximise button, which window managers otherwise add.
    message.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
    message.setFont(font());  // a dialog does not take its parent's font by itself
    message.setWindowTitle(ToQString(kApplicationTitle));
    message.setTextFormat(Qt::PlainText);
    message.setText(ToQString(prompt));
    message.setIcon(QMessageBox::NoIcon);
    message.setStandardButtons(QMessageBox::Ok);
    // The style gives the button a newly loaded icon each time, and Qt's pixmap cache keeps
    // the icon's images once the box is gone: 2 KiB a warning. A plain button keeps nothing.
    // (A box kept for every warning leaks too: Qt connects to it again on each activation.)
    message.button(QMessageBox::Ok)->setIcon(QIcon());
    // Wide enough for the title in a window manager's larger title font, beside its buttons: the
    // box is as wide as its short text otherwise, and the title is cut.
    if (auto* grid = qobject_cast<QGridLayout*>(message.layout())) {
        const int width = 2 * message.fontMetrics().horizontalAdvance(message.windowTitle()) + 100;
        grid->addItem(new QSpacerItem(width, 0), grid->rowCount(), 0, 1, grid->columnCount());
    }
    message.exec();
}
