#pragma once

#include <functional>
#include <memory>
#include <string>

#include "core/servers/MainPresenter.h"
#include "win/ui/CheckListBox.h"
#include "win/ui/Frame.h"
#include "win/ui/TextField.h"
#include "win/ui/TrayIcon.h"

namespace vantry::win {

// frmMain: the live list of server consoles with the commands that hide, show
// and rename them, the buttons of the tool windows, the tray icon and menus.
class MainWindow : public Frame, private MainView {
public:
    // Control ids, stable for keyboard navigation and for tests.
    enum : int {
        IdList = 100, IdName1, IdName2, IdHide, IdRename, IdStart, IdCfgEditor, IdMapCycle,
        IdMotd, IdOptions, IdIcon
    };

    MainWindow(WindowSet& windows, const MainServices& services);
    ~MainWindow() override;

    // The load step. The owner is the title window when the program has a
    // taskbar button; without one, the window is a tool window, which gets none.
    bool load(HWND owner);
    void startPolling();

    MainPresenter& presenter() { return presenter_; }

    // What the program does for the window.
    std::function<void()> onEndProgram;
    std::function<bool()> onAbout;
    std::function<void()> onStartServer;
    std::function<void()> onCfgEditor;
    std::function<void()> onOptions;
    // Closes the open tool windows, each as its exit button does; false
    // while one stays open.
    std::function<bool()> onCloseToolWindows;
    std::function<void()> onMapCycleEditor;
    std::function<void()> onMotdEditor;
    std::function<void(bool minimized)> onTitleWindowState;

    void unload() override;

private:
    // MainView
    CheckListControl& lstServers() override { return lstServers_; }
    std::string name1() override { return txtName1_.text(); }
    void setName1(const std::string& text) override { txtName1_.setText(text); }
    std::string name2() override { return txtName2_.text(); }
    void setName2(const std::string& text) override { txtName2_.setText(text); }
    void setHideCaption(const std::string& caption) override { cmdHide_.setCaption(caption); }
    void enableEntryButtons() override;
    bool windowVisible() override { return IsWindowVisible(hwnd_) != FALSE; }
    void focusWindow() override;
    bool windowEnabled() override { return IsWindowEnabled(hwnd_) != FALSE; }
    void setWindowEnabled(bool enabled) override { EnableWindow(hwnd_, enabled); }
    void showWindow(bool shown) override;
    void activateModalWindow() override { SetForegroundWindow(GetLastActivePopup(hwnd_)); }
    void setTitleWindowMinimized(bool minimized) override;
    Rect windowTwips() override { return placeTwips(); }
    void addTrayIcon() override;
    void showBalloon(const std::string& title, const std::string& text, bool error) override;
    void flashTaskbarButton() override;
    int popupMenu(const Menu& menu, MenuAnchor anchor) override;
    WindowHandle windowHandle() override { return hwnd_; }
    bool openAbout() override { return onAbout && onAbout(); }
    void openLauncher() override;
    void openCfgEditor() override {
        if (onCfgEditor)
            onCfgEditor();
    }
    void openMapCycleEditor() override {
        if (onMapCycleEditor)
            onMapCycleEditor();
    }
    void openMotdEditor() override {
        if (onMotdEditor)
            onMotdEditor();
    }
    void openOptions() override {
        if (onOptions)
            onOptions();
    }
    bool closeToolWindows() override { return !onCloseToolWindows || onCloseToolWindows(); }
    void endProgram() override;

    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override;
    void onExit() override { presenter_.exit(); }
    void onEscape() override {}  // the main window stays; Alt+F4 and the exit button end the program
    void onTrayActivate() override { presenter_.onTrayActivate(); }
    void onTrayMenu() override { presenter_.onTrayMenuRequest(); }
    void createControls();
    void paintFrameLines(HDC dc);

    MainPresenter presenter_;
    Label imIcon_, lbServers_, lbServerName_;
    CheckListBox lstServers_;
    TextField txtName1_, txtName2_;
    FlatButton cmdHide_, cmdRename_, cmdStart_, cmdCFGEdit_, cmdMapCycle_, cmdMOTD_, cmdOptions_;
    UniqueIcon smallIcon_;
};

}  // namespace vantry::win
