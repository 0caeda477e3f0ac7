// The two variants of the binary64 conversions; see the header.
#include "check/float_chars.h"

#include <cmath>
#include <system_error>

#if !TERNE_HAVE_FLOAT_FROM_CHARS
#include <fast_float/fast_float.h>
#endif
#if !TERNE_HAVE_FLOAT_TO_CHARS
#include <clocale>
#include <cstdio>
#include <cstring>
#endif

namespace float_chars {

#if !TERNE_HAVE_FLOAT_FROM_CHARS
std::from_chars_result FromChars(const char* first, const char* last, double& value) {
    double parsed = 0.0;
    const auto result = fast_float::from_chars(first, last, parsed);
    if (result.ec != std::errc()) {
        return {result.ptr, result.ec};
    }
    // fast_float gives the infinity or zero the standard library reports as out of range.
    const char* p = first;
    if (p != result.ptr && *p == '-') {
        ++p;
    }
    const bool spelled = p != result.ptr && (*p == 'i' || *p == 'I' || *p == 'n' || *p == 'N');
    bool nonzero = false;
    for (; p != result.ptr && *p != 'e' && *p != 'E'; ++p) {
        nonzero = nonzero || (*p >= '1' && *p <= '9');
    }
    if (!spelled && (std::isinf(parsed) || (parsed == 0.0 && nonzero))) {
        return {result.ptr, std::errc::result_out_of_range};
    }
    value = parsed;
    return {result.ptr, std::errc()};
}
#endif

#if !TERNE_HAVE_FLOAT_TO_CHARS
char* ToCharsGeneral15(char* first, char* last, double x) {
    // musl's printf, Emscripten's, rounds exactly; only its decimal point follows the C locale.
    const int written = std::snprintf(first, static_cast<std::size_t>(last - first), "%.15g", x);
    char* end = first + (written < 0 ? 0 : written);
    const char* point = std::localeconv()->decimal_point;
    const std::size_t point_size = std::strlen(point);
    if (point_size > 0 && std::strcmp(point, ".") != 0) {
        if (char* at = std::strstr(first, point)) {
            *at = '.';
            std::memmove(at + 1, at + point_size, static_cast<std::size_t>(end - at) - point_size);
            end -= point_size - 1;
        }
    }
    return end;
}
#endif

}  // namespace float_chars
