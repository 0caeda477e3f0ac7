// Form1 on Windows: the window, its messages dispatched to their handlers (its colours, its
// tooltip's texts, the focus, the DPI, the two buttons' wiring), and what the commands see of it.
// Its controls and their layout are form1_controls.cpp's, its boxes entry_box.cpp's, its keys
// keys.cpp's, its screen-reader objects accessible.cpp's.
#include "form/win32/form1.h"

#include <commctrl.h>

#include <algorithm>
#include <system_error>
#include <tuple>
#include <utility>

#include "form/win32/accessible.h"
#include "form/win32/entry_box.h"
#include "form/win32/fonts.h"
#include "form/win32/keys.h"
#include "form/win32/wide_text.h"

namespace {

constexpr wchar_t kWindowClass[] = L"" TERNE_WINDOW_CLASS;
constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

COLORREF ToColorRef(Rgb colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

}  // namespace

void Form1::Fail(const std::string& what) {
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), what);
}

Form1::Form1(std::string decimal_separator)
    : background_(CreateSolidBrush(ToColorRef(kForm1.background))),
      commands_(*this, std::move(decimal_separator)) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!background_) {
        Fail("CreateSolidBrush");
    }

    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof(window_class);
    window_class.lpfnWndProc = WindowProc;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    // Both sizes from the icon's own images, rather than one scaled by the system.
    for (const auto& [icon, width, height] :
         {std::tuple{&window_class.hIcon, SM_CXICON, SM_CYICON},
          std::tuple{&window_class.hIconSm, SM_CXSMICON, SM_CYSMICON}}) {
        *icon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                              GetSystemMetrics(width), GetSystemMetrics(height),
                                              LR_DEFAULTCOLOR | LR_SHARED));
    }
    window_class.lpszClassName = kWindowClass;
    // A second window finds the class registered by the first.
    if (RegisterClassExW(&window_class) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        Fail("RegisterClassExW");
    }

    CreateWindowExW(0, kWindowClass, BoxWide(kForm1.caption).c_str(), kWindowStyle, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this);
    if (hwnd_ == nullptr) {
        Fail("CreateWindowExW");
    }
    try {
        const int dpi = WindowDpi(hwnd_);
        CreateControls(dpi);
        LayOut(dpi);
    } catch (...) {
        DestroyWindow(hwnd_);  // no destructor runs for a constructor that throws
        throw;
    }
    saved_focus_ = box(TextBox::Text1);
}

Form1::~Form1() {
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
}

void Form1::Show(int show_command) {
    ShowWindow(hwnd_, show_command);
    UpdateWindow(hwnd_);
    SetForegroundWindow(hwnd_);
    SetFocus(saved_focus_);
}

std::size_t Form1::RowOfWindow(HWND control) const {
    return ::RowOfWindow(hwnd_, control);
}

bool Form1::PreTranslateMessage(const MSG& message) {
    return hwnd_ != nullptr && HandleWindowKey(message, hwnd_, controls_);
}

LRESULT CALLBACK Form1::WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form1*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        form->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Form1*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return form != nullptr ? form->HandleMessage(hwnd, message, wparam, lparam)
                           : DefWindowProcW(hwnd, message, wparam, lparam);
}

