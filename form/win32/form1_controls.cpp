// Form1's controls on Windows: made from the control table, laid out at the window's DPI in the
// table's fonts, and the boxes' tooltip.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "form/win32/entry_box.h"
#include "form/win32/fonts.h"
#include "form/win32/form1.h"
#include "form/win32/keys.h"
#include "form/win32/wide_text.h"

// Each made where it belongs at `dpi`: under Wine, placing 26 controls a second time took a tenth
// of the start-up.
void Form1::CreateControls(int dpi) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    for (const std::size_t row : kCreationOrder) {
        const ControlRow& entry = kControls[row];
        const wchar_t* window_class = L"STATIC";
        DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
        DWORD extended_style = 0;
        switch (entry.kind()) {
            case ControlKind::Label:
                style |= SS_LEFT | SS_NOPREFIX;  // word-wrapped, and "&" is just a character
                break;
            case ControlKind::TextBox:
                window_class = L"EDIT";
                style |= WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
                extended_style = WS_EX_CLIENTEDGE;
                break;
            case ControlKind::Button:
                window_class = L"BUTTON";
                style |= WS_TABSTOP | BS_PUSHBUTTON;
                break;
        }
        const auto id = static_cast<INT_PTR>(ControlId(row));
        controls_[row] = CreateWindowExW(
            extended_style, window_class, BoxWide(entry.caption).c_str(), style,
            ToPixels(entry.left, dpi), ToPixels(entry.top, dpi), ToPixels(entry.width, dpi),
            ToPixels(entry.height, dpi), hwnd_, reinterpret_cast<HMENU>(id), instance, nullptr);
        if (controls_[row] == nullptr) {
            Fail("CreateWindowExW " + ObjectName(entry));
        }
        if (entry.kind() == ControlKind::TextBox) {
            MakeEntryBox(controls_[row], row);
        }
    }

    dpi_ = dpi;

    // Each to the bottom in turn: the first of the stacking order ends on top.
    for (const std::size_t row : kStackingOrder) {
        SetWindowPos(controls_[row], HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

// One tooltip for every box; it asks the window for its text each time it is to show. It is made
// when the pointer first comes over a box: under Wine a popup window and its twelve tools took a
// sixth of the start-up.
void Form1::CreateToolTip() {
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                               WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    if (tooltip_ == nullptr) {
        return;  // no tooltip: the boxes still work, and the next move tries again
    }
    for (std::size_t row = 0; row < kControls.size(); ++row) {
        if (kControls[row].kind() == ControlKind::TextBox) {
            TTTOOLINFOW tool{};
            tool.cbSize = sizeof(tool);
            tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
            tool.hwnd = hwnd_;
            tool.uId = reinterpret_cast<UINT_PTR>(controls_[row]);
            tool.lpszText = LPSTR_TEXTCALLBACKW;
            SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }
}

void Form1::LayOut(int dpi) {
    // Every font first, so that one the system cannot make leaves the layout as it was.
    std::vector<std::pair<double, GdiObject<HFONT>>> by_size;
    const auto font_for = [&by_size](double points) -> HFONT {
        for (const auto& [size, font] : by_size) {
            if (size == points) {
                return font.get();
            }
        }
        return nullptr;
    };
    for (const ControlRow& entry : kControls) {
        if (font_for(FontPoints(entry)) == nullptr) {
            by_size.emplace_back(FontPoints(entry), CreateTableFont(FontPoints(entry), dpi));
        }
    }
    const bool placed = dpi == dpi_;
    dpi_ = dpi;
    for (std::size_t row = 0; row < kControls.size(); ++row) {
        const ControlRow& entry = kControls[row];
        const HWND control = controls_[row];
        if (!placed) {
            SetWindowPos(control, nullptr, ToPixels(entry.left, dpi), ToPixels(entry.top, dpi),
                         ToPixels(entry.width, dpi), ToPixels(entry.height, dpi),
                         SWP_NOZORDER | SWP_NOACTIVATE);
        }
        const HFONT font = font_for(FontPoints(entry));
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);  // drawn below
        if (entry.kind() == ControlKind::TextBox) {
            // The boxes are a few characters wide: the system's margins, taken from the font,
            // are several pixels, and the edit box keeps a pixel of its own without them.
            SendMessageW(control, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(0, 0));
        }
        if (entry.kind() == ControlKind::Label) {
            CentreTallLine(control, font, entry, dpi);
        }
    }
    // The controls use the new fonts now: the old ones go.
    fonts_.clear();
    for (auto& [size, font] : by_size) {
        fonts_.push_back(std::move(font));
    }

    // The client area keeps its size in twips. The frame is measured rather than computed for
    // the DPI, so that the client area is exact whatever draws the frame.
    RECT outer{}, client{};
    GetWindowRect(hwnd_, &outer);
    GetClientRect(hwnd_, &client);
    SetWindowPos(hwnd_, nullptr, 0, 0,
                 outer.right - outer.left - client.right + ToPixels(kForm1.client_width, dpi),
                 outer.bottom - outer.top - client.bottom + ToPixels(kForm1.client_height, dpi),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // One redraw of everything, rather than one for each control's new font.
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}
