// Numbers read out of texts and written as texts, the way the verify command needs them.
#pragma once

#include <array>
#include <cfloat>
#include <charconv>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

#include "check/float_chars.h"

// Every number is binary64 from one step to the next, as the verdict needs: a compiler that keeps
// intermediate results in more precision (an i686's x87) judges scaled triples wrongly.
static_assert(FLT_EVAL_METHOD == 0,
              "the core needs binary64 arithmetic: on i686, build with -msse2 -mfpmath=sse");

// Raised for a number that lies beyond the binary64 range.
class NumberOutOfRange : public std::overflow_error {
  public:
    explicit NumberOutOfRange(bool negative);
    bool negative() const noexcept { return negative_; }

  private:
    bool negative_;
};

namespace numeric_text_detail {
// The whole reading, for a separator other than the point (never empty) and numbers out of range.
double ScanTextToNumber(std::string_view text, std::string_view separator);
}  // namespace numeric_text_detail

// Reads the number at the start of `text` and ignores the rest: optional blanks (spaces, tabs),
// an optional sign, digits with at most one `separator`, an optional exponent (E or e, optional
// sign, digits). A text that does not start with a number reads 0. The result is the correctly
// rounded binary64 value; a nonzero number too small for binary64 reads as its rounded value (0
// or a subnormal), one too large throws NumberOutOfRange.
inline double TextToNumber(std::string_view text, std::string_view separator = ".") {
    if (separator.size() > 1 || (separator.size() == 1 && separator[0] != '.')) {
        return numeric_text_detail::ScanTextToNumber(text, separator);
    }
    // With the point, FromChars reads exactly this grammar once the blanks and the sign are
    // behind and a digit or point comes next. Inline, as it runs for every entry and square.
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    if (i == text.size() || !((text[i] >= '0' && text[i] <= '9') || text[i] == '.')) {
        return 0.0;
    }
    double value = 0.0;
    const auto result = float_chars::FromChars(text.data() + i, text.data() + text.size(), value);
    if (result.ec == std::errc()) {
        return negative ? -value : value;
    }
    if (result.ec == std::errc::invalid_argument) {
        return 0.0;  // a lone point
    }
    return numeric_text_detail::ScanTextToNumber(text, ".");  // out of range: too large or small?
}

// True when `text` starts with a positive number that reads as 0 only because it is too small
// for binary64, as "1E-400" does; "0", "0E-400", "-1E-400" and "abc" are not such numbers.
bool UnderflowsToZero(std::string_view text);

// The separator the squares can be written with and read back: the locale's own, unless a
// number's text could not be told apart from it (empty, longer than a NumberText holds, or
// holding a digit, a sign, E or e, or white space). Then the point.
std::string_view UsableSeparator(std::string_view separator);

// A number's text, held inline so that writing a number never allocates.
class NumberText {
  public:
    NumberText() = default;

    std::string_view view() const { return {chars_.data(), size_}; }
    operator std::string_view() const { return view(); }
    std::string str() const { return std::string(view()); }
    bool empty() const { return size_ == 0; }
    bool operator==(std::string_view other) const { return view() == other; }

    // The longest decimal separator it holds, in bytes.
    static constexpr std::size_t kMaxSeparator = 32;

  private:
    friend NumberText NumberToText(double x, std::string_view separator);

    // "%.15G" writes at most 22 characters, one of them the decimal point.
    std::array<char, 21 + kMaxSeparator> chars_;
    std::size_t size_ = 0;
};

// The text C's "%.15G" would write for `x`, with `separator` for the decimal point:
// 9 -> "9", 2.25 -> "2.25", 1e16 -> "1E+16", 1e-5 -> "1E-05". A separator is one character of
// a locale; one longer than 32 bytes throws std::length_error.
NumberText NumberToText(double x, std::string_view separator = ".");
