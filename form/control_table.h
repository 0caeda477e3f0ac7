// The window's 26 controls as data: what each one is, shows, does, and where it sits. Every
// window (Qt, Win32, the web page) is built from this table and nothing else.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "check/form_surface.h"

enum class ControlKind { Label, TextBox, Button };

// What a button runs when it is clicked.
enum class Command { None, ClearAll, TripleCheck };

// A row's kind, with the box it is or the command it runs.
struct Role {
    ControlKind kind;
    std::optional<TextBox> box;
    Command command;

    constexpr bool focusable() const { return kind != ControlKind::Label; }
};

constexpr Role Label() {
    return {ControlKind::Label, std::nullopt, Command::None};
}
constexpr Role Box(TextBox box) {
    return {ControlKind::TextBox, box, Command::None};
}
constexpr Role Button(Command command) {
    return {ControlKind::Button, std::nullopt, command};
}

struct Rgb {
    int red, green, blue;
};

inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kRed{255, 0, 0};

inline constexpr int kNoIndex = -1;        // not part of a control array
inline constexpr double kDefaultFont = 0;  // the window's font
inline constexpr std::optional<Rgb> kDefaultColour = std::nullopt;

// A control by its name, and its index where it is a member of a control array.
struct ControlName {
    std::string_view name;
    int index = kNoIndex;
};

// The labels that tell what goes into a box, in reading order: its hints for screen readers.
using Hints = std::array<ControlName, 2>;

// Positions and sizes are in twips (1/1440 inch) from the client area's top-left corner.
struct ControlRow {
    std::string_view name;
    int index;
    Role role;
    std::string_view caption;
    int left, top, width, height;
    double font_points;
    std::optional<Rgb> text_colour;
    int tab_index;
    // What a screen reader says a text box is, and the labels that hint what goes in it.
    std::string_view accessible_name;
    Hints hints;

    constexpr ControlKind kind() const { return role.kind; }
};

struct WindowSettings {
    std::string_view caption;
    int client_width, client_height;  // twips
    Rgb background;
    std::string_view font_family;
    double font_points;
};

// The title of the warning box, and the program's name wherever the system shows one.
inline constexpr std::string_view kApplicationTitle = "Terne pitagoriche";

inline constexpr WindowSettings kForm1 = {"Form1", 7170, 4980, kWhite, "MS Sans Serif", 8.25};

// The size of a control's font: its own, or the window's.
constexpr double FontPoints(const ControlRow& control) {
    return control.font_points == kDefaultFont ? kForm1.font_points : control.font_points;
}

// The most characters a box holds; longer pastes and texts set from outside are cut there. An edit
// box lays out its whole line on every change, and under Wine that takes time with the square of
// the line (bench/actions/win32/worst_actions.cpp): VERIFICA, which copies three entries, froze
// the window for 0.19 s at 2,000 characters and 23 s at 100,000, against 0.05 s at 1,000. No
// number needs more: a binary64 written out in full takes at most 767 significant digits.
inline constexpr int kMaxBoxLength = 1'000;

namespace control_table_detail {
using enum TextBox;
inline constexpr Hints kPoint = {{{"Label11"}}};
inline constexpr Hints kLargestAndPoint = {{{"Label9"}, {"Label11"}}};
}  // namespace control_table_detail

