// The floor of a window of 26 controls under Wine or Windows: the bare floor window with the
// table's 26 controls as plain system child windows (EDIT with its sunken edge, STATIC, BUTTON)
// where the table puts them, with their captions, in the system's default font, and nothing else
// of the program's: no fonts of its own, no tooltip, no accessibility.
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

const wchar_t* ClassOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::TextBox:
            return L"EDIT";
        case ControlKind::Button:
            return L"BUTTON";
        case ControlKind::Label:
            break;
    }
    return L"STATIC";
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = WindowProc;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    window_class.lpszClassName = L"FloorControls";
    RegisterClassW(&window_class);
    RECT frame{0, 0, ToPixels(kForm1.client_width, 96), ToPixels(kForm1.client_height, 96)};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    const HWND window = CreateWindowW(
        L"FloorControls", L"Floor", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
        frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    for (const std::size_t row : kCreationOrder) {
        const ControlRow& control = kControls[row];
        const bool box = control.kind() == ControlKind::TextBox;
        std::wstring caption(control.caption.size(), L'\0');  // the captions are ASCII but for "ù"
        caption.resize(static_cast<std::size_t>(MultiByteToWideChar(
            CP_UTF8, 0, control.caption.data(), static_cast<int>(control.caption.size()),
            caption.data(), static_cast<int>(caption.size()))));
        CreateWindowExW(box ? WS_EX_CLIENTEDGE : 0, ClassOf(control.kind()), caption.c_str(),
                        WS_CHILD | WS_VISIBLE | (box ? ES_AUTOHSCROLL : 0),
                        ToPixels(control.left, 96), ToPixels(control.top, 96),
                        ToPixels(control.width, 96), ToPixels(control.height, 96), window, nullptr,
                        instance, nullptr);
    }
    ShowWindow(window, show_command);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
