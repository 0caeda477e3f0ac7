// The slowest things a user or another program can do to terne.exe's boxes, timed from another
// process: setting an entry, pasting one longer than the limit, typing a digit at its end,
// VERIFICA copying three such entries, and AZZERA. Each is sent, then waited for until the
// program is idle again, painting included: the time the window is frozen. Slowest of RUNS each.
// Usage: worst_actions RUNS PROGRAM LENGTH...   prints one line per length
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <string_view>

#include "bench/win32/visible_window.h"
#include "form/win32/form1.h"

namespace {

constexpr UINT kPatience = 120'000;  // ms

HWND Control(HWND form, std::string_view name) {
    for (std::size_t row = 0; row < kControls.size(); ++row) {
        if (kControls[row].name == name) {
            return GetDlgItem(form, ControlId(row));
        }
    }
    return nullptr;
}

double Now() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

HANDLE program = nullptr;

// Milliseconds until the window has handled the message and painted what it changed, and waits
// for input again.
double Timed(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    const double begin = Now();
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, message, wparam, lparam, SMTO_NORMAL, kPatience, &ignored);
    WaitForInputIdle(program, kPatience);
    return Now() - begin;
}

void SetClipboard(const std::wstring& text) {
    OpenClipboard(nullptr);
    EmptyClipboard();
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    std::copy(text.c_str(), text.c_str() + text.size() + 1,
              static_cast<wchar_t*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

// "3.000…" of `length` characters: a valid entry, so VERIFICA copies it.
std::wstring Entry(wchar_t digit, std::size_t length) {
    return std::wstring{digit, L'.'} + std::wstring(length - 2, L'0');
}

struct Slowest {
    double set_text = 0, paste = 0, type = 0, verify = 0, clear = 0;
};

void Measure(HWND form, std::size_t length, Slowest& slowest) {
    const HWND text1 = Control(form, "Text1"), text2 = Control(form, "Text2");
    const HWND text3 = Control(form, "Text3");
    const std::wstring a = Entry(L'3', length);
    slowest.set_text = std::max(slowest.set_text,
                                Timed(text1, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(a.c_str())));
    for (const auto& [box, digit] : {std::pair{text2, L'4'}, std::pair{text3, L'5'}}) {
        SetClipboard(Entry(digit, length + 1));
        SendMessageW(box, EM_SETSEL, 0, -1);
        slowest.paste = std::max(slowest.paste, Timed(box, WM_PASTE, 0, 0));
    }
    slowest.verify = std::max(slowest.verify, Timed(Control(form, "Command2"), BM_CLICK, 0, 0));
    const std::wstring shorter = a.substr(0, length - 1);
    SendMessageW(text1, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(shorter.c_str()));
    SendMessageW(text1, EM_SETSEL, length, length);
    slowest.type = std::max(slowest.type, Timed(text1, WM_CHAR, L'0', 1));
    slowest.clear = std::max(slowest.clear, Timed(Control(form, "Command1"), BM_CLICK, 0, 0));
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
    if (argc < 4) {
        std::fwprintf(stderr, L"usage: worst_actions RUNS PROGRAM LENGTH...\n");
        return 2;
    }
    const int runs = std::max(1, _wtoi(argv[1]));
    std::wstring command = L"\"" + std::wstring(argv[2]) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::fwprintf(stderr, L"cannot start %ls\n", argv[2]);
        return 1;
    }
    program = process.hProcess;
    HWND form = nullptr;
    for (int i = 0; i < 500 && form == nullptr; ++i) {
        WaitForInputIdle(process.hProcess, 100);
        form = VisibleWindowOf(process.dwProcessId);
        Sleep(form == nullptr ? 20 : 0);
    }
    if (form == nullptr) {
        std::fwprintf(stderr, L"%ls showed no window\n", argv[2]);
        TerminateProcess(process.hProcess, 1);
        return 1;
    }
    std::wprintf(L"%8ls %9ls %9ls %9ls %9ls %9ls   (slowest of %d, ms)\n", L"length", L"settext",
                 L"paste", L"type", L"verify", L"azzera", runs);
    for (int arg = 3; arg < argc; ++arg) {
        const auto length = static_cast<std::size_t>(std::max(3, _wtoi(argv[arg])));
        Slowest slowest;
        for (int run = 0; run < runs; ++run) {
            Measure(form, length, slowest);
        }
        std::wprintf(L"%8zu %9.1f %9.1f %9.1f %9.1f %9.1f\n", length, slowest.set_text,
                     slowest.paste, slowest.type, slowest.verify, slowest.clear);
        std::fflush(stdout);
    }
    PostMessageW(form, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 10'000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}
