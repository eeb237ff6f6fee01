#include "win/ui/FlatButton.h"

#include <oleacc.h>

#include "core/ui/Colours.h"
#include "core/ui/FlatButtonLook.h"
#include "core/ui/Geometry.h"
#include "win/platform/WideText.h"
#include "win/ui/Accessible.h"
#include "win/ui/Dpi.h"
#include "win/ui/Window.h"

namespace vantry::win {

namespace {
// No exception from a host's callback may unwind into the button's window
// procedure.
void Raise(const std::function<void()>& callback) noexcept {
    try {
        if (callback)
            callback();
    } catch (...) {
    }
}

// For screen readers: a push button named by its caption, whatever it draws
// (the standard object of an owner-drawn button may call it a plain client
// area, as Wine's does), and unavailable while disabled.
class ButtonAnswers final : public AccessibleAnswers {
public:
    std::optional<std::string> name(HWND hwnd, LONG) const override {
        std::string caption = WithoutMnemonic(TextOf(hwnd));
        return caption.empty() ? std::nullopt : std::optional(std::move(caption));
    }
    std::optional<LONG> role(HWND, LONG) const override { return ROLE_SYSTEM_PUSHBUTTON; }
    LONG state(HWND hwnd, LONG, LONG standard) const override {
        return IsWindowEnabled(hwnd) ? standard & ~STATE_SYSTEM_UNAVAILABLE : standard | STATE_SYSTEM_UNAVAILABLE;
    }
};
}  // namespace

bool FlatButton::create(HWND parent, const FlatButtonArgs& args) {
    textColor_ = args.textColor;
    backColor_ = args.backColor;
    DWORD style = WS_CHILD | WS_VISIBLE | BS_OWNERDRAW;
    if (args.tabStop)
        style |= WS_TABSTOP;
    if (!args.enabled)
        style |= WS_DISABLED;
    HWND hwnd = CreateWindowExW(0, L"BUTTON", Widen(args.caption).c_str(), style, args.rect.left, args.rect.top,
                                args.rect.width, args.rect.height, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)), Instance(),
                                nullptr);
    if (!attach(hwnd))
        return false;
    load(args.pictureOver);
    pictureOver_ = args.pictureOver;
    setPicture(args.picture);
    return true;
}

