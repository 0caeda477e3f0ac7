// Numbers read out of texts and written as texts, the way the verify command needs them.
#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

// Raised for a number that lies beyond the binary64 range.
class NumberOutOfRange : public std::overflow_error {
  public:
    explicit NumberOutOfRange(bool negative);
    bool negative() const noexcept { return negative_; }

  private:
    bool negative_;
};

// Reads the number at the start of `text` and ignores the rest: optional blanks (spaces, tabs),
// an optional sign, digits with at most one `separator`, an optional exponent (E or e, optional
// sign, digits). A text that does not start with a number reads 0. The result is the correctly
// rounded binary64 value; a nonzero number too small for binary64 reads as its rounded value (0
// or a subnormal), one too large throws NumberOutOfRange.
double TextToNumber(std::string_view text, std::string_view separator = ".");

// A number's text, held inline so that writing a number never allocates.
class NumberText {
  public:
    NumberText() = default;

    std::string_view view() const { return {chars_.data(), size_}; }
    operator std::string_view() const { return view(); }
    std::string str() const { return std::string(view()); }
    bool empty() const { return size_ == 0; }
    bool operator==(std::string_view other) const { return view() == other; }

  private:
    friend NumberText NumberToText(double x, std::string_view separator);

    // "%.15G" writes at most 22 characters, one of them the decimal point.
    static constexpr std::size_t kMaxSeparator = 32;
    std::array<char, 21 + kMaxSeparator> chars_;
    std::size_t size_ = 0;
};

// The text C's "%.15G" would write for `x`, with `separator` for the decimal point:
// 9 -> "9", 2.25 -> "2.25", 1e16 -> "1E+16", 1e-5 -> "1E-05". A separator is one character of
// a locale; one longer than 32 bytes throws std::length_error.
NumberText NumberToText(double x, std::string_view separator = ".");
