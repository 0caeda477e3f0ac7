// Finds the message boxes of the test's thread with a timer, which the boxes' modal loop keeps
// running, reads them and closes them.
#include "tests/form/win32/message_watcher.h"

namespace {

constexpr UINT_PTR kTimer = 1;

std::wstring WindowText(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)), L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()) + 1)));
    return text;
}

std::wstring ClassName(HWND hwnd) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return name;
}

SeenMessage Read(HWND box) {
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

}  // namespace

MessageWatcher::MessageWatcher(HWND owner) : owner_(owner) {
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = WindowProc;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = L"TerneMessageWatcher";
    RegisterClassW(&window_class);
    timer_window_ = CreateWindowExW(0, window_class.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                    nullptr, window_class.hInstance, nullptr);
    SetWindowLongPtrW(timer_window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetTimer(timer_window_, kTimer, 10, nullptr);
}

MessageWatcher::~MessageWatcher() {
    KillTimer(timer_window_, kTimer);
    DestroyWindow(timer_window_);
}

LRESULT CALLBACK MessageWatcher::WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_TIMER) {
        if (auto* watcher =
                reinterpret_cast<MessageWatcher*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA))) {
            watcher->CloseMessageBoxes();
        }
        return 0;
    }
    return DefWindowProcW(hwnd, message, wparam, lparam);
}

void MessageWatcher::CloseMessageBoxes() {
    struct Search {
        HWND owner;
        std::vector<HWND> found;
    } search{owner_, {}};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM lparam) -> BOOL {
            auto* search = reinterpret_cast<Search*>(lparam);
            if (ClassName(hwnd) == L"#32770" && GetWindow(hwnd, GW_OWNER) == search->owner &&
                IsWindowVisible(hwnd)) {
                search->found.push_back(hwnd);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    for (const HWND box : search.found) {
        seen_.push_back(Read(box));
        SendMessageW(box, WM_COMMAND, IDOK, 0);
    }
}
