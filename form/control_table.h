// The window's 26 controls as data: what each one is, shows and where it sits.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

enum class ControlKind { Label, TextBox, Button };

struct Rgb {
    int red, green, blue;
};

inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kRed{255, 0, 0};

inline constexpr int kNoIndex = -1;        // not part of a control array
inline constexpr double kDefaultFont = 0;  // the window's font
inline constexpr std::optional<Rgb> kDefaultColour = std::nullopt;

// Positions and sizes are in twips (15 to a pixel at 96 dpi) from the client area's corner.
struct ControlSpec {
    std::string_view name;
    int index;
    ControlKind kind;
    std::string_view caption;
    int left, top, width, height;
    double font_points;
    std::optional<Rgb> text_colour;
    int tab_index;
    std::string_view accessible_name;  // what a screen reader says a text box holds
};

inline constexpr int kTwipsPerPixel = 15;

struct WindowSpec {
    std::string_view caption;
    int client_width, client_height;  // twips
    Rgb background;
    std::string_view font_family;
    double font_points;
};

extern const WindowSpec kForm1;
extern const std::array<ControlSpec, 26> kControls;
// Object names ("Text11", "Label3(1)", ...) in the order the controls are created: later ones
// are stacked above earlier ones of the same kind.
extern const std::array<std::string_view, 26> kCreationOrder;

// "Label3(0)" for a member of a control array, the plain name otherwise.
std::string ObjectName(const ControlSpec& control);
