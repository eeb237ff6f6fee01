#include "servers/MainForm.h"

#include "resource.h"
#include "startup/StartUp.h"
#include "ui/AboutBox.h"
#include "ui/Dpi.h"

namespace vantry::win {

namespace {

enum : UINT {
    TimerChkNew = 1,
    TimerAlive = 2,
    AddTrayIconMessage = WM_APP + 20,
    // Menu commands; the Servers submenu uses MenuServer + entry index.
    MenuHideAll = 10, MenuUnhideAll, MenuStart, MenuCfg, MenuMapCycle, MenuMotd, MenuOptions,
    MenuReportBug, MenuAbout, MenuMin, MenuExit, MenuHideServer,
    MenuServer = 1000
};

struct Place {
    int left, top, width, height;  // twips
};
constexpr int WidthTwips = 4500, HeightTwips = 5000;
constexpr Place IconPlace{90, 30, 270, 270};
constexpr Place ServersLabel{120, 420, 2000, 225};
constexpr Place ListPlace{120, 660, 4260, 1680};
constexpr Place NameLabel{120, 2430, 2000, 225};
constexpr Place Name1Place{120, 2670, 1300, 310};
constexpr Place Name2Place{1500, 2670, 2880, 310};
constexpr Place HidePlace{120, 3090, 2070, 330};
constexpr Place RenamePlace{2310, 3090, 2070, 330};
constexpr int SeparatorTop = 3555;
constexpr Place StartPlace{120, 3660, 4260, 330};
constexpr Place CfgPlace{120, 4080, 1380, 330};
constexpr Place MapCyclePlace{1560, 4080, 1380, 330};
constexpr Place MotdPlace{3000, 4080, 1380, 330};
constexpr Place OptionsPlace{120, 4500, 4260, 330};

}  // namespace

MainForm::MainForm(WindowSet& windows, const MainFormServices& services)
    : Frame(windows), services_(services), list_(*this, services.desktop) {}

MainForm::~MainForm() {
    tray_.reset();
    destroy();
}

bool MainForm::load(HWND owner, int showInMode) {
    showInMode_ = showInMode;
    FrameArgs args;
    args.className = "HLDSVantryMain";
    args.title = ProgramTitle;
    args.widthTwips = WidthTwips;
    args.heightTwips = HeightTwips;
    args.captionButtons = true;
    args.titleIndentTwips = IconPlace.width + 30;
    args.owner = owner;
    if (!createFrame(args))
        return false;
    createControls();
    picMin().onClick = [this] { minimize(); };
    picHelp().onClick = [this] {
        if (onAbout)
            onAbout();
    };
    // The icon follows once the window is up: the shell is slow to load and
    // the window need not wait for it.
    if (HasTrayIcon(showInMode))
        PostMessageA(hwnd_, AddTrayIconMessage, 0, 0);
    return true;
}

void MainForm::createControls() {
    auto rect = [this](const Place& p) {
        return RECT{px(p.left), px(p.top), px(p.left + p.width), px(p.top + p.height)};
    };
    const int iconSize = px(IconPlace.width);
    smallIcon_.reset(static_cast<HICON>(LoadImageA(Instance(), MAKEINTRESOURCEA(IDI_VANTRY),
                                                   IMAGE_ICON, iconSize, iconSize, 0)));
    LabelArgs icon;
    icon.id = IdIcon;
    icon.icon = smallIcon_.get();
    icon.x = px(IconPlace.left);
    icon.y = px(IconPlace.top);
    icon.width = icon.height = iconSize;
    imIcon_.create(hwnd_, icon);
    imIcon_.onClick = [this] {
        RECT rc;
        GetWindowRect(imIcon_.hwnd(), &rc);
        const POINT below{rc.left, rc.bottom};
        popupMainMenu(&below);
    };

    auto label = [&](Label& l, const Place& p, const char* text) {
        const RECT r = rect(p);
        LabelArgs a;
        a.text = text;
        a.x = r.left;
        a.y = r.top;
        a.width = r.right - r.left;
        a.height = r.bottom - r.top;
        l.create(hwnd_, a);
        dragBy(l);
    };
    label(lbServers_, ServersLabel, "Servers:");
    label(lbServerName_, NameLabel, "Server Name:");

    const RECT list = rect(ListPlace);
    lstServers_.create(hwnd_, IdList, list.left, list.top, list.right - list.left,
                       list.bottom - list.top);
    lstServers_.onClick = [this] { list_.onListClick(); };
    lstServers_.onKeyUp = [this] { list_.onListKeyUp(); };
    lstServers_.onMouseUp = [this](int button) {
        if (button == mouse::Right)
            popupListMenu();
        list_.ShowServerDetails();
    };

    txtName1_.create(hwnd_, IdName1, px(Name1Place.left), px(Name1Place.top), px(Name1Place.width));
    txtName1_.setLocked(true);
    txtName2_.create(hwnd_, IdName2, px(Name2Place.left), px(Name2Place.top), px(Name2Place.width));

    auto button = [&](FlatButton& b, int id, const Place& p, const char* caption, bool enabled) {
        const RECT r = rect(p);
        FlatButtonArgs a;
        a.id = id;
        a.caption = caption;
        a.x = r.left;
        a.y = r.top;
        a.width = r.right - r.left;
        a.height = r.bottom - r.top;
        a.textColor = enabled ? colour::Orange : colour::DimOrange;
        a.enabled = enabled;
        b.create(hwnd_, a);
    };
    button(cmdHide_, IdHide, HidePlace, mainwin::HideCaption, false);
    button(cmdRename_, IdRename, RenamePlace, "&Rename", false);
    // The tool windows come with their own releases; until then their buttons
    // are there but cannot be pressed.
    button(cmdStart_, IdStart, StartPlace, "&Start Server", true);
    button(cmdCFGEdit_, IdCfgEditor, CfgPlace, "CFG &Editor", false);
    button(cmdMapCycle_, IdMapCycle, MapCyclePlace, "M&ap Cycle", false);
    button(cmdMOTD_, IdMotd, MotdPlace, "&MOTD", false);
    button(cmdOptions_, IdOptions, OptionsPlace, "&Options", false);
    cmdStart_.onClick = [this] {
        if (onStartServer)
            onStartServer();
    };
    cmdHide_.onClick = [this] { list_.toggleCurrent(); };
    cmdRename_.onClick = [this] { list_.rename(); };
}

FlatButton& MainForm::button(int id) {
    switch (id) {
    case IdHide:
        return cmdHide_;
    case IdRename:
        return cmdRename_;
    case IdStart:
        return cmdStart_;
    case IdCfgEditor:
        return cmdCFGEdit_;
    case IdMapCycle:
        return cmdMapCycle_;
    case IdMotd:
        return cmdMOTD_;
    default:
        return cmdOptions_;
    }
}

void MainForm::addTrayIcon() {
    if (tray_ || !hwnd_)
        return;
    tray_ = std::make_unique<TrayIcon>();
    tray_->onActivate = [this] { restore(); };
    tray_->onMenuRequest = [this] {
        // The tray menu waits while a modal window or the About box is open.
        if (!IsWindowEnabled(hwnd_))
            return;
        mnuMinCaption_ = TrayMenuMinCaption(IsWindowVisible(hwnd_) != FALSE);
        popupMainMenu(nullptr);
    };
    tray_->setTooltip(ProgramTitle);
    tray_->setShown(true);
}

void MainForm::startPolling() {
    SetTimer(hwnd_, TimerChkNew, mainwin::PollMilliseconds, nullptr);
    SetTimer(hwnd_, TimerAlive, mainwin::PollMilliseconds, nullptr);
}

void MainForm::setHideCaption(const std::string& caption) { cmdHide_.setCaption(caption); }

void MainForm::enableEntryButtons() {
    for (FlatButton* b : {&cmdHide_, &cmdRename_}) {
        b->setEnabled(true);
        b->setTextColor(colour::Orange);
    }
}

void MainForm::focusWindow() {
    if (IsWindowVisible(hwnd_))
        SetForegroundWindow(hwnd_);
    SetFocus(lstServers_.hwnd());
}

void MainForm::minimize() {
    if (MinimizesByTitleWindow(showInMode_)) {
        if (onTitleWindowState)
            onTitleWindowState(true);
    } else {
        ShowWindow(hwnd_, SW_HIDE);
    }
}

void MainForm::restore() {
    if (MinimizesByTitleWindow(showInMode_)) {
        if (onTitleWindowState)
            onTitleWindowState(false);
    } else {
        ShowWindow(hwnd_, SW_SHOW);
        SetForegroundWindow(hwnd_);
    }
}

void MainForm::exit() {
    if (ConfirmExit(list_, services_.boxes, hwnd_) && onEndProgram)
        onEndProgram();
}

void MainForm::Unload() {
    if (!hwnd_)
        return;
    if (IsWindowVisible(hwnd_)) {
        RECT rc;
        GetWindowRect(hwnd_, &rc);
        const int dpi = WindowDpi(hwnd_);
        SaveMainPosition(services_.settings, static_cast<float>(PixelsToTwips(rc.left, dpi)),
                         static_cast<float>(PixelsToTwips(rc.top, dpi)));
    }
    tray_.reset();
    KillTimer(hwnd_, TimerChkNew);
    KillTimer(hwnd_, TimerAlive);
    Frame::Unload();
}

void MainForm::popupMainMenu(const POINT* at) {
    const auto servers = list_.BuildServerMenu();
    // The polls go on while the menu is open and may drop an entry: a choice
    // is found again by its console's handle, not by its place.
    serverMenuHandles_.clear();
    for (std::size_t i = 0; i < servers.size(); ++i)
        serverMenuHandles_.push_back(list_.lstServer_List(static_cast<int>(i)));
    HMENU menu = CreatePopupMenu();
    if (serversMenuVisible_) {
        HMENU sub = CreatePopupMenu();
        for (std::size_t i = 0; i < servers.size(); ++i)
            AppendMenuA(sub, MF_STRING | (servers[i].checked ? MF_CHECKED : 0),
                        MenuServer + static_cast<UINT>(i), servers[i].caption.c_str());
        AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "Servers");
    }
    AppendMenuA(menu, MF_STRING, MenuHideAll, "Hide All");
    AppendMenuA(menu, MF_STRING, MenuUnhideAll, "Unhide All");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, MenuStart, "Start Server");
    AppendMenuA(menu, MF_STRING | MF_GRAYED, MenuCfg, "CFG Editor");
    AppendMenuA(menu, MF_STRING | MF_GRAYED, MenuMapCycle, "Map Cycle");
    AppendMenuA(menu, MF_STRING | MF_GRAYED, MenuMotd, "MOTD");
    AppendMenuA(menu, MF_STRING | MF_GRAYED, MenuOptions, "Options");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, MenuReportBug, "Report Bug");
    AppendMenuA(menu, MF_STRING, MenuAbout, "About");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, MenuMin, mnuMinCaption_.c_str());
    AppendMenuA(menu, MF_STRING, MenuExit, "Exit");
    runMenuCommand(ShowPopupMenu(menu, hwnd_, at));
}

