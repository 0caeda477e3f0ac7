// A box's QString as the commands' bytes, and back.
#pragma once

#include <QString>

#include <string>
#include <string_view>

#include "form/box_text.h"

inline std::string BoxBytes(const QString& text) {
    return ToBoxBytes({QStringView(text).utf16(), static_cast<std::size_t>(text.size())});
}

inline QString BoxString(std::string_view bytes) {
    const std::u16string text = FromBoxBytes(bytes);
    return QString(reinterpret_cast<const QChar*>(text.data()),
                   static_cast<qsizetype>(text.size()));
}
