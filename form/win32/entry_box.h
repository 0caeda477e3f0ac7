// The window's edit boxes, as Qt's EntryBox is its: what they do beyond the system's edit box,
// and their texts.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

// From a box to its window, when the pointer moves over the box: wParam the box, lParam as
// WM_MOUSEMOVE's.
inline constexpr UINT kPointerOverBox = WM_APP + 1;

// Makes `edit`, the control of kControls' row `row`, one of the window's boxes: it holds
// kMaxBoxLength units, whoever writes it, never half a surrogate pair; it shows the beginning of
// its text once the focus leaves; it tells the window the pointer came; and it answers screen
// readers with the row's name and hints.
void MakeEntryBox(HWND edit, std::size_t row);

// A window's whole text.
std::wstring TextOf(HWND window);

// The box shows the beginning of its text, its caret there: "1.5" with its tail in view would
// read ".5".
void ShowBeginning(HWND edit);

// The box's tooltip: its text, cut as ToolTipText cuts it, where the text does not fit the box;
// empty where it does.
std::wstring ToolTipOf(HWND edit);
