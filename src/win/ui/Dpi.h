#pragma once

#include <windows.h>

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

// The program's Tahoma at a point size for a DPI; cached and owned for the whole
// run, so callers never delete it.
HFONT TahomaFont(int dpi, int pointSize = 8, bool bold = false, bool underline = false);

// A solid brush of a colour, cached and owned for the whole run.
HBRUSH SolidBrush(COLORREF colour);

}  // namespace vantry::win
