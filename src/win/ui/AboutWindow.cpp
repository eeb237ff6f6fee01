#include "win/ui/AboutWindow.h"

#include <utility>

#include "win/platform/WideText.h"
#include "win/resources/resource.h"
#include "core/startup/StartUp.h"
#include "win/ui/Dpi.h"

namespace vantry::win {

namespace {

enum : int { IdOk = 1, IdImage = 2000, IdLabel = 2100 };
enum : UINT { TimerSplash = 1 };

constexpr Rect ImagePlace{240, 480, 480, 480};
constexpr Rect OkPlace{1577, 3735, 1000, 300};
constexpr int TitleStripTwips = 330;
constexpr int SplashPictureTop = 1080;

}  // namespace

AboutWindow::AboutWindow(WindowSet& windows, Shell& shell) : Frame(windows), presenter_(*this, shell) {}

AboutWindow::~AboutWindow() { destroy(); }

bool AboutWindow::load(HWND owner) {
    FrameArgs args;
    args.className = L"HLDSVantryAbout";
    args.title = std::string("About ") + ProgramTitle;
    args.widthTwips = about::WidthTwips;
    args.heightTwips = about::HeightTwips;
    args.owner = owner;
    if (!createFrame(args))
        return false;
    createLabels();
    pic1_.create(hwnd_);
    presenter_.onLoad();
    return true;
}

void AboutWindow::createLabels() {
    for (int i = 1; i < about::LabelCount; ++i) {
        const about::Label& l = about::Labels()[i];
        const bool link = l.address != nullptr;
        addLabel(labels_[i], l.place,
                 {.id = IdLabel + i, .colour = link ? colour::LinkBlue : colour::Orange, .pointSize = l.pointSize,
                  .bold = l.bold, .link = link, .wrap = l.wrap});
        if (link)
            labels_[i].onClick = [this, i] { presenter_.onLinkClick(i); };
    }
    const int size = px(ImagePlace.width);
    smallIcon_.reset(static_cast<HICON>(
        LoadImageW(Instance(), MAKEINTRESOURCEW(IDI_VANTRY), IMAGE_ICON, size, size, 0)));
    addLabel(image_, ImagePlace, {.id = IdImage, .link = true, .icon = smallIcon_.get()});
    image_.onClick = [this] { presenter_.onImageClick(); };

    addButton(cmdOk_, OkPlace, {.id = IdOk, .caption = "OK"});
    cmdOk_.onClick = [this] { onExit(); };
}

void AboutWindow::setLabelText(int label, const std::string& text) {
    if (label == 0) {
        setTitle(text);
        return;
    }
    labels_[label].setText(text);
    if (label == 7)
        placeReportLink();
}

void AboutWindow::placeReportLink() {
    // "report" fills the gap that label 2 leaves after "Please ".
    const std::wstring word = WideTextOf(labels_[7].hwnd());
    SIZE before{}, extent{};
    {
        WindowDC dc(labels_[2].hwnd());
        ScopedSelect font(dc.get(), reinterpret_cast<HFONT>(SendMessageW(labels_[2].hwnd(), WM_GETFONT, 0, 0)));
        GetTextExtentPoint32W(dc.get(), L"Please ", 7, &before);
        GetTextExtentPoint32W(dc.get(), word.c_str(), static_cast<int>(word.size()), &extent);
    }
    RECT rc;
    GetWindowRect(labels_[2].hwnd(), &rc);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&rc), 2);
    SetWindowPos(labels_[7].hwnd(), HWND_TOP, rc.left + before.cx, rc.top, extent.cx + 1, rc.bottom - rc.top,
                 SWP_NOACTIVATE);
}

