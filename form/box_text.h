// The bytes of a text box's text, and back: the boxes hold UTF-16, the commands take UTF-8.
// One name for each form a box's text takes, in every layer: BoxBytes (the commands' UTF-8, from
// any of the others), BoxUtf16 (here, and the web page's units, form/web/form1.cpp), BoxQString
// (form/qt/box_string.h), BoxWide (form/win32/wide_text.h).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "form/control_table.h"

// UTF-8, except that a lone UTF-16 surrogate, which UTF-8 cannot hold, is carried in its
// generalized three-byte form (WTF-8). A text copied from one box to another through the
// commands thus arrives unit for unit, instead of with U+FFFD or '?' in place of the surrogate.
std::string BoxBytes(std::u16string_view text);
// The inverse; a byte sequence that is neither UTF-8 nor a surrogate's form becomes U+FFFD.
std::u16string BoxUtf16(std::string_view bytes);

// The first `length` units of `text`, one fewer where the cut would split a surrogate pair: a
// pair straddling the cut goes whole. What a paste into a box with `length` units of room keeps.
std::u16string_view CutToLength(std::u16string_view text, std::size_t length);
// A text as a box holds it, in every window, whoever writes it: cut at kMaxBoxLength units.
std::u16string_view CutToBoxLength(std::u16string_view text);

// How much of a box's text its tooltip shows: a box holds 1,000 characters, more than one line
// of a screen.
inline constexpr std::size_t kToolTipLength = 100;
// The tooltip of a box whose text does not fit: the text, cut after kToolTipLength units (never
// between the halves of a surrogate pair) and then followed by "…".
std::u16string ToolTipText(std::u16string_view text);
