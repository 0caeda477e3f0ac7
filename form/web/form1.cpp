// Form1 in a web page: texts cross between the page and the commands as UTF-16 units (the
// page's script makes strings of them unit for unit), so that a lone surrogate survives a copy
// as it does in the desktop windows.
#include "form/web/form1.h"

#include <emscripten/emscripten.h>

#include <string>

#include "form/box_text.h"
#include "form/control_table.h"

namespace {

// clang-format off
EM_JS(int, terne_box_read, (int row, char16_t* units, int capacity), {
    const text = Terne.control(row).value;
    const length = Math.min(text.length, capacity);
    for (let i = 0; i < length; ++i) {
        HEAPU16[(units >> 1) + i] = text.charCodeAt(i);
    }
    return length;
});
EM_JS(void, terne_box_write, (int row, const char16_t* units, int length), {
    Terne.write(Terne.control(row), HEAPU16.subarray(units >> 1, (units >> 1) + length));
});
// Whether a text fits is known only after layout: the tip is given at the next frame, so that a
// command's nine writes cost one layout, not nine.
EM_JS(void, terne_box_tip, (int row, const char16_t* units, int length), {
    Terne.tip(Terne.control(row), HEAPU16.subarray(units >> 1, (units >> 1) + length));
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

void Say(void (*to_page)(const char16_t*, int), std::string_view text) {
    const std::u16string units = BoxUtf16(text);
    to_page(units.data(), static_cast<int>(units.size()));
}

// The box's text as far as its limit: one unit more is read, to tell a pair cut at the limit.
std::u16string BoxUnits(std::size_t row) {
    std::u16string units(kMaxBoxLength + 1, u'\0');
    units.resize(static_cast<std::size_t>(
        terne_box_read(static_cast<int>(row), units.data(), static_cast<int>(units.size()))));
    units.resize(CutToBoxLength(units).size());
    return units;
}

void GiveTip(std::size_t row, std::u16string_view text) {
    const std::u16string tip = ToolTipText(text);
    terne_box_tip(static_cast<int>(row), tip.data(), static_cast<int>(tip.size()));
}

std::string DecimalSeparator() {
    char separator[64] = {};
    terne_separator(separator, sizeof separator);
    return separator;
}

// The page's one window, made at its first use: a click, or Form1_Load.
Form1& PageForm() {
    static Form1 form(DecimalSeparator());
    return form;
}

}  // namespace

Form1::Form1(std::string decimal_separator) : commands_(*this, std::move(decimal_separator)) {}

void Form1::Click(std::size_t row) {
    const ClickHandler handler = HandlerOf(row);
    if (handler == nullptr || terne_warning_open()) {
        return;
    }
    (commands_.*handler)();
    if (kControls[row].role.command == Command::TripleCheck && !terne_warning_open()) {
        Say(terne_announce, VerdictSentence(GetText(TextBox::Text12)));
    }
}

std::string Form1::GetText(TextBox box) const {
    return BoxBytes(BoxUnits(RowOf(box)));
}

void Form1::SetText(TextBox box, std::string_view text) {
    const std::u16string units = BoxUtf16(text);
    const std::u16string_view cut = CutToBoxLength(units);
    terne_box_write(static_cast<int>(RowOf(box)), cut.data(), static_cast<int>(cut.size()));
    GiveTip(RowOf(box), cut);
}

void Form1::ShowMessage(std::string_view prompt) {
    Say(terne_warn, prompt);
}

extern "C" {
EMSCRIPTEN_KEEPALIVE void Form1_Load() {
    PageForm();
}
EMSCRIPTEN_KEEPALIVE void Form1_Click(int row) {
    if (row >= 0 && static_cast<std::size_t>(row) < kControls.size()) {
        PageForm().Click(static_cast<std::size_t>(row));
    }
}
EMSCRIPTEN_KEEPALIVE void Form1_RefreshTip(int row) {
    if (row >= 0 && static_cast<std::size_t>(row) < kControls.size() &&
        kControls[static_cast<std::size_t>(row)].role.box) {
        GiveTip(static_cast<std::size_t>(row), BoxUnits(static_cast<std::size_t>(row)));
    }
}
}
