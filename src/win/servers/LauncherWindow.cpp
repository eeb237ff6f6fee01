#include "win/servers/LauncherWindow.h"

#include "core/ui/Geometry.h"


namespace vantry::win {

namespace {
enum : UINT { TimerPause = 1 };
constexpr int WidthTwips = 4200, HeightTwips = 3120;
constexpr Rect GameLabel{150, 495, 1600, 240}, GamePlace{2100, 450, 1940, 300};
constexpr Rect MapLabel{150, 915, 1600, 240}, MapPlace{2100, 870, 1940, 300};
constexpr Rect PortLabel{150, 1335, 1600, 240}, PortPlace{2100, 1290, 1000, 310};
constexpr Rect ParamsLabel{150, 1740, 3000, 240}, ParamsPlace{150, 1995, 3900, 310};
constexpr Rect StartPlace{150, 2550, 1890, 360}, CancelPlace{2160, 2550, 1890, 360};
}  // namespace

LauncherWindow::LauncherWindow(WindowSet& windows, const LauncherServices& services)
    : Frame(windows), presenter_(*this, services) {}

LauncherWindow::~LauncherWindow() { destroy(); }

LauncherOutcome LauncherWindow::load(HWND owner) {
    FrameArgs args;
    args.className = L"HLDSVantryLauncher";
    args.title = launcher::Title;
    args.widthTwips = WidthTwips;
    args.heightTwips = HeightTwips;
    args.owner = owner;
    args.trayExitCaption = "E&xit";
    args.enter.defaultButton = IdStart;
    if (!createFrame(args))
        return LauncherOutcome::Close;
    createControls();
    const LauncherOutcome outcome = presenter_.onLoad();
    if (outcome == LauncherOutcome::StayOpen) {
        ShowWindow(hwnd_, SW_SHOW);
        SetForegroundWindow(hwnd_);
        SetFocus(cmdStart_.hwnd());
    }
    return outcome;
}

void LauncherWindow::createControls() {
    addLabel(lbGame_, GameLabel, {.text = "Game:"});
    addLabel(lbMap_, MapLabel, {.text = "Mapname:"});
    addLabel(lbPort_, PortLabel, {.text = "Port:"});
    addLabel(lbParams_, ParamsLabel, {.text = "Additional Parameters:"});

    cmbGame_.create(hwnd_, IdGame, px(GamePlace.left), px(GamePlace.top));
    cmbGame_.onClick = [this] { presenter_.onGameClick(); };
    lstMaps_.create(hwnd_, IdMaps, px(MapPlace.left), px(MapPlace.top));
    txtPort_.create(hwnd_, IdPort, px(PortPlace.left), px(PortPlace.top), px(PortPlace.width));
    txtPort_.onKeyPress = [](int& ch) {
        if (!PortFieldAccepts(ch))
            ch = 0;
    };
    txtCmmndLine_.create(hwnd_, IdParams, px(ParamsPlace.left), px(ParamsPlace.top),
                         px(ParamsPlace.width));
    keepPlaced(cmbGame_.hwnd(), GamePlace);
    keepPlaced(lstMaps_.hwnd(), MapPlace);
    keepPlaced(txtPort_.hwnd(), PortPlace);
    keepPlaced(txtCmmndLine_.hwnd(), ParamsPlace);

    addButton(cmdStart_, StartPlace, {.id = IdStart, .caption = "&Start"});
    addButton(cmdCancel_, CancelPlace, {.id = IdCancel, .caption = "&Cancel"});
    cmdStart_.onClick = [this] { presenter_.onStart(); };
    cmdCancel_.onClick = [this] { onExit(); };

    // Screen readers name the selectors and fields by their labels.
    cmbGame_.setLabel(lbGame_.text());
    lstMaps_.setLabel(lbMap_.text());
    txtPort_.setLabel(lbPort_.text());
    txtCmmndLine_.setLabel(lbParams_.text());
}

void LauncherWindow::insertNoMapEntry() {
    lstMaps_.insert(0, "");
    lstMaps_.setCurrent(0);
}

void LauncherWindow::setStartEnabled(bool enabled) {
    cmdStart_.showEnabled(enabled, EnabledLook::WhiteOrBlack);
}

void LauncherWindow::startPause(int milliseconds) {
    SetTimer(hwnd_, TimerPause, static_cast<UINT>(milliseconds), nullptr);
}

LRESULT LauncherWindow::handle(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_TIMER && wp == TimerPause) {
        KillTimer(hwnd_, TimerPause);
        finish(presenter_.onPauseElapsed());
        return 0;
    }
    return Frame::handle(msg, wp, lp);
}

void LauncherWindow::finish(LauncherOutcome outcome) {
    if (outcome != LauncherOutcome::StayOpen && onFinished)
        onFinished(outcome);
}

}  // namespace vantry::win
