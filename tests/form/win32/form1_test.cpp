// The Win32 Form1 through its message loop: focus, keys, clicks, the message box, long texts.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/form/win32/form1_fixture.h"
#include "tests/form/window_cases.h"

namespace {

using enum TextBox;

TEST_F(Form1Test, StartsEmptyWithTheFocusInText1) {
    for (int n = 1; n <= 12; ++n) {
        EXPECT_EQ(Text(static_cast<TextBox>(n)), L"") << "Text" << n;
    }
    EXPECT_EQ(GetFocus(), box(Text1));
    EXPECT_EQ(WindowText(form_->hwnd()), L"Form1");
    EXPECT_NE(GetClassLongPtrW(form_->hwnd(), GCLP_HICON), 0);
    EXPECT_NE(GetClassLongPtrW(form_->hwnd(), GCLP_HICONSM), 0);
}

TEST_F(Form1Test, TabCyclesTheFourteenControlsBothWays) {
    for (const std::string_view name : kTabCycle) {
        EXPECT_EQ(GetFocus(), control(name)) << name;
        Press(VK_TAB);
    }
    EXPECT_EQ(GetFocus(), box(Text1));  // wrapped around
    for (auto name = kTabCycle.rbegin(); name != kTabCycle.rend(); ++name) {
        Press(VK_TAB, /*shift=*/true);
        EXPECT_EQ(GetFocus(), control(*name)) << *name;
    }
}

TEST_F(Form1Test, EnterAndEscInATextBoxRunNothing) {
    TypeEntries("3", "4", "5");
    for (int n = 1; n <= 12; ++n) {
        SetFocus(box(static_cast<TextBox>(n)));
        Press(VK_RETURN);
        Press(VK_ESCAPE);
    }
    Pump();
    EXPECT_EQ(ResultTexts(), (std::array<std::wstring, 9>{}));
    EXPECT_TRUE(watcher_->seen().empty());
    EXPECT_EQ(Text(Text1), L"3");
}

TEST_F(Form1Test, SpaceAndEnterRunAFocusedButtonOncePerPress) {
    TypeEntries("3", "4", "5");
    SetFocus(control("Command2"));
    Press(VK_SPACE);
    EXPECT_EQ(Text(Text12), L"è");

    SetFocus(control("Command1"));
    Press(VK_RETURN, false, /*repeated=*/true);  // a key held down from before: not a press
    EXPECT_EQ(Text(Text12), L"è");
    Press(VK_RETURN);
    EXPECT_EQ(Text(Text1), L"");
    EXPECT_EQ(Text(Text12), L"");
}

class Form1Verifies : public Form1Test, public testing::WithParamInterface<VerifyCase> {};

TEST_P(Form1Verifies, EndToEnd) {
    const VerifyCase& c = GetParam();
    TypeEntries(c.a, c.b, c.c);
    Click("Command2");
    std::array<std::wstring, 9> expected;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        expected[i] = BoxWide(c.results[i]);
    }
    EXPECT_EQ(ResultTexts(), expected);
    if (c.message.empty()) {
        EXPECT_TRUE(watcher_->seen().empty());
    } else {
        ASSERT_EQ(watcher_->seen().size(), 1u);
        const SeenMessage& seen = watcher_->seen().front();
        EXPECT_EQ(seen.caption, BoxWide(kWarningCaption));
        EXPECT_EQ(seen.text, BoxWide(c.message));
        EXPECT_EQ(seen.buttons, std::vector<std::wstring>{L"OK"});
        EXPECT_FALSE(seen.icon);
        EXPECT_EQ(GetFocus(), control("Command2"));  // given back after the box
    }
    // Every box shows the beginning of its text.
    for (int n = 4; n <= 12; ++n) {
        EXPECT_EQ(SendMessageW(box(static_cast<TextBox>(n)), EM_GETFIRSTVISIBLELINE, 0, 0), 0)
            << "Text" << n;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, Form1Verifies, testing::ValuesIn(kVerifyCases),
                         [](const auto& test) {
                             std::string name(test.param.name);
                             std::erase(name, ' ');
                             return name;
                         });

// What the box's tooltip would show now, asked as the tooltip asks: "" for none.
std::wstring TipOf(const Form1& form, HWND box) {
    NMTTDISPINFOW info{};
    info.hdr.hwndFrom = form.tooltip();
    info.hdr.idFrom = reinterpret_cast<UINT_PTR>(box);
    info.hdr.code = TTN_GETDISPINFOW;
    SendMessageW(form.hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    return info.lpszText != nullptr ? info.lpszText : L"";
}

// "1.5" cut to ".5" would show another number: a box the focus leaves, and a box a command
// writes, show the beginning of their text, and one whose text does not fit shows all of it in
// a tooltip.
TEST_F(Form1Test, BoxesShowTheBeginningAndTooLongTextsInATooltip) {
    EXPECT_EQ(SendMessageW(form_->tooltip(), TTM_GETTOOLCOUNT, 0, 0), kTextBoxCount);
    const std::wstring long_text = L"0123456789.0123456789";
    for (int n = 1; n <= 12; ++n) {
        const auto box = static_cast<TextBox>(n);
        SetFocus(this->box(box));
        SetWindowTextW(this->box(box), L"");
        Type(box, long_text);
        EXPECT_GT(SendMessageW(this->box(box), EM_GETFIRSTVISIBLELINE, 0, 0), 0) << "Text" << n;
        Press(VK_TAB);
        EXPECT_EQ(SendMessageW(this->box(box), EM_GETFIRSTVISIBLELINE, 0, 0), 0) << "Text" << n;
        EXPECT_EQ(TipOf(*form_, this->box(box)), long_text) << "Text" << n;
        SetWindowTextW(this->box(box), L"7");
        EXPECT_EQ(TipOf(*form_, this->box(box)), L"") << "Text" << n;
    }
    SetWindowTextW(box(Text1), std::wstring(kMaxBoxLength, L'7').c_str());
    EXPECT_EQ(TipOf(*form_, box(Text1)), std::wstring(kToolTipLength, L'7') + L"\u2026");
}

TEST_F(Form1Test, TextTypedIntoAResultBoxSurvivesAnInvalidEntry) {
    TypeEntries("5", "4", "3");
    Click("Command2");
    Type(Text8, L"mio");
    const auto before = ResultTexts();
    SetWindowTextW(box(Text1), L"");
    Type(Text1, L"abc");
    Click("Command2");
    ASSERT_EQ(watcher_->seen().size(), 1u);
    EXPECT_EQ(ResultTexts(), before);
    EXPECT_EQ(Text(Text8), L"25mio");
}

TEST_F(Form1Test, AzzeraEmptiesEveryBox) {
    TypeEntries("3", "4", "5");
    Click("Command2");
    Type(Text10, L"scritto a mano");
    Click("Command1");
    for (int n = 1; n <= 12; ++n) {
        EXPECT_EQ(Text(static_cast<TextBox>(n)), L"") << "Text" << n;
    }
    EXPECT_TRUE(watcher_->seen().empty());
}

// Real input is blocked while the warning is up, but posted clicks and commands reach the button
// through the warning's own loop, as a screen reader's may.
TEST_F(Form1Test, ClicksWhileTheWarningIsOpenStackNoWarnings) {
    TypeEntries("abc", "4", "5");
    const HWND verifica = control("Command2");
    const auto id = static_cast<WORD>(GetDlgCtrlID(verifica));
    for (int i = 0; i < 10; ++i) {
        PostMessageW(verifica, BM_CLICK, 0, 0);
        PostMessageW(form_->hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(verifica));
    }
    Pump(200);
    EXPECT_EQ(watcher_->seen().size(), 1u);
}

// The loop's results in turn; the quit message's exit code is 7.
MessageSource Script(std::vector<BOOL> results) {
    return [results = std::move(results), next = std::size_t{0}](MSG& message) mutable {
        const BOOL got = next < results.size() ? results[next++] : 0;
        message = MSG{};
        message.message = got == 0 ? WM_QUIT : WM_NULL;
        message.wParam = got == 0 ? 7 : 0;
        return got;
    };
}

TEST_F(Form1Test, TheMessageLoopEndsOnlyOnAQuitOrOnFailuresThatLast) {
    EXPECT_EQ(RunMessageLoop(*form_, Script({1, -1, 1, -1, -1, 1, 0})), 7);
    EXPECT_TRUE(watcher_->seen().empty());

    std::vector<BOOL> failing(kMaxMessageFailures - 1, -1);
    failing.push_back(1);  // a message in between starts the count again
    failing.insert(failing.end(), kMaxMessageFailures, -1);
    EXPECT_EQ(RunMessageLoop(*form_, Script(failing)), 1);
    ASSERT_EQ(watcher_->seen().size(), 1u);
    EXPECT_NE(watcher_->seen().front().text.find(L"GetMessageW"), std::wstring::npos);
    EXPECT_TRUE(watcher_->seen().front().icon);
}

TEST_F(Form1Test, SquaresUseTheLocaleSeparator) {
    Close();
    Open(",");
    TypeEntries("1.5", "2", "2.5");
    Click("Command2");
    EXPECT_EQ(Text(Text8), L"2,25");
    EXPECT_EQ(Text(Text12), L"è");
}

void SetClipboard(const std::wstring& text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    std::copy(text.c_str(), text.c_str() + text.size() + 1,
              static_cast<wchar_t*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

TEST_F(Form1Test, AnEntryAtTheLimitIsKeptWholeAndALongerPasteIsCut) {
    const std::wstring entry = L"3." + std::wstring(kMaxBoxLength - 2, L'0');
    SetClipboard(entry);
    SendMessageW(box(Text1), WM_PASTE, 0, 0);
    EXPECT_EQ(Text(Text1), entry);

    SetClipboard(std::wstring(300'000, L'7'));
    SendMessageW(box(Text2), WM_PASTE, 0, 0);
    EXPECT_EQ(Text(Text2), std::wstring(kMaxBoxLength, L'7'));

    SetWindowTextW(box(Text2), L"4");
    Type(Text3, L"5");
    Click("Command2");
    EXPECT_EQ(Text(Text4), entry);
    EXPECT_EQ(Text(Text12), L"è");
}

TEST_F(Form1Test, ResizingMovesNothing) {
    const auto rects = [this] {
        std::vector<RECT> all;
        for (std::size_t row = 0; row < kControls.size(); ++row) {
            RECT rect{};
            GetWindowRect(form_->control(row), &rect);
            MapWindowPoints(HWND_DESKTOP, form_->hwnd(), reinterpret_cast<POINT*>(&rect), 2);
            all.push_back(rect);
        }
        return all;
    };
    const auto same = [](const std::vector<RECT>& x, const std::vector<RECT>& y) {
        return std::equal(x.begin(), x.end(), y.begin(),
                          [](const RECT& p, const RECT& q) { return EqualRect(&p, &q) != FALSE; });
    };
    const std::vector<RECT> before = rects();
    for (const SIZE size : {SIZE{900, 700}, SIZE{120, 80}, SIZE{500, 380}}) {
        SetWindowPos(form_->hwnd(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
        Pump();
        EXPECT_TRUE(same(rects(), before)) << size.cx << "x" << size.cy;
    }
}

}  // namespace
