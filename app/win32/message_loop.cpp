// The message loop, which outlasts a lost message, and the report of a failure.
#include "app/win32/message_loop.h"

#include <string>

#include "form/control_table.h"
#include "form/win32/wide_text.h"

int RunMessageLoop(Form1& form, const MessageSource& get_message) {
    MSG message{};
    int failures = 0;  // in a row
    for (;;) {
        const BOOL got = get_message(message);
        if (got == 0) {
            return static_cast<int>(message.wParam);
        }
        if (got == -1) {
            // A message that could not be taken is lost, and the window goes on; a loop that
            // takes nothing any more is reported and ends.
            if (++failures == kMaxMessageFailures) {
                ReportFailure(form.hwnd(), "GetMessageW", GetLastError());
                return 1;
            }
            continue;
        }
        failures = 0;
        TranslateAndDispatch(form, message);
    }
}

void ReportFailure(HWND owner, std::string_view what, DWORD error) {
    std::wstring text = L"Impossibile proseguire: " + BoxWide(what) + L" non è riuscita";
    if (error != 0) {
        text += L" (errore " + std::to_wstring(error) + L")";
    }
    text += L".\n\nCannot go on: " + BoxWide(what) + L" failed.";
    MessageBoxW(owner, text.c_str(), BoxWide(kApplicationTitle).c_str(), MB_OK | MB_ICONERROR);
}