void FlatButton::load(const std::string& name) {
    if (name.empty() || bitmaps_.count(name))
        return;
    // A DIB section keeps the pictures' exact colours whatever the display depth.
    bitmaps_[name].reset(
        LoadImageW(Instance(), Widen(name).c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

HBITMAP FlatButton::bitmap(const std::string& name) const {
    const auto it = bitmaps_.find(name);
    return it == bitmaps_.end() ? nullptr : static_cast<HBITMAP>(it->second.get());
}

void FlatButton::setPicture(const std::string& name) {
    load(name);
    picture_ = name;
    repaint();
}

const std::string& FlatButton::shownPicture() const {
    return ShownPicture(picture_, pictureOver_, hovering_);
}

void FlatButton::setTextColor(COLORREF colour) {
    textColor_ = colour;
    repaint();
}

void FlatButton::setEnabled(bool enabled) {
    // Disabled under the pointer, the button shows its resting (dimmed)
    // picture at once; it hears no more mouse moves to set things right.
    if (!enabled)
        setHovering(false);
    if (hwnd_)
        EnableWindow(hwnd_, enabled);
}

bool FlatButton::enabled() const { return hwnd_ && IsWindowEnabled(hwnd_); }

void FlatButton::setCaption(const std::string& caption) {
    if (hwnd_)
        SetWindowTextW(hwnd_, Widen(caption).c_str());
    repaint();
}

std::string FlatButton::caption() const {
    if (!hwnd_)
        return {};
    return TextOf(hwnd_);
}

void FlatButton::reset() {
    if (hwnd_)
        SendMessageW(hwnd_, BM_SETSTATE, FALSE, 0);
    setHovering(false);
    repaint();
}

void FlatButton::setHovering(bool hovering) {
    if (hovering_ == hovering)
        return;
    const std::string before = shownPicture();
    hovering_ = hovering;
    if (before != shownPicture())
        repaint();
}

void FlatButton::raisePress() {
    if (enabled())
        Raise(onPress);
}

void FlatButton::repaint() const {
    if (hwnd_)
        InvalidateRect(hwnd_, nullptr, FALSE);
}

void FlatButton::paint(HDC dc, const RECT& rc, bool pressed, bool focusCue,
                       bool disabled, bool hidePrefix) const {
    // A disabled button is drawn like an enabled one: the windows give it its
    // dimmed picture or its caption colour themselves.
    const int saved = SaveDC(dc);
    FillRect(dc, &rc, SolidBrush(backColor_));
    const int dpi = hwnd_ ? WindowDpi(hwnd_) : 96;

    if (HBITMAP picture = bitmap(shownPicture())) {
        BITMAP info{};
        GetObjectW(picture, sizeof info, &info);
        const Rect at = PicturePlacement(rc.right - rc.left, rc.bottom - rc.top, info.bmWidth,
                                              info.bmHeight, PictureScale(dpi), pressed);
        HDC source = CreateCompatibleDC(dc);
        {
            ScopedSelect select(source, picture);
            // Nearest neighbour: every picture pixel becomes a sharp square.
            SetStretchBltMode(dc, COLORONCOLOR);
            StretchBlt(dc, rc.left + at.left, rc.top + at.top, at.width, at.height, source, 0, 0,
                       info.bmWidth, info.bmHeight, SRCCOPY);
        }
        DeleteDC(source);
    }

    const std::string text = caption();
    if (!text.empty() && picture_.empty()) {
        // A caption button is flat, but not invisible: a dim edge that lights
        // up under the mouse shows where it can be pressed.
        FrameRect(dc, &rc, SolidBrush(hovering_ && !disabled ? colour::Orange : colour::DimOrange));
    }
    // A picture button's caption is its name for the keyboard and screen
    // readers; the picture alone is drawn.
    if (!text.empty() && picture_.empty()) {
        RECT box = rc;
        if (pressed)
            OffsetRect(&box, PressedShift, PressedShift);
        SelectObject(dc, TahomaFont(dpi));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, textColor_);
        // DT_HIDEPREFIX is not honoured everywhere: the marker is taken out here.
        const std::wstring shown = Widen(hidePrefix ? WithoutMnemonic(text) : text);
        DrawTextW(dc, shown.c_str(), -1, &box,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | (hidePrefix ? DT_NOPREFIX : 0));
    }

    if (focusCue) {
        // Drawn by hand: DrawFocusRect inverts the pixels, and some systems
        // invert with black, which leaves no trace on a black button.
        LOGBRUSH line{BS_SOLID, FocusCueColour(textColor_, backColor_), 0};
        UniqueGdiObject pen(ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &line, 0, nullptr));
        ScopedSelect selectPen(dc, pen.get());
        SelectObject(dc, GetStockObject(NULL_BRUSH));
        Rectangle(dc, rc.left + FocusCueInset, rc.top + FocusCueInset, rc.right - FocusCueInset,
                  rc.bottom - FocusCueInset);
    }
    RestoreDC(dc, saved);
}

bool FlatButton::onReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
        const UINT state = item->itemState;
        paint(item->hDC, item->rcItem, state & ODS_SELECTED,
              (state & ODS_FOCUS) && !(state & ODS_NOFOCUSRECT), state & ODS_DISABLED,
              state & ODS_NOACCEL);
        result = TRUE;
        return true;
    }
    case WM_CTLCOLORBTN:
        // The button asks before it hands over to WM_DRAWITEM; the default
        // answer is the grey system face.
        result = reinterpret_cast<LRESULT>(SolidBrush(backColor_));
        return true;
    case WM_COMMAND:
        if (HIWORD(wp) != BN_CLICKED)
            return false;
        // A click already queued when the button was disabled must not act.
        if (enabled())
            Raise(onClick);
        result = 0;
        return true;
    }
    return false;
}

LRESULT FlatButton::subclassed(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_ERASEBKGND:
        // WM_DRAWITEM paints every pixel; erasing first would flash.
        return 1;
    case WM_GETOBJECT:
        if (const LRESULT object = AnswerGetObject(hwnd, wp, lp, std::make_unique<ButtonAnswers>()))
            return object;
        break;
    case WM_MOUSEMOVE:
        if (!hovering_) {
            // Asked for on every entry, so a pointer that leaves faster than the
            // next WM_MOUSEMOVE is still noticed.
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd, 0};
            TrackMouseEvent(&track);
            setHovering(true);
        }
        break;
    case WM_MOUSELEAVE:
        setHovering(false);
        break;
    case WM_LBUTTONDBLCLK:
        // An owner-drawn button turns the second of two quick clicks into
        // BN_DOUBLECLICKED and no click; a fast clicker means two clicks.
        msg = WM_LBUTTONDOWN;
        [[fallthrough]];
    case WM_LBUTTONDOWN: {
        const LRESULT result = original(hwnd, msg, wp, lp);
        raisePress();
        return result;
    }
    case WM_KEYDOWN:
        if (wp == VK_SPACE && !(lp & (1 << 30))) {  // the first press, not auto-repeat
            const LRESULT result = original(hwnd, msg, wp, lp);
            raisePress();
            return result;
        }
        break;
    }
    return original(hwnd, msg, wp, lp);
}

}  // namespace vantry::win
