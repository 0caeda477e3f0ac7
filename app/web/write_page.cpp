// Writes the page's Form1 from the control table, at build time, into a folder: the window's
// HTML (controls.markup), the rules that place and paint each control (controls.style), and the
// window's caption (controls.title). Run under node by the build, once.
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form/box_text.h"
#include "form/control_table.h"

namespace {

// The page's font as its layout needs it, in ems: a line's height, and each character's advance.
struct FontMetrics {
    double line = 0;
    std::map<char16_t, double> advances;

    // A caption's width on one line, in ems (kerning aside).
    double Width(std::string_view caption) const {
        double width = 0;
        for (const char16_t unit : BoxUtf16(caption)) {
            const auto found = advances.find(unit);
            width += found != advances.end() ? found->second : 1;  // unknown: as wide as can be
        }
        return width;
    }
};

// As font_metrics.py writes them.
std::optional<FontMetrics> ReadMetrics(const char* path) {
    std::ifstream in(path);
    FontMetrics metrics;
    if (!(in >> metrics.line)) {
        return std::nullopt;
    }
    unsigned code = 0;
    double advance = 0;
    while (in >> code >> advance) {
        metrics.advances[static_cast<char16_t>(code)] = advance;
    }
    return metrics;
}

// What the page says, above the window, when its program cannot run: shown as written where no
// script runs at all, and by the page's script on any other failure.
constexpr std::string_view kCannotRun =
    "Impossibile: il programma non può funzionare in questo browser. Aggiornalo, oppure apri la "
    "pagina con un altro browser.";

std::string Id(const ControlRow& control) {
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

// The ids of a box's hints.
std::string DescribedBy(const ControlRow& box) {
    std::string ids;
    for (const ControlName& hint : box.hints) {
        if (!hint.name.empty()) {
            ids += (ids.empty() ? "" : " ") + Id(kControls[RowNamed(hint)]);
        }
    }
    return ids;
}

std::string Markup() {
    std::string cycle;
    for (const std::size_t row : kTabOrder) {
        cycle += (cycle.empty() ? "" : " ") + Id(kControls[row]);
    }
    std::string html = "<p id=\"Failure\" role=\"alert\">" + Escaped(kCannotRun) +
                       "</p>\n<main id=\"Form1\" data-cycle=\"" + cycle + "\">\n";
    for (const ControlRow& control : kControls) {
        std::string common =
            "id=\"" + Id(control) + "\" data-name=\"" + Escaped(ObjectName(control)) + "\"";
        if (control.role.focusable()) {
            common += " data-tab=\"" + std::to_string(control.tab_index) + "\"";
        }
        switch (control.kind()) {
            case ControlKind::Label: {
                // The top line is the window's title, and the page's heading.
                const bool heading = &control == &kControls.front();
                // The boxes' names say what is squared: the exponents alone would be read as
                // "2, 2, 2" before the boxes they belong to.
                if (IsExponent(control)) {
                    common += " aria-hidden=\"true\"";
                }
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
                html += "<button " + common + " type=\"button\">" + Escaped(control.caption) +
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
        "</dialog>\n<div id=\"Verdict\" role=\"status\"></div>\n";
    return html;
}

std::string Px(int twips) {
    return std::to_string(ToPixels(twips, kDesignDpi)) + "px";
}

std::string Colour(Rgb colour) {
    return "rgb(" + std::to_string(colour.red) + "," + std::to_string(colour.green) + "," +
           std::to_string(colour.blue) + ")";
}

std::string Style(const FontMetrics& metrics) {
    // On a screen narrower than the window, the window as a whole is scaled down to fit, never
    // up, and its warning with it, centred on it. The page's script gives the viewport's width.
    const int window_width = ToPixels(kForm1.client_width, kDesignDpi);
    std::string css =
        ":root{--scale:min(1,calc(var(--viewport-width," + std::to_string(window_width) + ")/" +
        std::to_string(window_width) + "))}\n#Form1{width:" + Px(kForm1.client_width) +
        ";height:" + Px(kForm1.client_height) + ";background:" + Colour(kForm1.background) +
        ";transform:scale(var(--scale))}\n" + "#Warning{left:calc(" + Px(kForm1.client_width / 2) +
        "*var(--scale));top:calc(" + Px(kForm1.client_height / 2) + "*var(--scale))}\n" +
        "#Form1 .label{background:" + Colour(kWhite) + "}\n";
    // Later in the stack is lower: the boxes and buttons above the labels, later labels above
    // earlier ones.
    std::vector<int> depth(kControls.size());
    for (std::size_t i = 0; i < kStackingOrder.size(); ++i) {
        depth[kStackingOrder[i]] = static_cast<int>(kStackingOrder.size() - i);
    }
    for (std::size_t row = 0; row < kControls.size(); ++row) {
        const ControlRow& control = kControls[row];
        const int font = FontPixels(FontPoints(control), kDesignDpi);
        css += "#Form1>#" + Id(control) + "{left:" + Px(control.left) + ";top:" + Px(control.top) +
               ";width:" + Px(control.width) + ";height:" + Px(control.height) +
               ";font-size:" + std::to_string(font) + "px;z-index:" + std::to_string(depth[row]);
        if (control.text_colour) {
            css += ";color:" + Colour(*control.text_colour);
        }
        // Centred where the table's rule says, as the desktop windows draw it.
        const auto line = static_cast<int>(std::lround(font * metrics.line));
        const auto advance = static_cast<int>(std::lround(font * metrics.Width(control.caption)));
        if (CentresCaption(control, line, advance, kDesignDpi)) {
            css += ";line-height:" + Px(control.height);
        }
        css += "}\n";
    }
    return css;
}

bool Write(const std::string& path, const std::string& text) {
    std::FILE* file = std::fopen(path.c_str(), "w");
    const bool written = file != nullptr && std::fputs(text.c_str(), file) >= 0;
    return file != nullptr && std::fclose(file) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<FontMetrics> metrics = argc == 3 ? ReadMetrics(argv[2]) : std::nullopt;
    if (!metrics) {
        std::fputs(
            "usage: write_page FOLDER METRICS   (writes controls.markup, .style and .title in\n"
            "FOLDER; METRICS is the page's font's, from font_metrics.py)\n",
            stderr);
        return 2;
    }
    const std::string folder = argv[1];
    return Write(folder + "/controls.markup", Markup()) &&
                   Write(folder + "/controls.style", Style(*metrics)) &&
                   Write(folder + "/controls.title", Escaped(kForm1.caption) + "\n")
               ? 0
               : 1;
}
