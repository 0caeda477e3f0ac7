// Start-up of two Windows programs, alternating: the time from CreateProcess until the program's
// window is visible and its message loop idle (painted, and waiting for input), and its peak
// working set by then. Medians of RUNS starts each.
// Usage: time_to_idle RUNS PROGRAM_A PROGRAM_B   prints one line per program
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "bench/win32/visible_window.h"

namespace {

struct Start {
    double ms = 0;
    double peak_kib = 0;
};

bool Measure(const std::wstring& program, Start& start) {
    std::wstring command = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    LARGE_INTEGER frequency, begin, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&begin);
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    HWND window = nullptr;
    while (WaitForInputIdle(process.hProcess, 10'000) == 0 &&
           (window = VisibleWindowOf(process.dwProcessId)) == nullptr) {
        Sleep(0);
    }
    QueryPerformanceCounter(&end);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof(memory);
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof(memory));
    start.ms = 1000.0 * static_cast<double>(end.QuadPart - begin.QuadPart) /
               static_cast<double>(frequency.QuadPart);
    start.peak_kib = static_cast<double>(memory.PeakWorkingSetSize) / 1024.0;
    if (window != nullptr) {
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process.hProcess, 10'000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return window != nullptr;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
    if (argc != 4) {
        std::fwprintf(stderr, L"usage: time_to_idle RUNS PROGRAM_A PROGRAM_B\n");
        return 2;
    }
    const int runs = std::max(1, _wtoi(argv[1]));
    const std::wstring programs[2] = {argv[2], argv[3]};
    std::vector<double> ms[2], peak[2];
    Start start;
    for (const std::wstring& program : programs) {
        Measure(program, start);  // the file cache, and Wine's first load of each DLL
    }
    for (int run = 0; run < runs; ++run) {
        for (int p = 0; p < 2; ++p) {
            if (!Measure(programs[p], start)) {
                std::fwprintf(stderr, L"%ls showed no window\n", programs[p].c_str());
                return 1;
            }
            ms[p].push_back(start.ms);
            peak[p].push_back(start.peak_kib);
        }
    }
    for (int p = 0; p < 2; ++p) {
        std::wprintf(L"%ls %.1f %.0f\n", programs[p].c_str(), Median(ms[p]), Median(peak[p]));
    }
    return 0;
}
