#pragma once

#include <windows.h>

#include "core/ui/Look.h"

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

    // For a control built as a frame window of its own around one system
    // control: the frame's procedure finds the object given at creation, the
    // inner control's finds it in the inner window's user data, and neither
    // lets an exception reach Windows.
    static bool RegisterFrameClass(const char* className, LPCSTR cursor, COLORREF background,
                                   WNDPROC proc);

    template <typename T, LRESULT (T::*Handle)(HWND, UINT, WPARAM, LPARAM)>
    static LRESULT CALLBACK FrameProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        if (msg == WM_NCCREATE) {
            auto* self = static_cast<T*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
            static_cast<Control*>(self)->hwnd_ = hwnd;
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
        auto* self = reinterpret_cast<T*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (!self)
            return DefWindowProcA(hwnd, msg, wp, lp);
        try {
            return (self->*Handle)(hwnd, msg, wp, lp);
        } catch (...) {
            return DefWindowProcA(hwnd, msg, wp, lp);
        }
    }

    template <typename T, LRESULT (T::*Handle)(HWND, UINT, WPARAM, LPARAM), WNDPROC T::*Original>
    static LRESULT CALLBACK InnerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        auto* self = reinterpret_cast<T*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        try {
            return (self->*Handle)(hwnd, msg, wp, lp);
        } catch (...) {
            return CallWindowProcA(self->*Original, hwnd, msg, wp, lp);
        }
    }

    HWND hwnd_ = nullptr;
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

// Called first in a parent's window procedure: true when a child control took
// the message, with its result.
bool ReflectToControl(HWND parent, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

}  // namespace vantry::win
