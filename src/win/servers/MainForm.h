#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/DesktopWindows.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"
#include "servers/MainWindow.h"
#include "servers/ServerListBox.h"
#include "startup/Settings.h"
#include "ui/Frame.h"
#include "ui/TextField.h"
#include "ui/TrayIcon.h"

namespace vantry::win {

struct MainFormServices {
    Settings& settings;
    DesktopWindows& desktop;
    MessageBoxes& boxes;
    Shell& shell;
};

// frmMain: the live list of server consoles with the commands that hide, show
// and rename them, the buttons of the tool windows, the tray icon and menus.
class MainForm : public Frame, private MainView {
public:
    // Control ids, stable for keyboard navigation and for tests.
    enum : int {
        IdList = 100, IdName1, IdName2, IdHide, IdRename, IdStart, IdCfgEditor, IdMapCycle,
        IdMotd, IdOptions, IdIcon
    };

    MainForm(WindowSet& windows, const MainFormServices& services);
    ~MainForm() override;

    // The load step: the window, its tray icon when ShowIn asks for one. The
    // owner is the title window when the program has a taskbar button.
    bool load(HWND owner, int showInMode);
    void startPolling();

    ServerList& servers() { return list_; }
    ServerListBox& serverList() { return lstServers_; }
    TextField& nameField() { return txtName2_; }
    FlatButton& button(int id);
    TrayIcon* trayIcon() { return tray_.get(); }

    // The tray icon, when ShowIn asks for one; normally added just after load.
    void addTrayIcon();
    void minimize();
    void restore();
    void exit();

    std::function<void()> onEndProgram;
    std::function<void()> onAbout;
    std::function<void()> onStartServer;
    std::function<void(bool minimized)> onTitleWindowState;

    void Unload() override;

private:
    // MainView
    int entryCount() override { return lstServers_.count(); }
    int currentEntry() override { return lstServers_.current(); }
    std::string entryText(int index) override { return lstServers_.text(index); }
    bool entryTicked(int index) override { return lstServers_.ticked(index); }
    void addEntry(const std::string& text, bool ticked) override { lstServers_.add(text, ticked); }
    void removeEntry(int index) override { lstServers_.remove(index); }
    void setEntryText(int index, const std::string& text) override { lstServers_.setText(index, text); }
    void setEntryTicked(int index, bool ticked) override { lstServers_.setTicked(index, ticked); }
    std::string name1() override { return txtName1_.text(); }
    void setName1(const std::string& text) override { txtName1_.setText(text); }
    std::string name2() override { return txtName2_.text(); }
    void setName2(const std::string& text) override { txtName2_.setText(text); }
    void setHideCaption(const std::string& caption) override;
    void enableEntryButtons() override;
    void setServersMenuVisible(bool visible) override { serversMenuVisible_ = visible; }
    bool windowVisible() override { return IsWindowVisible(hwnd_) != FALSE; }
    void focusWindow() override;
    WindowHandle windowHandle() override { return hwnd_; }

    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override;
    void onExit() override { exit(); }
    void createControls();
    void popupMainMenu(const POINT* at);  // at the cursor when null
    void popupListMenu();
    void runMenuCommand(UINT command);
    void paintFrameLines(HDC dc);

    MainFormServices services_;
    ServerList list_;
    int showInMode_ = 2;
    bool serversMenuVisible_ = false;
    std::string mnuMinCaption_ = TrayMenuMinimize;
    std::vector<std::string> serverMenuHandles_;  // the Servers submenu's consoles, in its order

    Label imIcon_, lbServers_, lbServerName_;
    ServerListBox lstServers_;
    TextField txtName1_, txtName2_;
    FlatButton cmdHide_, cmdRename_, cmdStart_, cmdCFGEdit_, cmdMapCycle_, cmdMOTD_, cmdOptions_;
    std::unique_ptr<TrayIcon> tray_;
    UniqueIcon smallIcon_;
};

}  // namespace vantry::win
