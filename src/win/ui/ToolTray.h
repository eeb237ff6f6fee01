#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "core/ui/TrayMenu.h"
#include "win/ui/TrayIcon.h"
#include "win/ui/Window.h"

namespace vantry::win {

// The part of a frame that shows its tray icon. A tool window running alone
// shows itself on a click on it and offers the tool tray menu; the main
// window answers the clicks itself.
class ToolTray : private ToolTrayMenu::View {
public:
    // exit: what the menu's exit entry does, as the window's exit button.
    ToolTray(const Window& window, std::function<void()> exit) : window_(window), exit_(std::move(exit)) {}

    void setExitCaption(const std::string& caption) { exitCaption_ = caption; }
    // Shows the icon; the first call says what its click and its menu request do.
    void show(const std::string& tooltip, const std::function<void()>& onActivate,
              const std::function<void()>& onMenuRequest);
    TrayIcon* icon() { return icon_.get(); }
    void remove() { icon_.reset(); }

    // A tool window's own answers to the icon.
    void showFromTray();
    void runMenu() { ToolTrayMenu(*this, exitCaption_).onMenuRequest(); }

private:
    HWND hwnd() const { return window_.hwnd(); }
    // ToolTrayMenu::View
    bool windowEnabled() override { return IsWindowEnabled(hwnd()) != FALSE; }
    bool windowVisible() override { return IsWindowVisible(hwnd()) != FALSE; }
    void activateModalWindow() override { SetForegroundWindow(GetLastActivePopup(hwnd())); }
    int popupMenu(const Menu& menu) override { return ShowPopupMenu(menu, hwnd()); }
    void showWindow(bool shown) override { ShowWindow(hwnd(), shown ? SW_SHOW : SW_HIDE); }
    void exit() override { exit_(); }

    const Window& window_;
    std::function<void()> exit_;
    std::string exitCaption_ = "Exit";
    std::unique_ptr<TrayIcon> icon_;
};

}  // namespace vantry::win
