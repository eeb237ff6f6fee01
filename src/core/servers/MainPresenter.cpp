#include "core/servers/MainPresenter.h"

#include <cmath>

#include "core/ui/AboutPresenter.h"
#include "core/ui/Mouse.h"

namespace vantry {

namespace {
// The main window has a tray icon unless the taskbar alone was chosen.
bool HasTrayIcon(int showInMode) { return showInMode == 0 || showInMode == 2; }
}  // namespace

Rect MainWindowPlace(const Settings& settings, int screenWidthTwips, const Rect& windowTwips) {
    const float centred = (screenWidthTwips - windowTwips.width) / 2.0f;
    return {static_cast<int>(std::lround(settings.mainX(centred))),
            static_cast<int>(std::lround(settings.mainY())), windowTwips.width, windowTwips.height};
}

MainPresenter::MainPresenter(MainView& view, MainServices services)
    : view_(view),
      s_(services),
      list_(view, services.desktop),
      watchdogServices_{services.settings, services.fs, services.processes, services.clock, services.desktop},
      watchdog_(*this, watchdogServices_) {
    list_.onConsoleFound = [this](DesktopWindow console, std::string& title) {
        watchdog_.onConsoleFound(console, title);
    };
}

void MainPresenter::onAliveTick() {
    list_.chkAlive();
    watchdog_.tick();
}

void MainPresenter::notify(const std::string& text, bool error) {
    if (HasTrayIcon(ShowInMode(s_.settings)))
        view_.showBalloon(watchdog::NoticeTitle, text, error);
    else
        view_.flashTaskbarButton();
}

DesktopWindow MainPresenter::currentConsole() const {
    const int current = view_.lstServers().current();
    return current >= 0 ? list_.consoleAt(current) : 0;
}

void MainPresenter::onLoad() {
    if (HasTrayIcon(ShowInMode(s_.settings)))
        view_.addTrayIcon();
    s_.lastPort = mainwin::FirstLastPort;
}

void MainPresenter::onUnload() {
    if (!view_.windowVisible())
        return;
    const Rect place = view_.windowTwips();
    s_.settings.setMainY(static_cast<float>(place.top));
    s_.settings.setMainX(static_cast<float>(place.left));
}

void MainPresenter::onTrayMenuRequest() {
    const auto action =
        TrayMenuTurn(view_.windowEnabled(), view_.windowVisible(), [this] { view_.activateModalWindow(); });
    if (!action)
        return;
    trayMin_ = *action;
    runMenu(trayMenu(), MenuAnchor::Cursor);
}

void MainPresenter::onIconClick() { runMenu(trayMenu(), MenuAnchor::BelowIcon); }

void MainPresenter::onListMouseUp(int button) {
    if (button == mouse::Right && view_.lstServers().count() > 0 && view_.lstServers().current() >= 0)
        runMenu(listMenu(), MenuAnchor::Cursor);
    list_.ShowServerDetails();
}

void MainPresenter::onAbout() {
    // Disabled first: nothing behind the box is to be used while it is up.
    view_.setWindowEnabled(false);
    if (!view_.openAbout())
        view_.setWindowEnabled(true);
}

// ShowIn is read at every minimize and restore: the options window may have
// changed it since the window loaded.
void MainPresenter::minimize() {
    if (MinimizesByTitleWindow(ShowInMode(s_.settings)))
        view_.setTitleWindowMinimized(true);
    else
        view_.showWindow(false);
}

void MainPresenter::restore() {
    if (MinimizesByTitleWindow(ShowInMode(s_.settings)))
        view_.setTitleWindowMinimized(false);
    else
        view_.showWindow(true);
}

void MainPresenter::exit() {
    if (!view_.closeToolWindows())
        return;
    if (list_.anyHidden() &&
        s_.boxes.show(view_.windowHandle(), mainwin::ExitQuestion, mainwin::ExitTitle, mainwin::ExitStyle) ==
            mb::No)
        return;
    view_.endProgram();
}

Menu MainPresenter::trayMenu() {
    using namespace mainwin;
    Menu menu;
    menuHandles_.clear();
    const Menu servers = list_.BuildServerMenu(ServerCommand);
    if (!servers.empty()) {
        for (int i = 0; i < static_cast<int>(servers.size()); ++i)
            menuHandles_.push_back(list_.lstServer_List(i));
        MenuItem sub{0, "Servers"};
        sub.submenu = servers;
        menu.push_back(std::move(sub));
    }
    menu.insert(menu.end(), {
        {HideAllCommand, "Hide All"},
        {UnhideAllCommand, "Unhide All"},
        Separator(),
        {StartCommand, "Start Server"},
        {CfgCommand, "CFG Editor"},
        {MapCycleCommand, "Map Cycle"},
        {MotdCommand, "MOTD"},
        {OptionsCommand, "Options"},
        Separator(),
        {ReportBugCommand, "Report Bug"},
        {AboutCommand, "About"},
        Separator(),
        {MinCommand, CaptionOf(trayMin_)},
        {ExitCommand, "Exit"},
    });
    return menu;
}

Menu MainPresenter::listMenu() {
    using namespace mainwin;
    const std::optional<bool> watched = watchdog_.watched(currentConsole());
    MenuItem restart{RestartCommand, watchdog::MenuCaption};
    restart.enabled = watched.has_value();
    restart.checked = watched.value_or(false);
    return {{HideServerCommand, list_.contextMenuHideCaption()},
            Separator(),
            {HideAllCommand, "Hide All"},
            {UnhideAllCommand, "Unhide All"},
            Separator(),
            restart};
}

void MainPresenter::runMenu(const Menu& menu, MenuAnchor anchor) {
    if (const int command = view_.popupMenu(menu, anchor))
        onMenuCommand(command);
}

void MainPresenter::onMenuCommand(int command) {
    using namespace mainwin;
    if (command >= ServerCommand) {
        const auto chosen = static_cast<std::size_t>(command - ServerCommand);
        if (chosen >= menuHandles_.size())
            return;
        for (int i = 0; i < list_.lstServer_Count(); ++i)
            if (list_.lstServer_List(i) == menuHandles_[chosen])
                list_.toggleEntry(i);
        return;
    }
    switch (command) {
    case HideAllCommand:
        list_.hideAll();
        break;
    case UnhideAllCommand:
        list_.unhideAll();
        break;
    case HideServerCommand:
        list_.toggleCurrent();
        break;
    case RestartCommand:
        watchdog_.toggleWatched(currentConsole());
        break;
    case StartCommand:
        onStartServer();
        break;
    case CfgCommand:
        onCfgEditor();
        break;
    case MapCycleCommand:
        onMapCycleEditor();
        break;
    case MotdCommand:
        onMotdEditor();
        break;
    case OptionsCommand:
        onOptions();
        break;
    case ReportBugCommand:
        // Shown normally: a browser started hidden would look like nothing happened.
        s_.shell.execute(view_.windowHandle(), "Open", about::ReportAddress, "", "", ShowNormal);
        break;
    case AboutCommand:
        onAbout();
        break;
    case MinCommand:
        if (trayMin_ == TrayMinAction::Minimize)
            minimize();
        else
            restore();
        break;
    case ExitCommand:
        exit();
        break;
    default:
        break;
    }
}

}  // namespace vantry
