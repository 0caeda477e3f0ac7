// Text box texts to UTF-8 bytes and back, keeping lone surrogates.
#include "form/box_text.h"

#include <algorithm>

namespace {

void AppendUnit(std::string& out, char32_t code) {
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

// A surrogate in generalized UTF-8: ED A0..BF 80..BF, which valid UTF-8 never contains.
bool IsSurrogate(std::string_view bytes, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(bytes[i + k]); };
    return i + 2 < bytes.size() && byte(0) == 0xED && byte(1) >= 0xA0 && byte(1) <= 0xBF &&
           (byte(2) & 0xC0) == 0x80;
}

}  // namespace

std::string ToBoxBytes(const QString& text) {
    if (std::none_of(text.begin(), text.end(), [](QChar c) { return c.isSurrogate(); })) {
        return text.toStdString();
    }
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()) * 3);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar unit = text[i];
        if (unit.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            AppendUnit(out, QChar::surrogateToUcs4(unit, text[i + 1]));
            ++i;
        } else {
            AppendUnit(out, unit.unicode());  // a lone surrogate among the rest
        }
    }
    return out;
}

QString FromBoxBytes(std::string_view bytes) {
    QString text;
    std::size_t run = 0;  // start of the bytes not yet converted
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (IsSurrogate(bytes, i)) {
            text += QString::fromUtf8(bytes.data() + run, static_cast<qsizetype>(i - run));
            const auto unit = static_cast<char16_t>(
                ((bytes[i] & 0x0F) << 12) | ((bytes[i + 1] & 0x3F) << 6) | (bytes[i + 2] & 0x3F));
            text += QChar(unit);
            i += 2;
            run = i + 1;
        }
    }
    text += QString::fromUtf8(bytes.data() + run, static_cast<qsizetype>(bytes.size() - run));
    return text;
}
