// Reading the Win32 window from a test.
#include "tests/form/win32/window_text.h"

#include <gtest/gtest.h>

#include "form/control_table.h"

namespace {

std::wstring ClassName(HWND hwnd) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return name;
}

}  // namespace

std::wstring WindowText(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0)), L'\0');
    text.resize(static_cast<std::size_t>(
        SendMessageW(hwnd, WM_GETTEXT, text.size() + 1, reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

SeenMessage ReadMessageBox(HWND box) {
    SeenMessage seen;
    seen.caption = WindowText(box);
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const std::wstring name = ClassName(child);
        const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
        if (_wcsicmp(name.c_str(), L"Button") == 0) {
            seen.buttons.push_back(WindowText(child));
        } else if (_wcsicmp(name.c_str(), L"Static") == 0 && IsWindowVisible(child)) {
            if ((style & SS_TYPEMASK) == SS_ICON) {
                seen.icon = seen.icon || SendMessageW(child, STM_GETICON, 0, 0) != 0;
            } else if (!WindowText(child).empty()) {
                seen.text = WindowText(child);
            }
        }
    }
    return seen;
}

namespace {

struct BoxSearch {
    HWND owner;
    std::vector<HWND> found;
};

// A named callback, not a lambda: on 32-bit Windows it must use the system's calling convention.
BOOL CALLBACK AddMessageBox(HWND hwnd, LPARAM lparam) {
    auto* boxes = reinterpret_cast<BoxSearch*>(lparam);
    if (ClassName(hwnd) == L"#32770" && GetWindow(hwnd, GW_OWNER) == boxes->owner &&
        IsWindowVisible(hwnd)) {
        boxes->found.push_back(hwnd);
    }
    return TRUE;
}

}  // namespace

std::vector<HWND> MessageBoxesOf(HWND owner) {
    BoxSearch search{owner, {}};
    EnumThreadWindows(GetWindowThreadProcessId(owner, nullptr), AddMessageBox,
                      reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Whether a label's caption keeps all its ink inside the label: it is drawn as the label draws
// it, on a canvas with room all around, and any ink outside the label is what it would cut off.
bool CaptionInkInside(HWND label) {
    RECT client{};
    GetClientRect(label, &client);
    constexpr int kMargin = 100;
    const int width = client.right + 2 * kMargin;
    const int height = client.bottom + 2 * kMargin;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HDC dc = CreateCompatibleDC(nullptr);
    const HBITMAP canvas = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous_bitmap = SelectObject(dc, canvas);
    const HGDIOBJ previous_font =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
    RECT whole{0, 0, width, height};
    FillRect(dc, &whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    RECT inside{kMargin, kMargin, kMargin + client.right, kMargin + client.bottom};
    const bool one_line = (GetWindowLongPtrW(label, GWL_STYLE) & SS_CENTERIMAGE) != 0;
    const std::wstring caption = WindowText(label);
    DrawTextW(dc, caption.c_str(), -1, &inside,
              DT_NOPREFIX | (one_line ? DT_SINGLELINE | DT_VCENTER : DT_WORDBREAK) | DT_NOCLIP);
    GdiFlush();
    bool fits = true;
    const auto* pixels = static_cast<const DWORD*>(bits);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool outside =
                x < inside.left || x >= inside.right || y < inside.top || y >= inside.bottom;
            if (outside && (pixels[y * width + x] & 0xFFFFFF) != 0xFFFFFF) {
                fits = false;
            }
        }
    }
    SelectObject(dc, previous_font);
    SelectObject(dc, previous_bitmap);
    DeleteObject(canvas);
    DeleteDC(dc);
    return fits;
}
