// The behaviours every window must have, and how they are run and written out.
#include "tests/form/window_behaviours.h"

#include <algorithm>
#include <cstdio>

#include "form/box_text.h"
#include "form/control_table.h"
#include "tests/form/window_cases.h"

std::string StepText::Build() const {
    std::string text(start);
    if (length > static_cast<int>(text.size())) {
        text.append(static_cast<std::size_t>(length) - text.size(), fill);
    }
    return text.append(end);
}

namespace {

constexpr std::string_view kResultBoxes[] = {"Text4", "Text5",  "Text6",  "Text7", "Text8",
                                             "Text9", "Text10", "Text11", "Text12"};
constexpr std::string_view kBoxes[] = {"Text1", "Text2", "Text3", "Text4",  "Text5",  "Text6",
                                       "Text7", "Text8", "Text9", "Text10", "Text11", "Text12"};
constexpr std::string_view kInvalid = "Impossibile: valori errati.";

Step Type(std::string_view box, std::string_view text) {
    return {Act::Type, std::string(box), {text}};
}
Step SetText(std::string_view box, StepText text) {
    return {Act::SetText, std::string(box), text};
}
Step Press(Key key) {
    return {Act::Press, {}, {}, key};
}
Step Click(std::string_view button) {
    return {Act::Click, std::string(button)};
}
Step Focus(std::string_view control) {
    return {Act::Focus, std::string(control)};
}
Step ExpectText(std::string_view box, StepText text) {
    return {Act::ExpectText, std::string(box), text};
}
Step ExpectFocus(std::string_view control) {
    return {Act::ExpectFocus, std::string(control)};
}
Step ExpectWarnings(int count, std::string_view text = {}) {
    return {Act::ExpectWarnings, {}, {text}, Key::Tab, count};
}
void TypeEntries(std::vector<Step>& steps, std::string_view a, std::string_view b,
                 std::string_view c) {
    steps.insert(steps.end(), {Type("Text1", a), Type("Text2", b), Type("Text3", c)});
}

std::vector<Behaviour> MakeBehaviours() {
    std::vector<Behaviour> all;
    all.push_back({"starts empty with the focus in Text1",
                   {ExpectText("*", {}), ExpectFocus("Text1"), ExpectWarnings(0)}});

    Behaviour tab{"Tab and Shift+Tab cycle the focusable controls", {}};
    for (const std::string_view name : kTabCycle) {
        tab.steps.insert(tab.steps.end(), {ExpectFocus(name), Press(Key::Tab)});
    }
    tab.steps.push_back(ExpectFocus("Text1"));  // round again
    for (auto name = kTabCycle.rbegin(); name != kTabCycle.rend(); ++name) {
        tab.steps.insert(tab.steps.end(), {Press(Key::ShiftTab), ExpectFocus(*name)});
    }
    all.push_back(std::move(tab));

    Behaviour enter{"Enter and Esc in a box run nothing", {}};
    TypeEntries(enter.steps, "3", "4", "5");
    for (const std::string_view box : kBoxes) {
        enter.steps.insert(enter.steps.end(), {Focus(box), Press(Key::Enter), Press(Key::Esc)});
    }
    for (const std::string_view box : kResultBoxes) {
        enter.steps.push_back(ExpectText(box, {}));
    }
    enter.steps.insert(enter.steps.end(), {ExpectText("Text1", {"3"}), ExpectWarnings(0)});
    all.push_back(std::move(enter));

    Behaviour buttons{"Space and Enter click a focused button, once per press", {}};
    TypeEntries(buttons.steps, "3", "4", "5");
    buttons.steps.insert(buttons.steps.end(), {Focus("Command2"),
                                               Press(Key::Space),
                                               ExpectText("Text12", {"è"}),
                                               Focus("Command1"),
                                               {Act::PressHeld, {}, {}, Key::Enter},
                                               ExpectText("Text12", {"è"}),
                                               Press(Key::Enter),
                                               ExpectText("*", {})});
    TypeEntries(buttons.steps, "5", "4", "3");
    buttons.steps.insert(buttons.steps.end(),
                         {Focus("Command2"), Press(Key::Enter), ExpectText("Text12", {"non è"})});
    all.push_back(std::move(buttons));

    for (const VerifyCase& c : kVerifyCases) {
        Behaviour verify{"VERIFICA: " + std::string(c.name), {}};
        TypeEntries(verify.steps, c.a, c.b, c.c);
        verify.steps.push_back(Click("Command2"));
        for (std::size_t i = 0; i < c.results.size(); ++i) {
            verify.steps.push_back(ExpectText(kResultBoxes[i], {c.results[i]}));
            // A box a command wrote shows the beginning of its text.
            verify.steps.push_back({Act::ExpectBeginning, std::string(kResultBoxes[i])});
        }
        verify.steps.push_back(c.message.empty() ? ExpectWarnings(0)
                                                 : ExpectWarnings(1, c.message));
        if (!c.message.empty()) {
            verify.steps.push_back(ExpectFocus("Command2"));  // given back after the warning
        }
        all.push_back(std::move(verify));
    }

    Behaviour kept{"an invalid entry keeps the results and what was typed into them", {}};
    TypeEntries(kept.steps, "5", "4", "3");
    kept.steps.insert(kept.steps.end(),
                      {Click("Command2"), Type("Text8", "mio"), SetText("Text1", {}),
                       Type("Text1", "abc"), Click("Command2"), ExpectWarnings(1, kInvalid),
                       ExpectText("Text4", {"5"}), ExpectText("Text8", {"25mio"}),
                       ExpectText("Text10", {"=/"}), ExpectText("Text12", {"non è"})});
    all.push_back(std::move(kept));

    Behaviour azzera{"AZZERA empties every box, typed results too, and shows nothing", {}};
    TypeEntries(azzera.steps, "3", "4", "5");
    azzera.steps.insert(
        azzera.steps.end(),
        {Click("Command2"), Type("Text10", "scritto a mano"), Click("Command1"),
         ExpectText("*", {}), Click("Command1"), ExpectText("*", {}), ExpectWarnings(0)});
    all.push_back(std::move(azzera));

    Behaviour comma{"the squares are written with the locale's separator",
                    {{Act::Open, {}, {","}}}};
    TypeEntries(comma.steps, "1.5", "2", "2.5");
    comma.steps.insert(comma.steps.end(), {Click("Command2"), ExpectText("Text8", {"2,25"}),
                                           ExpectText("Text12", {"è"})});
    all.push_back(std::move(comma));

    const StepText at_limit{"3.", kMaxBoxLength};
    // U+1F600, two units, the second of them past the limit: it goes whole, or not at all.
    const StepText straddling{"7", kMaxBoxLength - 1, '7', "\xF0\x9F\x98\x80"};
    const StepText before_it{"7", kMaxBoxLength - 1, '7'};
    all.push_back(
        {"an entry at the limit is kept whole, and a longer paste or text is cut there, "
         "never inside a character",
         {{Act::Paste, "Text1", at_limit},
          ExpectText("Text1", at_limit),
          {Act::Paste, "Text3", straddling},
          ExpectText("Text3", before_it),
          SetText("Text8", straddling),
          ExpectText("Text8", before_it),
          SetText("Text3", {}),
          {Act::Paste, "Text2", {"7", 3 * kMaxBoxLength, '7'}},
          ExpectText("Text2", {"7", kMaxBoxLength, '7'}),
          SetText("Text2", {"4"}),
          Type("Text3", "5"),
          Click("Command2"),
          ExpectText("Text4", at_limit),
          ExpectText("Text12", {"è"})}});

    Behaviour shown{
        "a box shows its beginning once the focus leaves, and a tooltip where its "
        "text does not fit",
        {}};
    constexpr std::string_view kLong = "0123456789.0123456789";
    for (const std::string_view box : kBoxes) {
        shown.steps.insert(shown.steps.end(), {Focus(box),
                                               SetText(box, {}),
                                               Type(box, kLong),
                                               Press(Key::Tab),
                                               {Act::ExpectBeginning, std::string(box)},
                                               {Act::ExpectTip, std::string(box), {kLong}},
                                               SetText(box, {"7"}),
                                               {Act::ExpectTip, std::string(box), {}}});
    }
    shown.steps.insert(shown.steps.end(),
                       {SetText("Text1", {"7", kMaxBoxLength, '7'}),
                        {Act::ExpectTip, "Text1", {"7", static_cast<int>(kToolTipLength), '7'}}});
    all.push_back(std::move(shown));

    Behaviour places{"every control stands where the table puts it, whatever the window's size",
                     {}};
    for (const int size : {0, 900, 120, 478}) {
        if (size != 0) {
            places.steps.push_back({Act::Resize, {}, {}, Key::Tab, 0, size, size * 3 / 4});
        }
        for (const ControlRow& entry : kControls) {
            places.steps.push_back({Act::ExpectPlace, ObjectName(entry)});
        }
    }
    all.push_back(std::move(places));

    // Where two controls overlap, the middle of the overlap at 96 dpi.
    const auto overlap = [](std::string_view below, std::string_view above) {
        const ControlRow& a = kControls[RowNamed(below)];
        const ControlRow& b = kControls[RowNamed(above)];
        const int left = std::max(a.left, b.left);
        const int right = std::min(a.left + a.width, b.left + b.width);
        const int top = std::max(a.top, b.top);
        const int bottom = std::min(a.top + a.height, b.top + b.height);
        return Step{Act::ExpectTopmost,
                    std::string(above),
                    {},
                    Key::Tab,
                    0,
                    ToPixels((left + right) / 2, 96),
                    ToPixels((top + bottom) / 2, 96)};
    };
    all.push_back({"the boxes lie above the exponents they overlap, and Label9 above Label11",
                   {overlap("Label3(1)", "Text4"), overlap("Label4", "Text5"),
                    overlap("Label5", "Text7"), overlap("Label11", "Label9")}});

    Behaviour captions{"every Caption fits its control whole", {}};
    for (const ControlRow& entry : kControls) {
        if (entry.kind() != ControlKind::TextBox) {
            captions.steps.push_back({Act::ExpectCaption, ObjectName(entry)});
        }
    }
    all.push_back(std::move(captions));
    return all;
}

std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (const char16_t unit : BoxUtf16(text)) {
        if (unit == u'"' || unit == u'\\') {
            out += '\\';
            out += static_cast<char>(unit);
        } else if (unit >= 0x20 && unit < 0x7F) {
            out += static_cast<char>(unit);
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(unit));
            out += escape;
        }
    }
    return out + "\"";
}

