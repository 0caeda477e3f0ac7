// The AZZERA command: empties every text box for a new attempt.
#pragma once

#include "check/form_surface.h"

// Writes the empty text into Text1 .. Text12, in that order. Nothing else changes.
void ClearAll(FormSurface& surface);
