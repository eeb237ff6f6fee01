#include "win/ui/DialogKeys.h"

namespace vantry::win {

bool DialogKeys::onActivate(bool active, bool minimized) {
    // The keyboard comes back to the control it left, as in a dialog box;
    // left alone, the activation would give the focus to the window itself,
    // where no key does anything.
    if (!active) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd(), focus))
            lastFocus_ = focus;
        return false;
    }
    if (minimized)
        return false;
    HWND target = lastFocus_ && IsChild(hwnd(), lastFocus_) && IsWindowVisible(lastFocus_) &&
                          IsWindowEnabled(lastFocus_)
                      ? lastFocus_
                      : GetNextDlgTabItem(hwnd(), nullptr, FALSE);
    if (!target)
        return false;
    SetFocus(target);
    return true;
}

LRESULT DialogKeys::defaultId() const {
    // The control of this window that holds the focus, or holds the inner
    // window that does (a field's edit box).
    HWND focus = GetFocus(), control = focus;
    while (control && GetParent(control) != hwnd())
        control = GetParent(control);
    // An owner-drawn button does not say it is a push button, so Enter
    // would pass it by: it is pressed here.
    const bool button = control == focus && control &&
                        (GetWindowLongW(focus, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW && IsWindowEnabled(focus);
    const int id = enter_.pressed(control ? GetDlgCtrlID(control) : 0, button,
                                  [this](int b) { return IsWindowEnabled(GetDlgItem(hwnd(), b)) != FALSE; });
    return id ? MAKELRESULT(id, DC_HASDEFID) : 0;
}

}  // namespace vantry::win
