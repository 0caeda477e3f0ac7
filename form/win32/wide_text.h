// A box's text, and the table's texts, as the Win32 API takes them (UTF-16 in wchar_t), and back.
#pragma once

#include <string>
#include <string_view>

#include "form/box_text.h"

inline std::wstring BoxWide(std::string_view bytes) {
    const std::u16string text = BoxUtf16(bytes);
    return {text.begin(), text.end()};
}

inline std::string BoxBytes(std::wstring_view text) {
    return BoxBytes(std::u16string(text.begin(), text.end()));
}
