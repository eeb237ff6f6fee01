#include "win/ui/Control.h"

#include "win/ui/Dpi.h"

namespace vantry::win {

namespace {
constexpr char ControlProperty[] = "HLDSVantry.Control";

Control* ControlOf(HWND hwnd) {
    return hwnd ? static_cast<Control*>(GetPropA(hwnd, ControlProperty)) : nullptr;
}
}  // namespace

Control::~Control() {
    if (hwnd_) {
        RemovePropA(hwnd_, ControlProperty);
        DestroyWindow(hwnd_);
    }
}

void Control::attach(HWND hwnd) {
    hwnd_ = hwnd;
    if (hwnd_)
        SetPropA(hwnd_, ControlProperty, this);
}

bool Control::RegisterFrameClass(const char* className, LPCSTR cursor, COLORREF background,
                                 WNDPROC proc) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExA(GetModuleHandleA(nullptr), className, &wc))
        return true;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, cursor);
    wc.hbrBackground = SolidBrush(background);
    wc.lpszClassName = className;
    return RegisterClassExA(&wc) != 0;
}

bool ReflectToControl(HWND parent, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    HWND child = nullptr;
    switch (msg) {
    case WM_COMMAND:
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
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        child = reinterpret_cast<HWND>(lp);
        break;
    default:
        return false;
    }
    // A control may be built from an inner system control (an edit inside a
    // frame): the inner one's requests go to the nearest object up the chain.
    for (HWND h = child; h && h != parent; h = GetParent(h))
        if (Control* control = ControlOf(h))
            return control->onReflected(msg, wp, lp, result);
    return false;
}

}  // namespace vantry::win
