#include "win/ui/Frame.h"

#include "core/ui/Colours.h"
#include "core/ui/Geometry.h"
#include "core/ui/Mouse.h"
#include "win/platform/LateBound.h"
#include "win/platform/WideText.h"
#include "win/ui/Dpi.h"

namespace vantry::win {

namespace {

constexpr UINT AskAtSessionEndMessage = WM_APP + 40;

// Found late: systems before Vista have neither, and the program still starts there.
using BlockReasonCreate = BOOL(WINAPI*)(HWND, LPCWSTR);
using BlockReasonDestroy = BOOL(WINAPI*)(HWND);

}  // namespace

Frame::~Frame() {
    windows_.unloaded(this);
    destroy();
}

bool Frame::createFrame(const FrameArgs& args) {
    tray_.setExitCaption(args.trayExitCaption);
    keys_.setEnter(args.enter);
    // Created at 0 x 0 and sized once the window knows its DPI.
    if (!create(args.className, args.exStyle | WS_EX_CONTROLPARENT,
                WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX, args.title, 0, 0,
                0, 0, args.owner, nullptr, LoadIconW(Instance(), MAKEINTRESOURCEW(101))))
        return false;
    windows_.loaded(this);
    place_.sizeTwips(args.widthTwips, args.heightTwips);
    chrome_.create(hwnd_, place_, {args.title, args.widthTwips, args.titleIndentTwips, args.captionButtons});
    picEx().onClick = [this] { onExit(); };
    chrome_.applyLook(GetActiveWindow() == hwnd_);
    return true;
}

void Frame::setTitle(const std::string& title) {
    titleLabel().setText(title);
    SetWindowTextW(hwnd_, Widen(title).c_str());
}

bool Frame::addLabel(Label& label, const Rect& twips, LabelArgs args) {
    const bool link = args.link;
    if (!place_.addLabel(label, twips, std::move(args)))
        return false;
    if (!link)
        label.onMouseDown = [this](int button) { DragWindow(hwnd_, button); };
    return true;
}

void Frame::showTrayIcon(const std::string& tooltip) {
    tray_.show(tooltip, [this] { onTrayActivate(); }, [this] { onTrayMenu(); });
}

void Frame::unload() {
    tray_.remove();
    destroy();
}

bool Frame::closeAsExitButton() {
    if (!hwnd_)
        return true;
    if (!IsWindowEnabled(hwnd_)) {
        SetForegroundWindow(GetLastActivePopup(hwnd_));
        return false;
    }
    onExit();
    return hwnd_ == nullptr;
}

// Where the system lists no reasons (before Vista, or under Wine, which
// answers with an error), the refusal alone holds the session up.
void Frame::nameBlockReason(const std::string& reason) {
    static const auto create = LateBound<BlockReasonCreate>("user32.dll", "ShutdownBlockReasonCreate");
    if (create && hwnd_)
        create(hwnd_, Widen(reason).c_str());
}

void Frame::dropBlockReason() {
    static const auto destroy = LateBound<BlockReasonDestroy>("user32.dll", "ShutdownBlockReasonDestroy");
    if (destroy && hwnd_)
        destroy(hwnd_);
}

void Frame::requestAskTurn() { PostMessageW(hwnd_, AskAtSessionEndMessage, 0, 0); }

void Frame::askAtSessionEnd() {
    if (!sessionEnd_.onAskTurn(IsWindowEnabled(hwnd_) != FALSE, unsavedWork()))
        return;
    // The question is about this window: the user is to see it, even one
    // that waited in the tray.
    if (!IsWindowVisible(hwnd_))
        ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    onExit();
    sessionEnd_.onAsked();
}

void Frame::onDestroyed() {
    tray_.remove();
    windows_.unloaded(this);
}

LRESULT Frame::handle(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (ReflectToControl(hwnd_, msg, wp, lp, result))
        return result;
    switch (msg) {
    case WM_ACTIVATE:
        // Sent on every change of the active window, this application's or
        // another's, so the look needs no polling.
        chrome_.applyLook(LOWORD(wp) != WA_INACTIVE);
        if (keys_.onActivate(LOWORD(wp) != WA_INACTIVE, HIWORD(wp) != 0))
            return 0;
        break;
    case WM_LBUTTONDOWN:
        DragWindow(hwnd_, mouse::Left);
        return 0;
    case WM_CLOSE:
        onExit();
        return 0;
    case WM_QUERYENDSESSION:
        return sessionEnd_.onQueryEndSession(unsavedWork()) ? TRUE : FALSE;
    case WM_ENDSESSION:
        sessionEnd_.onEndSession(wp != 0);
        return 0;
    case AskAtSessionEndMessage:
        askAtSessionEnd();
        return 0;
    case WM_ENABLE:
        if (wp)
            sessionEnd_.onWindowFree();
        break;
    case WM_DESTROY:
        sessionEnd_.onWindowGone();
        break;
    case DM_GETDEFID:
        return keys_.defaultId();
    case WM_COMMAND:
        if (DialogKeys::isEscape(wp, lp)) {
            onEscape();
            return 0;
        }
        break;
    case WM_NCDESTROY:
        SetWindowDpi(hwnd_, 0);  // the window's last moment with its properties
        break;
    case WM_DPICHANGED:
        place_.changeDpi(HIWORD(wp), *reinterpret_cast<const RECT*>(lp));
        onDpiChanged();
        InvalidateRect(hwnd_, nullptr, TRUE);
        return 0;
    case WM_ERASEBKGND: {
        RECT rc;
        GetClientRect(hwnd_, &rc);
        FillRect(reinterpret_cast<HDC>(wp), &rc, SolidBrush(RGB(0, 0, 0)));
        // A thin edge keeps the borderless window apart from a dark desktop.
        FrameRect(reinterpret_cast<HDC>(wp), &rc, SolidBrush(colour::DimOrange));
        return 1;
    }
    }
    return Window::handle(msg, wp, lp);
}

}  // namespace vantry::win
