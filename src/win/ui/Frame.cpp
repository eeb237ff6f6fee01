#include "win/ui/Frame.h"

#include <cmath>

#include "win/platform/LateBound.h"
#include "win/platform/WideText.h"
#include "win/ui/Dpi.h"
#include "win/ui/FrameIds.h"
#include "core/ui/Look.h"

namespace vantry::win {

namespace {

using namespace frame;

constexpr UINT AskAtSessionEndMessage = WM_APP + 40;

// Found late: systems before Vista have neither, and the program still starts there.
using BlockReasonCreate = BOOL(WINAPI*)(HWND, LPCWSTR);
using BlockReasonDestroy = BOOL(WINAPI*)(HWND);

// Caption geometry, in twips: the title at the top left, the buttons at the top right.
constexpr int TitleLeft = 90, TitleTop = 45, TitleHeight = 240;
constexpr int ButtonSize = 240, ButtonTop = 30, ButtonGap = 15;

}  // namespace

Frame::~Frame() {
    windows_.Unloaded(this);
    destroy();
}

bool Frame::createFrame(const FrameArgs& args) {
    captionButtons_ = args.captionButtons;
    trayExitCaption_ = args.trayExitCaption;
    // Created at 0 x 0 and sized once the window knows its DPI.
    if (!create(args.className, args.exStyle | WS_EX_CONTROLPARENT,
                WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX, args.title, 0, 0,
                0, 0, args.owner, nullptr, LoadIconW(Instance(), MAKEINTRESOURCEW(101))))
        return false;
    windows_.Loaded(this);
    if (args.dpi)
        SetWindowDpi(hwnd_, args.dpi);
    sizeTwips(args.widthTwips, args.heightTwips);

    const int titleLeft = TitleLeft + args.titleIndentTwips;
    addLabel(lbTitle_,
             {titleLeft, TitleTop, args.widthTwips - titleLeft - 3 * (ButtonSize + ButtonGap) - 60, TitleHeight},
             {.id = IdTitle, .text = args.title, .bold = true});

    // The caption is not drawn: it names the picture for screen readers.
    auto button = [&](FlatButton& b, int id, int slot, const char* caption, const char* picture, const char* over) {
        const int left = args.widthTwips - 60 - (slot + 1) * ButtonSize - slot * ButtonGap;
        addButton(b, {left, ButtonTop, ButtonSize, ButtonSize},
                  {.id = id, .caption = caption, .picture = picture, .pictureOver = over, .tabStop = false});
    };
    button(picEx_, IdExit, 0, "Close", "EX1", "EX2");
    picEx_.onClick = [this] { onExit(); };
    if (captionButtons_) {
        button(picMin_, IdMinimize, 1, "Minimize", "MIN1", "MIN2");
        button(picHelp_, IdHelp, 2, "About", "HELP1", "HELP2");
    }
    applyLook(GetActiveWindow() == hwnd_);
    return true;
}

void Frame::setTitle(const std::string& title) {
    lbTitle_.setText(title);
    SetWindowTextW(hwnd_, Widen(title).c_str());
}

int Frame::px(double twips) const { return Px(hwnd_, twips); }

Rect Frame::px(const Rect& twips) const {
    // Edge by edge, so that controls which meet in twips still meet in pixels.
    const int left = px(twips.left), top = px(twips.top);
    return {left, top, px(twips.right()) - left, px(twips.bottom()) - top};
}

void Frame::keepPlaced(HWND control, const Rect& twips) { placed_.emplace_back(control, twips); }

bool Frame::addLabel(Label& label, const Rect& twips, LabelArgs args) {
    args.rect = px(twips);
    if (!label.create(hwnd_, args))
        return false;
    keepPlaced(label.hwnd(), twips);
    if (!args.link)
        label.onMouseDown = [this](int button) { DragWindow(hwnd_, button); };
    return true;
}

bool Frame::addButton(FlatButton& button, const Rect& twips, FlatButtonArgs args) {
    args.rect = px(twips);
    if (!button.create(hwnd_, args))
        return false;
    keepPlaced(button.hwnd(), twips);
    return true;
}

void Frame::changeDpi(int dpi, const RECT& suggested) {
    const Rect was = placeTwips();  // at the DPI it leaves
    SetWindowDpi(hwnd_, dpi);
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, px(was.width), px(was.height),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    // Everything again from its twips, as at creation; each control then
    // takes its own font and inner layout at the new DPI.
    for (const auto& [control, twips] : placed_) {
        const Rect r = px(twips);
        SetWindowPos(control, nullptr, r.left, r.top, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(control, DpiChangedAfterParent, 0, 0);
    }
    onDpiChanged();
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Frame::sizeTwips(int widthTwips, int heightTwips) {
    SetWindowPos(hwnd_, nullptr, 0, 0, px(widthTwips), px(heightTwips),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Rect Frame::placeTwips() const {
    RECT rc;
    GetWindowRect(hwnd_, &rc);
    const int dpi = WindowDpi(hwnd_);
    const auto twips = [dpi](int pixels) { return static_cast<int>(std::lround(PixelsToTwips(pixels, dpi))); };
    return {twips(rc.left), twips(rc.top), twips(rc.right - rc.left), twips(rc.bottom - rc.top)};
}

int Frame::screenWidthTwips() const {
    return static_cast<int>(std::lround(PixelsToTwips(GetSystemMetrics(SM_CXSCREEN), WindowDpi(hwnd_))));
}

int Frame::screenHeightTwips() const {
    return static_cast<int>(std::lround(PixelsToTwips(GetSystemMetrics(SM_CYSCREEN), WindowDpi(hwnd_))));
}

void Frame::moveTo(const Rect& twips) {
    RECT now;
    GetWindowRect(hwnd_, &now);
    placePixels({px(twips.left), px(twips.top), now.right - now.left, now.bottom - now.top});
}

void Frame::placePixels(const Rect& pixels) {
    Rect place = pixels;
    const RECT rc{place.left, place.top, place.right(), place.bottom()};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!MonitorFromRect(&rc, MONITOR_DEFAULTTONULL) &&
        GetMonitorInfoW(MonitorFromRect(&rc, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& work = monitor.rcWork;
        place = MovedInto(place, {work.left, work.top, work.right - work.left, work.bottom - work.top});
    }
    SetWindowPos(hwnd_, nullptr, place.left, place.top, place.width, place.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Frame::centre() {
    RECT rc;
    GetWindowRect(hwnd_, &rc);
    const auto pos = Centred(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                             rc.right - rc.left, rc.bottom - rc.top);
    SetWindowPos(hwnd_, nullptr, pos.left, pos.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Frame::makeTopmost() {
    SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

void Frame::DragWindow(HWND hwnd, int button) {
    if (!StartsDrag(button))
        return;
    ReleaseCapture();
    // The caption hit-test code added to SC_MOVE: the system moves the window
    // with the mouse as if its caption were dragged.
    SendMessageW(hwnd, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
}

void Frame::applyLook(bool active) {
    const auto update = look_.onActivity(active);
    lbTitle_.setColour(update.titleColour);
    if (update.pictures) {
        picEx_.setPicture(update.pictures->exit);
        if (captionButtons_) {
            picMin_.setPicture(update.pictures->minimize);
            picHelp_.setPicture(update.pictures->help);
        }
    }
}

void Frame::showTrayIcon(const std::string& tooltip) {
    if (!tray_) {
        tray_ = std::make_unique<TrayIcon>();
        tray_->onActivate = [this] { onTrayActivate(); };
        tray_->onMenuRequest = [this] { onTrayMenu(); };
    }
    tray_->setTooltip(tooltip);
    tray_->setShown(true);
}

void Frame::onTrayActivate() {
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
}

void Frame::onTrayMenu() {
    // While a question or the start pause holds the window, its menu waits.
    if (!IsWindowEnabled(hwnd_)) {
        SetForegroundWindow(GetLastActivePopup(hwnd_));
        return;
    }
    const TrayMinAction action = TrayMinActionFor(IsWindowVisible(hwnd_) != FALSE);
    const int chosen = ShowPopupMenu(toolTray::MenuFor(action, trayExitCaption_), hwnd_);
    if (chosen == toolTray::MinCommand)
        trayMenuMinimizeOrRestore(action);
    else if (chosen == toolTray::ExitCommand)
        onExit();
}

void Frame::trayMenuMinimizeOrRestore(TrayMinAction action) {
    ShowWindow(hwnd_, action == TrayMinAction::Minimize ? SW_HIDE : SW_SHOW);
}

bool Frame::restoreFocus(bool active, bool minimized) {
    // The keyboard comes back to the control it left, as in a dialog box;
    // left alone, the activation would give the focus to the window itself,
    // where no key does anything.
    if (!active) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus))
            lastFocus_ = focus;
        return false;
    }
    if (minimized)
        return false;
    HWND target = lastFocus_ && IsChild(hwnd_, lastFocus_) && IsWindowVisible(lastFocus_) &&
                          IsWindowEnabled(lastFocus_)
                      ? lastFocus_
                      : GetNextDlgTabItem(hwnd_, nullptr, FALSE);
    if (!target)
        return false;
    SetFocus(target);
    return true;
}

void Frame::Unload() {
    tray_.reset();
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
    tray_.reset();
    windows_.Unloaded(this);
}

LRESULT Frame::handle(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (ReflectToControl(hwnd_, msg, wp, lp, result))
        return result;
    switch (msg) {
    case WM_ACTIVATE:
        // Sent on every change of the active window, this application's or
        // another's, so the look needs no polling.
        applyLook(LOWORD(wp) != WA_INACTIVE);
        if (restoreFocus(LOWORD(wp) != WA_INACTIVE, HIWORD(wp) != 0))
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
    case DM_GETDEFID: {
        // Asked by the dialog keys on Enter. An owner-drawn button does not say
        // it is a push button, so Enter would pass it by: it presses it here.
        HWND focus = GetFocus();
        const bool button = GetParent(focus) == hwnd_ &&
                            (GetWindowLongW(focus, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW &&
                            IsWindowEnabled(focus);
        const int id = button ? GetDlgCtrlID(focus) : defaultButton();
        return id ? MAKELRESULT(id, DC_HASDEFID) : 0;
    }
    case WM_COMMAND:
        // The dialog keys' Esc: IDCANCEL from no control.
        if (LOWORD(wp) == IDCANCEL && lp == 0) {
            onEscape();
            return 0;
        }
        break;
    case WM_NCDESTROY:
        SetWindowDpi(hwnd_, 0);  // the window's last moment with its properties
        break;
    case WM_DPICHANGED:
        changeDpi(HIWORD(wp), *reinterpret_cast<const RECT*>(lp));
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
