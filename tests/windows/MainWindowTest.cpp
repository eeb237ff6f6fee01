#include <gtest/gtest.h>
#include <windows.h>

#include "FakeDesktop.h"
#include "FakePlatform.h"
#include "TestHost.h"
#include "win/servers/MainWindow.h"

using namespace vantry;
using namespace vantry::testutil;

namespace {

// The window with the tray only (ShowIn 0): no owner, its own tray icon.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        settings.SetShowIn(0);
        ASSERT_TRUE(window.load(nullptr));
        window.onEndProgram = [this] { window.Unload(); };
        ShowWindow(window.hwnd(), SW_SHOW);
        PumpMessages();  // the tray icon comes just after the load
    }

    fakes::FakeSettingsStore store;
    Settings settings{store};
    fakes::FakeDesktopWindows desktop;
    fakes::FakeMessageBoxes boxes;
    fakes::FakeShell shell;
    int lastPort = 0;
    WindowSet windows;
    win::MainWindow window{windows, MainServices{settings, desktop, boxes, shell, lastPort}};
};

}  // namespace

TEST_F(MainWindowTest, TrayOnlyHidesToItsIconAndComesBackFromIt) {
    ASSERT_NE(window.trayIcon(), nullptr);
    EXPECT_TRUE(window.trayIcon()->shown());
    EXPECT_EQ(window.trayIcon()->tooltip(), "HLDS Vantry v3.3.1");
    SendMessageA(window.picMin().hwnd(), BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindowVisible(window.hwnd()));
    window.trayIcon()->onActivate();
    EXPECT_TRUE(IsWindowVisible(window.hwnd()));
}

TEST_F(MainWindowTest, LogOffEndsTheProgramAndStoresWhereTheWindowWas) {
    SetWindowPos(window.hwnd(), nullptr, 96, 48, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageA(window.hwnd(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_FALSE(IsWindow(window.hwnd()));
    EXPECT_EQ(store.get("HLDSVantry", "Main", "X"), "1440");
    EXPECT_EQ(store.get("HLDSVantry", "Main", "Y"), "720");
}

TEST_F(MainWindowTest, TheTrayMenuWhileAModalWindowIsOpenActivatesThatWindow) {
    // What the About box or a tool window does: owned, active, the main window disabled.
    HWND modal = CreateWindowExA(0, "STATIC", "Modal", WS_POPUP | WS_VISIBLE, 50, 50, 100, 50, window.hwnd(),
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    EnableWindow(window.hwnd(), FALSE);
    SetForegroundWindow(modal);
    PumpMessages();
    SendMessageA(window.trayIcon()->messageWindow(), win::TrayIcon::CallbackMessage, win::TrayIcon::IconId,
                 WM_CONTEXTMENU);
    PumpMessages();
    EXPECT_EQ(GetActiveWindow(), modal);
    EnableWindow(window.hwnd(), TRUE);
    DestroyWindow(modal);
}