constexpr const char* kActs[] = {
    "Open",      "Type",   "SetText",     "Paste",         "Press",          "PressHeld",
    "Click",     "Focus",  "ExpectText",  "ExpectFocus",   "ExpectWarnings", "ExpectBeginning",
    "ExpectTip", "Resize", "ExpectPlace", "ExpectTopmost", "ExpectCaption"};
constexpr const char* kKeys[] = {"Tab", "ShiftTab", "Enter", "Esc", "Space"};

}  // namespace

const std::vector<Behaviour>& WindowBehaviours() {
    static const std::vector<Behaviour> behaviours = MakeBehaviours();
    return behaviours;
}

std::vector<std::string> RunBehaviour(const Behaviour& behaviour, WindowDriver& window) {
    std::vector<std::string> differences;
    const auto differ = [&](std::size_t step, std::string_view what, std::string_view shown,
                            std::string_view wanted) {
        differences.push_back("step " + std::to_string(step + 1) + ", " + std::string(what) +
                              ": shows \"" + std::string(shown.substr(0, 60)) + "\", wanted \"" +
                              std::string(wanted.substr(0, 60)) + "\"");
    };
    for (std::size_t i = 0; i < behaviour.steps.size(); ++i) {
        const Step& step = behaviour.steps[i];
        const std::string text = step.text.Build();
        switch (step.act) {
            case Act::Open:
                window.Open(text);
                break;
            case Act::Type:
                window.Type(step.target, text);
                break;
            case Act::SetText:
                window.SetText(step.target, text);
                break;
            case Act::Paste:
                window.Paste(step.target, text);
                break;
            case Act::Press:
            case Act::PressHeld:
                window.Press(step.key, step.act == Act::PressHeld);
                break;
            case Act::Click:
                window.Click(step.target);
                break;
            case Act::Focus:
                window.Focus(step.target);
                break;
            case Act::ExpectText:
                for (const std::string_view box : kBoxes) {
                    if ((step.target == "*" || step.target == box) && window.Text(box) != text) {
                        differ(i, box, window.Text(box), text);
                    }
                }
                break;
            case Act::ExpectFocus:
                if (window.Focused() != step.target) {
                    differ(i, "focus", window.Focused(), step.target);
                }
                break;
            case Act::ExpectWarnings: {
                const std::vector<ShownWarning> warnings = window.Warnings();
                if (static_cast<int>(warnings.size()) != step.count) {
                    differ(i, "warnings", std::to_string(warnings.size()),
                           std::to_string(step.count));
                } else if (step.count > 0) {
                    const ShownWarning& last = warnings.back();
                    if (last.text != text || last.caption != kWarningCaption ||
                        last.buttons != std::vector<std::string>{"OK"} || last.icon) {
                        differ(i, "warning", last.caption + ": " + last.text, text);
                    }
                }
                break;
            }
            case Act::ExpectBeginning:
                if (!window.ShowsBeginning(step.target)) {
                    differ(i, step.target, "its tail", "its beginning");
                }
                break;
            case Act::Resize:
                window.Resize(step.x, step.y);
                break;
            case Act::ExpectPlace: {
                const ControlRow& entry = kControls[RowNamed(step.target)];
                const Place wanted{ToPixels(entry.left, 96), ToPixels(entry.top, 96),
                                   ToPixels(entry.width, 96), ToPixels(entry.height, 96)};
                const Place place = window.PlaceOf(step.target);
                if (!(place == wanted)) {
                    const auto text_of = [](const Place& p) {
                        return std::to_string(p.left) + "," + std::to_string(p.top) + " " +
                               std::to_string(p.width) + "x" + std::to_string(p.height);
                    };
                    differ(i, step.target + "'s place", text_of(place), text_of(wanted));
                }
                break;
            }
            case Act::ExpectTopmost:
                if (window.TopmostAt(step.x, step.y) != step.target) {
                    differ(i, "on top", window.TopmostAt(step.x, step.y), step.target);
                }
                break;
            case Act::ExpectCaption:
                if (!window.CaptionFits(step.target)) {
                    differ(i, step.target + "'s caption", "cut", "whole");
                }
                break;
            case Act::ExpectTip: {
                const std::string wanted = text.empty() ? text : text + "\u2026";
                const std::string tip = window.Tip(step.target);
                // A tip shows a text that fits whole, and cuts a longer one with "…".
                const bool cut = step.text.length > 0;
                if (tip != (cut ? wanted : text)) {
                    differ(i, std::string(step.target) + "'s tooltip", tip, cut ? wanted : text);
                }
                break;
            }
        }
    }
    return differences;
}

