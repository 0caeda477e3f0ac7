// Writes the page's Form1 from the control table, at build time: "markup" gives the window's
// HTML, "style" the rules that place and paint each control, "title" the window's caption. Run
// under node by the build.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "form/control_table.h"

namespace {

// The line height of Carlito's "normal" (ascent, descent and line gap of its 2048 units).
constexpr double kLineHeight = 2500.0 / 2048.0;

std::string Id(const ControlSpec& control) {
    return control.index == kNoIndex
               ? std::string(control.name)
               : std::string(control.name) + "_" + std::to_string(control.index);
}

std::string Escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// The labels whose captions hold a part of a box's description ("a; b"): what the box's hints are.
std::string DescribedBy(const ControlSpec& box) {
    std::string ids;
    std::string_view rest = box.accessible_description;
    while (!rest.empty()) {
        const std::size_t end = rest.find("; ");
        const std::string_view part = rest.substr(0, end);
        for (const ControlSpec& label : kControls) {
            if (label.kind() == ControlKind::Label &&
                label.caption.find(part) != std::string_view::npos) {
                ids += (ids.empty() ? "" : " ") + Id(label);
            }
        }
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 2);
    }
    return ids;
}

void WriteMarkup() {
    std::string html = "<main id=\"Form1\">\n";
    for (const ControlSpec& control : kControls) {
        std::string common =
            "id=\"" + Id(control) + "\" data-name=\"" + Escaped(ObjectName(control)) + "\"";
        if (control.role.focusable()) {
            common += " data-tab=\"" + std::to_string(control.tab_index) + "\"";
        }
        switch (control.kind()) {
            case ControlKind::Label: {
                // The top line is the window's title, and the page's heading.
                const bool heading = &control == &kControls.front();
                html += std::string(heading ? "<h1 " : "<div ") + common + " class=\"label\">" +
                        Escaped(control.caption) + (heading ? "</h1>\n" : "</div>\n");
                break;
            }
            case ControlKind::TextBox: {
                html += "<input " + common + " type=\"text\" maxlength=\"" +
                        std::to_string(kMaxBoxLength) + "\" aria-label=\"" +
                        Escaped(control.accessible_name) + "\"";
                const std::string hints = DescribedBy(control);
                if (!hints.empty()) {
                    html += " aria-describedby=\"" + hints + "\"";
                }
                html +=
                    " autocomplete=\"off\" autocapitalize=\"off\" autocorrect=\"off\""
                    " spellcheck=\"false\"";
                if (&control == &kControls[kTabOrder.front()]) {
                    html += " autofocus";
                }
                html += ">\n";
                break;
            }
            case ControlKind::Button:
                html += "<button " + common + " type=\"button\" data-click=\"" +
                        std::string(control.name) + "_Click\">" + Escaped(control.caption) +
                        "</button>\n";
                break;
        }
    }
    html += "</main>\n";
    html +=
        "<dialog id=\"Warning\" role=\"alertdialog\" aria-modal=\"true\" "
        "aria-labelledby=\"WarningTitle\" aria-describedby=\"WarningText\">\n"
        "<div id=\"WarningTitle\">" +
        Escaped(kApplicationTitle) +
        "</div>\n<p id=\"WarningText\"></p>\n"
        "<div id=\"WarningButtons\"><button id=\"WarningOK\" type=\"button\">OK</button></div>\n"
        "</dialog>\n";
    std::fputs(html.c_str(), stdout);
}

std::string Px(int twips) {
    return std::to_string(ToPixels(twips, 96)) + "px";
}

std::string Colour(Rgb colour) {
    return "rgb(" + std::to_string(colour.red) + "," + std::to_string(colour.green) + "," +
           std::to_string(colour.blue) + ")";
}

void WriteStyle() {
    // On a screen narrower than the window, the window as a whole is scaled down to fit, never
    // up: tan(atan2(a, b)) is the ratio a / b of two lengths, as a number. The style does it before
    // the first layout, so the page never scrolls sideways.
    std::string css =
        "#Form1{width:" + Px(kForm1.client_width) + ";height:" + Px(kForm1.client_height) +
        ";background:" + Colour(kForm1.background) + ";transform:scale(min(1,tan(atan2(100vw," +
        Px(kForm1.client_width) + "))))}\n";
    // Later in the stack is lower: the boxes and buttons above the labels, later labels above
    // earlier ones.
    std::vector<int> depth(kControls.size());
    for (std::size_t i = 0; i < kStackingOrder.size(); ++i) {
        depth[kStackingOrder[i]] = static_cast<int>(kStackingOrder.size() - i);
    }
    for (std::size_t row = 0; row < kControls.size(); ++row) {
        const ControlSpec& control = kControls[row];
        const int font = FontPixels(FontPoints(control), 96);
        css += "#Form1>#" + Id(control) + "{left:" + Px(control.left) + ";top:" + Px(control.top) +
               ";width:" + Px(control.width) + ";height:" + Px(control.height) +
               ";font-size:" + std::to_string(font) + "px;z-index:" + std::to_string(depth[row]);
        if (control.text_colour) {
            css += ";color:" + Colour(*control.text_colour);
        }
        // A one-line caption taller than its label is centred in it, as the desktop windows
        // draw it, rather than cut at its foot.
        const int line = static_cast<int>(font * kLineHeight + 0.5);
        if (control.kind() == ControlKind::Label && line > ToPixels(control.height, 96)) {
            css += ";line-height:" + Px(control.height);
        }
        css += "}\n";
    }
    std::fputs(css.c_str(), stdout);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string_view what = argc > 1 ? argv[1] : "";
    if (what == "markup") {
        WriteMarkup();
    } else if (what == "style") {
        WriteStyle();
    } else if (what == "title") {
        std::printf("%s\n", Escaped(kForm1.caption).c_str());
    } else {
        std::fputs("usage: write_page markup|style|title\n", stderr);
        return 2;
    }
    return 0;
}
