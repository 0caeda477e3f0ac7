// Fuzzes NumberToText: any finite double, written and read back, is itself to 15 digits.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "check/numeric_text.h"

namespace {

// x rounded to 15 significant digits, as printf rounds it; false when that is beyond binary64.
bool RoundedTo15(double x, double& rounded) {
    char text[64];
    const int length = std::snprintf(text, sizeof text, "%.14e", x);
    return std::from_chars(text, text + length, rounded).ec == std::errc();
}

double ReadBack(const std::string& text, const char* separator, bool& out_of_range) {
    try {
        out_of_range = false;
        return TextToNumber(text, separator);
    } catch (const NumberOutOfRange&) {
        out_of_range = true;
        return 0;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    double x = 0;
    if (size != sizeof x) {
        return 0;
    }
    std::memcpy(&x, data, sizeof x);
    if (!std::isfinite(x)) {
        return 0;
    }
    const std::string point = NumberToText(x, ".").str();
    std::string comma = point;
    if (const auto dot = comma.find('.'); dot != std::string::npos) {
        comma[dot] = ',';
    }
    if (NumberToText(x, ",") != comma) {
        std::abort();
    }

    double expected = 0;
    const bool in_range = RoundedTo15(x, expected);
    bool out_of_range = false;
    const double back = ReadBack(point, ".", out_of_range);
    if (out_of_range == in_range || (in_range && back != expected)) {
        std::abort();
    }
    const double comma_back = ReadBack(comma, ",", out_of_range);
    if (out_of_range == in_range || (in_range && comma_back != expected)) {
        std::abort();
    }
    return 0;
}
