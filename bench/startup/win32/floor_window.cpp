// The least a Win32 window costs, two floors in one source: a window of Form1's size, white, with
// one line in one STATIC (floor_window.exe); and built with TERNE_FLOOR_CONTROLS, the floor of a
// window of 26 controls (floor_controls.exe): the table's controls as plain system child windows
// (EDIT with its sunken edge, STATIC, BUTTON) where the table puts them, with their captions, in
// the system's font, and nothing else of the program's: no fonts of its own, no tooltip, no
// accessibility.
#include <windows.h>

#include <string>

#include "form/control_table.h"

namespace {

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wparam, lparam);
}

void CreateChildren(HWND window, HINSTANCE instance) {
#ifdef TERNE_FLOOR_CONTROLS
    for (const std::size_t row : kCreationOrder) {
        const ControlRow& control = kControls[row];
        const bool box = control.kind() == ControlKind::TextBox;
        const wchar_t* window_class = box                                     ? L"EDIT"
                                      : control.role.command != Command::None ? L"BUTTON"
                                                                              : L"STATIC";
        std::wstring caption(control.caption.size(), L'\0');  // the captions are ASCII but "ù"
        caption.resize(static_cast<std::size_t>(MultiByteToWideChar(
            CP_UTF8, 0, control.caption.data(), static_cast<int>(control.caption.size()),
            caption.data(), static_cast<int>(caption.size()))));
        CreateWindowExW(box ? WS_EX_CLIENTEDGE : 0, window_class, caption.c_str(),
                        WS_CHILD | WS_VISIBLE | (box ? ES_AUTOHSCROLL : 0),
                        ToPixels(control.left, kDesignDpi), ToPixels(control.top, kDesignDpi),
                        ToPixels(control.width, kDesignDpi), ToPixels(control.height, kDesignDpi),
                        window, nullptr, instance, nullptr);
    }
#else
    CreateWindowW(L"STATIC", L"TERNE PITAGORICHE", WS_CHILD | WS_VISIBLE, 152, 16, 209, 25, window,
                  nullptr, instance, nullptr);
#endif
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = WindowProc;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    window_class.lpszClassName = L"Floor";
    RegisterClassW(&window_class);
    RECT frame{0, 0, ToPixels(kForm1.client_width, kDesignDpi),
               ToPixels(kForm1.client_height, kDesignDpi)};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    const HWND window = CreateWindowW(
        L"Floor", L"Floor", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
        frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    CreateChildren(window, instance);
    ShowWindow(window, show_command);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
