// A box's QString as the commands' bytes, and back.
#pragma once

#include <QString>

#include <string>
#include <string_view>

#include "form/box_text.h"

inline std::string BoxBytes(const QString& text) {
    return BoxBytes(
        std::u16string_view(QStringView(text).utf16(), static_cast<std::size_t>(text.size())));
}

inline QString BoxQString(std::string_view bytes) {
    const std::u16string text = BoxUtf16(bytes);
    return QString(reinterpret_cast<const QChar*>(text.data()),
                   static_cast<qsizetype>(text.size()));
}
