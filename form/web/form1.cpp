// Form1 in a web page: box texts cross between the page and the commands as UTF-16 units, so
// that a lone surrogate survives a copy as it does in the desktop windows.
#include "form/web/form1.h"

#include <emscripten/emscripten.h>

#include <string>

#include "form/box_text.h"
#include "form/control_table.h"

namespace {

// clang-format off
EM_JS(int, terne_box_length, (int box), {
    return document.getElementById('Text' + box).value.length;
});
EM_JS(void, terne_box_read, (int box, char16_t* units), {
    const text = document.getElementById('Text' + box).value;
    for (let i = 0; i < text.length; ++i) {
        HEAPU16[(units >> 1) + i] = text.charCodeAt(i);
    }
});
EM_JS(void, terne_box_write, (int box, const char16_t* units, int length), {
    const edit = document.getElementById('Text' + box);
    edit.value = String.fromCharCode.apply(null, HEAPU16.subarray(units >> 1, (units >> 1) + length));
    // A box without the focus shows the beginning of a new text; one with it, where its caret is.
    if (document.activeElement === edit) {
        edit.setSelectionRange(0, 0);
        edit.scrollLeft = 0;
    }
});
// Whether a text fits is known only after layout: the tip is given at the next frame, so that a
// command's nine writes cost one layout, not nine.
EM_JS(void, terne_box_tip, (int box, const char16_t* units, int length), {
    const pending = Module.pendingTips || (Module.pendingTips = new Map());
    pending.set(box, String.fromCharCode.apply(null, HEAPU16.subarray(units >> 1, (units >> 1) + length)));
    if (pending.size === 1) {
        requestAnimationFrame(function() {
            pending.forEach(function(tip, number) {
                const edit = document.getElementById('Text' + number);
                if (edit.scrollWidth > edit.clientWidth) {
                    edit.title = tip;
                } else {
                    edit.removeAttribute('title');
                }
            });
            pending.clear();
        });
    }
});
EM_JS(void, terne_warn, (const char16_t* units, int length), {
    terneShowWarning(String.fromCharCode.apply(null, HEAPU16.subarray(units >> 1, (units >> 1) + length)));
});
EM_JS(int, terne_separator, (char* out, int capacity), {
    let separator = '.';
    try {
        const decimal = new Intl.NumberFormat().formatToParts(1.5).find(p => p.type === 'decimal');
        separator = decimal ? decimal.value : '.';
    } catch (e) {}
    return stringToUTF8(separator, out, capacity);
});
// clang-format on

int BoxNumber(TextBox box) {
    return static_cast<int>(box);
}

std::u16string BoxUnits(int box) {
    std::u16string units(static_cast<std::size_t>(terne_box_length(box)), u'\0');
    terne_box_read(box, units.data());
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
    std::u16string units = BoxUtf16(text);
    if (std::size_t cut = kMaxBoxLength; units.size() > cut) {
        // Never between the halves of a surrogate pair.
        if (units[cut - 1] >= 0xD800 && units[cut - 1] < 0xDC00 && units[cut] >= 0xDC00 &&
            units[cut] < 0xE000) {
            --cut;
        }
        units.resize(cut);
    }
    terne_box_write(BoxNumber(box), units.data(), static_cast<int>(units.size()));
    Form1_BoxChanged(BoxNumber(box));
}

void PageSurface::ShowMessage(std::string_view prompt) {
    const std::u16string units = BoxUtf16(prompt);
    terne_warn(units.data(), static_cast<int>(units.size()));
}

Form1::Form1(std::string decimal_separator) : commands_(surface_, std::move(decimal_separator)) {}

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
