// Form1: the window, its controls from the control table, and the two buttons' wiring.
#include "form/form1.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

#include <algorithm>
#include <string>
#include <vector>

#include "check/triple_check.h"
#include "form/box_text.h"
#include "form/clear_all.h"
#include "form/command_button.h"
#include "form/control_table.h"
#include "form/entry_box.h"

namespace {

// A line edit lays out its whole line on every change: measured under Xvfb, 100,000 characters
// take about 70 ms to set and paint, a million 600 ms. A click on VERIFICA may copy three entries,
// so 100,000 keeps every action well under a quarter of a second; longer pastes are cut there.
constexpr int kMaxBoxLength = 100'000;

int Pixels(int twips) {
    return twips / kTwipsPerPixel;
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
    font.setPixelSize(qRound(points * 96.0 / 72.0));
    font.setWeight(QFont::Normal);
    return font;
}

void SetColour(QWidget* widget, QPalette::ColorRole role, Rgb colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, ToQColor(colour));
    widget->setPalette(palette);
}

// A caption is drawn from the label's top edge and cut at its bottom edge. Where a single line
// of the font is taller than the label (the large "+" signs), centring that line puts the cut in
// the font's empty leading instead of through the glyph.
void CentreTallLine(QLabel* label) {
    const QFontMetrics metrics(label->font());
    if (metrics.height() > label->height() &&
        metrics.horizontalAdvance(label->text()) <= label->width()) {
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
}

QWidget* CreateControl(const ControlSpec& row, QWidget* parent) {
    QWidget* widget = nullptr;
    switch (row.kind) {
        case ControlKind::Label: {
            auto* label = new QLabel(ToQString(row.caption), parent);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
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
        CentreTallLine(label);
    }
    return widget;
}

const ControlSpec& FindControl(std::string_view object_name) {
    const auto* found = std::find_if(kControls.begin(), kControls.end(), [&](const auto& row) {
        return ObjectName(row) == object_name;
    });
    return *found;  // every name in the creation order has its row
}

}  // namespace

Form1::Form1(std::string decimal_separator, QWidget* parent)
    : QWidget(parent), decimal_separator_(std::move(decimal_separator)) {
    setWindowTitle(ToQString(kForm1.caption));
    resize(Pixels(kForm1.client_width), Pixels(kForm1.client_height));
    setAutoFillBackground(true);
    SetColour(this, QPalette::Window, kForm1.background);
    setFont(WindowFont(kForm1.font_family, kForm1.font_points));

    struct Created {
        const ControlSpec* row;
        QWidget* widget;
    };
    std::vector<Created> controls;
    for (std::string_view name : kCreationOrder) {
        const ControlSpec& row = FindControl(name);
        controls.push_back({&row, CreateControl(row, this)});
    }

    // Text boxes and buttons are drawn above every label, as native child windows are above
    // the windowless labels they overlap.
    for (const Created& control : controls) {
        if (control.row->kind != ControlKind::Label) {
            control.widget->raise();
        }
    }

    std::vector<Created> focus_chain;
    std::copy_if(controls.begin(), controls.end(), std::back_inserter(focus_chain),
                 [](const Created& c) { return c.row->kind != ControlKind::Label; });
    std::sort(focus_chain.begin(), focus_chain.end(), [](const Created& x, const Created& y) {
        return x.row->tab_index < y.row->tab_index;
    });
    for (std::size_t i = 1; i < focus_chain.size(); ++i) {
        QWidget::setTabOrder(focus_chain[i - 1].widget, focus_chain[i].widget);
    }

    for (const Created& control : controls) {
        const std::string_view name = control.row->name;
        if (control.row->kind == ControlKind::TextBox) {
            const int number = std::stoi(std::string(name.substr(4)));  // "Text12" -> 12
            text_boxes_[static_cast<std::size_t>(number - 1)] =
                static_cast<QLineEdit*>(control.widget);
        } else if (name == "Command1") {
            connect(static_cast<QPushButton*>(control.widget), &QPushButton::clicked, this,
                    &Form1::Command1_Click);
        } else if (name == "Command2") {
            connect(static_cast<QPushButton*>(control.widget), &QPushButton::clicked, this,
                    &Form1::Command2_Click);
        }
    }

    box(TextBox::Text1)->setFocus();
}

QLineEdit* Form1::box(TextBox box) const {
    return text_boxes_[static_cast<std::size_t>(box) - 1];
}

std::string Form1::GetText(TextBox box) const {
    return ToBoxBytes(this->box(box)->text());
}

void Form1::SetText(TextBox box, std::string_view text) {
    this->box(box)->setText(FromBoxBytes(text));
}

void Form1::ShowMessage(std::string_view prompt) {
    QMessageBox message(this);
    message.setWindowTitle(QGuiApplication::applicationDisplayName());
    message.setTextFormat(Qt::PlainText);
    message.setText(ToQString(prompt));
    message.setIcon(QMessageBox::NoIcon);
    message.setStandardButtons(QMessageBox::Ok);
    message.exec();
}

void Form1::Command1_Click() {
    ClearAll(*this);
}

void Form1::Command2_Click() {
    TripleCheck(*this, decimal_separator_);
}