void AboutWindow::onDpiChanged() {
    placeReportLink();
    RECT rc;
    GetClientRect(hwnd_, &rc);
    SetWindowPos(pic1_.hwnd(), nullptr, 0, 0, rc.right, rc.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool AboutWindow::Splash::create(HWND parent) {
    const int big = Px(parent, 720);
    bigIcon_.reset(static_cast<HICON>(
        LoadImageW(Instance(), MAKEINTRESOURCEW(IDI_VANTRY), IMAGE_ICON, big, big, 0)));
    RECT rc;
    GetClientRect(parent, &rc);
    return Window::create(L"HLDSVantrySplash", 0, WS_CHILD, "", 0, 0, rc.right, rc.bottom, parent, nullptr);
}

LRESULT AboutWindow::Splash::handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_PAINT:
        paint(PaintDC(hwnd_).get());
        return 0;
    // A click is a press and a release on the splash itself: the press that
    // brought it back, on the icon below, must not take it away again.
    case WM_LBUTTONDOWN:
        pressed_ = true;
        return 0;
    case WM_LBUTTONUP:
        if (std::exchange(pressed_, false))
            box_.presenter_.onSplashClick();
        return 0;
    }
    return Window::handle(msg, wp, lp);
}

void AboutWindow::Splash::paint(HDC dc) {
    RECT rc;
    GetClientRect(hwnd_, &rc);
    FillRect(dc, &rc, SolidBrush(RGB(0, 0, 0)));
    const int dpi = WindowDpi(hwnd_);
    const int top = Px(hwnd_, SplashPictureTop);
    const int icon = Px(hwnd_, 720);
    DrawIconEx(dc, (rc.right - icon) / 2, top, bigIcon_.get(), icon, icon, 0, nullptr, DI_NORMAL);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour::Orange);
    RECT name{0, top + icon + Px(hwnd_, 120), rc.right, rc.bottom};
    {
        ScopedSelect font(dc, TahomaFont(dpi, 16, true));
        DrawTextW(dc, L"HLDS Vantry", -1, &name, DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    }
    name.top += Px(hwnd_, 480);
    ScopedSelect font(dc, TahomaFont(dpi, 8));
    DrawTextW(dc, L"v" VANTRY_VERSION, -1, &name, DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
}

void AboutWindow::showSplashView(bool splash) {
    for (int i = 1; i < about::LabelCount; ++i)
        labels_[i].setVisible(!splash);
    titleLabel().setVisible(!splash);
    ShowWindow(picEx().hwnd(), splash ? SW_HIDE : SW_SHOWNA);
    ShowWindow(image_.hwnd(), splash ? SW_HIDE : SW_SHOWNA);
    ShowWindow(cmdOk_.hwnd(), splash ? SW_HIDE : SW_SHOWNA);
    if (splash)
        SetWindowPos(pic1_.hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    else
        ShowWindow(pic1_.hwnd(), SW_HIDE);
}

void AboutWindow::setSplashClickable(bool clickable) { EnableWindow(pic1_.hwnd(), clickable); }

void AboutWindow::showCentredOnTop() {
    centre();
    makeTopmost();
    ShowWindow(hwnd_, SW_SHOW);
    UpdateWindow(hwnd_);
}

void AboutWindow::startSplashTimer(int milliseconds) {
    SetTimer(hwnd_, TimerSplash, static_cast<UINT>(milliseconds), nullptr);
}

void AboutWindow::onExit() {
    reportClosed();
    unload();
}

void AboutWindow::reportClosed() {
    if (onClosed)
        onClosed();
}

LRESULT AboutWindow::handle(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DESTROY)
        reportClosed();
    if (msg == WM_TIMER && wp == TimerSplash) {
        KillTimer(hwnd_, TimerSplash);
        presenter_.onSplashElapsed();
        return 0;
    }
    if (msg == WM_LBUTTONDOWN) {
        // Only the title panel drags the box; below it the background does nothing,
        // and clicks on the splash while it may not be dismissed end up here too.
        if (!presenter_.splashShown() && static_cast<short>(HIWORD(lp)) < px(TitleStripTwips))
            DragWindow(hwnd_, mouse::Left);
        return 0;
    }
    return Frame::handle(msg, wp, lp);
}

}  // namespace vantry::win
