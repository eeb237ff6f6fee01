#include "win/servers/MainWindow.h"

#include "core/startup/StartUp.h"
#include "win/resources/resource.h"
#include "win/ui/Dpi.h"

namespace vantry::win {

namespace {

enum : UINT {
    TimerChkNew = 1,
    TimerAlive = 2,
    AddTrayIconMessage = WM_APP + 20,
};

constexpr int WidthTwips = 4500, HeightTwips = 5000;
constexpr Rect IconPlace{90, 30, 270, 270};
constexpr Rect ServersLabel{120, 420, 2000, 225};
constexpr Rect ListPlace{120, 660, 4260, 1680};
constexpr Rect NameLabel{120, 2430, 2000, 225};
constexpr Rect Name1Place{120, 2670, 1300, 310};
constexpr Rect Name2Place{1500, 2670, 2880, 310};
constexpr Rect HidePlace{120, 3090, 2070, 330};
constexpr Rect RenamePlace{2310, 3090, 2070, 330};
constexpr int SeparatorTop = 3555;
constexpr Rect StartPlace{120, 3660, 4260, 330};
constexpr Rect CfgPlace{120, 4080, 1380, 330};
constexpr Rect MapCyclePlace{1560, 4080, 1380, 330};
constexpr Rect MotdPlace{3000, 4080, 1380, 330};
constexpr Rect OptionsPlace{120, 4500, 4260, 330};

}  // namespace

MainWindow::MainWindow(WindowSet& windows, const MainServices& services)
    : Frame(windows), presenter_(*this, services) {}

MainWindow::~MainWindow() { destroy(); }

bool MainWindow::load(HWND owner) {
    FrameArgs args;
    args.className = L"HLDSVantryMain";
    args.title = ProgramTitle;
    args.widthTwips = WidthTwips;
    args.heightTwips = HeightTwips;
    args.captionButtons = true;
    args.titleIndentTwips = IconPlace.width + 30;
    args.owner = owner;
    args.exStyle = owner ? 0 : WS_EX_TOOLWINDOW;
    // Enter renames while the new name is being typed.
    args.enter = {{{IdName2, IdRename}}};
    if (!createFrame(args))
        return false;
    createControls();
    picMin().onClick = [this] { presenter_.minimize(); };
    picHelp().onClick = [this] { presenter_.onAbout(); };
    presenter_.onLoad();
    return true;
}

void MainWindow::createControls() {
    const int iconSize = px(IconPlace.width);
    smallIcon_.reset(static_cast<HICON>(LoadImageW(Instance(), MAKEINTRESOURCEW(IDI_VANTRY),
                                                   IMAGE_ICON, iconSize, iconSize, 0)));
    addLabel(imIcon_, IconPlace, {.id = IdIcon, .icon = smallIcon_.get()});
    imIcon_.onMouseDown = nullptr;
    imIcon_.onClick = [this] { presenter_.onIconClick(); };
    addLabel(lbServers_, ServersLabel, {.text = "Servers:"});
    addLabel(lbServerName_, NameLabel, {.text = "Server Name:"});

    const Rect list = px(ListPlace);
    lstServers_.create(hwnd_, IdList, list.left, list.top, list.width, list.height);
    keepPlaced(lstServers_.hwnd(), ListPlace);
    lstServers_.onClick = [this] { presenter_.servers().onListClick(); };
    lstServers_.onKeyUp = [this] { presenter_.servers().onListKeyUp(); };
    lstServers_.onMouseUp = [this](int button) { presenter_.onListMouseUp(button); };

    txtName1_.create(hwnd_, IdName1, px(Name1Place.left), px(Name1Place.top), px(Name1Place.width));
    txtName1_.setLocked(true);
    txtName2_.create(hwnd_, IdName2, px(Name2Place.left), px(Name2Place.top), px(Name2Place.width));
    keepPlaced(txtName1_.hwnd(), Name1Place);
    keepPlaced(txtName2_.hwnd(), Name2Place);

    auto button = [&](FlatButton& b, int id, const Rect& place, const char* caption, bool enabled) {
        addButton(b, place,
                  {.id = id, .caption = caption, .textColor = CaptionColour(EnabledLook::OrangeOrDim, enabled),
                   .enabled = enabled});
    };
    button(cmdHide_, IdHide, HidePlace, mainwin::HideCaption, false);
    button(cmdRename_, IdRename, RenamePlace, "&Rename", false);
    button(cmdStart_, IdStart, StartPlace, "&Start Server", true);
    button(cmdCFGEdit_, IdCfgEditor, CfgPlace, "CFG &Editor", true);
    button(cmdMapCycle_, IdMapCycle, MapCyclePlace, "M&ap Cycle", true);
    button(cmdMOTD_, IdMotd, MotdPlace, "&MOTD", true);
    button(cmdOptions_, IdOptions, OptionsPlace, "&Options", true);
    cmdStart_.onClick = [this] { presenter_.onStartServer(); };
    cmdCFGEdit_.onClick = [this] { presenter_.onCfgEditor(); };
    cmdMapCycle_.onClick = [this] { presenter_.onMapCycleEditor(); };
    cmdMOTD_.onClick = [this] { presenter_.onMotdEditor(); };
    cmdOptions_.onClick = [this] { presenter_.onOptions(); };
    cmdHide_.onClick = [this] { presenter_.servers().toggleCurrent(); };
    cmdRename_.onClick = [this] { presenter_.servers().rename(); };

    // Screen readers name the list and the fields by their labels.
    lstServers_.setLabel(lbServers_.text());
    txtName1_.setLabel(lbServerName_.text());
    txtName2_.setLabel(lbServerName_.text());
}

void MainWindow::addTrayIcon() {
    // Posted: the shell is slow to load, and the window need not wait for it.
    PostMessageW(hwnd_, AddTrayIconMessage, 0, 0);
}

void MainWindow::showBalloon(const std::string& title, const std::string& text, bool error) {
    if (TrayIcon* tray = trayIcon())
        tray->showBalloon(title, text, error ? TrayIcon::BalloonIcon::Error : TrayIcon::BalloonIcon::Warning);
}

void MainWindow::flashTaskbarButton() {
    // The taskbar button is the title window's, where there is one.
    HWND owner = GetWindow(hwnd_, GW_OWNER);
    FlashUntilForeground(owner ? owner : hwnd_);
}

void MainWindow::startPolling() {
    SetTimer(hwnd_, TimerChkNew, mainwin::PollMilliseconds, nullptr);
    SetTimer(hwnd_, TimerAlive, mainwin::PollMilliseconds, nullptr);
}

void MainWindow::enableEntryButtons() {
    for (FlatButton* b : {&cmdHide_, &cmdRename_})
        b->showEnabled(true, EnabledLook::OrangeOrDim);
}

void MainWindow::focusWindow() {
    if (IsWindowVisible(hwnd_))
        SetForegroundWindow(hwnd_);
    SetFocus(lstServers_.hwnd());
}

void MainWindow::showWindow(bool shown) {
    ShowWindow(hwnd_, shown ? SW_SHOW : SW_HIDE);
    if (shown)
        SetForegroundWindow(hwnd_);
}

void MainWindow::setTitleWindowMinimized(bool minimized) {
    if (onTitleWindowState)
        onTitleWindowState(minimized);
}

int MainWindow::popupMenu(const Menu& menu, MenuAnchor anchor) {
    if (anchor == MenuAnchor::Cursor)
        return ShowPopupMenu(menu, hwnd_);
    RECT rc;
    GetWindowRect(imIcon_.hwnd(), &rc);
    const POINT below{rc.left, rc.bottom};
    return ShowPopupMenu(menu, hwnd_, &below);
}

void MainWindow::openLauncher() {
    if (onStartServer)
        onStartServer();
}

void MainWindow::endProgram() {
    if (onEndProgram)
        onEndProgram();
}

void MainWindow::unload() {
    if (!hwnd_)
        return;
    presenter_.onUnload();
    KillTimer(hwnd_, TimerChkNew);
    KillTimer(hwnd_, TimerAlive);
    Frame::unload();
}

void MainWindow::paintFrameLines(HDC dc) {
    RECT list;
    GetWindowRect(lstServers_.hwnd(), &list);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&list), 2);
    InflateRect(&list, 1, 1);
    FrameRect(dc, &list, SolidBrush(colour::Orange));
    RECT line{px(ListPlace.left), px(SeparatorTop), px(ListPlace.left + ListPlace.width),
              px(SeparatorTop) + std::max(1, px(15))};
    FillRect(dc, &line, SolidBrush(colour::Orange));
}

