#pragma once

#include <string>
#include <vector>

#include "catalogue/PipeList.h"
#include "platform/DesktopWindows.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"
#include "platform/WindowHandle.h"
#include "startup/Settings.h"

namespace vantry {

// Captions and texts of the main window that a user sees.
namespace mainwin {
inline constexpr char HideCaption[] = "&Hide";
inline constexpr char UnhideCaption[] = "Un&hide";
inline constexpr char HideServer[] = "Hide Server";
inline constexpr char UnhideServer[] = "Unhide Server";
inline constexpr char ExitQuestion[] = "Exit although you currently have hidden servers?";
inline constexpr char ExitTitle[] = "Exit";
inline constexpr unsigned ExitStyle = mb::YesNo | mb::Question;  // 36
inline constexpr char ConsolePrefix[] = "HLDS";
inline constexpr char ConsoleClass[] = "tty";
inline constexpr char NameSeparator[] = " - ";
inline constexpr int PollMilliseconds = 1500;
}  // namespace mainwin

// One line of the tray menu's "Servers" submenu.
struct ServerMenuItem {
    std::string caption;
    bool checked;
};

// What the main window shows; the window implements it over its controls, the
// tests over plain fields. The list's entries and marks live in the list
// control, as the user sees and toggles them.
class MainView {
public:
    virtual ~MainView() = default;

    // lstServers: entry text and mark (ticked: the console is shown).
    virtual int entryCount() = 0;
    virtual int currentEntry() = 0;  // -1 when none
    virtual std::string entryText(int index) = 0;
    virtual bool entryTicked(int index) = 0;
    virtual void addEntry(const std::string& text, bool ticked) = 0;
    virtual void removeEntry(int index) = 0;
    virtual void setEntryText(int index, const std::string& text) = 0;
    virtual void setEntryTicked(int index, bool ticked) = 0;

    // The detail fields and the entry buttons.
    virtual std::string name1() = 0;
    virtual void setName1(const std::string& text) = 0;
    virtual std::string name2() = 0;
    virtual void setName2(const std::string& text) = 0;
    virtual void setHideCaption(const std::string& caption) = 0;
    virtual void enableEntryButtons() = 0;

    // The "Servers" submenu of the tray menu: hidden while the list is empty.
    virtual void setServersMenuVisible(bool visible) = 0;

    virtual bool windowVisible() = 0;
    virtual void focusWindow() = 0;
    virtual WindowHandle windowHandle() = 0;
};

// The main window's server list and its commands: the live list of console
// windows, found by polling, with the handle list kept in step.
class ServerList {
public:
    ServerList(MainView& view, DesktopWindows& desktop) : view_(view), desktop_(desktop) {}

    // ServerHandles: one decimal handle and "|" per list entry, in list order.
    void lstServer_Add(DesktopWindow handle);
    void Server_Clear() { handles_.Clear(); }
    int lstServer_Count() const { return handles_.Count(); }
    std::string lstServer_List(int index) const;  // 0-based; empty outside the list
    void lstServer_Remove(int index);
    const std::string& handlesText() const { return handles_.text(); }

    std::string WindowTitle(DesktopWindow handle);
    void AddServerWindow(const std::string& title, DesktopWindow handle);
    void ShowServerDetails();
    std::vector<ServerMenuItem> BuildServerMenu();

    // The two 1.5-second ticks.
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
    void setShown(int index, bool shown, bool refreshText);

    MainView& view_;
    DesktopWindows& desktop_;
    PipeList handles_;
};

// Where minimize and restore go: with the tray only (ShowIn 0) the main window
// itself hides and shows; otherwise the title window that carries the taskbar
// button is minimized and restored.
inline bool MinimizesByTitleWindow(int showInMode) { return showInMode == 1 || showInMode == 2; }
// The main window has a tray icon unless the taskbar alone was chosen.
inline bool HasTrayIcon(int showInMode) { return showInMode == 0 || showInMode == 2; }

// The port counter's start: the launcher's first proposal is one more.
inline constexpr int FirstLastPort = 27014;

// The main window remembers where it was only when it closes while visible.
void SaveMainPosition(Settings& settings, float leftTwips, float topTwips);

// The exit step: ends the program at once unless a console is hidden, in
// which case it asks first and ends unless the answer is No.
bool ConfirmExit(ServerList& list, MessageBoxes& boxes, WindowHandle owner);

}  // namespace vantry
