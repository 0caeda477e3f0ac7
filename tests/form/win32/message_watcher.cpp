// Finds the message boxes of the test's window with a timer, which the boxes' modal loop keeps
// running, reads them and closes them.
#include "tests/form/win32/message_watcher.h"

namespace {

constexpr UINT_PTR kTimer = 1;

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
    for (const HWND box : MessageBoxesOf(owner_)) {
        seen_.push_back(ReadMessageBox(box));
        SendMessageW(box, WM_COMMAND, IDOK, 0);
    }
}
