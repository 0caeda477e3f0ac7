// Form1 on Windows: the window and its controls from the control table, its keys, its layout
// at the window's DPI, and the two buttons' wiring.
#include "form/win32/form1.h"

#include <commctrl.h>

#include <algorithm>
#include <system_error>
#include <tuple>
#include <utility>

#include "form/win32/accessible.h"
#include "form/win32/fonts.h"
#include "form/win32/keys.h"
#include "form/win32/wide_text.h"

namespace {

constexpr wchar_t kWindowClass[] = L"" TERNE_WINDOW_CLASS;
constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
// From a box to the window, the pointer's first move over it: lParam as WM_MOUSEMOVE's, wParam
// the box.
constexpr UINT kPointerOverBox = WM_APP + 1;

[[noreturn]] void Fail(const std::string& what) {
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), what);
}

COLORREF ToColorRef(Rgb colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

// What the window's edit boxes do beyond the system's: an edit box's limit holds for typing and
// pastes, but not for WM_SETTEXT, which any program may send, so a longer text is cut there too;
// and a box the focus leaves shows the beginning of its text ("1.5" with its tail in view would
// read ".5").
LRESULT CALLBACK EntryBoxProc(HWND edit, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                              DWORD_PTR row) {
    switch (message) {
        case WM_GETOBJECT:
            if (const LRESULT answer = AnswerBoxObject(edit, row, wparam, lparam)) {
                return answer;
            }
            break;
        case WM_SETTEXT:
            if (lparam != 0) {
                const auto* text = reinterpret_cast<const wchar_t*>(lparam);
                const wchar_t* const past_limit = text + kMaxBoxLength;
                if (std::find(text, past_limit + 1, L'\0') > past_limit) {
                    const std::wstring cut(text, past_limit);
                    return DefSubclassProc(edit, message, wparam,
                                           reinterpret_cast<LPARAM>(cut.c_str()));
                }
            }
            break;
        case WM_MOUSEMOVE:
            SendMessageW(GetParent(edit), kPointerOverBox, reinterpret_cast<WPARAM>(edit), lparam);
            break;
        case WM_KILLFOCUS: {
            const LRESULT result = DefSubclassProc(edit, message, wparam, lparam);
            SendMessageW(edit, EM_SETSEL, 0, 0);
            SendMessageW(edit, EM_SCROLLCARET, 0, 0);
            return result;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(edit, EntryBoxProc, 0);
            break;
        default:
            break;
    }
    return DefSubclassProc(edit, message, wparam, lparam);
}

// A window's whole text.
std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)), L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()) + 1)));
    return text;
}

// Whether an edit box's text is wider than the part of the box that shows it.
bool Overflows(HWND edit, const std::wstring& text) {
    RECT shown{};
    SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&shown));
    const HDC dc = GetDC(edit);
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(edit, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, previous);
    ReleaseDC(edit, dc);
    return extent.cx > shown.right - shown.left;
}

}  // namespace

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
        CreateControls();
        LayOut(WindowDpi(hwnd_));
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

