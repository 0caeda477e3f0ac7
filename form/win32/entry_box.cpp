// The window's edit boxes: a subclass of the system's edit box, and reading them.
#include "form/win32/entry_box.h"

#include <commctrl.h>

#include <algorithm>
#include <string_view>

#include "form/box_text.h"
#include "form/control_table.h"
#include "form/win32/accessible.h"

namespace {

std::u16string_view Units(std::wstring_view text) {
    return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}

// An edit box's limit holds for typing, not for WM_SETTEXT, which any program may send: a longer
// text is cut here too, never inside a surrogate pair.
LRESULT SetCutText(HWND edit, WPARAM wparam, LPARAM lparam) {
    const auto* text = reinterpret_cast<const wchar_t*>(lparam);
    const std::wstring_view head(
        text, static_cast<std::size_t>(std::find(text, text + kMaxBoxLength + 1, L'\0') - text));
    const std::u16string_view cut = CutToBoxLength(Units(head));
    if (cut.size() == head.size() && head.size() <= static_cast<std::size_t>(kMaxBoxLength)) {
        return DefSubclassProc(edit, WM_SETTEXT, wparam, lparam);
    }
    const std::wstring kept(head.substr(0, cut.size()));
    return DefSubclassProc(edit, WM_SETTEXT, wparam, reinterpret_cast<LPARAM>(kept.c_str()));
}

// The edit box cuts a paste at its limit wherever the limit falls: a pair at the limit would
// leave its first half. The paste goes in here instead, cut between characters.
void Paste(HWND edit) {
    if (!OpenClipboard(edit)) {
        return;
    }
    std::wstring clip;
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
            clip = text;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const std::size_t length = static_cast<std::size_t>(GetWindowTextLengthW(edit));
    const std::size_t room = kMaxBoxLength - (length - (end - start));
    const std::wstring kept(clip.substr(0, CutToLength(Units(clip), room).size()));
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(kept.c_str()));
}

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
                return SetCutText(edit, wparam, lparam);
            }
            break;
        case WM_PASTE:
            if ((GetWindowLongPtrW(edit, GWL_STYLE) & ES_READONLY) == 0) {
                Paste(edit);
                return 0;
            }
            break;
        case WM_MOUSEMOVE:
            SendMessageW(GetParent(edit), kPointerOverBox, reinterpret_cast<WPARAM>(edit), lparam);
            break;
        case WM_KILLFOCUS: {
            const LRESULT result = DefSubclassProc(edit, message, wparam, lparam);
            ShowBeginning(edit);
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

}  // namespace

void MakeEntryBox(HWND edit, std::size_t row) {
    SendMessageW(edit, EM_SETLIMITTEXT, kMaxBoxLength, 0);
    SetWindowSubclass(edit, EntryBoxProc, 0, row);
}

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)), L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()) + 1)));
    return text;
}

void ShowBeginning(HWND edit) {
    SendMessageW(edit, EM_SETSEL, 0, 0);
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
}

std::wstring ToolTipOf(HWND edit) {
    const std::wstring text = TextOf(edit);
    RECT shown{};
    SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&shown));
    const HDC dc = GetDC(edit);
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(edit, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, previous);
    ReleaseDC(edit, dc);
    if (extent.cx <= shown.right - shown.left) {
        return {};
    }
    const std::u16string tip = ToolTipText(Units(text));
    return {tip.begin(), tip.end()};
}
