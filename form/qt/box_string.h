// A box's QString as the commands' bytes, and back, and as the UTF-16 units the window's rules
// take (form/box_text.h).
#pragma once

#include <QString>

#include <string>
#include <string_view>

#include "form/box_text.h"

inline std::u16string_view Units(const QString& text) {
    return {QStringView(text).utf16(), static_cast<std::size_t>(text.size())};
}

inline std::string BoxBytes(const QString& text) {
    return BoxBytes(Units(text));
}

inline QString BoxQString(std::string_view bytes) {
    const std::u16string text = BoxUtf16(bytes);
    return QString(reinterpret_cast<const QChar*>(text.data()),
                   static_cast<qsizetype>(text.size()));
}
