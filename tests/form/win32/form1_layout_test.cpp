// The Win32 Form1's own layout: geometry and fonts at the window's DPI, as the system gives it and
// when it changes. Run at 96 dpi, and again with Wine's LogPixels at 120 and 144
// (TERNE_EXPECTED_DPI). Stacking and captions are checked with what every window must do.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "tests/form/win32/form1_fixture.h"

namespace {

int ExpectedDpi() {
    const char* dpi = std::getenv("TERNE_EXPECTED_DPI");
    return dpi != nullptr ? std::atoi(dpi) : 96;
}

// Twips at `dpi`, to the nearest pixel: at 96 dpi exactly twips / 15.
int Scaled(int twips, int dpi) {
    return (twips * dpi + 720) / 1440;
}

// The character height a control's font was made with, in pixels.
int FontHeight(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font),
               &font);
    return -font.lfHeight;
}

// Points at `dpi` in pixels, to the nearest, a tie to the smaller.
int Pixels(double points, int dpi) {
    return static_cast<int>(std::ceil(points * dpi / 72 - 0.5));
}

RECT RectInForm(const Form1& form, std::size_t row) {
    RECT rect{};
    GetWindowRect(form.control(row), &rect);
    MapWindowPoints(HWND_DESKTOP, form.hwnd(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void ExpectLayoutAt(const Form1& form, int dpi) {
    RECT client{};
    GetClientRect(form.hwnd(), &client);
    EXPECT_EQ(client.right, Scaled(kForm1.client_width, dpi));
    EXPECT_EQ(client.bottom, Scaled(kForm1.client_height, dpi));
    for (std::size_t row = 0; row < kControls.size(); ++row) {
        const ControlRow& entry = kControls[row];
        const RECT rect = RectInForm(form, row);
        EXPECT_EQ(rect.left, Scaled(entry.left, dpi)) << entry.name;
        EXPECT_EQ(rect.top, Scaled(entry.top, dpi)) << entry.name;
        EXPECT_EQ(rect.right - rect.left, Scaled(entry.width, dpi)) << entry.name;
        EXPECT_EQ(rect.bottom - rect.top, Scaled(entry.height, dpi)) << entry.name;
        const double points = FontPoints(entry);
        EXPECT_EQ(FontHeight(form.control(row)), Pixels(points, dpi)) << entry.name;
    }
}

TEST_F(Form1Test, LaysOutTheTableAtTheSystemDpi) {
    ASSERT_EQ(form_->dpi(), ExpectedDpi());
    ExpectLayoutAt(*form_, ExpectedDpi());
}

TEST_F(Form1Test, LaysOutAgainWhenMovedToAnotherDpi) {
    for (const int dpi : {144, 192, ExpectedDpi()}) {
        RECT suggested{10, 10, 900, 700};
        SendMessageW(form_->hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        Pump();
        ExpectLayoutAt(*form_, dpi);
    }
}

TEST_F(Form1Test, LabelsNeverTakeTheFocusAndShowTheirColours) {
    for (std::size_t row = 0; row < kControls.size(); ++row) {
        const LONG_PTR style = GetWindowLongPtrW(form_->control(row), GWL_STYLE);
        EXPECT_EQ((style & WS_TABSTOP) != 0, kControls[row].role.focusable())
            << kControls[row].name;
    }
    const HDC dc = GetDC(form_->hwnd());
    SendMessageW(form_->hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(control("Label9")));
    EXPECT_EQ(GetTextColor(dc), RGB(255, 0, 0));
    EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 255));
    SendMessageW(form_->hwnd(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(box(TextBox::Text12)));
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 255));
    ReleaseDC(form_->hwnd(), dc);
}

}  // namespace
