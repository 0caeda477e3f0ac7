// The program's one window on Windows, built from the control table with the system's own
// controls, and the commands' view of it.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/form_surface.h"
#include "form/commands.h"
#include "form/control_table.h"
#include "form/win32/fonts.h"
#include "form/win32/keys.h"

class Form1 : public FormSurface {
  public:
    // Creates the window, hidden. `decimal_separator` is the one the squares are written with
    // (the user's locale's).
    explicit Form1(std::string decimal_separator = ".");
    ~Form1() override;
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Shows and activates the window, with the focus in Text1.
    void Show(int show_command = SW_SHOWNORMAL);

    HWND hwnd() const { return hwnd_; }
    HWND control(std::size_t row) const { return controls_[row]; }
    // The tooltip that shows a box's whole text where it does not fit; none until the pointer
    // first comes over a box.
    HWND tooltip() const { return tooltip_; }
    HWND box(TextBox box) const { return controls_[RowOf(box)]; }
    int dpi() const { return dpi_; }

    // The window's own keys (form/win32/keys.h), seen before a message is translated and
    // dispatched. True when the message is used up.
    bool PreTranslateMessage(const MSG& message);

    std::string GetText(TextBox box) const override;
    void SetText(TextBox box, std::string_view text) override;
    void ShowMessage(std::string_view prompt) override;

  private:
    // Raises the system's error for a call that failed.
    [[noreturn]] static void Fail(const std::string& what);
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam,
                                       LPARAM lparam) noexcept;
    // Each message the window handles goes to its handler; a handler returns nothing where the
    // system's default is wanted.
    LRESULT HandleMessage(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
    std::optional<LRESULT> OnCommand(WPARAM wparam, LPARAM lparam);
    std::optional<LRESULT> OnColour(UINT message, HDC dc, HWND control);
    std::optional<LRESULT> OnNotify(NMHDR* header);
    std::optional<LRESULT> OnActivate(WPARAM wparam);
    LRESULT OnDpiChanged(int dpi, const RECT& suggested);
    LRESULT OnEraseBackground(HDC dc);
    void OnPointerOverBox(HWND box, LPARAM where);
    void OnGone(HWND hwnd);

    void CreateControls(int dpi);
    void CreateToolTip();
    // Fonts at `dpi`, and positions and sizes where the controls were placed at another.
    void LayOut(int dpi);
    // The row of one of the window's controls, or kControls.size().
    std::size_t RowOfWindow(HWND control) const;

    HWND hwnd_ = nullptr;
    std::array<HWND, kControls.size()> controls_{};
    std::vector<GdiObject<HFONT>> fonts_;  // the fonts of the current layout
    GdiObject<HBRUSH> background_;
    HWND saved_focus_ = nullptr;  // given back the focus when the window is activated again
    HWND tooltip_ = nullptr;
    std::wstring tooltip_text_;  // what the tooltip shows now
    int dpi_ = 96;
    Commands commands_;
};

// What the message loop does with each message it takes: the window's own keys first.
void TranslateAndDispatch(Form1& form, const MSG& message);
