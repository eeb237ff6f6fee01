#pragma once

#include <windows.h>

namespace vantry::win {

// The DPI the window is shown at (the system DPI where per-window DPI is not
// available), and twips converted at that DPI.
int WindowDpi(HWND hwnd);
int Px(HWND hwnd, double twips);

// The program's Tahoma at a point size for a DPI; cached and owned for the whole
// run, so callers never delete it.
HFONT TahomaFont(int dpi, int pointSize = 8, bool bold = false, bool underline = false);

// A solid brush of a colour, cached and owned for the whole run.
HBRUSH SolidBrush(COLORREF colour);

}  // namespace vantry::win
