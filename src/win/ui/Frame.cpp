#include "ui/Frame.h"

#include "ui/Dpi.h"
#include "ui/Look.h"

namespace vantry::win {

namespace {

enum : int { IdTitle = 1000, IdExit, IdMinimize, IdHelp };
enum : UINT { IdTrayMin = 1, IdTrayExit = 2 };

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
                WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX, args.title.c_str(), 0, 0,
                0, 0, args.owner, nullptr, LoadIconA(Instance(), MAKEINTRESOURCEA(101))))
        return false;
    windows_.Loaded(this);
    sizeTwips(args.widthTwips, args.heightTwips);

    const int width = px(args.widthTwips);
    LabelArgs title;
    title.id = IdTitle;
    title.text = args.title;
    title.bold = true;
    title.x = px(TitleLeft + args.titleIndentTwips);
    title.y = px(TitleTop);
    title.width = width - title.x - px(3 * (ButtonSize + ButtonGap) + 60);
    title.height = px(TitleHeight);
    lbTitle_.create(hwnd_, title);
    dragBy(lbTitle_);

    const int size = px(ButtonSize);
    auto button = [&](FlatButton& b, int id, int slot, const char* picture, const char* over) {
        FlatButtonArgs a;
        a.id = id;
        a.x = width - px(60) - (slot + 1) * size - slot * px(ButtonGap);
        a.y = px(ButtonTop);
        a.width = a.height = size;
        a.picture = picture;
        a.pictureOver = over;
        a.tabStop = false;
        b.create(hwnd_, a);
    };
    button(picEx_, IdExit, 0, "EX1", "EX2");
    picEx_.onClick = [this] { onExit(); };
    if (captionButtons_) {
        button(picMin_, IdMinimize, 1, "MIN1", "MIN2");
        button(picHelp_, IdHelp, 2, "HELP1", "HELP2");
    }
    applyLook(GetActiveWindow() == hwnd_);
    return true;
}

void Frame::setTitle(const std::string& title) {
    lbTitle_.setText(title);
    SetWindowTextA(hwnd_, title.c_str());
}

std::string Frame::title() const { return const_cast<Label&>(lbTitle_).text(); }

int Frame::px(double twips) const { return Px(hwnd_, twips); }

void Frame::sizeTwips(int widthTwips, int heightTwips) {
    SetWindowPos(hwnd_, nullptr, 0, 0, px(widthTwips), px(heightTwips),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
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
    SendMessageA(hwnd, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
}

void Frame::dragBy(Label& label) {
    label.onMouseDown = [this](int button) { DragWindow(hwnd_, button); };
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
        tray_->onActivate = [this] {
            ShowWindow(hwnd_, SW_SHOW);
            SetForegroundWindow(hwnd_);
        };
        tray_->onMenuRequest = [this] { onTrayMenu(); };
    }
    tray_->setTooltip(tooltip);
    tray_->setShown(true);
}

void Frame::onTrayMenu() {
    // While a question or the start pause holds the window, its menu waits.
    if (!IsWindowEnabled(hwnd_)) {
        SetForegroundWindow(GetLastActivePopup(hwnd_));
        return;
    }
    const std::string caption = TrayMenuMinCaption(IsWindowVisible(hwnd_) != FALSE);
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, IdTrayMin, caption.c_str());
    AppendMenuA(menu, MF_STRING, IdTrayExit, trayExitCaption_.c_str());
    const UINT chosen = ShowPopupMenu(menu, hwnd_);
    if (chosen == IdTrayMin)
        trayMenuMinimizeOrRestore(caption);
    else if (chosen == IdTrayExit)
        onExit();
}

void Frame::trayMenuMinimizeOrRestore(const std::string& caption) {
    switch (TrayMenuMinChosen(caption)) {
    case TrayMinAction::Hide:
        ShowWindow(hwnd_, SW_HIDE);
        break;
    case TrayMinAction::Show:
        ShowWindow(hwnd_, SW_SHOW);
        break;
    case TrayMinAction::None:
        break;
    }
}

void Frame::Unload() {
    tray_.reset();
    destroy();
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
        break;
    case WM_LBUTTONDOWN:
        DragWindow(hwnd_, mouse::Left);
        return 0;
    case WM_CLOSE:
        onExit();
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
