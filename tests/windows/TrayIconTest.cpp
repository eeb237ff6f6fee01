#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <initializer_list>
#include <memory>
#include <utility>

#include "win/ui/TrayIcon.h"

using namespace vantry;
using win::TrayIcon;

namespace {

bool AskShell(DWORD action, HWND owner) {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = owner;
    data.uID = TrayIcon::IconId;
    data.uFlags = NIF_TIP;
    lstrcpyA(data.szTip, "probe");
    return Shell_NotifyIconA(action, &data) != FALSE;
}

// Asks the shell itself whether it holds the icon: only a present icon can be
// modified.
bool InNotificationArea(HWND owner) { return AskShell(NIM_MODIFY, owner); }

// Records, in the last moment the icon's window exists, whether the shell
// still holds the icon: once the window is gone, a leftover icon can no longer
// be asked about, yet on Windows it stays until the pointer passes over it.
LRESULT CALLBACK CheckAtDestroy(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR leftOver) {
    if (msg == WM_DESTROY)
        *reinterpret_cast<int*>(leftOver) = InNotificationArea(hwnd) ? 1 : 0;
    if (msg == WM_NCDESTROY)
        RemoveWindowSubclass(hwnd, CheckAtDestroy, 0);
    return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace

TEST(TrayIcon, OneUserActionRaisesOneEvent) {
    TrayIcon tray;
    int activated = 0, menus = 0;
    HWND foregroundAtMenu = nullptr;
    tray.onActivate = [&] { ++activated; };
    tray.onMenuRequest = [&] {
        ++menus;
        foregroundAtMenu = GetForegroundWindow();
    };
    // The events each action raises, reported as the shell reports it.
    const auto raised = [&](std::initializer_list<UINT> reports) {
        activated = menus = 0;
        for (UINT report : reports)
            SendMessageA(tray.messageWindow(), TrayIcon::CallbackMessage, TrayIcon::IconId, report);
        return std::pair{activated, menus};
    };
    // A click: the button messages, then the summary.
    EXPECT_EQ(raised({WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, NIN_SELECT}), std::pair(1, 0));
    EXPECT_EQ(raised({WM_RBUTTONDOWN, WM_RBUTTONUP, WM_CONTEXTMENU}), std::pair(0, 1));
    // Enter or Space on the icon.
    EXPECT_EQ(raised({NIN_KEYSELECT}), std::pair(1, 0));
    // So that the host's popup menu closes when the user clicks elsewhere.
    EXPECT_EQ(foregroundAtMenu, tray.messageWindow());
}

TEST(TrayIcon, ARestartedTaskbarGetsTheShownIconBack) {
    const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    TrayIcon shown, hidden;
    shown.setShown(true);
    AskShell(NIM_DELETE, shown.messageWindow());  // what a restarted taskbar does: forgets it
    ASSERT_FALSE(InNotificationArea(shown.messageWindow()));

    SendMessageA(shown.messageWindow(), taskbarCreated, 0, 0);
    SendMessageA(hidden.messageWindow(), taskbarCreated, 0, 0);
    EXPECT_TRUE(InNotificationArea(shown.messageWindow()));
    EXPECT_FALSE(InNotificationArea(hidden.messageWindow()));
}

TEST(TrayIcon, RemoveAllAndTheDestructorLeaveNoIcon) {
    auto first = std::make_unique<TrayIcon>();
    TrayIcon second, third;
    first->setShown(true);
    second.setShown(true);
    third.setShown(true);
    int leftOver = -1;
    SetWindowSubclass(first->messageWindow(), CheckAtDestroy, 0, reinterpret_cast<DWORD_PTR>(&leftOver));

    first.reset();
    EXPECT_EQ(leftOver, 0);
    EXPECT_TRUE(InNotificationArea(second.messageWindow()));

    TrayIcon::removeAll();
    EXPECT_FALSE(InNotificationArea(second.messageWindow()));
    EXPECT_FALSE(InNotificationArea(third.messageWindow()));
}

TEST(TrayIcon, ABalloonComesFromTheShownIconOnly) {
    TrayIcon tray;
    EXPECT_FALSE(tray.showBalloon("Server", "It ended.", TrayIcon::BalloonIcon::Warning));
    tray.setShown(true);
    // Each text one unit too long, its last character outside the basic plane.
    const std::string smile = "\xF0\x9F\x98\x80";
    EXPECT_TRUE(tray.showBalloon(std::string(62, 't') + smile, std::string(254, 'x') + smile,
                                 TrayIcon::BalloonIcon::Error));
}
