// The Windows benchmarks' way to find the program they started.
#pragma once

#include <windows.h>

// The first visible top-level window of `process` that has no owner: its main window.
inline HWND VisibleWindowOf(DWORD process) {
    struct Search {
        DWORD process;
        HWND found = nullptr;
    } search{process};
    EnumWindows(
        [](HWND hwnd, LPARAM lparam) -> BOOL {
            auto* wanted = reinterpret_cast<Search*>(lparam);
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            if (owner == wanted->process && IsWindowVisible(hwnd) &&
                GetWindow(hwnd, GW_OWNER) == nullptr) {
                wanted->found = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}