std::string BehavioursJson() {
    std::string json = "[\n";
    for (const Behaviour& behaviour : WindowBehaviours()) {
        json += "  {\"name\": " + Quoted(behaviour.name) + ", \"steps\": [\n";
        for (const Step& step : behaviour.steps) {
            json += "    {\"act\": \"" + std::string(kActs[static_cast<int>(step.act)]) + "\"";
            if (!step.target.empty()) {
                json += ", \"target\": " + Quoted(step.target);
            }
            if (step.act == Act::Press || step.act == Act::PressHeld) {
                json += ", \"key\": \"" + std::string(kKeys[static_cast<int>(step.key)]) + "\"";
            }
            if (step.x != 0 || step.y != 0) {
                json += ", \"x\": " + std::to_string(step.x) + ", \"y\": " + std::to_string(step.y);
            }
            if (step.act == Act::ExpectWarnings) {
                json += ", \"count\": " + std::to_string(step.count);
            }
            if (step.act == Act::ExpectTip && step.text.length > 0) {
                json += ", \"cut\": true";
            }
            if (step.act == Act::ExpectPlace) {
                const ControlRow& entry = kControls[RowNamed(step.target)];
                json += ", \"place\": [" + std::to_string(ToPixels(entry.left, 96)) + ", " +
                        std::to_string(ToPixels(entry.top, 96)) + ", " +
                        std::to_string(ToPixels(entry.width, 96)) + ", " +
                        std::to_string(ToPixels(entry.height, 96)) + "]";
            }
            json += ", \"text\": " + Quoted(step.text.Build()) + "},\n";
        }
        json.erase(json.size() - 2, 1);  // the last step's comma
        json += "  ]},\n";
    }
    json.erase(json.size() - 2, 1);
    return json + "]\n";
}
