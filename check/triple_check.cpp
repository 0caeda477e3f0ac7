// The VERIFICA command: reads the triple, writes both equations and the verdict.
#include "check/triple_check.h"

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "check/numeric_text.h"
#include "check/work_value.h"

namespace {

constexpr std::string_view kEqual = "=";
constexpr std::string_view kNotEqual = "=/";
constexpr std::string_view kIs = "è";
constexpr std::string_view kIsNot = "non è";

// An entry's number; one beyond binary64 reads as the infinity of its sign, so that a
// negative one is simply not positive and a positive one fails as a square.
double ReadEntry(std::string_view text) {
    try {
        return TextToNumber(text);
    } catch (const NumberOutOfRange& error) {
        return error.negative() ? -std::numeric_limits<double>::infinity()
                                : std::numeric_limits<double>::infinity();
    }
}

// A square as the window shows it, and the number that text reads back as: the comparison
// judges the numbers the user sees, not the unrounded squares.
struct ShownSquare {
    NumberText text;
    double value;
};

// Nothing when the square, or what its text reads back as, lies beyond binary64.
std::optional<ShownSquare> Square(double entry, std::string_view separator) {
    // The correctly rounded product, in every build: glibc's pow is not correctly rounded, and
    // the compiler replaces pow(x, 2.0) with x * x only when it optimises.
    const WorkValue square(entry * entry);
    if (!std::isfinite(square.number())) {
        return std::nullopt;
    }
    const NumberText text = square.Text(separator);
    try {
        return ShownSquare{text, TextToNumber(text, separator)};
    } catch (const NumberOutOfRange&) {
        return std::nullopt;  // e.g. 1.79769313486232E+308, rounded up past the largest double
    }
}

}  // namespace

void TripleCheck(FormSurface& surface, std::string_view locale_separator) {
    const std::string_view separator = UsableSeparator(locale_separator);
    const std::string a = surface.GetText(TextBox::Text1);
    const std::string b = surface.GetText(TextBox::Text2);
    const std::string c = surface.GetText(TextBox::Text3);

    // All three are read, in order, whatever the earlier ones gave.
    const double a_number = ReadEntry(a);
    const double b_number = ReadEntry(b);
    const double c_number = ReadEntry(c);
    // A positive number too small for binary64 reads as 0; it is refused below as too small.
    const auto positive = [](double number, std::string_view text) {
        return number > 0.0 || UnderflowsToZero(text);
    };
    if (!(positive(a_number, a) && positive(b_number, b) && positive(c_number, c))) {
        surface.ShowMessage(kInvalidEntries);
        return;
    }

    // Every square is checked before the first box is written, so a refused triple leaves the
    // window exactly as it was.
    const auto a2 = Square(a_number, separator);
    const auto b2 = Square(b_number, separator);
    const auto c2 = Square(c_number, separator);
    if (!a2 || !b2 || !c2) {
        surface.ShowMessage(kTooLarge);
        return;
    }
    constexpr double kSmallestNormal = std::numeric_limits<double>::min();
    if (a2->value < kSmallestNormal || b2->value < kSmallestNormal || c2->value < kSmallestNormal) {
        surface.ShowMessage(kTooSmall);  // such squares have lost their digits, or are 0
        return;
    }

    surface.SetText(TextBox::Text4, a);
    surface.SetText(TextBox::Text5, b);
    surface.SetText(TextBox::Text7, c);
    surface.SetText(TextBox::Text6, kEqual);
    surface.SetText(TextBox::Text8, a2->text);
    surface.SetText(TextBox::Text9, b2->text);
    surface.SetText(TextBox::Text11, c2->text);
    surface.SetText(TextBox::Text12, kIs);

    // Both terms are finite and positive, so the only thing the addition can do wrong is
    // overflow; the infinite sum then equals no finite square and the verdict is "not equal".
    const double sum = a2->value + b2->value;
    if (sum == c2->value) {
        surface.SetText(TextBox::Text10, kEqual);
    } else {
        surface.SetText(TextBox::Text10, kNotEqual);
        surface.SetText(TextBox::Text6, kNotEqual);
        surface.SetText(TextBox::Text12, kIsNot);
    }
}
