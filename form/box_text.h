// The bytes of a text box's text, and back, for the commands' UTF-8 interface.
#pragma once

#include <QString>

#include <string>
#include <string_view>

// UTF-8, except that a lone UTF-16 surrogate, which UTF-8 cannot hold, is carried in its
// generalized three-byte form (WTF-8). A text copied from one box to another through the
// commands thus arrives unit for unit, instead of with U+FFFD or '?' in place of the surrogate.
std::string ToBoxBytes(const QString& text);
QString FromBoxBytes(std::string_view bytes);
