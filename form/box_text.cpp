// Text box texts to UTF-8 bytes and back, keeping lone surrogates.
#include "form/box_text.h"

#include <cstddef>

namespace {

constexpr char16_t kReplacement = 0xFFFD;

constexpr bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
constexpr bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

void AppendCode(std::string& out, char32_t code) {
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (code >> 18)));
        out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

void AppendCode(std::u16string& out, char32_t code) {
    if (code < 0x10000) {
        out.push_back(static_cast<char16_t>(code));
    } else {
        out.push_back(static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF)));
    }
}

// The length of the well-formed sequence at `i` and its code point, or 0 for a byte that starts
// none. Surrogates (ED A0..BF xx) are accepted as units of their own; overlong forms and code
// points beyond U+10FFFF are not.
std::size_t Decode(std::string_view bytes, std::size_t i, char32_t& code) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(bytes[i + k]); };
    const auto continuation = [&](std::size_t k) {
        return i + k < bytes.size() && (byte(k) & 0xC0) == 0x80;
    };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF && continuation(1)) {
        code = (char32_t{lead} & 0x1F) << 6 | (byte(1) & 0x3F);
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF && continuation(1) && continuation(2)) {
        code = (char32_t{lead} & 0x0F) << 12 | char32_t{byte(1) & 0x3Fu} << 6 | (byte(2) & 0x3F);
        return code >= 0x800 ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4 && continuation(1) && continuation(2) && continuation(3)) {
        code = (char32_t{lead} & 0x07) << 18 | char32_t{byte(1) & 0x3Fu} << 12 |
               char32_t{byte(2) & 0x3Fu} << 6 | (byte(3) & 0x3F);
        return code >= 0x10000 && code <= 0x10FFFF ? 4 : 0;
    }
    return 0;
}

}  // namespace

std::u16string_view CutToLength(std::u16string_view text, std::size_t length) {
    if (text.size() <= length) {
        return text;
    }
    if (length > 0 && IsHighSurrogate(text[length - 1]) && IsLowSurrogate(text[length])) {
        --length;
    }
    return text.substr(0, length);
}

std::string BoxBytes(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t unit = text[i];
        if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            AppendCode(out, 0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else {
            AppendCode(out, unit);  // a lone surrogate takes the same three-byte form
        }
    }
    return out;
}

std::u16string BoxUtf16(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t code = 0;
        const std::size_t length = Decode(bytes, i, code);
        if (length == 0) {
            text.push_back(kReplacement);
            ++i;
        } else {
            AppendCode(text, code);
            i += length;
        }
    }
    return text;
}

std::u16string_view CutToBoxLength(std::u16string_view text) {
    return CutToLength(text, kMaxBoxLength);
}

std::u16string ToolTipText(std::u16string_view text) {
    if (text.size() <= kToolTipLength) {
        return std::u16string(text);
    }
    return std::u16string(CutToLength(text, kToolTipLength)) + u"\u2026";
}
