// What every window must do, as data read by every window's tests: each behaviour is a few
// steps a user takes and what the window must show after them. A window's tests supply a
// WindowDriver and run the behaviours through it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

enum class Key { Tab, ShiftTab, Enter, Esc, Space };

enum class Act {
    Open,             // the window anew, with `text` as the locale's decimal separator
    Type,             // `text` typed at the end of box `target`
    SetText,          // box `target`'s whole text, as a command writes it
    Paste,            // `text` pasted over box `target`'s whole text, from the clipboard
    Press,            // key `key` on the control with the focus
    PressHeld,        // the same key, repeating as when it is held down
    Click,            // button `target` clicked
    Focus,            // the focus put on `target`
    ExpectText,       // box `target` ("*": every box) holds `text`
    ExpectFocus,      // `target` has the focus
    ExpectWarnings,   // `count` warnings shown so far, the last one reading `text`
    ExpectBeginning,  // box `target` shows the beginning of its text
    ExpectTip,        // box `target`'s tooltip shows `text` ("": none), followed by "…" where
                      // `text` is filled to a length: a text cut short
    Resize,           // the window's client area to `x` by `y` pixels
    ExpectPlace,      // `target` stands where the table puts it, at 96 dpi
    ExpectTopmost,    // `target` is drawn on top at the point `x`, `y` of the client area
    ExpectCaption,    // `target`'s caption fits it whole
};

// A step's text: `start`, then `fill` up to `length` characters where that is longer, then `end`.
struct StepText {
    std::string_view start;
    int length = 0;
    char fill = '0';
    std::string_view end = {};

    std::string Build() const;
};

struct Step {
    Act act;
    std::string target = {};
    StepText text = {};
    Key key = Key::Tab;
    int count = 0;
    int x = 0, y = 0;
};

struct Behaviour {
    std::string name;
    std::vector<Step> steps;
};

// Every behaviour, in one list.
const std::vector<Behaviour>& WindowBehaviours();

// A control's rectangle in pixels, from the client area's top-left corner.
struct Place {
    int left, top, width, height;
    bool operator==(const Place&) const = default;
};

struct ShownWarning {
    std::string caption, text;
    std::vector<std::string> buttons;
    bool icon = false;
};

// A window as the behaviours drive it; texts are UTF-8, controls are named as in the table.
class WindowDriver {
  public:
    virtual ~WindowDriver() = default;
    virtual void Open(std::string_view separator) = 0;
    virtual void Type(std::string_view box, std::string_view text) = 0;
    virtual void SetText(std::string_view box, std::string_view text) = 0;
    virtual void Paste(std::string_view box, std::string_view text) = 0;
    virtual void Press(Key key, bool held) = 0;
    virtual void Click(std::string_view button) = 0;
    virtual void Focus(std::string_view control) = 0;
    virtual std::string Text(std::string_view box) const = 0;
    virtual std::string Focused() const = 0;
    virtual std::vector<ShownWarning> Warnings() const = 0;
    virtual bool ShowsBeginning(std::string_view box) const = 0;
    virtual std::string Tip(std::string_view box) const = 0;
    virtual void Resize(int width, int height) = 0;
    virtual Place PlaceOf(std::string_view control) const = 0;
    virtual std::string TopmostAt(int x, int y) const = 0;
    virtual bool CaptionFits(std::string_view control) const = 0;
};

// Runs a behaviour; what the window did otherwise, one line a difference.
std::vector<std::string> RunBehaviour(const Behaviour& behaviour, WindowDriver& window);

// The behaviours as JSON, for windows whose tests are not written in C++.
std::string BehavioursJson();
