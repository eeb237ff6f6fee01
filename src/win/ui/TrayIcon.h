#pragma once

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>

#include "win/platform/Handles.h"
#include "win/ui/Window.h"

namespace vantry::win {

// The program's icon in the notification area. It owns a hidden top-level
// window of its own: the shell's callbacks go there, and so does the
// "TaskbarCreated" broadcast, which reaches top-level windows only.
class TrayIcon : private Window {
public:
    // The icon's id within its own window (each TrayIcon has one window), and
    // the message the shell reports the user's actions with.
    static constexpr UINT IconId = 1;
    static constexpr UINT CallbackMessage = WM_APP + 1;

    explicit TrayIcon(HICON icon = nullptr);  // nullptr: the program icon from the resources
    ~TrayIcon() override;

    void setTooltip(const std::string& tooltip);
    const std::string& tooltip() const { return tooltip_; }
    // Whether the icon should be in the notification area; it stays wanted
    // while the taskbar is away and comes back with it.
    void setShown(bool shown);
    bool shown() const { return shown_; }

    enum class BalloonIcon { Warning, Error };
    // A notification from the shown icon: the title and text are cut to what
    // the shell holds (63 and 255 UTF-16 units). False when the icon is not
    // shown or the shell refused.
    bool showBalloon(const std::string& title, const std::string& text, BalloonIcon icon);

    // Left click (on release), or Enter/Space on the icon.
    std::function<void()> onActivate;
    // Right click (on release) or the context-menu key; the hidden window is
    // already in the foreground, so a host can pop its menu up right away.
    std::function<void()> onMenuRequest;

    HWND messageWindow() const { return hwnd(); }


    // Removes every shown icon of the process, for the ways out that end the
    // process at once and run no destructors.
    static void removeAll();

private:
    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override;
    bool notify(DWORD action, UINT flags, NOTIFYICONDATAW data = {});
    void add();
    void remove();

    HICON icon_ = nullptr;
    UniqueIcon ownedIcon_;
    std::string tooltip_;
    bool shown_ = false;
};

}  // namespace vantry::win
