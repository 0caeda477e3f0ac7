// Reading the Win32 window from a test, in this process or another: texts, controls by name,
// message boxes.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "form/win32/wide_text.h"  // BoxWide: a text of the tests' tables as the boxes hold it

// A window's text, through WM_GETTEXT: also an edit box of another process.
std::wstring WindowText(HWND hwnd);

struct SeenMessage {
    std::wstring caption;
    std::wstring text;
    std::vector<std::wstring> buttons;
    bool icon = false;
};

// What a message box (dialog class #32770) shows.
SeenMessage ReadMessageBox(HWND box);
// The visible message boxes owned by `owner`, a window of this process or another.
std::vector<HWND> MessageBoxesOf(HWND owner);

// Whether a label's caption, drawn as the label draws it on a canvas with room all around, keeps
// all its ink inside the label.
bool CaptionInkInside(HWND label);
