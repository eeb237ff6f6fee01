#pragma once

#include <memory>
#include <string>
#include <vector>

#include "catalogue/PipeList.h"
#include "platform/Win32DesktopWindows.h"
#include "platform/Win32FileDialogs.h"
#include "platform/Win32FileSystem.h"
#include "platform/Win32Registry.h"
#include "platform/Win32Services.h"
#include "platform/Win32SettingsStore.h"
#include "catalogue/GameCatalogue.h"
#include "servers/LauncherForm.h"
#include "servers/MainForm.h"
#include "startup/Settings.h"
#include "ui/AboutWindow.h"
#include "ui/Chrome.h"
#include "ui/TitleWindow.h"

namespace vantry::win {

// The program object: the platform services, the set of loaded windows (each
// at most once, in load order) and the program-wide state. Nothing else is global.
class Program {
public:
    Program();
    ~Program();

    // The start routine, then the message loop until the last window is gone.
    int run(const std::string& fullCommandLine);

    void ShowMainWindow();
    void EndProgram();
    void openAbout();
    // frmServerRun: modal over the main window, or alone with "/s".
    void openLauncher(bool standalone);
    // The steps that end the program at once: no window is unloaded, nothing
    // is saved, but no tray icon is left behind.
    [[noreturn]] static void EndProgramNow();

    MainForm* mainForm() { return main_.get(); }
    TitleWindow* titleWindow() { return title_.get(); }

    Win32FileSystem fileSystem;
    Win32Registry registry;
    Win32SettingsStore settingsStore;
    Settings settings{settingsStore};
    Win32FileDialogs fileDialogs;
    Win32MessageBoxes messageBoxes;
    Win32Shell shell;
    Win32Clock clock;
    Win32DesktopWindows desktop;

    WindowSet windows;
    int LastPort = 0;
    GameLists gameLists;
    CatalogueServices catalogue;

private:
    std::unique_ptr<TitleWindow> title_;
    std::unique_ptr<MainForm> main_;
    std::unique_ptr<AboutWindow> about_;
    std::unique_ptr<LauncherForm> launcher_;
    void finishLauncher(LauncherOutcome outcome, HWND owner);
    // About boxes closed while their splash wait was still running; they are
    // freed once no wait is on the stack any more.
    std::vector<std::unique_ptr<AboutWindow>> retired_;
    int aboutLoads_ = 0;
};

}  // namespace vantry::win
