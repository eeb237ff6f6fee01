#pragma once

#include <string>
#include <vector>

#include "core/platform/DesktopWindows.h"
#include "core/platform/MessageBoxes.h"
#include "core/platform/Shell.h"
#include "core/platform/WindowHandle.h"
#include "core/servers/ServerList.h"
#include "core/servers/Watchdog.h"
#include "core/settings/Settings.h"
#include "core/startup/StartUp.h"
#include "core/ui/Geometry.h"
#include "core/ui/MenuModel.h"
#include "core/ui/TrayMenu.h"

namespace vantry {

namespace mainwin {
inline constexpr char ExitQuestion[] = "Exit although you currently have hidden servers?";
inline constexpr char ExitTitle[] = "Exit";
inline constexpr unsigned ExitStyle = mb::YesNo | mb::Question;  // 36

// The port counter's start: the launcher's first proposal is one more.
inline constexpr int FirstLastPort = 27014;

// The commands of the tray, icon and list menus; the Servers submenu's entry i
// is ServerCommand + i.
enum Command : int {
    HideAllCommand = 10, UnhideAllCommand, StartCommand, CfgCommand, MapCycleCommand, MotdCommand,
    OptionsCommand, ReportBugCommand, AboutCommand, MinCommand, ExitCommand, HideServerCommand,
    RestartCommand, ServerCommand = 1000
};
}  // namespace mainwin

// Where minimize and restore go: with the tray only (ShowIn 0) the main window
// itself hides and shows; otherwise the title window that carries the taskbar
// button is minimized and restored.
inline bool MinimizesByTitleWindow(int showInMode) { return showInMode == 1 || showInMode == 2; }

// Where ShowMainWindow puts the main window: at the stored position, else 35
// twips from the top and centred horizontally on the screen.
Rect MainWindowPlace(const Settings& settings, int screenWidthTwips, const Rect& windowTwips);

// Where a popup menu of the main window opens.
enum class MenuAnchor { Cursor, BelowIcon };

// What the main window is told and asked beyond its server list.
class MainView : public ServerListView {
public:
    virtual bool windowEnabled() = 0;
    virtual void setWindowEnabled(bool enabled) = 0;
    // Hides or shows the main window itself (the tray-only minimize).
    virtual void showWindow(bool shown) = 0;
    // Activates the window that keeps the main window disabled (a tool window
    // or the About box).
    virtual void activateModalWindow() = 0;
    virtual void setTitleWindowMinimized(bool minimized) = 0;
    // The window's place on the screen, in twips.
    virtual Rect windowTwips() = 0;
    // Adds the tray icon once the window is up.
    virtual void addTrayIcon() = 0;
    // A notice on the tray icon, with the warning or the error icon.
    virtual void showBalloon(const std::string& title, const std::string& text, bool error) = 0;
    // Flashes the taskbar button until the main window is next activated.
    virtual void flashTaskbarButton() = 0;
    // Pops the menu up and returns the chosen command, 0 for none.
    virtual int popupMenu(const Menu& menu, MenuAnchor anchor) = 0;
    virtual WindowHandle windowHandle() = 0;

    // The other windows, which the program owns.
    virtual bool openAbout() = 0;  // false when it could not be opened
    virtual void openLauncher() = 0;
    virtual void openCfgEditor() = 0;
    virtual void openMapCycleEditor() = 0;
    virtual void openMotdEditor() = 0;
    virtual void openOptions() = 0;
    // Closes each open tool window as its own close button would, with its
    // question; false while one of them stays open.
    virtual bool closeToolWindows() = 0;
    virtual void endProgram() = 0;
};

struct MainServices {
    Settings& settings;
    DesktopWindows& desktop;
    MessageBoxes& boxes;
    Shell& shell;
    int& lastPort;  // the program-wide port counter
    FileSystem& fs;
    Processes& processes;
    Clock& clock;
};

// frmMain's rules: the server list and its commands, the tray and icon menus,
// minimize and restore by the ShowIn mode, exit, and what loading and
// unloading the window store.
class MainPresenter : private WatchdogNotices {
public:
    MainPresenter(MainView& view, MainServices services);

    ServerList& servers() { return list_; }
    // The poll's two ticks: new consoles; closed ones, the marks, and the watchdog.
    void onNewConsolesTick() { list_.tChkNew(); }
    void onAliveTick();

    void onLoad();
    // Remembers the position only when the window closes while visible.
    void onUnload();
    // Log-off or shutdown: the program ends, in every ShowIn mode, without asking.
    void onEndSession() { view_.endProgram(); }

    void onTrayActivate() { restore(); }
    // The tray menu opens only while the main window is enabled; otherwise the
    // window that holds it disabled comes forward.
    void onTrayMenuRequest();
    void onIconClick();
    // The right button's menu comes first, then the details of the entry it picked.
    void onListMouseUp(int button);

    void onStartServer() { view_.openLauncher(); }
    void onCfgEditor() { view_.openCfgEditor(); }
    void onMapCycleEditor() { view_.openMapCycleEditor(); }
    void onMotdEditor() { view_.openMotdEditor(); }
    void onOptions() { view_.openOptions(); }
    void onAbout();
    void onAboutClosed() { view_.setWindowEnabled(true); }
    void minimize();
    void restore();
    // The exit button, the tray menu's Exit and the taskbar button's Close:
    // every open tool window closes first, asking its own question, and one
    // that stays open keeps the program. Then the program ends at once unless
    // a console is hidden; then it asks, and ends unless the answer is No.
    void exit();

    // The menus as the window draws them.
    Menu trayMenu();
    Menu listMenu();
    void onMenuCommand(int command);

private:
    void runMenu(const Menu& menu, MenuAnchor anchor);
    // A balloon on the tray icon; with no tray icon, the taskbar button flashes.
    void notify(const std::string& text, bool error) override;
    DesktopWindow currentConsole() const;

    MainView& view_;
    MainServices s_;
    ServerList list_;
    WatchdogServices watchdogServices_;
    Watchdog watchdog_;
    // The icon menu offers what the last tray opening chose.
    TrayMinAction trayMin_ = TrayMinAction::Minimize;
    // The consoles of the Servers submenu as it was built: the polls go on
    // while the menu is open and may drop an entry, so a choice is found again
    // by its console's handle, not by its place.
    std::vector<std::string> menuHandles_;
};

}  // namespace vantry
