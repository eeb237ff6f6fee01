#pragma once

#include <windows.h>

#include <string>

#include "core/ui/Mouse.h"


namespace vantry::win {

// A system control (STATIC, BUTTON, LISTBOX, EDIT, COMBOBOX...) bound to the
// object that owns it. The object sees the control's messages before the
// control does, and its parent's window procedure reaches it by HWND, so that
// the notifications and colour requests a parent receives (WM_COMMAND,
// WM_DRAWITEM, WM_MEASUREITEM, WM_NOTIFY, WM_CTLCOLOR*) are handled by the
// control that owns the brush, the font and the callbacks. The object forgets
// the window when the window goes, and destroys it if the object goes first.
class Control {
public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    HWND hwnd() const { return hwnd_; }

    // Binds a control just created (false for none).
    bool attach(HWND hwnd);

    // Handles a message the parent received on this control's behalf.
    virtual bool onReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

protected:
    // The control's own messages; the default is the control's own procedure.
    // hwnd is passed for the messages whose handlers may destroy the window,
    // and this object with it.
    virtual LRESULT subclassed(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT original(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) const;

    HWND hwnd_ = nullptr;

private:
    static LRESULT CALLBACK proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

    WNDPROC original_ = nullptr;
};

// The button of a mouse message as the program's events report it: 1 left,
// 2 right, 4 middle.
inline int MouseButtonOf(UINT msg) {
    switch (msg) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        return mouse::Right;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        return mouse::Middle;
    default:
        return mouse::Left;
    }
}

// A window's whole text, however long: as the system holds it, and as UTF-8.
std::wstring WideTextOf(HWND hwnd);
std::string TextOf(HWND hwnd);

// Called first in a parent's window procedure: true when a child control took
// the message, with its result.
bool ReflectToControl(HWND parent, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

}  // namespace vantry::win
