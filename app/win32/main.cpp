// Program start on Windows: Form1 shown, and its message loop until the window is closed.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include <exception>
#include <string>

#include "app/win32/message_loop.h"
#include "form/win32/form1.h"
#include "form/win32/wide_text.h"

namespace {

std::string UserDecimalSeparator() {
    wchar_t separator[LOCALE_NAME_MAX_LENGTH] = {};
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator,
                                       LOCALE_NAME_MAX_LENGTH);
    if (length <= 1) {
        return ".";
    }
    return BoxBytes(std::wstring_view(separator, static_cast<std::size_t>(length - 1)));
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show_command) {
    // COM carries the boxes' names to screen readers.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    int exit_code = 0;
    try {
        Form1 form(UserDecimalSeparator());
        form.Show(show_command);
        exit_code = RunMessageLoop(form);
    } catch (const std::exception& error) {
        ReportFailure(nullptr, error.what());
        exit_code = 1;
    }
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    return exit_code;
}
