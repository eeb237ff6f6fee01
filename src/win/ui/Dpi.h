#pragma once

#include <windows.h>

#include <map>
#include <tuple>

#include "win/platform/Handles.h"

namespace vantry::win {

// The DPI the window is shown at (the system DPI where per-window DPI is not
// available), and twips converted at that DPI. A top-level window that was
// told its DPI (SetWindowDpi) answers with that for itself and its children;
// telling it 0 forgets it.
int WindowDpi(HWND hwnd);
void SetWindowDpi(HWND topLevel, int dpi);

// WM_DPICHANGED_AFTERPARENT: the headers hide it from a program that still
// starts on Windows 7, where it is simply never sent.
inline constexpr UINT DpiChangedAfterParent = 0x02E3;
int Px(HWND hwnd, double twips);

// The fonts and brushes the windows draw with, each made on first use and
// owned here for the whole run, so callers never delete one.
struct GdiCache {
    // The program's Tahoma by DPI, point size, bold and underline.
    std::map<std::tuple<int, int, bool, bool>, UniqueGdiObject> tahomaFonts;
    std::map<COLORREF, UniqueGdiObject> solidBrushes;
};

HFONT TahomaFont(int dpi, int pointSize = 8, bool bold = false, bool underline = false);
HBRUSH SolidBrush(COLORREF colour);

}  // namespace vantry::win
