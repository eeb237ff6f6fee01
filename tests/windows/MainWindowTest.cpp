#include <gtest/gtest.h>
#include <windows.h>

#include "FakeDesktop.h"
#include "FakePlatform.h"
#include "TestHost.h"
#include "win/servers/MainWindow.h"

using namespace vantry;
using namespace vantry::testutil;

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void Load(int showInMode) {
        ASSERT_TRUE(window.load(nullptr, showInMode));
        window.onTitleWindowState = [this](bool minimized) { titleStates.push_back(minimized); };
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
    std::vector<bool> titleStates;
};

}  // namespace

TEST_F(MainWindowTest, TrayOnlyHidesToItsIconAndComesBackFromIt) {
    Load(0);
    ASSERT_NE(window.trayIcon(), nullptr);
    EXPECT_TRUE(window.trayIcon()->shown());
    EXPECT_EQ(window.trayIcon()->tooltip(), "HLDS Vantry v3.3.1");
    SendMessageA(window.picMin().hwnd(), BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindowVisible(window.hwnd()));
    window.trayIcon()->onActivate();
    EXPECT_TRUE(IsWindowVisible(window.hwnd()));
    EXPECT_TRUE(titleStates.empty());
}

TEST_F(MainWindowTest, TheTaskbarAloneHasNoTrayIconAndClosingStoresTheTwipsWhereItWas) {
    Load(1);
    EXPECT_EQ(window.trayIcon(), nullptr);
    SendMessageA(window.picMin().hwnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(titleStates, std::vector<bool>{true});

    SetWindowPos(window.hwnd(), nullptr, 96, 48, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    window.Unload();
    EXPECT_EQ(store.get("HLDSVantry", "Main", "X"), "1440");
    EXPECT_EQ(store.get("HLDSVantry", "Main", "Y"), "720");
}
