#pragma once

#include <windows.h>

#include <utility>

#include "core/ui/EnterKey.h"
#include "win/ui/Window.h"

namespace vantry::win {

// The part of a frame that gives it a dialog box's keys: the focus comes back
// to the control it left when the window is activated again, and Enter
// presses a button as the window's EnterKey says.
class DialogKeys {
public:
    explicit DialogKeys(const Window& window) : window_(window) {}
    void setEnter(EnterKey enter) { enter_ = std::move(enter); }

    // WM_ACTIVATE; true when the focus went back to a control.
    bool onActivate(bool active, bool minimized);
    // DM_GETDEFID, which the dialog keys ask on Enter.
    LRESULT defaultId() const;
    // The dialog keys' Esc: IDCANCEL from no control.
    static bool isEscape(WPARAM wp, LPARAM lp) { return LOWORD(wp) == IDCANCEL && lp == 0; }

private:
    HWND hwnd() const { return window_.hwnd(); }

    const Window& window_;
    EnterKey enter_;
    HWND lastFocus_ = nullptr;  // the control that had the keyboard when the window went inactive
};

}  // namespace vantry::win
