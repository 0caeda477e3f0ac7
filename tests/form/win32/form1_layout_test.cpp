// The Win32 Form1's layout: geometry and fonts at the window's DPI, stacking, and captions that
// fit. Run at 96 dpi, and again with Wine's LogPixels at 120 and 144 (TERNE_EXPECTED_DPI).
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
        const ControlSpec& entry = kControls[row];
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

// Whether a label's caption keeps all its ink inside the label: it is drawn as the label draws
// it, on a canvas with room all around, and any ink outside the label is what it would cut off.
bool CaptionFits(HWND label) {
    RECT client{};
    GetClientRect(label, &client);
    constexpr int kMargin = 100;
    const int width = client.right + 2 * kMargin;
    const int height = client.bottom + 2 * kMargin;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HDC dc = CreateCompatibleDC(nullptr);
    const HBITMAP canvas = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous_bitmap = SelectObject(dc, canvas);
    const HGDIOBJ previous_font =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
    RECT whole{0, 0, width, height};
    FillRect(dc, &whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    RECT inside{kMargin, kMargin, kMargin + client.right, kMargin + client.bottom};
    const bool one_line = (GetWindowLongPtrW(label, GWL_STYLE) & SS_CENTERIMAGE) != 0;
    const std::wstring caption = WindowText(label);
    DrawTextW(dc, caption.c_str(), -1, &inside,
              DT_NOPREFIX | (one_line ? DT_SINGLELINE | DT_VCENTER : DT_WORDBREAK) | DT_NOCLIP);
    GdiFlush();
    bool fits = true;
    const auto* pixels = static_cast<const DWORD*>(bits);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool outside =
                x < inside.left || x >= inside.right || y < inside.top || y >= inside.bottom;
            if (outside && (pixels[y * width + x] & 0xFFFFFF) != 0xFFFFFF) {
                fits = false;
            }
        }
    }
    SelectObject(dc, previous_font);
    SelectObject(dc, previous_bitmap);
    DeleteObject(canvas);
    DeleteDC(dc);
    return fits;
}

TEST_F(Form1Test, NoCaptionIsClippedInTheFontUsed) {
    for (std::size_t row = 0; row < kControls.size(); ++row) {
        const HWND control = form_->control(row);
        if (kControls[row].kind() == ControlKind::Label) {
            EXPECT_TRUE(CaptionFits(control)) << ObjectName(kControls[row]);
        } else if (kControls[row].kind() == ControlKind::Button) {
            SIZE ideal{};
            ASSERT_TRUE(
                SendMessageW(control, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)));
            RECT rect{};
            GetClientRect(control, &rect);
            EXPECT_LE(ideal.cx, rect.right) << kControls[row].name;
            EXPECT_LE(ideal.cy, rect.bottom) << kControls[row].name;
        }
    }
}

TEST_F(Form1Test, BoxesLieAboveTheExponentsAndLabel9AboveLabel11) {
    const auto topmost_at = [this](const RECT& area) {
        const POINT centre{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
        return ChildWindowFromPointEx(form_->hwnd(), centre, CWP_SKIPINVISIBLE);
    };
    for (const auto& [label, box] : {std::pair{"Label3(1)", "Text4"}, std::pair{"Label4", "Text5"},
                                     std::pair{"Label5", "Text7"}}) {
        const RECT exponent = RectInForm(*form_, RowNamed(label));
        const RECT text_box = RectInForm(*form_, RowNamed(box));
        RECT overlap{};
        ASSERT_TRUE(IntersectRect(&overlap, &exponent, &text_box)) << label;
        EXPECT_EQ(topmost_at(overlap), control(box)) << label;
    }
    RECT strip{};
    const RECT label9 = RectInForm(*form_, RowNamed("Label9"));
    const RECT label11 = RectInForm(*form_, RowNamed("Label11"));
    ASSERT_TRUE(IntersectRect(&strip, &label9, &label11));
    EXPECT_EQ(topmost_at(strip), control("Label9"));
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
