// Binary64 from text and to text, with the standard library's floating-point from_chars and
// to_chars where it has them, and where it lacks them (Emscripten's libc++) with fast_float for
// reading and the C library's exact printf for writing. The build's check decides, once, through
// TERNE_HAVE_FLOAT_FROM_CHARS and TERNE_HAVE_FLOAT_TO_CHARS.
#pragma once

#include <charconv>

namespace float_chars {

// As std::from_chars(first, last, value) in the general format: out of range (too large, or a
// nonzero number that rounds to 0) gives std::errc::result_out_of_range and leaves `value` as it
// was.
#if TERNE_HAVE_FLOAT_FROM_CHARS
inline std::from_chars_result FromChars(const char* first, const char* last, double& value) {
    return std::from_chars(first, last, value);
}
#else
std::from_chars_result FromChars(const char* first, const char* last, double& value);
#endif

// As std::to_chars(first, last, x, std::chars_format::general, 15), which writes what C's
// "%.15g" writes; `last - first` must hold 24 characters.
#if TERNE_HAVE_FLOAT_TO_CHARS
inline char* ToCharsGeneral15(char* first, char* last, double x) {
    return std::to_chars(first, last, x, std::chars_format::general, 15).ptr;
}
#else
char* ToCharsGeneral15(char* first, char* last, double x);
#endif

}  // namespace float_chars
