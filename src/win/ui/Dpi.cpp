#include "win/ui/Dpi.h"

#include "core/ui/Geometry.h"


namespace vantry::win {

namespace {
constexpr wchar_t DpiProperty[] = L"HLDSVantry.Dpi";
GdiCache& Cache() {
    static GdiCache cache;
    return cache;
}
}  // namespace

void SetWindowDpi(HWND topLevel, int dpi) {
    if (dpi)
        SetPropW(topLevel, DpiProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(dpi)));
    else
        RemovePropW(topLevel, DpiProperty);
}

int WindowDpi(HWND hwnd) {
    // What WM_DPICHANGED said wins: the window lays itself out at that DPI
    // even before (or, on a system without per-monitor DPI, instead of) the
    // system reporting it.
    if (HWND root = hwnd ? GetAncestor(hwnd, GA_ROOT) : nullptr)
        if (const auto told = reinterpret_cast<INT_PTR>(GetPropW(root, DpiProperty)))
            return static_cast<int>(told);
    // GetDpiForWindow exists from Windows 10 1607 on; look it up so the program
    // still starts on older systems.
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow && hwnd) {
        const UINT dpi = getDpiForWindow(hwnd);
        if (dpi > 0)
            return static_cast<int>(dpi);
    }
    const int dpi = GetDeviceCaps(WindowDC(nullptr).get(), LOGPIXELSY);
    return dpi > 0 ? dpi : 96;
}

int Px(HWND hwnd, double twips) { return TwipsToPixels(twips, WindowDpi(hwnd)); }

HFONT TahomaFont(int dpi, int pointSize, bool bold, bool underline) {
    auto& font = Cache().tahomaFonts[{dpi, pointSize, bold, underline}];
    if (!font) {
        LOGFONTW lf{};
        lf.lfHeight = -MulDiv(pointSize, dpi, 72);
        lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
        lf.lfUnderline = underline;
        lf.lfCharSet = DEFAULT_CHARSET;
        lf.lfQuality = CLEARTYPE_QUALITY;
        lstrcpyW(lf.lfFaceName, L"Tahoma");
        font.reset(CreateFontIndirectW(&lf));
    }
    return static_cast<HFONT>(font.get());
}

HBRUSH SolidBrush(COLORREF colour) {
    auto& brush = Cache().solidBrushes[colour];
    if (!brush)
        brush.reset(CreateSolidBrush(colour));
    return static_cast<HBRUSH>(brush.get());
}

}  // namespace vantry::win