void MainForm::popupListMenu() {
    const std::string hideCaption = list_.contextMenuHideCaption();
    if (hideCaption.empty())
        return;
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, MenuHideServer, hideCaption.c_str());
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, MenuHideAll, "Hide All");
    AppendMenuA(menu, MF_STRING, MenuUnhideAll, "Unhide All");
    runMenuCommand(ShowPopupMenu(menu, hwnd_));
}

void MainForm::runMenuCommand(UINT command) {
    if (command >= MenuServer) {
        const std::size_t chosen = command - MenuServer;
        if (chosen >= serverMenuHandles_.size())
            return;
        for (int i = 0; i < list_.lstServer_Count(); ++i)
            if (list_.lstServer_List(i) == serverMenuHandles_[chosen])
                list_.toggleEntry(i);
        return;
    }
    switch (command) {
    case MenuHideAll:
        list_.hideAll();
        break;
    case MenuUnhideAll:
        list_.unhideAll();
        break;
    case MenuHideServer:
        list_.toggleCurrent();
        break;
    case MenuStart:
        if (onStartServer)
            onStartServer();
        break;
    case MenuReportBug:
        services_.shell.execute(hwnd_, "Open", about::ReportAddress, "", "", ShowNormal);
        break;
    case MenuAbout:
        if (onAbout)
            onAbout();
        break;
    case MenuMin:
        if (TrayMenuMinChosen(mnuMinCaption_) == TrayMinAction::Hide)
            minimize();
        else if (TrayMenuMinChosen(mnuMinCaption_) == TrayMinAction::Show)
            restore();
        break;
    case MenuExit:
        exit();
        break;
    default:
        break;
    }
}

void MainForm::paintFrameLines(HDC dc) {
    RECT list;
    GetWindowRect(lstServers_.hwnd(), &list);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&list), 2);
    InflateRect(&list, 1, 1);
    FrameRect(dc, &list, SolidBrush(colour::Orange));
    RECT line{px(ListPlace.left), px(SeparatorTop), px(ListPlace.left + ListPlace.width),
              px(SeparatorTop) + std::max(1, px(15))};
    FillRect(dc, &line, SolidBrush(colour::Orange));
}

LRESULT MainForm::handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_TIMER:
        if (wp == TimerChkNew)
            list_.tChkNew();
        else if (wp == TimerAlive)
            list_.chkAlive();
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd_, &ps);
        paintFrameLines(dc);
        EndPaint(hwnd_, &ps);
        return 0;
    }
    case AddTrayIconMessage:
        addTrayIcon();
        return 0;
    case DM_GETDEFID:
        // Enter renames while the new name is being typed.
        if (GetFocus() == txtName2_.field() && cmdRename_.enabled())
            return MAKELRESULT(IdRename, DC_HASDEFID);
        return 0;
    }
    return Frame::handle(msg, wp, lp);
}

}  // namespace vantry::win
