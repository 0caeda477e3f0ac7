// The Win32 window's layout at a DPI: the window's DPI, the table's fonts, tall one-line labels.
#pragma once

#include <windows.h>

#include "form/control_table.h"

// The window's DPI; the system's where the system has no DPI for each window (Windows 7 and 8).
int WindowDpi(HWND hwnd);
// A font of the table at `points`, sized in pixels for `dpi`, in the face the window uses.
HFONT CreateTableFont(double points, int dpi);
// Centres the caption of a label whose one line is taller than the label (see fonts.cpp).
void CentreTallLine(HWND label, HFONT font, const ControlSpec& entry, int dpi);
