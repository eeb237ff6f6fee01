#pragma once

#include <windows.h>

namespace vantry::win {

// A child control object that its parent's window procedure reaches by HWND, so
// that the notifications and colour requests a parent receives (WM_COMMAND,
// WM_DRAWITEM, WM_MEASUREITEM, WM_NOTIFY, WM_CTLCOLOR*) are handled by the
// control that owns the brush, the font and the callbacks.
class Control {
public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    HWND hwnd() const { return hwnd_; }

    // Handles a message the parent received on this control's behalf.
    virtual bool onReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) = 0;

protected:
    // Ties the object to its window; the destructor destroys the window.
    void attach(HWND hwnd);

    HWND hwnd_ = nullptr;
};

// Called first in a parent's window procedure: true when a child control took
// the message, with its result.
bool ReflectToControl(HWND parent, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

}  // namespace vantry::win