void Form1::CreateControls() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    for (const std::size_t row : kCreationOrder) {
        const ControlSpec& entry = kControls[row];
        const wchar_t* window_class = L"STATIC";
        DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
        DWORD extended_style = 0;
        switch (entry.kind()) {
            case ControlKind::Label:
                style |= SS_LEFT | SS_NOPREFIX;  // word-wrapped, and "&" is just a character
                break;
            case ControlKind::TextBox:
                window_class = L"EDIT";
                style |= WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
                extended_style = WS_EX_CLIENTEDGE;
                break;
            case ControlKind::Button:
                window_class = L"BUTTON";
                style |= WS_TABSTOP | BS_PUSHBUTTON;
                break;
        }
        const auto id = static_cast<INT_PTR>(ControlId(row));
        controls_[row] =
            CreateWindowExW(extended_style, window_class, BoxWide(entry.caption).c_str(), style, 0,
                            0, 0, 0, hwnd_, reinterpret_cast<HMENU>(id), instance, nullptr);
        if (controls_[row] == nullptr) {
            Fail("CreateWindowExW " + ObjectName(entry));
        }
        if (entry.kind() == ControlKind::TextBox) {
            SendMessageW(controls_[row], EM_SETLIMITTEXT, kMaxBoxLength, 0);
            SetWindowSubclass(controls_[row], EntryBoxProc, 0, row);
        }
    }

    // Each to the bottom in turn: the first of the stacking order ends on top.
    for (const std::size_t row : kStackingOrder) {
        SetWindowPos(controls_[row], HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

// One tooltip for every box; it asks the window for its text each time it is to show. It is made
// when the pointer first comes over a box: under Wine a popup window and its twelve tools took a
// sixth of the start-up.
void Form1::CreateToolTip() {
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                               WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    if (tooltip_ == nullptr) {
        return;  // no tooltip: the boxes still work, and the next move tries again
    }
    for (std::size_t row = 0; row < kControls.size(); ++row) {
        if (kControls[row].kind() == ControlKind::TextBox) {
            TTTOOLINFOW tool{};
            tool.cbSize = sizeof(tool);
            tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
            tool.hwnd = hwnd_;
            tool.uId = reinterpret_cast<UINT_PTR>(controls_[row]);
            tool.lpszText = LPSTR_TEXTCALLBACKW;
            SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }
}

void Form1::LayOut(int dpi) {
    // Every font first, so that one the system cannot make leaves the layout as it was.
    std::vector<std::pair<double, GdiObject<HFONT>>> by_size;
    const auto font_for = [&by_size](double points) -> HFONT {
        for (const auto& [size, font] : by_size) {
            if (size == points) {
                return font.get();
            }
        }
        return nullptr;
    };
    for (const ControlSpec& entry : kControls) {
        if (font_for(FontPoints(entry)) == nullptr) {
            by_size.emplace_back(FontPoints(entry), CreateTableFont(FontPoints(entry), dpi));
        }
    }
    dpi_ = dpi;
    for (std::size_t row = 0; row < kControls.size(); ++row) {
        const ControlSpec& entry = kControls[row];
        const HWND control = controls_[row];
        SetWindowPos(control, nullptr, ToPixels(entry.left, dpi), ToPixels(entry.top, dpi),
                     ToPixels(entry.width, dpi), ToPixels(entry.height, dpi),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        const HFONT font = font_for(FontPoints(entry));
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);  // drawn below
        if (entry.kind() == ControlKind::TextBox) {
            // The boxes are a few characters wide: the system's margins, taken from the font,
            // are several pixels, and the edit box keeps a pixel of its own without them.
            SendMessageW(control, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(0, 0));
        }
        if (entry.kind() == ControlKind::Label) {
            CentreTallLine(control, font, entry, dpi);
        }
    }
    // The controls use the new fonts now: the old ones go.
    fonts_.clear();
    for (auto& [size, font] : by_size) {
        fonts_.push_back(std::move(font));
    }

    // The client area keeps its size in twips. The frame is measured rather than computed for
    // the DPI, so that the client area is exact whatever draws the frame.
    RECT outer{}, client{};
    GetWindowRect(hwnd_, &outer);
    GetClientRect(hwnd_, &client);
    SetWindowPos(hwnd_, nullptr, 0, 0,
                 outer.right - outer.left - client.right + ToPixels(kForm1.client_width, dpi),
                 outer.bottom - outer.top - client.bottom + ToPixels(kForm1.client_height, dpi),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // One redraw of everything, rather than one for each control's new font.
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
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
    switch (message) {
        case WM_COMMAND: {
            const std::size_t row = RowOfWindow(reinterpret_cast<HWND>(lparam));
            if (HIWORD(wparam) == BN_CLICKED && row < kControls.size()) {
                switch (kControls[row].role.command) {
                    case Command::ClearAll:
                        Command1_Click();
                        return 0;
                    case Command::TripleCheck:
                        Command2_Click();
                        return 0;
                    case Command::None:
                        break;
                }
            }
            break;
        }
        case WM_CTLCOLORSTATIC: {
            const std::size_t row = RowOfWindow(reinterpret_cast<HWND>(lparam));
            if (row < kControls.size() && kControls[row].kind() == ControlKind::Label) {
                const auto dc = reinterpret_cast<HDC>(wparam);
                const std::optional<Rgb> colour = kControls[row].text_colour;
                SetTextColor(dc, colour ? ToColorRef(*colour) : GetSysColor(COLOR_WINDOWTEXT));
                SetBkColor(dc, ToColorRef(kWhite));
                return reinterpret_cast<LRESULT>(background_.get());
            }
            break;
        }
        case WM_GETOBJECT:
            if (const LRESULT answer = AnswerWindowObject(hwnd_, controls_, wparam, lparam)) {
                return answer;
            }
            break;
        case kPointerOverBox:
            if (tooltip_ == nullptr) {
                CreateToolTip();
                // The move that brought it, as the tooltip would have seen it.
                MSG move{reinterpret_cast<HWND>(wparam), WM_MOUSEMOVE, 0, lparam, 0, {}};
                SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
            }
            return 0;
        case WM_NOTIFY: {
            auto* info = reinterpret_cast<NMTTDISPINFOW*>(lparam);
            if (tooltip_ != nullptr && info->hdr.hwndFrom == tooltip_ &&
                info->hdr.code == TTN_GETDISPINFOW) {
                const auto edit = reinterpret_cast<HWND>(info->hdr.idFrom);
                const std::wstring text = TextOf(edit);
                const std::u16string tip =
                    Overflows(edit, text)
                        ? ToolTipText(std::u16string_view(
                              reinterpret_cast<const char16_t*>(text.data()), text.size()))
                        : std::u16string();
                tooltip_text_.assign(tip.begin(), tip.end());
                info->lpszText = tooltip_text_.data();  // no text: no tooltip
                return 0;
            }
            break;
        }
        case WM_CTLCOLOREDIT: {
            const std::size_t row = RowOfWindow(reinterpret_cast<HWND>(lparam));
            if (row < kControls.size() && kControls[row].text_colour) {
                const auto dc = reinterpret_cast<HDC>(wparam);
                SetTextColor(dc, ToColorRef(*kControls[row].text_colour));
                SetBkColor(dc, GetSysColor(COLOR_WINDOW));
                return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
            }
            break;
        }
        case WM_ERASEBKGND: {
            RECT client{};
            GetClientRect(hwnd_, &client);
            FillRect(reinterpret_cast<HDC>(wparam), &client, background_.get());
            return 1;
        }
        case WM_ACTIVATE:
            // Windows gives an activated window the focus itself; give it back to the control
            // that had it, as a dialog does.
            if (LOWORD(wparam) == WA_INACTIVE) {
                const HWND focus = GetFocus();
                if (RowOfWindow(focus) < kControls.size()) {
                    saved_focus_ = focus;
                }
            } else if (HIWORD(wparam) == 0 && saved_focus_ != nullptr) {
                SetFocus(saved_focus_);
                return 0;
            }
            break;
        case WM_SETFOCUS:
            if (saved_focus_ != nullptr) {
                SetFocus(saved_focus_);
            }
            return 0;
        case WM_DPICHANGED: {
            // The system's rectangle first, which sets the frame for the new DPI; the layout
            // then makes the client area exact.
            const auto* suggested = reinterpret_cast<const RECT*>(lparam);
            SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top,
                         suggested->right - suggested->left, suggested->bottom - suggested->top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            try {
                LayOut(HIWORD(wparam));
            } catch (const std::system_error&) {
                // No fonts for the new DPI: the window keeps the layout it has.
            }
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            hwnd_ = nullptr;
            controls_ = {};
            saved_focus_ = nullptr;
            tooltip_ = nullptr;
            break;
        default:
            break;
    }
    return DefWindowProcW(hwnd, message, wparam, lparam);
}

std::string Form1::GetText(TextBox box) const {
    const HWND edit = this->box(box);
    return BoxBytes(TextOf(edit));
}

void Form1::SetText(TextBox box, std::string_view text) {
    const HWND edit = this->box(box);
    SetWindowTextW(edit, BoxWide(text).c_str());
    // A long text shows its beginning, not its tail.
    SendMessageW(edit, EM_SETSEL, 0, 0);
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
}

void Form1::ShowMessage(std::string_view prompt) {
    MessageBoxW(hwnd_, BoxWide(prompt).c_str(), BoxWide(kApplicationTitle).c_str(), MB_OK);
}

void Form1::Command1_Click() {
    commands_.Run(Command::ClearAll);
}

void Form1::Command2_Click() {
    commands_.Run(Command::TripleCheck);
}

void TranslateAndDispatch(Form1& form, const MSG& message) {
    if (!form.PreTranslateMessage(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

int RunMessageLoop(Form1& form, const MessageSource& get_message) {
    MSG message{};
    int failures = 0;  // in a row
    for (;;) {
        const BOOL got = get_message(message);
        if (got == 0) {
            return static_cast<int>(message.wParam);
        }
        if (got == -1) {
            // A message that could not be taken is lost, and the window goes on; a loop that
            // takes nothing any more is reported and ends.
            if (++failures == kMaxMessageFailures) {
                ReportFailure(form.hwnd(), "GetMessageW", GetLastError());
                return 1;
            }
            continue;
        }
        failures = 0;
        TranslateAndDispatch(form, message);
    }
}

void ReportFailure(HWND owner, std::string_view what, DWORD error) {
    std::wstring text = L"Impossibile proseguire: " + BoxWide(what) + L" non è riuscita";
    if (error != 0) {
        text += L" (errore " + std::to_wstring(error) + L")";
    }
    text += L".\n\nCannot go on: " + BoxWide(what) + L" failed.";
    MessageBoxW(owner, text.c_str(), BoxWide(kApplicationTitle).c_str(), MB_OK | MB_ICONERROR);
}
