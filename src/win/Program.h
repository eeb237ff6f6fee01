#pragma once

#include <memory>
#include <string>

#include "core/catalogue/GameCatalogue.h"
#include "core/catalogue/PipeList.h"
#include "core/options/CfgAssociation.h"
#include "core/settings/Settings.h"
#include "core/ui/WindowSet.h"
#include "win/editors/CfgEditorWindow.h"
#include "win/editors/MapCycleEditorWindow.h"
#include "win/editors/MotdEditorWindow.h"
#include "win/options/OptionsWindow.h"
#include "win/platform/Win32Clipboard.h"
#include "win/platform/Win32Clock.h"
#include "win/platform/Win32DesktopWindows.h"
#include "win/platform/Win32FileDialogs.h"
#include "win/platform/Win32FileSystem.h"
#include "win/platform/Win32MessageBoxes.h"
#include "win/platform/Win32Network.h"
#include "win/platform/Win32Processes.h"
#include "win/platform/Win32Registry.h"
#include "win/platform/Win32SettingsStore.h"
#include "win/platform/Win32Shell.h"
#include "win/servers/LauncherWindow.h"
#include "win/servers/MainWindow.h"
#include "win/ui/AboutWindow.h"
#include "win/ui/OwnerWindow.h"
#include "win/ui/TitleWindow.h"

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
    bool openAbout();
    // frmServerRun: modal over the main window, or alone with "/s".
    void openLauncher(bool standalone);
    // frmCFG: modal over the main window, alone with "/c", or loaded hidden
    // for a file named on the command line.
    void openCfgEditor(CfgEditorMode mode, const std::string& path = {});
    // frmMOTD: modal over the main window, or alone with "/o".
    void openMotdEditor(bool standalone);
    // frmMapCycle: modal over the main window, or alone with "/m".
    void openMapCycleEditor(bool standalone);
    // frmOptions: modal over the main window.
    void openOptions();
    // The steps that end the program at once: no window is unloaded, nothing
    // is saved, but no tray icon is left behind.
    [[noreturn]] static void EndProgramNow();

    Win32FileSystem fileSystem;
    Win32Registry registry;
    Win32SettingsStore settingsStore;
    Settings settings{settingsStore};
    Win32FileDialogs fileDialogs;
    Win32MessageBoxes messageBoxes;
    Win32Shell shell;
    Win32DesktopWindows desktop;
    Win32Clipboard clipboard;
    Win32Processes processes;
    Win32Network network;
    Win32Clock clock;

    WindowSet windows;
    int LastPort = 0;
    GameLists gameLists;
    CatalogueServices catalogue;
    AssociationServices association;

private:
    void finishLauncher(LauncherOutcome outcome);
    // An editor, modal over the main window or alone.
    template <typename Editor, typename Services>
    void openEditor(std::unique_ptr<Editor>& editor, bool overMain, const Services& services);
    // The tool window open over the main window, closed as its exit button
    // does; false while it stays open.
    bool closeToolWindows();
    // The main window and the title window go and come back as ShowIn now
    // says, while the options window stays open over them.
    void showMainWindowAgain();

    std::unique_ptr<TitleWindow> title_;
    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<AboutWindow> about_;
    std::unique_ptr<LauncherWindow> launcher_;
    std::unique_ptr<CfgEditorWindow> cfgEditor_;
    std::unique_ptr<MotdEditorWindow> motdEditor_;
    std::unique_ptr<MapCycleEditorWindow> mapCycleEditor_;
    std::unique_ptr<OptionsWindow> options_;
    OwnerWindow mainOwner_{[this] { return main_ ? main_->hwnd() : nullptr; }};
};

}  // namespace vantry::win
