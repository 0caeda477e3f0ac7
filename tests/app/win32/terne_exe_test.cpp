// The real terne.exe, started as a user starts it and driven from another process, the way UI
// automation drives a program: find Form1, set the entries, click, read the boxes back.
#include <windows.h>

#include <oleacc.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "form/win32/form1.h"
#include "tests/form/win32/accessibility.h"
#include "tests/form/win32/window_text.h"
#include "tests/form/window_cases.h"

namespace {

constexpr DWORD kPatience = 20'000;  // ms; Wine is slow to start a program the first time

// The program under test, from TERNE_EXE; a Unix path is reached through Wine's drive Z:.
std::wstring ExePath() {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetEnvironmentVariableW(L"TERNE_EXE", path.data(), MAX_PATH));
    if (path.starts_with(L'/')) {
        path.insert(0, L"Z:");
    }
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

struct Search {
    DWORD process;
    HWND found = nullptr;
};

// A named callback, not a lambda: on 32-bit Windows it must use the system's calling convention.
BOOL CALLBACK StopAtForm1(HWND hwnd, LPARAM lparam) {
    auto* wanted = reinterpret_cast<Search*>(lparam);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner == wanted->process && IsWindowVisible(hwnd) && WindowText(hwnd) == L"Form1") {
        wanted->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND FindForm1(DWORD process) {
    Search search{process};
    EnumWindows(StopAtForm1, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

template <typename Condition>
bool WaitFor(Condition condition) {
    const ULONGLONG end = GetTickCount64() + kPatience;
    while (!condition()) {
        if (GetTickCount64() > end) {
            return false;
        }
        Sleep(20);
    }
    return true;
}

class TerneExe : public testing::Test {
  protected:
    void SetUp() override {
        // Accessible objects of another process come through COM.
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        std::wstring command = L"\"" + ExePath() + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &process_))
            << "cannot start " << std::string(command.begin(), command.end());
        WaitForInputIdle(process_.hProcess, kPatience);
        ASSERT_TRUE(WaitFor([this] { return (form_ = FindForm1(process_.dwProcessId)); }));
    }

    void TearDown() override {
        if (process_.hProcess == nullptr) {
            return;
        }
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
            PostMessageW(form_, WM_CLOSE, 0, 0);
            if (WaitForSingleObject(process_.hProcess, kPatience) != WAIT_OBJECT_0) {
                ADD_FAILURE() << "terne.exe did not end when its window was closed";
                TerminateProcess(process_.hProcess, 1);
            }
        }
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
        CoUninitialize();
    }

    HWND Control(std::string_view name) const {
        return GetDlgItem(form_, ControlId(RowNamed(name)));
    }
    HWND Box(int n) const { return Control("Text" + std::to_string(n)); }

    // A click that the program handles to the end; a message box it opens meanwhile is read
    // and closed with OK.
    std::vector<SeenMessage> Click(std::string_view button) {
        std::atomic<bool> done = false;
        std::thread clicker([&done, control = Control(button)] {
            DWORD_PTR ignored = 0;
            SendMessageTimeoutW(control, BM_CLICK, 0, 0, SMTO_NORMAL, kPatience, &ignored);
            done = true;
        });
        std::vector<SeenMessage> seen;
        WaitFor([&] {
            for (const HWND box : MessageBoxesOf(form_)) {
                seen.push_back(ReadMessageBox(box));
                PostMessageW(box, WM_COMMAND, IDOK, 0);
                WaitFor([box] { return !IsWindowVisible(box); });
            }
            return done.load();
        });
        clicker.join();
        return seen;
    }

    PROCESS_INFORMATION process_{};
    HWND form_ = nullptr;
};

TEST_F(TerneExe, StartsWithEmptyBoxes) {
    for (int n = 1; n <= 12; ++n) {
        EXPECT_EQ(WindowText(Box(n)), L"") << "Text" << n;
    }
}

TEST_F(TerneExe, VerifiesWhatIsTypedInto) {
    for (const VerifyCase& c : kVerifyCases) {
        SCOPED_TRACE(std::string(c.name));
        SendMessageW(Control("Command1"), BM_CLICK, 0, 0);
        const std::array entries = {c.a, c.b, c.c};
        for (int n = 1; n <= 3; ++n) {
            SendMessageW(Box(n), WM_SETTEXT, 0,
                         reinterpret_cast<LPARAM>(BoxWide(entries[n - 1]).c_str()));
        }
        const std::vector<SeenMessage> seen = Click("Command2");
        for (int n = 4; n <= 12; ++n) {
            EXPECT_EQ(WindowText(Box(n)), BoxWide(c.results[n - 4])) << "Text" << n;
        }
        if (c.message.empty()) {
            EXPECT_TRUE(seen.empty());
        } else {
            ASSERT_EQ(seen.size(), 1u);
            EXPECT_EQ(seen[0].caption, BoxWide(kWarningCaption));
            EXPECT_EQ(seen[0].text, BoxWide(c.message));
            EXPECT_EQ(seen[0].buttons, std::vector<std::wstring>{L"OK"});
            EXPECT_FALSE(seen[0].icon);
        }
    }
}

// Another program's WM_SETTEXT is not held by the box's limit; the window cuts it there, and one
// too large to be taken at all (Wine fails GetMessageW on it) ends nothing.
TEST_F(TerneExe, TextsSetFromOutsideAreCutAtTheLimit) {
    for (const std::size_t length : {std::size_t{kMaxBoxLength} + 1, std::size_t{2'000'000}}) {
        SCOPED_TRACE(length);
        const std::wstring text = L"3." + std::wstring(length - 2, L'0');
        DWORD_PTR ignored = 0;
        // Under Wine the largest is never delivered: the call times out.
        SendMessageTimeoutW(Box(1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                            SMTO_NORMAL, 3'000, &ignored);
        ASSERT_EQ(WaitForSingleObject(process_.hProcess, 200), WAIT_TIMEOUT) << "terne.exe ended";
        const std::wstring kept = WindowText(Box(1));
        EXPECT_TRUE(kept.empty() || kept == text.substr(0, kMaxBoxLength)) << kept.size();
    }
    SendMessageW(Box(1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"3"));
    EXPECT_EQ(WindowText(Box(1)), L"3");  // still at work
}

bool UnderWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

// What a screen reader reads, through the system's bridge from another process: the window's
// children in the table's order, row by row, each with its role, name, hint and place.
TEST_F(TerneExe, ScreenReadersReadTheWindowInTheTablesOrder) {
    std::vector<HWND> controls;
    for (std::size_t row = 0; row < kControls.size(); ++row) {
        controls.push_back(GetDlgItem(form_, ControlId(row)));
    }
    EXPECT_EQ(AccessibleChildWindows(form_), controls);
    POINT origin{0, 0};
    ClientToScreen(form_, &origin);
    constexpr long kRoles[] = {ROLE_SYSTEM_STATICTEXT, ROLE_SYSTEM_TEXT, ROLE_SYSTEM_PUSHBUTTON};
    for (std::size_t row = 0; row < kControls.size(); ++row) {
        const ControlRow& entry = kControls[row];
        SCOPED_TRACE(ObjectName(entry));
        const AccessibleFacts facts = FactsOf(controls[row], OBJID_CLIENT);
        // Wine's system objects call a static text and a button a client area, as they call any
        // window class but the edit box.
        const bool wine_client = entry.kind() != ControlKind::TextBox && UnderWine();
        EXPECT_EQ(facts.role,
                  wine_client ? ROLE_SYSTEM_CLIENT : kRoles[static_cast<int>(entry.kind())]);
        if (entry.kind() == ControlKind::TextBox) {
            EXPECT_EQ(facts.name, BoxWide(entry.accessible_name));
            EXPECT_EQ(facts.description, BoxWide(HintText(entry)));
        } else {
            EXPECT_EQ(facts.name, BoxWide(entry.caption));
        }
        // The client area: a box's lies inside its 3-D edge.
        RECT place{origin.x + ToPixels(entry.left, 96), origin.y + ToPixels(entry.top, 96),
                   origin.x + ToPixels(entry.left + entry.width, 96),
                   origin.y + ToPixels(entry.top + entry.height, 96)};
        if (entry.kind() == ControlKind::TextBox) {
            InflateRect(&place, -GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYEDGE));
        }
        const RECT location = facts.location;
        EXPECT_TRUE(EqualRect(&location, &place)) << location.left << "," << location.top << " "
                                                  << location.right << "," << location.bottom;
    }
}

TEST_F(TerneExe, ScreenReadersReadTheWarningAsADialogWithItsText) {
    std::atomic<bool> done = false;
    std::thread clicker([&done, verifica = Control("Command2")] {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(verifica, BM_CLICK, 0, 0, SMTO_NORMAL, kPatience, &ignored);
        done = true;
    });
    HWND box = nullptr;
    EXPECT_TRUE(WaitFor([&] {
        const std::vector<HWND> boxes = MessageBoxesOf(form_);
        box = boxes.empty() ? nullptr : boxes.front();
        return box != nullptr;
    }));
    if (box != nullptr) {
        // Wine's object for a window answers nothing; its client area's does.
        EXPECT_EQ(FactsOf(box, UnderWine() ? OBJID_CLIENT : OBJID_WINDOW).role,
                  UnderWine() ? ROLE_SYSTEM_CLIENT : ROLE_SYSTEM_DIALOG);
        EXPECT_EQ(FactsOf(box, OBJID_CLIENT).name, L"Terne pitagoriche");
        const std::vector<std::wstring> names = ChildNames(box);
        for (const wchar_t* part : {L"Impossibile: valori errati.", L"OK"}) {
            EXPECT_NE(std::find(names.begin(), names.end(), part), names.end()) << part;
        }
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
    WaitFor([&done] { return done.load(); });
    clicker.join();
}

TEST_F(TerneExe, EndsWhenItsWindowIsClosed) {
    PostMessageW(form_, WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForSingleObject(process_.hProcess, kPatience), WAIT_OBJECT_0);
    DWORD exit_code = 1;
    GetExitCodeProcess(process_.hProcess, &exit_code);
    EXPECT_EQ(exit_code, 0u);
}

// The manifest's awareness, as Windows 10 reports it (looked up: the program targets Windows 7).
TEST_F(TerneExe, IsPerMonitorDpiAware) {
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    const auto window_context = reinterpret_cast<HANDLE(WINAPI*)(HWND)>(
        reinterpret_cast<void*>(GetProcAddress(user32, "GetWindowDpiAwarenessContext")));
    const auto awareness = reinterpret_cast<int(WINAPI*)(HANDLE)>(
        reinterpret_cast<void*>(GetProcAddress(user32, "GetAwarenessFromDpiAwarenessContext")));
    ASSERT_NE(window_context, nullptr);
    ASSERT_NE(awareness, nullptr);
    constexpr int kPerMonitorAware = 2;  // DPI_AWARENESS_PER_MONITOR_AWARE
    EXPECT_EQ(awareness(window_context(form_)), kPerMonitorAware);
}

// The file itself: its version record, icon and manifest.
std::string Resource(HMODULE module, LPCWSTR type) {
    const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), type);
    if (found == nullptr) {
        return {};
    }
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
    return std::string(bytes, SizeofResource(module, found));
}

TEST(TerneExeFile, CarriesTheItalianVersionRecord) {
    const std::wstring path = ExePath();
    DWORD handle = 0;
    std::string record(GetFileVersionInfoSizeW(path.c_str(), &handle), '\0');
    ASSERT_FALSE(record.empty());
    ASSERT_TRUE(
        GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(record.size()), record.data()));
    const auto query = [&](const wchar_t* key) -> std::pair<void*, UINT> {
        void* value = nullptr;
        UINT size = 0;
        return VerQueryValueW(record.data(), key, &value, &size) ? std::pair{value, size}
                                                                 : std::pair{nullptr, 0u};
    };
    const auto [translation, translation_size] = query(L"\\VarFileInfo\\Translation");
    ASSERT_EQ(translation_size, 4u);
    EXPECT_EQ(static_cast<const WORD*>(translation)[0], 0x0410);  // Italian
    EXPECT_EQ(static_cast<const WORD*>(translation)[1], 1200);    // UTF-16
    for (const wchar_t* key : {L"\\StringFileInfo\\041004B0\\FileVersion",
                               L"\\StringFileInfo\\041004B0\\ProductVersion"}) {
        const auto [value, size] = query(key);
        ASSERT_NE(value, nullptr);
        EXPECT_EQ(std::wstring(static_cast<const wchar_t*>(value)), L"1.00");
    }
    const auto [copyright, copyright_size] = query(L"\\StringFileInfo\\041004B0\\LegalCopyright");
    ASSERT_NE(copyright, nullptr);
    EXPECT_EQ(std::wstring(static_cast<const wchar_t*>(copyright)),
              L"Copyright \u00A9 2026 Gli sviluppatori di terne. Licenza MIT.");
    const auto [fixed, fixed_size] = query(L"\\");
    ASSERT_EQ(fixed_size, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(static_cast<const VS_FIXEDFILEINFO*>(fixed)->dwFileVersionMS, 0x00010000u);
}

// The processor the program is built for, from its file's PE header, as a manifest names it.
std::string MachineOf(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    std::array<unsigned char, 4096> header{};
    DWORD read = 0;
    const bool ok =
        file != INVALID_HANDLE_VALUE &&
        ReadFile(file, header.data(), static_cast<DWORD>(header.size()), &read, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
    }
    const auto word = [&](std::size_t at) { return header[at] | header[at + 1] << 8; };
    const std::size_t pe = word(0x3C) | static_cast<std::size_t>(word(0x3E)) << 16;
    if (!ok || pe + 6 > read) {
        return "unreadable";
    }
    switch (word(pe + 4)) {
        case IMAGE_FILE_MACHINE_AMD64:
            return "amd64";
        case IMAGE_FILE_MACHINE_I386:
            return "x86";
        default:
            return "other";
    }
}

TEST(TerneExeFile, CarriesItsIconAndManifest) {
    const HMODULE module = LoadLibraryExW(
        ExePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module, nullptr);
    EXPECT_FALSE(Resource(module, RT_GROUP_ICON).empty());
    const std::string manifest = Resource(module, RT_MANIFEST);
    for (const char* part :
         {"Microsoft.Windows.Common-Controls", "version=\"6.0.0.0\"", "PerMonitorV2",
          "35138b9a-5d96-4fbd-8e2d-a2440225f93a", "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38",
          "1f676c76-80e1-4239-95bb-83d0f6d0da78", "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"}) {
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
    }
    // The program's own identity names its processor: the first of the manifest's architectures.
    const std::string architecture = "processorArchitecture=\"" + MachineOf(ExePath()) + "\"";
    EXPECT_EQ(manifest.find("processorArchitecture="), manifest.find(architecture)) << architecture;
    EXPECT_NE(manifest.find(architecture), std::string::npos) << architecture;
    FreeLibrary(module);
}

}  // namespace
