#include <gtest/gtest.h>
#include <windows.h>

#include "FakeDesktop.h"
#include "FakeFileSystem.h"
#include "FakePlatform.h"
#include "Processes.h"
#include "TestHost.h"
#include "win/servers/MainWindow.h"

using namespace vantry;
using namespace vantry::testutil;

namespace {

// The window with the tray only (ShowIn 0): no owner, its own tray icon.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        settings.setShowIn(0);
        ASSERT_TRUE(window.load(nullptr));
        window.onEndProgram = [this] { window.unload(); };
        ShowWindow(window.hwnd(), SW_SHOW);
        PumpMessages();  // the tray icon comes just after the load
    }

    fakes::FakeSettingsStore store;
    Settings settings{store};
    fakes::FakeDesktopWindows desktop;
    fakes::FakeMessageBoxes boxes;
    fakes::FakeShell shell;
    int lastPort = 0;
    fakes::FakeFileSystem fs;
    fakes::FakeProcesses processes;
    fakes::FakeClock clock;
    WindowSet windows;
    win::MainWindow window{windows, MainServices{settings, desktop, boxes, shell, lastPort, fs, processes, clock}};
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

TEST_F(MainWindowTest, MovedToA144DpiMonitorItIsLaidOutAsIfCreatedThere) {
    const MainServices services{settings, desktop, boxes, shell, lastPort, fs, processes, clock};
    win::MainWindow moved{windows, services}, born{windows, services};
    ASSERT_TRUE(moved.load(nullptr, 96));
    ASSERT_TRUE(born.load(nullptr, 144));
    RECT was;
    GetWindowRect(moved.hwnd(), &was);
    // What Windows sends: the new DPI and the old rectangle scaled to it.
    RECT suggested{was.left, was.top, was.left + (was.right - was.left) * 3 / 2, was.top + (was.bottom - was.top) * 3 / 2};
    SendMessageA(moved.hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));

    // Every window's size, place in its parent and font height, in z-order.
    const auto describe = [](HWND top) {
        std::vector<std::string> seen;
        const auto add = [&seen](HWND hwnd) {
            RECT rc;
            GetWindowRect(hwnd, &rc);
            MapWindowPoints(nullptr, GetParent(hwnd) ? GetParent(hwnd) : hwnd, reinterpret_cast<POINT*>(&rc), 2);
            LOGFONTA font{};
            if (HGDIOBJ f = reinterpret_cast<HGDIOBJ>(SendMessageA(hwnd, WM_GETFONT, 0, 0)))
                GetObjectA(f, sizeof font, &font);
            seen.push_back(ClassOf(hwnd) + " " + std::to_string(rc.left) + "," + std::to_string(rc.top) + " " +
                           std::to_string(rc.right - rc.left) + "x" + std::to_string(rc.bottom - rc.top) +
                           " font " + std::to_string(font.lfHeight));
        };
        RECT rc;
        GetWindowRect(top, &rc);
        seen.push_back(std::to_string(rc.right - rc.left) + "x" + std::to_string(rc.bottom - rc.top));
        for (HWND child = GetWindow(top, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            add(child);
            for (HWND inner = GetWindow(child, GW_CHILD); inner; inner = GetWindow(inner, GW_HWNDNEXT))
                add(inner);
        }
        return seen;
    };
    EXPECT_EQ(describe(moved.hwnd()), describe(born.hwnd()));
}
