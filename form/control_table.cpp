// Names of the controls as the toolkits know them, the verdict row as a sentence, and a box's
// hints as its description.
#include "form/control_table.h"

std::string ObjectName(const ControlRow& control) {
    std::string name(control.name);
    if (control.index != kNoIndex) {
        name += '(' + std::to_string(control.index) + ')';
    }
    return name;
}

std::string VerdictSentence(std::string_view verdict) {
    const ControlRow& verdict_box = kControls[RowOf(TextBox::Text12)];
    std::string sentence;
    for (const ControlRow& control : kControls) {
        if (control.top == verdict_box.top) {
            sentence += sentence.empty() ? "" : " ";
            sentence += &control == &verdict_box ? verdict : control.caption;
        }
    }
    return sentence;
}

std::string HintText(const ControlRow& box) {
    std::string text;
    for (const ControlName& hint : box.hints) {
        if (!hint.name.empty()) {
            text += text.empty() ? "" : " ";
            text += kControls[RowNamed(hint)].caption;
        }
    }
    return text;
}