// Row by row as the controls appear on screen, left to right: the reading order.
// clang-format off
inline constexpr std::array<ControlRow, 26> kControls = [] {
    using namespace control_table_detail;
    return std::array<ControlRow, 26>{{
//   name        index     role                          caption                     left  top   width height font pt       text colour     tab
    {"Label1",   kNoIndex, Label(),                      "TERNE PITAGORICHE",        2280, 240,  3135, 375, 13.5,         kBlue,          1, "", {}},
    {"Label2",   kNoIndex, Label(),                      "Inserisci una terna",      2760, 720,  2055, 375, 12,           kDefaultColour, 0, "", {}},
    {"Label9",   kNoIndex, Label(),                      "(numero più grande nell'ultima casella)",
                                                                                     480,  840,  1455, 495, kDefaultFont, kRed,           23, "", {}},
    {"Text1",    kNoIndex, Box(Text1),                   "",                         2640, 1200, 495,  495, 13.5,         kDefaultColour, 2,
                                                         "Primo numero", kPoint},
    {"Text2",    kNoIndex, Box(Text2),                   "",                         3480, 1200, 495,  495, 13.5,         kDefaultColour, 3,
                                                         "Secondo numero", kPoint},
    {"Text3",    kNoIndex, Box(Text3),                   "",                         4320, 1200, 495,  495, 13.5,         kDefaultColour, 4,
                                                         "Terzo numero, il più grande", kLargestAndPoint},
    {"Command1", kNoIndex, Button(Command::ClearAll),    "AZZERA",                   5400, 1200, 1455, 495, 13.5,         kDefaultColour, 14, "", {}},
    {"Label11",  kNoIndex, Label(),                      "Per i numeri decimali, usa il punto al posto della virgola",
                                                                                     240,  1320, 1935, 495, kDefaultFont, kBlue,          25, "", {}},
    {"Label3",   1,        Label(),                      "2",                        1080, 2040, 255,  255, kDefaultFont, kDefaultColour, 15, "", {}},
    {"Label4",   kNoIndex, Label(),                      "2",                        2640, 2040, 255,  255, kDefaultFont, kDefaultColour, 16, "", {}},
    {"Label5",   kNoIndex, Label(),                      "2",                        4800, 2040, 255,  255, kDefaultFont, kDefaultColour, 17, "", {}},
    {"Text4",    kNoIndex, Box(Text4),                   "",                         480,  2160, 615,  615, 13.5,         kDefaultColour, 6,
                                                         "Base del primo quadrato", {}},
    {"Label3",   0,        Label(),                      "+",                        1440, 2160, 495,  495, 24,           kDefaultColour, 8, "", {}},
    {"Text5",    kNoIndex, Box(Text5),                   "",                         2040, 2160, 615,  615, 13.5,         kDefaultColour, 7,
                                                         "Base del secondo quadrato", {}},
    {"Text6",    kNoIndex, Box(Text6),                   "",                         3240, 2160, 615,  615, 13.5,         kDefaultColour, 10,
                                                         "Relazione tra le potenze", {}},
    {"Text7",    kNoIndex, Box(Text7),                   "",                         4200, 2160, 615,  615, 13.5,         kDefaultColour, 9,
                                                         "Base del terzo quadrato", {}},
    {"Command2", kNoIndex, Button(Command::TripleCheck), "VERIFICA",                 5400, 2280, 1455, 495, 13.5,         kDefaultColour, 5, "", {}},
    {"Text8",    kNoIndex, Box(Text8),                   "",                         480,  3120, 975,  615, 13.5,         kDefaultColour, 18,
                                                         "Quadrato del primo numero", {}},
    {"Label8",   kNoIndex, Label(),                      "+",                        1800, 3240, 495,  375, 24,           kDefaultColour, 20, "", {}},
    {"Text9",    kNoIndex, Box(Text9),                   "",                         2640, 3120, 975,  615, 13.5,         kDefaultColour, 19,
                                                         "Quadrato del secondo numero", {}},
    {"Text10",   kNoIndex, Box(Text10),                  "",                         3960, 3120, 615,  615, 13.5,         kDefaultColour, 21,
                                                         "Relazione tra i quadrati", {}},
    {"Text11",   kNoIndex, Box(Text11),                  "",                         4920, 3120, 975,  615, 13.5,         kDefaultColour, 22,
                                                         "Quadrato del terzo numero", {}},
    {"Label6",   1,        Label(),                      "La TERNA",                 360,  3960, 2055, 495, 18,           kDefaultColour, 11, "", {}},
    {"Text12",   kNoIndex, Box(Text12),                  "",                         2640, 3960, 1215, 495, 18,           kBlue,          12,
                                                         "Verdetto: La TERNA … Pitagorica", {}},
    {"Label7",   kNoIndex, Label(),                      "Pitagorica",               4200, 3960, 2055, 495, 18,           kDefaultColour, 13, "", {}},
    {"Label10",  kNoIndex, Label(),                      "prof. T. Valdrisco",       360,  4680, 1575, 255, kDefaultFont, kDefaultColour, 24, "", {}},
    }};
}();
// clang-format on

// How many controls take the focus.
inline constexpr std::size_t kFocusableCount = [] {
    std::size_t count = 0;
    for (const ControlRow& row : kControls) {
        count += row.role.focusable();
    }
    return count;
}();

