// The Win32 Form1 through its message loop: what every window must do, and what is this window's
// own: its icons, its tooltip, posted clicks.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/form/win32/form1_driver.h"

namespace {

using enum TextBox;

TEST_F(Form1Test, HasItsCaptionAndIcons) {
    EXPECT_EQ(WindowText(form_->hwnd()), L"Form1");
    EXPECT_NE(GetClassLongPtrW(form_->hwnd(), GCLP_HICON), 0);
    EXPECT_NE(GetClassLongPtrW(form_->hwnd(), GCLP_HICONSM), 0);
}

TEST_F(Form1Test, MakesItsToolTipForEveryBoxWhenThePointerFirstComes) {
    EXPECT_EQ(form_->tooltip(), nullptr);
    SendMessageW(form_->box(Text9), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    ASSERT_NE(form_->tooltip(), nullptr);
    EXPECT_EQ(SendMessageW(form_->tooltip(), TTM_GETTOOLCOUNT, 0, 0), kTextBoxCount);
    const HWND made = form_->tooltip();
    SendMessageW(form_->box(Text1), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(form_->tooltip(), made);  // once
}

// What every window must do, from the shared list.
class Form1Behaves : public Form1Driver, public testing::WithParamInterface<std::size_t> {};

TEST_P(Form1Behaves, AsEveryWindowMust) {
    for (const std::string& difference : RunBehaviour(WindowBehaviours()[GetParam()], *this)) {
        ADD_FAILURE() << difference;
    }
}

INSTANTIATE_TEST_SUITE_P(Shared, Form1Behaves,
                         testing::Range(std::size_t{0}, WindowBehaviours().size()),
                         [](const auto& test) {
                             std::string name;
                             for (const char c : WindowBehaviours()[test.param].name) {
                                 if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                                     (c >= '0' && c <= '9')) {
                                     name += c;
                                 }
                             }
                             return name;
                         });

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

}  // namespace
