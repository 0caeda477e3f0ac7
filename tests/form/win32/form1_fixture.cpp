// Opening, driving and closing the Win32 Form1 in a test.
#include "tests/form/win32/form1_fixture.h"

#include <climits>

void Form1Test::Open(const char* separator) {
    form_ = std::make_unique<Form1>(separator);
    watcher_ = std::make_unique<MessageWatcher>(form_->hwnd());
    form_->Show();
    Pump(50);
}

void Form1Test::Close() {
    watcher_.reset();
    form_.reset();
    Pump(0);  // the closed window's quit message, which would end the next test's message box
}

void Form1Test::Pump(DWORD ms) {
    const ULONGLONG end = GetTickCount64() + ms;
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message != WM_QUIT && form_) {
                TranslateAndDispatch(*form_, message);
            }
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while (GetTickCount64() < end);
}

void Form1Test::Press(WORD key, bool shift, bool repeated) {
    BYTE state[256] = {};
    GetKeyboardState(state);
    state[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(state);
    const HWND focus = GetFocus();
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
    PostMessageW(focus, WM_KEYDOWN, key, 1 | scan | (repeated ? LPARAM{1} << 30 : 0));
    PostMessageW(focus, WM_KEYUP, key, 1 | scan | LPARAM{3} << 30);
    Pump(0);
    state[VK_SHIFT] = 0;
    SetKeyboardState(state);
}

void Form1Test::Type(TextBox box, std::wstring_view text) {
    SetFocus(this->box(box));
    SendMessageW(this->box(box), EM_SETSEL, INT_MAX, INT_MAX);  // after what is there
    for (const wchar_t unit : text) {
        PostMessageW(this->box(box), WM_CHAR, unit, 1);
    }
    Pump(0);
}

void Form1Test::TypeEntries(std::string_view a, std::string_view b, std::string_view c) {
    Type(TextBox::Text1, BoxWide(a));
    Type(TextBox::Text2, BoxWide(b));
    Type(TextBox::Text3, BoxWide(c));
}

void Form1Test::Click(std::string_view button) {
    SendMessageW(control(button), BM_CLICK, 0, 0);
    Pump(0);
}

std::array<std::wstring, 9> Form1Test::ResultTexts() const {
    std::array<std::wstring, 9> texts;
    for (int n = 4; n <= 12; ++n) {
        texts[static_cast<std::size_t>(n - 4)] = Text(static_cast<TextBox>(n));
    }
    return texts;
}
