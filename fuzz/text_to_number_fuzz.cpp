// Fuzzes TextToNumber against a regular-expression reading of the same grammar and from_chars.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <regex>
#include <string_view>

#include "check/numeric_text.h"

namespace {

// Blanks, sign, mantissa, optional exponent: the number at the start of a text.
const std::regex kNumber(R"(^[ \t]*([+-]?)((?:[0-9]+\.?[0-9]*|\.[0-9]+)(?:[eE][+-]?[0-9]+)?))");

// std::regex recurses per character; longer inputs are only checked for not crashing.
constexpr std::size_t kCheckedLength = 512;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    double value = 0;
    bool out_of_range = false;
    try {
        value = TextToNumber(text);
        if (!std::isfinite(value)) {
            std::abort();
        }
    } catch (const NumberOutOfRange&) {
        out_of_range = true;
    }
    if (size > kCheckedLength) {
        return 0;
    }

    std::cmatch match;
    if (!std::regex_search(text.data(), text.data() + text.size(), match, kNumber)) {
        if (out_of_range || value != 0 || std::signbit(value)) {
            std::abort();  // no number reads as +0
        }
        return 0;
    }
    double expected = 0;
    const auto result = std::from_chars(match[2].first, match[2].second, expected);
    if (result.ptr != match[2].second) {
        std::abort();
    }
    if (result.ec == std::errc::result_out_of_range) {
        // Either too large (thrown) or too small (a zero of the right sign).
        if (!out_of_range && (value != 0 || std::signbit(value) != (*match[1].first == '-'))) {
            std::abort();
        }
        return 0;
    }
    if (match[1].length() == 1 && *match[1].first == '-') {
        expected = -expected;
    }
    if (out_of_range || std::memcmp(&value, &expected, sizeof value) != 0) {
        std::abort();
    }
    return 0;
}
