// The VERIFICA command: judges whether the three entries form a Pythagorean triple.
#pragma once

#include <string_view>

#include "check/form_surface.h"

// Warnings, one per click at most, in order of precedence.
inline constexpr std::string_view kInvalidEntries = "Impossibile: valori errati.";
inline constexpr std::string_view kTooLarge = "Impossibile: valori troppo grandi.";
inline constexpr std::string_view kTooSmall = "Impossibile: valori troppo piccoli.";

// Reads Text1..Text3, writes the power row, the squares row and the verdict, or shows a warning
// and writes nothing. `locale_separator` is the decimal separator the squares are written with
// (the point instead, where it could be mistaken for part of a number); the entries themselves
// are always read with the point. Throws nothing of its own on any input.
void TripleCheck(FormSurface& surface, std::string_view locale_separator = ".");
