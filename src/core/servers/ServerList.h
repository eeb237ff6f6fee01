#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/catalogue/PipeList.h"
#include "core/platform/DesktopWindows.h"
#include "core/ui/ListControl.h"
#include "core/ui/MenuModel.h"

namespace vantry {

// Captions and texts of the main window that a user sees.
namespace mainwin {
inline constexpr char HideCaption[] = "&Hide";
inline constexpr char UnhideCaption[] = "Un&hide";
inline constexpr char HideServer[] = "Hide Server";
inline constexpr char UnhideServer[] = "Unhide Server";
inline constexpr char ConsolePrefix[] = "HLDS";
inline constexpr char NameSeparator[] = " - ";
inline constexpr int PollMilliseconds = 1500;
}  // namespace mainwin

// The server list as the main window shows it: lstServers with its entries
// and marks (ticked: the console is shown), the detail fields and the entry
// buttons. The entries live in the list control, as the user sees and toggles them.
class ServerListView {
public:
    virtual ~ServerListView() = default;

    virtual CheckListControl& lstServers() = 0;

    virtual std::string name1() = 0;
    virtual void setName1(const std::string& text) = 0;
    virtual std::string name2() = 0;
    virtual void setName2(const std::string& text) = 0;
    virtual void setHideCaption(const std::string& caption) = 0;
    virtual void enableEntryButtons() = 0;

    virtual bool windowVisible() = 0;
    virtual void focusWindow() = 0;
};

// The main window's server list and its commands: the live list of console
// windows, found by polling, with the handle list kept in step.
class ServerList {
public:
    ServerList(ServerListView& view, DesktopWindows& desktop) : view_(view), desktop_(desktop) {}

    // ServerHandles: one decimal handle and "|" per list entry, in list order.
    void lstServer_Add(DesktopWindow handle);
    int lstServer_Count() const { return handles_.Count(); }
    std::string lstServer_List(int index) const;  // 0-based; empty outside the list
    void lstServer_Remove(int index);
    const std::string& handlesText() const { return handles_.text(); }

    std::string WindowTitle(DesktopWindow handle);
    void AddServerWindow(const std::string& title, DesktopWindow handle);
    void ShowServerDetails();
    // The "Servers" submenu: an entry a console, in list order, ticked while it
    // is shown; entry i has the command firstCommand + i.
    Menu BuildServerMenu(int firstCommand);

    // A console about to be listed, with the title it is to be listed with,
    // which its claimer may change.
    std::function<void(DesktopWindow console, std::string& title)> onConsoleFound;
    // The console of an entry; 0 outside the list.
    DesktopWindow consoleAt(int index) const { return handleAt(index); }

    // The two 1.5-second ticks: new consoles are listed; closed ones are
    // dropped and the marks of the others put right.
    void tChkNew();
    void chkAlive();

    // lstServers events.
    void onListClick();
    void onListKeyUp() { ShowServerDetails(); }
    // The caption of the context menu's first entry for the current entry, or
    // empty when the list is empty and no menu is to open.
    std::string contextMenuHideCaption();

    // Commands.
    void toggleCurrent();        // cmdHide, mnuHide
    void toggleEntry(int index);  // an element of the tray's Servers submenu
    void hideAll();
    void unhideAll();
    void rename();               // cmdRename, with the name in txtName2
    bool anyHidden();

private:
    DesktopWindow handleAt(int index) const;
    // The handles of the list's entries, read from ServerHandles at once.
    std::vector<DesktopWindow> listedHandles() const;
    void setShown(int index, bool shown, bool refreshText);

    ServerListView& view_;
    DesktopWindows& desktop_;
    PipeList handles_;
    // The console whose names the detail fields show; 0 for none.
    DesktopWindow detailsOf_ = 0;
};

}  // namespace vantry
