#include "win/ui/Control.h"

namespace vantry::win {

namespace {
constexpr char ControlProperty[] = "HLDSVantry.Control";

Control* ControlOf(HWND hwnd) {
    return hwnd ? static_cast<Control*>(GetPropA(hwnd, ControlProperty)) : nullptr;
}
}  // namespace

Control::~Control() {
    // The window is unbound on its way out, before this object is gone.
    if (hwnd_)
        DestroyWindow(hwnd_);
}

bool Control::attach(HWND hwnd) {
    if (!hwnd || !SetPropA(hwnd, ControlProperty, this))
        return false;
    hwnd_ = hwnd;
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Proc)));
    return true;
}

bool Control::onReflected(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT Control::subclassed(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) { return original(hwnd, msg, wp, lp); }

LRESULT Control::original(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) const {
    return CallWindowProcA(original_, hwnd, msg, wp, lp);
}

LRESULT CALLBACK Control::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Control* self = ControlOf(hwnd);
    if (!self)
        return DefWindowProcA(hwnd, msg, wp, lp);
    // Kept here: a handler may destroy the window, and its object with it.
    const WNDPROC original = self->original_;
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        RemovePropA(hwnd, ControlProperty);
        self->hwnd_ = nullptr;
        return CallWindowProcA(original, hwnd, msg, wp, lp);
    }
    try {
        return self->subclassed(hwnd, msg, wp, lp);
    } catch (...) {
        // A failed handler must not take the message loop down with it.
        return CallWindowProcA(original, hwnd, msg, wp, lp);
    }
}

std::string TextOf(HWND hwnd) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool ReflectToControl(HWND parent, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    HWND child = nullptr;
    switch (msg) {
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        child = reinterpret_cast<HWND>(lp);
        break;
    case WM_DRAWITEM:
        child = reinterpret_cast<DRAWITEMSTRUCT*>(lp)->hwndItem;
        break;
    case WM_MEASUREITEM:
        child = GetDlgItem(parent, static_cast<int>(reinterpret_cast<MEASUREITEMSTRUCT*>(lp)->CtlID));
        break;
    case WM_NOTIFY:
        child = reinterpret_cast<NMHDR*>(lp)->hwndFrom;
        break;
    default:
        return false;
    }
    Control* control = ControlOf(child);
    return control && control->onReflected(msg, wp, lp, result);
}

}  // namespace vantry::win
