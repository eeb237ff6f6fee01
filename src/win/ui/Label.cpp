#include "win/ui/Label.h"

#include "win/platform/WideText.h"
#include "win/ui/Dpi.h"
#include "win/ui/Window.h"

namespace vantry::win {

bool Label::create(HWND parent, const LabelArgs& args) {
    colour_ = args.colour;
    pointSize_ = args.pointSize;
    bold_ = args.bold;
    link_ = args.link;
    // Clipped by its siblings: a link may sit in a gap of a longer label.
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_NOTIFY | SS_NOPREFIX;
    if (args.icon)
        style |= SS_ICON | SS_REALSIZECONTROL;
    else if (args.centred)
        style |= SS_CENTER;
    else
        style |= args.wrap ? SS_LEFT : SS_LEFTNOWORDWRAP;
    HWND hwnd = CreateWindowExW(0, L"STATIC", Widen(args.text).c_str(), style, args.rect.left, args.rect.top,
                                args.rect.width, args.rect.height, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)), Instance(), nullptr);
    if (!attach(hwnd))
        return false;
    setFont(false);
    if (args.icon)
        SendMessageW(hwnd, STM_SETICON, reinterpret_cast<WPARAM>(args.icon), 0);
    return true;
}

void Label::setFont(bool redraw) {
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(TahomaFont(WindowDpi(hwnd_), pointSize_, bold_, link_)),
                 redraw);
}

std::string Label::text() const { return TextOf(hwnd_); }

void Label::setText(const std::string& text) { SetWindowTextW(hwnd_, Widen(text).c_str()); }

void Label::setColour(COLORREF colour) {
    if (colour == colour_)
        return;
    colour_ = colour;
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Label::setIcon(HICON icon) { SendMessageW(hwnd_, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0); }

void Label::setVisible(bool visible) { ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE); }

bool Label::onReflected(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
    if (msg == WM_CTLCOLORSTATIC) {
        HDC dc = reinterpret_cast<HDC>(wp);
        SetTextColor(dc, colour_);
        SetBkColor(dc, RGB(0, 0, 0));
        result = reinterpret_cast<LRESULT>(SolidBrush(RGB(0, 0, 0)));
        return true;
    }
    if (msg == WM_COMMAND && HIWORD(wp) == STN_CLICKED) {
        if (onClick)
            onClick();
        result = 0;
        return true;
    }
    return false;
}

LRESULT Label::subclassed(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (captionTip_ && msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) {
        if (msg == WM_MOUSEMOVE)
            tip_.setText(hwnd, text());
        tip_.relay(hwnd, msg, wp, lp);
    }
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        if (onMouseDown) {
            const int button = MouseButtonOf(msg);
            onMouseDown(button);
            // A drag has already taken the mouse up; the label's own click would come too late.
            if (button == mouse::Left && !IsWindow(hwnd))
                return 0;
        }
        break;
    case DpiChangedAfterParent:
        setFont(true);
        return 0;
    case WM_SETCURSOR:
        if (link_) {
            SetCursor(LoadCursorW(nullptr, CursorId(IDC_HAND)));
            return TRUE;
        }
        break;
    }
    return original(hwnd, msg, wp, lp);
}

}  // namespace vantry::win
