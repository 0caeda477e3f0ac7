// The window's own keys: Tab and Shift+Tab through the controls, Enter on a focused button.
#pragma once

#include <windows.h>

#include <array>

#include "form/control_table.h"

// A control's id in the window, by its row in kControls: what GetDlgItem and UI automation
// (AutomationId) find it by. Clear of IDOK and IDCANCEL.
constexpr int ControlId(std::size_t row) {
    return 100 + static_cast<int>(row);
}

// The row of a control of `window`, or kControls.size() for any other window.
std::size_t RowOfWindow(HWND window, HWND control);

// Handles a key of `window`, whose controls are `controls` by row, before it is translated and
// dispatched; true when the key is used up. Tab and Shift+Tab move the focus round the tab order,
// Enter clicks a focused button once per press, Esc does nothing, and Enter in a box does nothing.
bool HandleWindowKey(const MSG& message, HWND window,
                     const std::array<HWND, kControls.size()>& controls);
