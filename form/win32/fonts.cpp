// The Win32 window's fonts and DPI.
#include "form/win32/fonts.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <system_error>

#include "form/win32/wide_text.h"

namespace {

int CALLBACK NoteFontFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool FontInstalled(std::wstring_view face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    face.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    bool found = false;
    const HDC dc = GetDC(nullptr);
    EnumFontFamiliesExW(dc, &wanted, NoteFontFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, dc);
    return found;
}

// "MS Sans Serif" is a bitmap face with a few fixed sizes: from 125 % on it is blocky or too
// small. The first of the table's stand-ins, its outline version, scales to any DPI; where it is
// missing (Wine), the next; the table's face is the last resort.
const std::wstring& FontFace() {
    static const std::wstring face = [] {
        for (const std::string_view fallback : kFontFallbacks) {
            if (FontInstalled(BoxWide(fallback))) {
                return BoxWide(fallback);
            }
        }
        return BoxWide(kForm1.font_family);
    }();
    return face;
}

}  // namespace

// GetDpiForWindow exists from Windows 10 on; it is looked up so that the program also starts on
// Windows 7 and 8, where every window has the system's DPI.
int WindowDpi(HWND hwnd) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto get_dpi = reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (get_dpi != nullptr) {
        return static_cast<int>(get_dpi(hwnd));
    }
    const HDC dc = GetDC(hwnd);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(hwnd, dc);
    return dpi;
}

GdiObject<HFONT> CreateTableFont(double points, int dpi) {
    LOGFONTW wanted{};
    wanted.lfHeight = -FontPixels(points, dpi);
    wanted.lfWeight = FW_NORMAL;
    wanted.lfCharSet = ANSI_CHARSET;
    FontFace().copy(wanted.lfFaceName, LF_FACESIZE - 1);
    GdiObject<HFONT> font(CreateFontIndirectW(&wanted));
    if (!font) {
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                                "CreateFontIndirectW");
    }
    return font;
}

// Centred where the table's rule says (the large "+" signs), measured in the label's font.
void CentreTallLine(HWND label, HFONT font, const ControlRow& entry, int dpi) {
    const std::wstring caption = BoxWide(entry.caption);
    const HDC dc = GetDC(label);
    const HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SIZE extent{};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
    SelectObject(dc, previous);
    ReleaseDC(label, dc);
    const bool centre = CentresCaption(entry, metrics.tmHeight, extent.cx, dpi);
    const LONG_PTR style = GetWindowLongPtrW(label, GWL_STYLE);
    SetWindowLongPtrW(label, GWL_STYLE, centre ? style | SS_CENTERIMAGE : style & ~SS_CENTERIMAGE);
}
