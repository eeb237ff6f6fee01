#include "win/ui/FramedControl.h"

#include "win/ui/Accessible.h"
#include "win/ui/Dpi.h"

namespace vantry::win {

FramedControl::~FramedControl() {
    // While the inner control's object is still whole: the inner control
    // still sends messages (its lost focus, for one) on its way out.
    destroy();
}

bool FramedControl::create(HWND parent, int id, bool tabStop, const Args& args) {
    HMENU menuId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
    if (!Window::create(args.className, WS_EX_CONTROLPARENT, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, "",
                        args.place.left, args.place.top, args.place.width, args.place.height, parent,
                        menuId, nullptr, SolidBrush(args.background), args.cursor))
        return false;
    const Rect& r = args.inner;
    if (!inner_.attach(CreateWindowExW(0, args.innerClass, L"",
                                       WS_CHILD | WS_VISIBLE | args.innerStyle | (tabStop ? WS_TABSTOP : 0),
                                       r.left, r.top, r.width, r.height, hwnd_, menuId, Instance(), nullptr)))
        return false;
    setFont(false);
    return true;
}

void FramedControl::setFont(bool redraw) {
    SendMessageW(inner(), WM_SETFONT, reinterpret_cast<WPARAM>(TahomaFont(WindowDpi(hwnd_))), redraw);
}

bool FramedControl::enabled() const { return hwnd_ && IsWindowEnabled(hwnd_); }

void FramedControl::setEnabled(bool enabled) {
    // The inner control too: tabbing looks at its own state, not its frame's.
    EnableWindow(inner(), enabled);
    EnableWindow(hwnd_, enabled);
}

LRESULT FramedControl::handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_SETFOCUS:
        SetFocus(inner());
        return 0;
    case DpiChangedAfterParent:
        setFont(true);
        layOut();
        return 0;
    case WM_GETOBJECT:
        if (const LRESULT object = accessibleObject(hwnd_, wp, lp))
            return object;
        break;
    }
    return Window::handle(msg, wp, lp);
}

LRESULT FramedControl::accessibleObject(HWND hwnd, WPARAM wp, LPARAM lp) const {
    if (label_.empty())
        return 0;
    return AnswerGetObject(hwnd, wp, lp, std::make_unique<LabelledAnswers>(label_));
}

LRESULT FramedControl::innerMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
        // A disabled control takes no keys, even ones sent to it directly.
        if (!IsWindowEnabled(hwnd) || !RaiseKeyEvent(msg, wp, onKeyDown, onKeyPress, onKeyUp))
            return 0;
        break;
    case WM_GETOBJECT:
        if (const LRESULT object = accessibleObject(hwnd, wp, lp))
            return object;
        break;
    }
    return innerDefault(hwnd, msg, wp, lp);
}

}  // namespace vantry::win
