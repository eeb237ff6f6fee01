#include <gtest/gtest.h>
#include <windows.h>

#include "FakeDesktop.h"
#include "FakePlatform.h"
#include "TestHost.h"
#include "servers/MainForm.h"

using namespace vantry;
using namespace vantry::testutil;

namespace {

class MainFormTest : public ::testing::Test {
protected:
    void Load(int showInMode) {
        ASSERT_TRUE(form.load(nullptr, showInMode));
        form.onEndProgram = [this] { ++ended; };
        form.onTitleWindowState = [this](bool minimized) { titleStates.push_back(minimized); };
        ShowWindow(form.hwnd(), SW_SHOW);
        PumpMessages();  // the tray icon comes just after the load
    }

    fakes::FakeSettingsStore store;
    Settings settings{store};
    fakes::FakeDesktopWindows desktop;
    fakes::FakeMessageBoxes boxes;
    fakes::FakeShell shell;
    WindowSet windows;
    win::MainForm form{windows, win::MainFormServices{settings, desktop, boxes, shell}};
    int ended = 0;
    std::vector<bool> titleStates;
};

}  // namespace

TEST_F(MainFormTest, TrayOnlyMinimizesByHidingAndRestoresByShowing) {
    Load(0);
    ASSERT_NE(form.trayIcon(), nullptr);
    EXPECT_TRUE(form.trayIcon()->shown());
    EXPECT_EQ(form.trayIcon()->tooltip(), "HLDS Vantry v3.3.1");
    form.minimize();
    EXPECT_FALSE(IsWindowVisible(form.hwnd()));
    form.trayIcon()->onActivate();
    EXPECT_TRUE(IsWindowVisible(form.hwnd()));
    EXPECT_TRUE(titleStates.empty());
}

TEST_F(MainFormTest, WithATaskbarButtonTheTitleWindowIsMinimizedAndTheTaskbarAloneHasNoTrayIcon) {
    Load(1);
    EXPECT_EQ(form.trayIcon(), nullptr);
    form.minimize();
    form.restore();
    EXPECT_EQ(titleStates, (std::vector<bool>{true, false}));
    EXPECT_TRUE(IsWindowVisible(form.hwnd()));
}

TEST_F(MainFormTest, ExitAsksAboutHiddenConsolesAndNoKeepsTheProgram) {
    Load(2);
    desktop.add("tty", "HLDS - a", false);
    form.servers().tChkNew();
    boxes.answers = {mb::No, mb::Yes};
    form.exit();
    EXPECT_EQ(ended, 0);
    form.exit();
    EXPECT_EQ(ended, 1);
    ASSERT_EQ(boxes.calls.size(), 2u);
    EXPECT_EQ(boxes.calls[0].owner, form.hwnd());
}

TEST_F(MainFormTest, ClosingSavesThePositionOnlyWhileVisible) {
    Load(2);
    SetWindowPos(form.hwnd(), nullptr, 96, 48, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(form.hwnd(), SW_HIDE);
    form.Unload();
    EXPECT_TRUE(store.values.empty());

    win::MainForm second{windows, win::MainFormServices{settings, desktop, boxes, shell}};
    ASSERT_TRUE(second.load(nullptr, 2));
    SetWindowPos(second.hwnd(), nullptr, 96, 48, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
    second.Unload();
    EXPECT_EQ(store.get("HLDSVantry", "Main", "X"), "1440");
    EXPECT_EQ(store.get("HLDSVantry", "Main", "Y"), "720");
    EXPECT_EQ(second.trayIcon(), nullptr) << "the icon goes with the window";
}
