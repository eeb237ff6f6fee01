#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "Processes.h"
#include "TempDir.h"
#include "TestHost.h"
#include "UiDriver.h"
#include "win/platform/Handles.h"
#include "win/platform/Win32DesktopWindows.h"

using namespace vantry;
using namespace vantry::testutil;
using Clock = std::chrono::steady_clock;

namespace {

DesktopWindow Id(HWND hwnd) { return reinterpret_cast<DesktopWindow>(hwnd); }

// Whether walking the window order from the first window reaches this one.
bool Reaches(DesktopWindows& desktop, DesktopWindow window) {
    const auto all = desktop.topLevel();
    return std::find(all.begin(), all.end(), window) != all.end();
}

}  // namespace

TEST(DesktopWindows, FindsWalksShowsHidesRetitlesAndLosesTheServerWindow) {
    // The stand-in server, copied into a folder as hlds.exe and started for real.
    TempDir dir;
    CopyFileA((BinDir() + "\\hlds-standin.exe").c_str(), (dir / "hlds.exe").c_str(), FALSE);
    // Titles in any script: Windows keeps them as Unicode, and so must we.
    ChildProcess server('"' + (dir / "hlds.exe") + "\" -game valve -standin-title \"Vantry \xD0\xA1\xD0\xB5\xD1\x80\xD0\xB2\xD0\xB5\xD1\x80 \xE2\x84\x96" "1\"",
                        dir.path());
    const HWND hwnd = server.waitForShownWindow("tty");
    ASSERT_NE(hwnd, nullptr);
    win::Win32DesktopWindows desktop;
    const DesktopWindow window = Id(hwnd);

    EXPECT_TRUE(Reaches(desktop, window));
    EXPECT_FALSE(desktop.ofThisProgram(window));
    testutil::TestHost own;
    EXPECT_TRUE(desktop.ofThisProgram(Id(own.hwnd())));
    EXPECT_EQ(desktop.title(window), "Vantry \xD0\xA1\xD0\xB5\xD1\x80\xD0\xB2\xD0\xB5\xD1\x80 \xE2\x84\x96" "1");
    EXPECT_TRUE(desktop.isVisible(window));

    desktop.setVisible(window, false);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(hwnd); }));
    EXPECT_FALSE(desktop.isVisible(window));
    EXPECT_TRUE(Reaches(desktop, window)) << "a hidden console is still found";
    desktop.setVisible(window, true);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(hwnd) != FALSE; }));
    EXPECT_TRUE(desktop.setTitle(window, "Vantry \xE6\x9D\xB1\xE4\xBA\xAC"));
    EXPECT_EQ(WindowText(hwnd), "Vantry \xE6\x9D\xB1\xE4\xBA\xAC");

    PostMessageA(hwnd, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return server.waitExit(0); }));
    EXPECT_EQ(desktop.title(window), "");
    EXPECT_FALSE(desktop.isVisible(window));
}

TEST(DesktopWindows, AHungWindowDoesNotHoldUsUp) {
    WNDCLASSA cls = {};
    cls.lpfnWndProc = DefWindowProcA;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.lpszClassName = "VantryHungWindow";
    RegisterClassA(&cls);

    win::UniqueKernelHandle created(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    win::UniqueKernelHandle release(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    HWND hung = nullptr;
    std::thread owner([&] {
        hung = CreateWindowExA(0, "VantryHungWindow", "Hung", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                               0, 0, 200, 100, nullptr, nullptr, cls.hInstance, nullptr);
        SetEvent(created.get());
        // Blocks without pumping messages, as a server stuck in a long load does.
        WaitForSingleObject(release.get(), INFINITE);
        DestroyWindow(hung);
    });
    WaitForSingleObject(created.get(), INFINITE);
    if (!hung) {
        SetEvent(release.get());
        owner.join();
        FAIL() << "the hung window was not created";
    }

    win::Win32DesktopWindows desktop;
    auto start = Clock::now();
    EXPECT_FALSE(desktop.setTitle(Id(hung), "Renamed"));
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(5));
    start = Clock::now();
    desktop.setVisible(Id(hung), false);
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(1));

    SetEvent(release.get());
    owner.join();
}