// The row of a control, or kControls.size() for a name no row has.
constexpr std::size_t RowNamed(ControlName control) {
    for (std::size_t row = 0; row < kControls.size(); ++row) {
        if (kControls[row].name == control.name && kControls[row].index == control.index) {
            return row;
        }
    }
    return kControls.size();
}

// The row of a control by its object name, "Label3(0)" for a member of a control array.
constexpr std::size_t RowNamed(std::string_view object_name) {
    const std::size_t open = object_name.find('(');
    if (open == std::string_view::npos) {
        return RowNamed(ControlName{object_name});
    }
    int index = 0;
    for (std::size_t i = open + 1; i < object_name.size() && object_name[i] != ')'; ++i) {
        index = index * 10 + (object_name[i] - '0');
    }
    return RowNamed(ControlName{object_name.substr(0, open), index});
}

// The order in which the window's description lists, and the window creates, its controls: a
// later label is drawn above an earlier one it overlaps (Label9 above Label11).
inline constexpr std::array<ControlName, kControls.size()> kCreationNames = {{
    {"Text11"}, {"Text10"}, {"Text9"},     {"Text8"},   {"Command1"},  {"Text12"},
    {"Text6"},  {"Text7"},  {"Text5"},     {"Text4"},   {"Command2"},  {"Text3"},
    {"Text2"},  {"Text1"},  {"Label11"},   {"Label10"}, {"Label9"},    {"Label8"},
    {"Label5"}, {"Label4"}, {"Label3", 1}, {"Label7"},  {"Label6", 1}, {"Label3", 0},
    {"Label1"}, {"Label2"},
}};

// Row numbers (into kControls) in the order the controls are created.
inline constexpr std::array<std::size_t, kControls.size()> kCreationOrder = [] {
    std::array<std::size_t, kControls.size()> order{};
    for (std::size_t i = 0; i < kCreationNames.size(); ++i) {
        order.at(i) = RowNamed(kCreationNames[i]);
    }
    return order;
}();

// Row numbers of the controls that take the focus, in increasing tab index: the Tab cycle.
inline constexpr std::array<std::size_t, kFocusableCount> kTabOrder = [] {
    std::array<std::size_t, kFocusableCount> order{};
    std::size_t n = 0;
    for (std::size_t row = 0; row < kControls.size(); ++row) {
        if (kControls[row].role.focusable()) {
            order.at(n++) = row;
        }
    }
    std::sort(order.begin(), order.end(), [](std::size_t x, std::size_t y) {
        return kControls[x].tab_index < kControls[y].tab_index;
    });
    return order;
}();

// Row numbers from the top of the stack down: the boxes and buttons, above every label they
// overlap (the exponents overlap their boxes), then the labels, each later created one above the
// earlier ones.
inline constexpr std::array<std::size_t, kControls.size()> kStackingOrder = [] {
    std::array<std::size_t, kControls.size()> order{};
    std::size_t n = 0;
    for (const std::size_t row : kTabOrder) {
        order.at(n++) = row;
    }
    for (auto row = kCreationOrder.rbegin(); row != kCreationOrder.rend(); ++row) {
        if (!kControls[*row].role.focusable()) {
            order.at(n++) = *row;
        }
    }
    return order;
}();

// The faces that stand in for the table's, in order, where the system lacks it: the outline
// version of MS Sans Serif, with its design and widths, and Carlito, whose widths fit every
// caption.
inline constexpr std::array<std::string_view, 2> kFontFallbacks = {"Microsoft Sans Serif",
                                                                   "Carlito"};

// The row of a text box.
constexpr std::size_t RowOf(TextBox box) {
    for (std::size_t row = 0; row < kControls.size(); ++row) {
        if (kControls[row].role.box == box) {
            return row;
        }
    }
    return kControls.size();  // every box has a row: checked below
}

// Whether a row is an exponent: a label drawn over a text box, as the small "2"s at the upper
// right of the power row's boxes are. Read on its own, it means nothing.
constexpr bool IsExponent(const ControlRow& control) {
    if (control.kind() != ControlKind::Label) {
        return false;
    }
    return std::any_of(kControls.begin(), kControls.end(), [&](const ControlRow& box) {
        return box.kind() == ControlKind::TextBox && control.left < box.left + box.width &&
               box.left < control.left + control.width && control.top < box.top + box.height &&
               box.top < control.top + control.height;
    });
}

// The sentence the verdict row reads with `verdict` in Text12: its controls left to right.
std::string VerdictSentence(std::string_view verdict);

