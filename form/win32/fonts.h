// The Win32 window's layout at a DPI: the window's DPI, the table's fonts, tall one-line labels.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

#include "form/control_table.h"

// A GDI object (a font, a brush) owned: deleted with its owner.
struct DeleteGdiObject {
    void operator()(HGDIOBJ object) const noexcept { DeleteObject(object); }
};
template <typename Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, DeleteGdiObject>;

// The window's DPI; the system's where the system has no DPI for each window (Windows 7 and 8).
int WindowDpi(HWND hwnd);
// A font of the table at `points`, sized in pixels for `dpi`, in the face the window uses. Throws
// std::system_error when the system makes none.
GdiObject<HFONT> CreateTableFont(double points, int dpi);
// Centres the caption of a label whose one line is taller than the label (see fonts.cpp).
void CentreTallLine(HWND label, HFONT font, const ControlRow& entry, int dpi);
