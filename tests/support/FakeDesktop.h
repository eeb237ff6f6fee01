#pragma once

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/platform/DesktopWindows.h"
#include "core/servers/MainPresenter.h"
#include "FakeListControl.h"

namespace vantry::fakes {

// Top-level windows in window order, the first one on top. A new window goes to
// the bottom, so the order is that of the handles.
class FakeDesktopWindows : public DesktopWindows {
public:
    struct Window {
        std::string className, title;
        bool visible;
        bool ofProgram = false;  // of this or another running copy of the program
        bool hung = false;       // answers no message: it is neither retitled, shown nor hidden
    };

    DesktopWindow add(const std::string& className, const std::string& title, bool visible = true) {
        windows_[next_] = {className, title, visible};
        return next_++;
    }
    void close(DesktopWindow h) { windows_.erase(h); }
    Window* find(DesktopWindow h) {
        const auto it = windows_.find(h);
        return it == windows_.end() ? nullptr : &it->second;
    }

    std::vector<DesktopWindow> topLevel() override {
        std::vector<DesktopWindow> all;
        for (const auto& [handle, window] : windows_)
            all.push_back(handle);
        return all;
    }
    bool ofThisProgram(DesktopWindow h) override { return find(h) && find(h)->ofProgram; }
    std::string title(DesktopWindow h) override { return find(h) ? find(h)->title : std::string(); }
    bool isVisible(DesktopWindow h) override { return find(h) && find(h)->visible; }
    void setVisible(DesktopWindow h, bool visible) override {
        if (Window* w = find(h); w && !w->hung)
            w->visible = visible;
    }
    bool setTitle(DesktopWindow h, const std::string& title) override {
        Window* w = find(h);
        if (!w || w->hung)
            return false;
        w->title = title;
        return true;
    }

private:
    std::map<DesktopWindow, Window> windows_;
    DesktopWindow next_ = 1000;
};

// The main window in memory: the list's entries and marks, the fields, and a
// record of everything else it was told. Menus answer from a script.
class FakeMainView : public MainView {
public:
    CheckListControl& lstServers() override { return lstServers_; }
    std::string name1() override { return name1Text; }
    void setName1(const std::string& t) override { name1Text = t; }
    std::string name2() override { return name2Text; }
    void setName2(const std::string& t) override { name2Text = t; }
    void setHideCaption(const std::string& c) override { hideCaption = c; }
    void enableEntryButtons() override { buttonsEnabled = true; }
    bool windowVisible() override { return visible; }
    void focusWindow() override { ++focused; }

    bool windowEnabled() override { return enabled; }
    void setWindowEnabled(bool e) override { enabled = logged(e ? "enable" : "disable", e); }
    void showWindow(bool shown) override { visible = logged(shown ? "show" : "hide", shown); }
    void activateModalWindow() override { log.push_back("activate modal"); }
    void setTitleWindowMinimized(bool min) override { log.push_back(min ? "minimize title" : "restore title"); }
    Rect windowTwips() override { return place; }
    void addTrayIcon() override { log.push_back("tray icon"); }
    void showBalloon(const std::string& title, const std::string& text, bool error) override {
        log.push_back(std::string(error ? "error " : "warning ") + title + ": " + text);
    }
    void flashTaskbarButton() override { log.push_back("flash"); }
    int popupMenu(const Menu& menu, MenuAnchor anchor) override {
        menus.push_back(menu);
        log.push_back(anchor == MenuAnchor::Cursor ? "menu at cursor" : "menu below icon");
        if (onMenu)
            onMenu();
        return chosen.empty() ? 0 : std::exchange(chosen, {}).front();
    }
    WindowHandle windowHandle() override { return nullptr; }
    bool openAbout() override { return logged("about", aboutOpens); }
    void openLauncher() override { log.push_back("launcher"); }
    void openCfgEditor() override { log.push_back("cfg editor"); }
    void openMapCycleEditor() override { log.push_back("map cycle editor"); }
    void openMotdEditor() override { log.push_back("motd editor"); }
    void openOptions() override { log.push_back("options"); }
    bool closeToolWindows() override { return logged("close tool windows", toolWindowsClose); }
    void endProgram() override { log.push_back("end"); }
    // What the window was told goes into the log; its answer is passed on.
    bool logged(const char* told, bool answer) {
        log.push_back(told);
        return answer;
    }

    FakeListControl lstServers_;
    // The list's rows and selection, by the names the server tests use.
    std::vector<FakeListControl::Row>& entries = lstServers_.rows;
    int& current = lstServers_.index;
    std::string name1Text, name2Text, hideCaption = "&Hide";
    bool buttonsEnabled = false, visible = true, enabled = true, aboutOpens = true, toolWindowsClose = true;
    int focused = 0;
    Rect place;
    std::vector<std::string> log;
    std::vector<Menu> menus;
    std::vector<int> chosen;       // the next menu's answer
    std::function<void()> onMenu;  // runs while a menu is open
};

}  // namespace vantry::fakes
