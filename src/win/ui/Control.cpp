#include "win/ui/Control.h"

#include "win/platform/WideText.h"

namespace vantry::win {

namespace {
constexpr wchar_t ControlProperty[] = L"HLDSVantry.Control";

Control* ControlOf(HWND hwnd) {
    return hwnd ? static_cast<Control*>(GetPropW(hwnd, ControlProperty)) : nullptr;
}
}  // namespace

Control::~Control() {
    // The window is unbound on its way out, before this object is gone.
    if (hwnd_)
        DestroyWindow(hwnd_);
}

bool Control::attach(HWND hwnd) {
    if (!hwnd || !SetPropW(hwnd, ControlProperty, this))
        return false;
    hwnd_ = hwnd;
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)));
    return true;
}

bool Control::onReflected(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT Control::subclassed(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) { return original(hwnd, msg, wp, lp); }

LRESULT Control::original(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) const {
    return CallWindowProcW(original_, hwnd, msg, wp, lp);
}

LRESULT CALLBACK Control::proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Control* self = ControlOf(hwnd);
    if (!self)
        return DefWindowProcW(hwnd, msg, wp, lp);
    // Kept here: a handler may destroy the window, and its object with it.
    const WNDPROC original = self->original_;
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        RemovePropW(hwnd, ControlProperty);
        self->hwnd_ = nullptr;
        return CallWindowProcW(original, hwnd, msg, wp, lp);
    }
    try {
        return self->subclassed(hwnd, msg, wp, lp);
    } catch (...) {
        // A failed handler must not take the message loop down with it.
        return CallWindowProcW(original, hwnd, msg, wp, lp);
    }
}

std::wstring WideTextOf(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::string TextOf(HWND hwnd) { return Narrow(WideTextOf(hwnd)); }

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
