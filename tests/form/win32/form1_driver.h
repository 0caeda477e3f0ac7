// The Win32 Form1 as the shared window behaviours drive it, through its message loop.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <string>

#include "tests/form/win32/form1_fixture.h"
#include "tests/form/window_behaviours.h"

class Form1Driver : public Form1Test, public WindowDriver {
  public:
    void Open(std::string_view separator) override {
        Close();
        Form1Test::Open(std::string(separator).c_str());
    }
    void Type(std::string_view box, std::string_view text) override {
        const HWND edit = control(box);
        SetFocus(edit);
        SendMessageW(edit, EM_SETSEL, INT_MAX, INT_MAX);  // after what is there
        for (const wchar_t unit : BoxWide(text)) {
            PostMessageW(edit, WM_CHAR, unit, 1);
        }
        Pump(0);
    }
    void SetText(std::string_view box, std::string_view text) override {
        form_->SetText(static_cast<TextBox>(std::stoi(std::string(box.substr(4)))), text);
    }
    void Paste(std::string_view box, std::string_view text) override {
        const std::wstring wide = BoxWide(text);
        OpenClipboard(nullptr);
        EmptyClipboard();
        const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
        std::copy(wide.c_str(), wide.c_str() + wide.size() + 1,
                  static_cast<wchar_t*>(GlobalLock(memory)));
        GlobalUnlock(memory);
        SetClipboardData(CF_UNICODETEXT, memory);
        CloseClipboard();
        SendMessageW(control(box), EM_SETSEL, 0, -1);
        SendMessageW(control(box), WM_PASTE, 0, 0);
    }
    void Press(Key key, bool held) override {
        static constexpr WORD kKeys[] = {VK_TAB, VK_TAB, VK_RETURN, VK_ESCAPE, VK_SPACE};
        Form1Test::Press(kKeys[static_cast<int>(key)], key == Key::ShiftTab, held);
    }
    void Click(std::string_view button) override { Form1Test::Click(button); }
    void Focus(std::string_view name) override { SetFocus(control(name)); }
    std::string Text(std::string_view box) const override {
        return BoxBytes(WindowText(control(box)));
    }
    std::string Focused() const override {
        const std::size_t row = RowOfWindow(form_->hwnd(), GetFocus());
        return row < kControls.size() ? ObjectName(kControls[row]) : "";
    }
    std::vector<ShownWarning> Warnings() const override {
        std::vector<ShownWarning> warnings;
        for (const SeenMessage& seen : watcher_->seen()) {
            std::vector<std::string> buttons;
            for (const std::wstring& button : seen.buttons) {
                buttons.push_back(BoxBytes(button));
            }
            warnings.push_back({BoxBytes(seen.caption), BoxBytes(seen.text), buttons, seen.icon});
        }
        return warnings;
    }
    bool ShowsBeginning(std::string_view box) const override {
        return SendMessageW(control(box), EM_GETFIRSTVISIBLELINE, 0, 0) == 0;
    }
    void Resize(int width, int height) override {
        SetWindowPos(form_->hwnd(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
        Pump();
    }
    Place PlaceOf(std::string_view name) const override {
        RECT rect{};
        GetWindowRect(control(name), &rect);
        MapWindowPoints(HWND_DESKTOP, form_->hwnd(), reinterpret_cast<POINT*>(&rect), 2);
        return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
    }
    std::string TopmostAt(int x, int y) const override {
        const HWND top = ChildWindowFromPointEx(form_->hwnd(), POINT{x, y}, CWP_SKIPINVISIBLE);
        const std::size_t row = RowOfWindow(form_->hwnd(), top);
        return row < kControls.size() ? ObjectName(kControls[row]) : "";
    }
    bool CaptionFits(std::string_view name) const override {
        const HWND window = control(name);
        if (kControls[RowNamed(name)].kind() == ControlKind::Label) {
            return CaptionInkInside(window);
        }
        SIZE ideal{};
        RECT rect{};
        GetClientRect(window, &rect);
        return SendMessageW(window, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)) &&
               ideal.cx <= rect.right && ideal.cy <= rect.bottom;
    }
    // Asked as the tooltip asks the window, when the pointer rests on the box.
    std::string Tip(std::string_view box) const override {
        SendMessageW(control(box), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));  // the pointer comes
        NMTTDISPINFOW info{};
        info.hdr.hwndFrom = form_->tooltip();
        info.hdr.idFrom = reinterpret_cast<UINT_PTR>(control(box));
        info.hdr.code = TTN_GETDISPINFOW;
        SendMessageW(form_->hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
        return info.lpszText != nullptr ? BoxBytes(std::wstring_view(info.lpszText)) : "";
    }
};
