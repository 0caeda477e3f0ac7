// Form1 in a web page: texts cross between the page and the commands as UTF-16 units (the
// page's script, `Terne`, makes strings of them unit for unit), so that a lone surrogate survives
// a copy as it does in the desktop windows.
#include "form/web/form1.h"

#include <emscripten/emscripten.h>

#include <string>

#include "form/box_text.h"
#include "form/control_table.h"

namespace {

// clang-format off
EM_JS(int, terne_box_read, (int box, char16_t* units, int capacity), {
    const text = Terne.box(box).value;
    const length = Math.min(text.length, capacity);
    for (let i = 0; i < length; ++i) {
        HEAPU16[(units >> 1) + i] = text.charCodeAt(i);
    }
    return length;
});
EM_JS(void, terne_box_write, (int box, const char16_t* units, int length), {
    Terne.write(Terne.box(box), HEAPU16.subarray(units >> 1, (units >> 1) + length));
});
// Whether a text fits is known only after layout: the tip is given at the next frame, so that a
// command's nine writes cost one layout, not nine.
EM_JS(void, terne_box_tip, (int box, const char16_t* units, int length), {
    Terne.tip(Terne.box(box), HEAPU16.subarray(units >> 1, (units >> 1) + length));
});
EM_JS(void, terne_warn, (const char16_t* units, int length), {
    Terne.warn(HEAPU16.subarray(units >> 1, (units >> 1) + length));
});
EM_JS(int, terne_warning_open, (), {
    return Terne.warningOpen();
});
EM_JS(void, terne_announce, (const char16_t* units, int length), {
    Terne.announce(HEAPU16.subarray(units >> 1, (units >> 1) + length));
});
EM_JS(int, terne_separator, (char* out, int capacity), {
    return stringToUTF8(Terne.separator(), out, capacity);
});
// clang-format on

int BoxNumber(TextBox box) {
    return static_cast<int>(box);
}

// The box's text as far as its limit: one unit more is read, to tell a pair cut at the limit.
std::u16string BoxUnits(int box) {
    std::u16string units(kMaxBoxLength + 1, u'\0');
    units.resize(static_cast<std::size_t>(
        terne_box_read(box, units.data(), static_cast<int>(units.size()))));
    units.resize(CutToBoxLength(units).size());
    return units;
}

// Made at its first use: a click, or Form1_Load.
Form1& ThePage() {
    static Form1 form(PageDecimalSeparator());
    return form;
}

}  // namespace

std::string PageSurface::GetText(TextBox box) const {
    return BoxBytes(BoxUnits(BoxNumber(box)));
}

void PageSurface::SetText(TextBox box, std::string_view text) {
    const std::u16string units = BoxUtf16(text);
    const std::u16string_view cut = CutToBoxLength(units);
    terne_box_write(BoxNumber(box), cut.data(), static_cast<int>(cut.size()));
    Form1_BoxChanged(BoxNumber(box));
}

void PageSurface::ShowMessage(std::string_view prompt) {
    const std::u16string units = BoxUtf16(prompt);
    terne_warn(units.data(), static_cast<int>(units.size()));
}

bool PageSurface::WarningOpen() const {
    return terne_warning_open() != 0;
}

void PageSurface::Announce(std::string_view text) {
    const std::u16string units = BoxUtf16(text);
    terne_announce(units.data(), static_cast<int>(units.size()));
}

Form1::Form1(std::string decimal_separator) : commands_(surface_, std::move(decimal_separator)) {}

void Form1::Click(Command command) {
    if (surface_.WarningOpen()) {
        return;
    }
    commands_.Run(command);
    if (command == Command::TripleCheck && !surface_.WarningOpen()) {
        surface_.Announce(VerdictSentence(surface_.GetText(TextBox::Text12)));
    }
}

std::string PageDecimalSeparator() {
    char separator[64] = {};
    terne_separator(separator, sizeof separator);
    return separator;
}

extern "C" {
EMSCRIPTEN_KEEPALIVE void Form1_Load() {
    ThePage();
}
EMSCRIPTEN_KEEPALIVE void Command1_Click() {
    ThePage().Click(kControls[RowNamed("Command1")].role.command);
}
EMSCRIPTEN_KEEPALIVE void Command2_Click() {
    ThePage().Click(kControls[RowNamed("Command2")].role.command);
}
EMSCRIPTEN_KEEPALIVE void Form1_BoxChanged(int box) {
    if (box < 1 || box > kTextBoxCount) {
        return;
    }
    const std::u16string tip = ToolTipText(BoxUnits(box));
    terne_box_tip(box, tip.data(), static_cast<int>(tip.size()));
}
}
