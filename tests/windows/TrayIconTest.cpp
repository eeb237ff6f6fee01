#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <memory>

#include "UiDriver.h"
#include "ui/TrayIcon.h"

using namespace vantry;
using win::TrayIcon;

namespace {

// Asks the shell itself whether it holds the icon: only a present icon can be
// modified.
bool InNotificationArea(HWND owner) {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = owner;
    data.uID = TrayIcon::IconId;
    data.uFlags = NIF_TIP;
    lstrcpyA(data.szTip, "probe");
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

// What a restarted taskbar does to the icons it held: forgets them.
void ForgetBehindItsBack(HWND owner) {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = owner;
    data.uID = TrayIcon::IconId;
    Shell_NotifyIconA(NIM_DELETE, &data);
}

void Callback(const TrayIcon& tray, UINT event) {
    SendMessageA(tray.messageWindow(), TrayIcon::CallbackMessage, TrayIcon::IconId, event);
}

// Records, in the last moment the icon's window exists, whether the shell
// still holds the icon: once the window is gone, a leftover icon can no longer
// be asked about, yet on Windows it stays until the pointer passes over it.
LRESULT CALLBACK CheckAtDestroy(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                DWORD_PTR leftOver) {
    if (msg == WM_DESTROY)
        *reinterpret_cast<int*>(leftOver) = InNotificationArea(hwnd) ? 1 : 0;
    if (msg == WM_NCDESTROY)
        RemoveWindowSubclass(hwnd, CheckAtDestroy, 0);
    return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace

TEST(TrayIcon, ShowingAddsTheIconAndHidingRemovesIt) {
    TrayIcon tray;
    ASSERT_NE(tray.messageWindow(), nullptr);
    EXPECT_FALSE(IsWindowVisible(tray.messageWindow()));
    EXPECT_EQ(GetParent(tray.messageWindow()), nullptr);  // top-level: broadcasts reach it
    EXPECT_FALSE(tray.shown());
    EXPECT_FALSE(InNotificationArea(tray.messageWindow()));

    tray.setTooltip("HLDS Vantry");  // a hidden icon stays hidden
    EXPECT_FALSE(InNotificationArea(tray.messageWindow()));

    tray.setShown(true);
    EXPECT_TRUE(tray.shown());
    EXPECT_TRUE(InNotificationArea(tray.messageWindow()));

    tray.setShown(false);
    EXPECT_FALSE(tray.shown());
    EXPECT_FALSE(InNotificationArea(tray.messageWindow()));

    // Nothing of the first icon is left over to block a second one.
    tray.setShown(true);
    EXPECT_TRUE(InNotificationArea(tray.messageWindow()));
    tray.setTooltip(std::string(300, 'x'));  // longer than the shell holds
    EXPECT_EQ(tray.tooltip().size(), 300u);
    EXPECT_TRUE(InNotificationArea(tray.messageWindow()));
}

TEST(TrayIcon, OneUserActionRaisesOneEvent) {
    TrayIcon tray;
    int activated = 0, menus = 0;
    HWND foregroundAtMenu = nullptr;
    tray.onActivate = [&] { ++activated; };
    tray.onMenuRequest = [&] {
        ++menus;
        foregroundAtMenu = GetForegroundWindow();
    };

    // A left click: the button messages, then the version 3 summary.
    for (UINT event : {UINT(WM_MOUSEMOVE), UINT(WM_LBUTTONDOWN), UINT(WM_LBUTTONUP), UINT(NIN_SELECT)})
        Callback(tray, event);
    EXPECT_EQ(activated, 1);
    EXPECT_EQ(menus, 0);

    // A right click: the button messages, then WM_CONTEXTMENU.
    for (UINT event : {UINT(WM_RBUTTONDOWN), UINT(WM_RBUTTONUP), UINT(WM_CONTEXTMENU)})
        Callback(tray, event);
    EXPECT_EQ(activated, 1);
    EXPECT_EQ(menus, 1);
    // So that the host's popup menu closes when the user clicks elsewhere.
    EXPECT_EQ(foregroundAtMenu, tray.messageWindow());

    // The keyboard: Enter or Space on the icon, and the context-menu key.
    Callback(tray, NIN_KEYSELECT);
    Callback(tray, WM_CONTEXTMENU);
    EXPECT_EQ(activated, 2);
    EXPECT_EQ(menus, 2);

    // No callbacks set: nothing to raise, nothing breaks.
    tray.onActivate = nullptr;
    tray.onMenuRequest = nullptr;
    Callback(tray, WM_LBUTTONUP);
    Callback(tray, WM_CONTEXTMENU);
}

TEST(TrayIcon, ARestartedTaskbarGetsTheShownIconBack) {
    const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    TrayIcon shown, hidden;
    shown.setShown(true);
    ForgetBehindItsBack(shown.messageWindow());
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

    TrayIcon::RemoveAll();
    EXPECT_FALSE(InNotificationArea(second.messageWindow()));
    EXPECT_FALSE(InNotificationArea(third.messageWindow()));
    EXPECT_FALSE(second.shown());
}

TEST(TrayIcon, ShowMenuReturnsTheChosenCommand) {
    TrayIcon tray;
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, 10, "&Restore");
    AppendMenuA(menu, MF_STRING, 11, "E&xit");

    // The menu runs a modal loop on this thread; the user picks from another.
    testutil::UserThread user([] {
        HWND popup = nullptr;
        ASSERT_TRUE(testutil::WaitFor([&] {
            for (HWND w = FindWindowExA(nullptr, nullptr, "#32768", nullptr); w;
                 w = FindWindowExA(nullptr, w, "#32768", nullptr))
                if (testutil::OwnWindow(w) && IsWindowVisible(w))
                    popup = w;
            return popup != nullptr;
        }));
        PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageA(popup, WM_KEYDOWN, VK_RETURN, 0);
    });
    EXPECT_EQ(TrayIcon::ShowMenu(menu, tray.messageWindow()), 11u);
    user.join();
    MSG nudge;
    EXPECT_TRUE(PeekMessageA(&nudge, tray.messageWindow(), WM_NULL, WM_NULL, PM_REMOVE));
    DestroyMenu(menu);
}