LRESULT Form1::HandleMessage(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    std::optional<LRESULT> handled;
    switch (message) {
        case WM_COMMAND:
            handled = OnCommand(wparam, lparam);
            break;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
            handled =
                OnColour(message, reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
            break;
        case WM_GETOBJECT:
            if (const LRESULT answer = AnswerWindowObject(hwnd_, controls_, wparam, lparam)) {
                handled = answer;
            }
            break;
        case kPointerOverBox:
            OnPointerOverBox(reinterpret_cast<HWND>(wparam), lparam);
            return 0;
        case WM_NOTIFY:
            handled = OnNotify(reinterpret_cast<NMHDR*>(lparam));
            break;
        case WM_ERASEBKGND:
            return OnEraseBackground(reinterpret_cast<HDC>(wparam));
        case WM_ACTIVATE:
            handled = OnActivate(wparam);
            break;
        case WM_SETFOCUS:
            if (saved_focus_ != nullptr) {
                SetFocus(saved_focus_);
            }
            return 0;
        case WM_DPICHANGED:
            return OnDpiChanged(HIWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_NCDESTROY:
            OnGone(hwnd);
            break;
        default:
            break;
    }
    return handled ? *handled : DefWindowProcW(hwnd, message, wparam, lparam);
}

// A button's click runs the handler its row leads to.
std::optional<LRESULT> Form1::OnCommand(WPARAM wparam, LPARAM lparam) {
    const std::size_t row = RowOfWindow(reinterpret_cast<HWND>(lparam));
    if (HIWORD(wparam) != BN_CLICKED || row == kControls.size()) {
        return std::nullopt;
    }
    if (const ClickHandler handler = HandlerOf(row)) {
        (commands_.*handler)();
        return 0;
    }
    return std::nullopt;
}

// The labels on the window's white, each in the table's colour; a box in its own colour.
std::optional<LRESULT> Form1::OnColour(UINT message, HDC dc, HWND control) {
    const std::size_t row = RowOfWindow(control);
    if (row == kControls.size()) {
        return std::nullopt;
    }
    const std::optional<Rgb> colour = kControls[row].text_colour;
    if (message == WM_CTLCOLORSTATIC && kControls[row].kind() == ControlKind::Label) {
        SetTextColor(dc, colour ? ToColorRef(*colour) : GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, ToColorRef(kWhite));
        return reinterpret_cast<LRESULT>(background_.get());
    }
    if (message == WM_CTLCOLOREDIT && colour) {
        SetTextColor(dc, ToColorRef(*colour));
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    return std::nullopt;
}

// The tooltip asks for a box's text each time it is to show: none where the text fits.
std::optional<LRESULT> Form1::OnNotify(NMHDR* header) {
    if (tooltip_ == nullptr || header->hwndFrom != tooltip_ || header->code != TTN_GETDISPINFOW) {
        return std::nullopt;
    }
    auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
    tooltip_text_ = ToolTipOf(reinterpret_cast<HWND>(header->idFrom));
    info->lpszText = tooltip_text_.data();  // no text: no tooltip
    return 0;
}

// Windows gives an activated window the focus itself; give it back to the control that had it,
// as a dialog does.
std::optional<LRESULT> Form1::OnActivate(WPARAM wparam) {
    if (LOWORD(wparam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (RowOfWindow(focus) < kControls.size()) {
            saved_focus_ = focus;
        }
    } else if (HIWORD(wparam) == 0 && saved_focus_ != nullptr) {
        SetFocus(saved_focus_);
        return 0;
    }
    return std::nullopt;
}

// The system's rectangle first, which sets the frame for the new DPI; the layout then makes the
// client area exact.
LRESULT Form1::OnDpiChanged(int dpi, const RECT& suggested) {
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    try {
        LayOut(dpi);
    } catch (const std::system_error&) {
        // No fonts for the new DPI: the window keeps the layout it has.
    }
    return 0;
}

LRESULT Form1::OnEraseBackground(HDC dc) {
    RECT client{};
    GetClientRect(hwnd_, &client);
    FillRect(dc, &client, background_.get());
    return 1;
}

void Form1::OnPointerOverBox(HWND box, LPARAM where) {
    if (tooltip_ == nullptr) {
        CreateToolTip();
        // The move that brought it, as the tooltip would have seen it.
        MSG move{box, WM_MOUSEMOVE, 0, where, 0, {}};
        SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
    }
}

void Form1::OnGone(HWND hwnd) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    controls_ = {};
    saved_focus_ = nullptr;
    tooltip_ = nullptr;
}

std::string Form1::GetText(TextBox box) const {
    const HWND edit = this->box(box);
    return BoxBytes(TextOf(edit));
}

void Form1::SetText(TextBox box, std::string_view text) {
    const HWND edit = this->box(box);
    SetWindowTextW(edit, BoxWide(text).c_str());  // cut at the box's limit by the box
    ShowBeginning(edit);                          // a long text shows its beginning, not its tail
}

void Form1::ShowMessage(std::string_view prompt) {
    MessageBoxW(hwnd_, BoxWide(prompt).c_str(), BoxWide(kApplicationTitle).c_str(), MB_OK);
}

void TranslateAndDispatch(Form1& form, const MSG& message) {
    if (!form.PreTranslateMessage(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}
