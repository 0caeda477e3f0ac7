// What screen readers are told of the window: the system's accessible objects, with the table's
// reading order for the window's children and the table's names and hints for the boxes.
#pragma once

#include <windows.h>

#include <array>

#include "form/control_table.h"

// The answer to WM_GETOBJECT for the window's client area: its 26 children in the table's order,
// row by row as they appear on screen, rather than in the stacking order, which puts every box
// and button before every label. 0 for any other object, which the system then serves.
LRESULT AnswerWindowObject(HWND window, const std::array<HWND, kControls.size()>& controls,
                           WPARAM wparam, LPARAM lparam);

// The answer to WM_GETOBJECT for the client area of the box of table row `row`: the system's
// edit object, named and described from the table. 0 for any other object.
LRESULT AnswerBoxObject(HWND box, std::size_t row, WPARAM wparam, LPARAM lparam);
