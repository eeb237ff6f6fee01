#include "win/ui/Dpi.h"

#include <map>
#include <tuple>

#include "win/platform/Handles.h"
#include "core/ui/Look.h"

namespace vantry::win {

int WindowDpi(HWND hwnd) {
    // GetDpiForWindow exists from Windows 10 1607 on; look it up so the program
    // still starts on older systems.
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow && hwnd) {
        const UINT dpi = getDpiForWindow(hwnd);
        if (dpi > 0)
            return static_cast<int>(dpi);
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

int Px(HWND hwnd, double twips) { return TwipsToPixels(twips, WindowDpi(hwnd)); }

HFONT TahomaFont(int dpi, int pointSize, bool bold, bool underline) {
    static std::map<std::tuple<int, int, bool, bool>, UniqueGdiObject> fonts;
    auto& font = fonts[{dpi, pointSize, bold, underline}];
    if (!font) {
        LOGFONTA lf{};
        lf.lfHeight = -MulDiv(pointSize, dpi, 72);
        lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
        lf.lfUnderline = underline;
        lf.lfCharSet = DEFAULT_CHARSET;
        lf.lfQuality = CLEARTYPE_QUALITY;
        lstrcpyA(lf.lfFaceName, "Tahoma");
        font.reset(CreateFontIndirectA(&lf));
    }
    return static_cast<HFONT>(font.get());
}

HBRUSH SolidBrush(COLORREF colour) {
    static std::map<COLORREF, UniqueGdiObject> brushes;
    auto& brush = brushes[colour];
    if (!brush)
        brush.reset(CreateSolidBrush(colour));
    return static_cast<HBRUSH>(brush.get());
}

}  // namespace vantry::win
