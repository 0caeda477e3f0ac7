// The table's UTF-8 texts as the Win32 API takes them.
#pragma once

#include <string>
#include <string_view>

#include "form/box_text.h"

inline std::wstring Wide(std::string_view bytes) {
    const std::u16string text = FromBoxBytes(bytes);
    return {text.begin(), text.end()};
}
