// The keys of the window. IsDialogMessage would do most of this, but it also makes Enter click
// the default button, and Esc the cancel button, from wherever the focus is; this window has
// neither, and Enter in a box must run nothing.
#include "form/win32/keys.h"

namespace {

void MoveFocus(const std::array<HWND, kControls.size()>& controls, bool backwards) {
    const std::size_t count = kTabOrder.size();
    std::size_t next = backwards ? count - 1 : 0;  // from outside the cycle: its ends
    const HWND focus = GetFocus();
    for (std::size_t i = 0; i < count; ++i) {
        if (controls[kTabOrder[i]] == focus) {
            next = backwards ? (i + count - 1) % count : (i + 1) % count;
        }
    }
    const std::size_t row = kTabOrder[next];
    if (kControls[row].kind() == ControlKind::TextBox) {
        SendMessageW(controls[row], EM_SETSEL, 0, -1);  // the whole entry, as in a dialog
    }
    SetFocus(controls[row]);
}

}  // namespace

std::size_t RowOfWindow(HWND window, HWND control) {
    const int id = control != nullptr && GetParent(control) == window ? GetDlgCtrlID(control) : 0;
    const int row = id - ControlId(0);
    return row >= 0 && row < static_cast<int>(kControls.size()) ? static_cast<std::size_t>(row)
                                                                : kControls.size();
}

bool HandleWindowKey(const MSG& message, HWND window,
                     const std::array<HWND, kControls.size()>& controls) {
    if (message.message != WM_KEYDOWN ||
        (message.hwnd != window && !IsChild(window, message.hwnd))) {
        return false;
    }
    switch (message.wParam) {
        case VK_TAB:
            if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) {
                return false;
            }
            MoveFocus(controls, GetKeyState(VK_SHIFT) < 0);
            return true;
        case VK_RETURN: {
            // Only a focused button runs on Enter, once per press: held down, the key repeats.
            const std::size_t row = RowOfWindow(window, GetFocus());
            const bool repeated = (message.lParam & (LPARAM{1} << 30)) != 0;
            if (row < kControls.size() && kControls[row].kind() == ControlKind::Button &&
                !repeated) {
                const auto id = static_cast<WORD>(ControlId(row));
                SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                             reinterpret_cast<LPARAM>(controls[row]));
            }
            return true;  // a text box takes no Enter, and so does not beep
        }
        case VK_ESCAPE:
            return true;  // nothing is the cancel button
        default:
            return false;
    }
}
