// Reading numbers out of texts and writing them as texts, independent of the C locale.
#include "check/numeric_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <system_error>

namespace {

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Where the number at the start of a text lies. Offsets are into the text; `digits_begin ==
// mantissa_end` means there is no number.
struct Scan {
    bool negative = false;
    std::size_t digits_begin = 0;  // first character after the sign
    std::size_t point = std::string_view::npos;
    std::size_t mantissa_end = 0;
    std::size_t end = 0;  // after the exponent, if there is one
};

std::size_t SkipDigits(std::string_view text, std::size_t i) {
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
    }
    return i;
}

Scan ScanNumber(std::string_view text, std::string_view separator) {
    Scan scan;
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        scan.negative = text[i] == '-';
        ++i;
    }
    scan.digits_begin = i;
    i = SkipDigits(text, i);
    bool has_digit = i > scan.digits_begin;
    if (text.substr(i).starts_with(separator)) {
        const std::size_t fraction = i + separator.size();
        const std::size_t after = SkipDigits(text, fraction);
        if (has_digit || after > fraction) {
            scan.point = i;
            has_digit = true;
            i = after;
        }
    }
    if (!has_digit) {
        scan.mantissa_end = scan.end = scan.digits_begin;
        return scan;
    }
    scan.mantissa_end = scan.end = i;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        const std::size_t exponent_end = SkipDigits(text, j);
        if (exponent_end > j) {
            scan.end = exponent_end;
        }
    }
    return scan;
}

// True when a number that from_chars found out of range is too large rather than too small.
// Anything of magnitude 1 or more can only be out of range by being too large.
bool IsTooLarge(std::string_view text, const Scan& scan, std::string_view separator) {
    constexpr long long kLimit = 100'000'000'000'000'000LL;  // far beyond any real exponent
    long long exponent = 0;
    if (scan.end > scan.mantissa_end) {
        std::size_t i = scan.mantissa_end + 1;
        const bool negative = text[i] == '-';
        if (text[i] == '+' || text[i] == '-') {
            ++i;
        }
        for (; i < scan.end && exponent < kLimit; ++i) {
            exponent = exponent * 10 + (text[i] - '0');
        }
        if (negative) {
            exponent = -exponent;
        }
    }
    const std::size_t int_end =
        scan.point == std::string_view::npos ? scan.mantissa_end : scan.point;
    std::size_t i = scan.digits_begin;
    while (i < int_end && text[i] == '0') {
        ++i;
    }
    if (i < int_end) {
        return static_cast<long long>(int_end - i) - 1 + exponent >= 0;
    }
    // No integer digit: the leading nonzero digit is somewhere in the fraction.
    std::size_t zeros = 0;
    for (std::size_t f = int_end + separator.size(); f < scan.mantissa_end && text[f] == '0'; ++f) {
        ++zeros;
    }
    return exponent - static_cast<long long>(zeros) - 1 >= 0;
}

}  // namespace

NumberOutOfRange::NumberOutOfRange(bool negative)
    : std::overflow_error(negative ? "number below the binary64 range"
                                   : "number above the binary64 range"),
      negative_(negative) {}

double numeric_text_detail::ScanTextToNumber(std::string_view text, std::string_view separator) {
    const Scan scan = ScanNumber(text, separator);
    if (scan.mantissa_end == scan.digits_begin) {
        return 0.0;
    }
    // from_chars knows only the point, and would also accept "inf" and "nan": hand it just the
    // span scanned above, without the sign (it rejects "+").
    std::string_view span = text.substr(scan.digits_begin, scan.end - scan.digits_begin);
    std::string with_point;
    if (scan.point != std::string_view::npos && separator != ".") {
        with_point.reserve(span.size());
        with_point.append(text.substr(scan.digits_begin, scan.point - scan.digits_begin));
        with_point.push_back('.');
        with_point.append(
            text.substr(scan.point + separator.size(), scan.end - scan.point - separator.size()));
        span = with_point;
    }
    double value = 0.0;
    const auto result = float_chars::FromChars(span.data(), span.data() + span.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (IsTooLarge(text, scan, separator)) {
            throw NumberOutOfRange(scan.negative);
        }
        value = 0.0;  // rounds to zero
    } else if (result.ec != std::errc()) {
        value = 0.0;  // cannot happen for a scanned span; a number it can't read is no number
    }
    return scan.negative ? -value : value;
}

bool UnderflowsToZero(std::string_view text) {
    const Scan scan = ScanNumber(text, ".");
    const std::string_view mantissa =
        text.substr(scan.digits_begin, scan.mantissa_end - scan.digits_begin);
    if (scan.negative || mantissa.find_first_of("123456789") == std::string_view::npos) {
        return false;
    }
    try {
        return TextToNumber(text) == 0.0;
    } catch (const NumberOutOfRange&) {
        return false;
    }
}

std::string_view UsableSeparator(std::string_view separator) {
    constexpr std::string_view kPoint = ".";
    // Blanks a locale may use: the ASCII ones, no-break space, figure space, narrow no-break space.
    constexpr std::string_view kSpaces[] = {"\xC2\xA0", "\xE2\x80\x87", "\xE2\x80\xAF"};
    if (separator.empty() || separator.size() > NumberText::kMaxSeparator ||
        separator.find_first_of("0123456789+-Ee \t\n\v\f\r") != std::string_view::npos) {
        return kPoint;
    }
    for (const std::string_view space : kSpaces) {
        if (separator.find(space) != std::string_view::npos) {
            return kPoint;
        }
    }
    return separator;
}

NumberText NumberToText(double x, std::string_view separator) {
    if (separator.size() > NumberText::kMaxSeparator) {
        throw std::length_error("decimal separator longer than 32 bytes");
    }
    NumberText text;
    char* const begin = text.chars_.data();
    char* end = float_chars::ToCharsGeneral15(begin, begin + text.chars_.size(), x);
    // Upper case as "%G" writes it: the exponent letter, which is followed by a sign and two or
    // three digits, and "inf" and "nan". Only those bytes are touched: reading back every byte
    // it has just written doubled the time.
    if (!std::isfinite(x)) {
        std::transform(begin, end, begin, [](char c) {
            return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        });
    } else if (end - begin >= 4 && end[-4] == 'e') {
        end[-4] = 'E';
    } else if (end - begin >= 5 && end[-5] == 'e') {
        end[-5] = 'E';
    }
    if (separator != ".") {
        char* const point = std::find(begin, end, '.');
        if (point != end) {
            std::memmove(point + separator.size(), point + 1,
                         static_cast<std::size_t>(end - point - 1));
            std::memcpy(point, separator.data(), separator.size());
            end += static_cast<std::ptrdiff_t>(separator.size()) - 1;
        }
    }
    text.size_ = static_cast<std::size_t>(end - begin);
    return text;
}