// What a box's hints say, their captions one after the other: its description for screen readers.
std::string HintText(const ControlRow& box);

// "Label3(0)" for a member of a control array, the plain name otherwise.
std::string ObjectName(const ControlRow& control);

// The dots per inch the window was designed at: 15 twips a pixel. Where a window is drawn at
// another, its system scales it (Qt, browsers) or it lays itself out again (Win32).
inline constexpr int kDesignDpi = 96;

// Twips to pixels at `dpi` dots per inch, rounded to the nearest pixel (15 twips a pixel at 96).
constexpr int ToPixels(int twips, int dpi) {
    return (twips * dpi + 720) / 1440;
}

// A font's character height in pixels for `points` at `dpi` (8.25 pt is 11 px at 96 dpi), to the
// nearest pixel. A tie (8.25 pt at 144 dpi is 16.5 px) goes to the smaller size: the labels were
// sized for the font at 96 dpi, and half a pixel more pushes Label11's note onto a third line.
constexpr int FontPixels(double points, int dpi) {
    const double exact = points * dpi / 72.0;
    const int whole = static_cast<int>(exact);
    return exact - whole > 0.5 ? whole + 1 : whole;
}

// Whether a label's caption is drawn centred in it, in every window: a caption on one line
// (`line_width` no wider than the label) whose line is taller than the label would be cut at its
// foot through the glyphs (the large "+" signs); centred, the cut falls in the font's empty
// leading. The line's sizes are in pixels at `dpi`.
constexpr bool CentresCaption(const ControlRow& label, int line_height, int line_width, int dpi) {
    return label.kind() == ControlKind::Label && line_height > ToPixels(label.height, dpi) &&
           line_width <= ToPixels(label.width, dpi);
}

namespace control_table_detail {

constexpr bool NameIsBox(std::string_view name, TextBox box) {
    const int number = static_cast<int>(box);
    const char tens = static_cast<char>('0' + number / 10);
    const char units = static_cast<char>('0' + number % 10);
    return number < 10 ? name.size() == 5 && name.starts_with("Text") && name[4] == units
                       : name.size() == 6 && name.starts_with("Text") && name[4] == tens &&
                             name[5] == units;
}

constexpr bool TableIsSound() {
    int boxes = 0, focusable = 0;
    std::array<bool, kControls.size()> created{};
    for (const ControlName& control : kCreationNames) {
        const std::size_t row = RowNamed(control);
        if (row == kControls.size() || created[row]) {
            return false;
        }
        created[row] = true;
    }
    std::array<bool, 64> tab_taken{};
    std::array<int, 3> commands{};
    for (const ControlRow& row : kControls) {
        const Role role = row.role;
        if (role.box.has_value() != (role.kind == ControlKind::TextBox)) {
            return false;
        }
        if ((role.command != Command::None) != (role.kind == ControlKind::Button)) {
            return false;
        }
        if (role.box && !NameIsBox(row.name, *role.box)) {
            return false;
        }
        for (const ControlName& hint : row.hints) {
            const std::size_t hinted = hint.name.empty() ? 0 : RowNamed(hint);
            if (!hint.name.empty() && (!role.box || hinted == kControls.size() ||
                                       kControls[hinted].kind() != ControlKind::Label)) {
                return false;
            }
        }
        boxes += role.kind == ControlKind::TextBox;
        ++commands[static_cast<std::size_t>(role.command)];
        if (role.focusable()) {
            ++focusable;
            if (row.tab_index < 0 || row.tab_index >= static_cast<int>(tab_taken.size()) ||
                tab_taken[static_cast<std::size_t>(row.tab_index)]) {
                return false;
            }
            tab_taken[static_cast<std::size_t>(row.tab_index)] = true;
        }
    }
    for (int box = 1; box <= kTextBoxCount; ++box) {
        if (RowOf(static_cast<TextBox>(box)) == kControls.size()) {
            return false;
        }
    }
    return boxes == kTextBoxCount && focusable > 0 &&
           commands[static_cast<std::size_t>(Command::ClearAll)] == 1 &&
           commands[static_cast<std::size_t>(Command::TripleCheck)] == 1;
}

}  // namespace control_table_detail

// Each box and each command has exactly one row, the focusable controls have distinct tab
// indices, the creation list names every row once, and only boxes have hints, which are labels.
static_assert(control_table_detail::TableIsSound());
