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

std::vector<HWND> MessageBoxesOf(HWND owner) {
    struct Search {
        HWND owner;
        std::vector<HWND> found;
    } search{owner, {}};
    EnumThreadWindows(
        GetWindowThreadProcessId(owner, nullptr),
        [](HWND hwnd, LPARAM lparam) -> BOOL {
            auto* boxes = reinterpret_cast<Search*>(lparam);
            if (ClassName(hwnd) == L"#32770" && GetWindow(hwnd, GW_OWNER) == boxes->owner &&
                IsWindowVisible(hwnd)) {
                boxes->found.push_back(hwnd);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}