LRESULT MainWindow::handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_TIMER:
        if (wp == TimerChkNew)
            presenter_.onNewConsolesTick();
        else if (wp == TimerAlive)
            presenter_.onAliveTick();
        return 0;
    case WM_ACTIVATE:
        // Once the admin has come to the window, the flashing that called them stops.
        if (LOWORD(wp) != WA_INACTIVE) {
            FLASHWINFO stop{sizeof stop, GetWindow(hwnd_, GW_OWNER), FLASHW_STOP, 0, 0};
            if (stop.hwnd)
                FlashWindowEx(&stop);
        }
        break;
    case WM_PAINT:
        paintFrameLines(PaintDC(hwnd_).get());
        return 0;
    case AddTrayIconMessage:
        showTrayIcon(ProgramTitle);
        return 0;
    case WM_ENDSESSION:
        // Whatever the mode: with the tray only there is no title window to hear it.
        if (wp)
            presenter_.onEndSession();
        return 0;
    case WM_HELP:
        // F1, wherever the focus is.
        presenter_.onAbout();
        return TRUE;
    case WM_CONTEXTMENU:
        // The menu key or Shift+F10: the list's menu on the list, the icon's
        // menu anywhere else, as the right button and the icon give them.
        if (lp == -1) {
            if (reinterpret_cast<HWND>(wp) == lstServers_.hwnd())
                presenter_.onListMouseUp(mouse::Right);
            else
                presenter_.onIconClick();
            return 0;
        }
        break;
    }
    return Frame::handle(msg, wp, lp);
}

}  // namespace vantry::win
