#pragma once

#include <algorithm>
#include <functional>
#include <utility>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/platform/DesktopWindows.h"
#include "core/servers/MainPresenter.h"

namespace vantry::fakes {

// Top-level windows in window order, the first one on top.
class FakeDesktopWindows : public DesktopWindows {
public:
    struct Window {
        DesktopWindow handle;
        std::string className, title;
        bool visible = true;
        bool ownProcess = false;
    };

    DesktopWindow add(const std::string& className, const std::string& title, bool visible = true) {
        windows.push_back({nextHandle, className, title, visible});
        index_[nextHandle] = windows.size() - 1;
        return nextHandle++;
    }
    void close(DesktopWindow h) {
        std::erase_if(windows, [&](const Window& w) { return w.handle == h; });
        index_.clear();
        for (std::size_t i = 0; i < windows.size(); ++i)
            index_[windows[i].handle] = i;
    }
    Window* find(DesktopWindow h) {
        const auto it = index_.find(h);
        return it == index_.end() ? nullptr : &windows[it->second];
    }

    DesktopWindow first() override { return windows.empty() ? 0 : windows.front().handle; }
    DesktopWindow next(DesktopWindow h) override {
        const auto it = index_.find(h);
        if (it == index_.end() || it->second + 1 >= windows.size())
            return 0;
        return windows[it->second + 1].handle;
    }
    bool ofThisProcess(DesktopWindow h) override {
        const Window* w = find(h);
        return w && w->ownProcess;
    }
    std::string title(DesktopWindow h) override {
        ++titleReads;
        const Window* w = find(h);
        return w ? w->title : std::string();
    }
    bool isVisible(DesktopWindow h) override {
        const Window* w = find(h);
        return w && w->visible;
    }
    void setVisible(DesktopWindow h, bool visible) override {
        if (Window* w = find(h))
            w->visible = visible;
    }
    bool setTitle(DesktopWindow h, const std::string& title) override {
        Window* w = find(h);
        if (w)
            w->title = title;
        return w != nullptr;
    }

    std::vector<Window> windows;
    DesktopWindow nextHandle = 1000;
    int titleReads = 0;

private:
    std::unordered_map<DesktopWindow, std::size_t> index_;  // position in window order
};

// The main window in memory: the list's entries and marks, the fields, and a
// record of everything else it was told. Menus answer from a script.
class FakeMainView : public MainView {
public:
    struct Entry {
        std::string text;
        bool ticked;
    };

    int entryCount() override { return static_cast<int>(entries.size()); }
    int currentEntry() override { return current; }
    std::string entryText(int i) override { return entries.at(i).text; }
    bool entryTicked(int i) override { return entries.at(i).ticked; }
    void addEntry(const std::string& text, bool ticked) override { entries.push_back({text, ticked}); }
    void removeEntry(int i) override {
        entries.erase(entries.begin() + i);
        if (current >= entryCount())
            current = entryCount() - 1;
    }
    void setEntryText(int i, const std::string& text) override { entries.at(i).text = text; }
    void setEntryTicked(int i, bool ticked) override { entries.at(i).ticked = ticked; }
    std::string name1() override { return name1Text; }
    void setName1(const std::string& t) override { name1Text = t; }
    std::string name2() override { return name2Text; }
    void setName2(const std::string& t) override { name2Text = t; }
    void setHideCaption(const std::string& c) override { hideCaption = c; }
    void enableEntryButtons() override { buttonsEnabled = true; }
    bool windowVisible() override { return visible; }
    void focusWindow() override { ++focused; }

    bool windowEnabled() override { return enabled; }
    void setWindowEnabled(bool e) override {
        enabled = e;
        log.push_back(e ? "enable" : "disable");
    }
    void showWindow(bool shown) override {
        visible = shown;
        log.push_back(shown ? "show" : "hide");
    }
    void activateModalWindow() override { log.push_back("activate modal"); }
    void setTitleWindowMinimized(bool minimized) override {
        log.push_back(minimized ? "minimize title" : "restore title");
    }
    Rect windowTwips() override { return place; }
    void addTrayIcon() override { log.push_back("tray icon"); }
    int popupMenu(const Menu& menu, MenuAnchor anchor) override {
        menus.push_back(menu);
        log.push_back(anchor == MenuAnchor::Cursor ? "menu at cursor" : "menu below icon");
        if (onMenu)
            onMenu();
        return chosen.empty() ? 0 : std::exchange(chosen, {}).front();
    }
    WindowHandle windowHandle() override { return nullptr; }
    bool openAbout() override {
        log.push_back("about");
        return aboutOpens;
    }
    void openLauncher() override { log.push_back("launcher"); }
    void openCfgEditor() override { log.push_back("cfg editor"); }
    void endProgram() override { log.push_back("end"); }

    std::vector<Entry> entries;
    int current = -1;
    std::string name1Text, name2Text, hideCaption = "&Hide";
    bool buttonsEnabled = false, visible = true, enabled = true, aboutOpens = true;
    int focused = 0;
    Rect place;
    std::vector<std::string> log;
    std::vector<Menu> menus;
    std::vector<int> chosen;            // the next menu's answer
    std::function<void()> onMenu;       // runs while a menu is open
};

}  // namespace vantry::fakes
