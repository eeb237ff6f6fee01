#include <gtest/gtest.h>
#include <windows.h>

#include "TempDir.h"
#include "UiDriver.h"
#include "platform/Win32Services.h"
#include "startup/StartUp.h"

using namespace vantry;
using namespace vantry::testutil;

TEST(Win32Shell, StartsAProgramInTheGivenDirectory) {
    TempDir dir;
    win::Win32Shell shell;
    ASSERT_TRUE(shell.execute(nullptr, "Open", "cmd.exe", "/c cd > where.txt", dir.path(), 0));
    ASSERT_TRUE(WaitFor([&] { return ReadBytes(dir / "where.txt").find("\r\n") != std::string::npos; }));
    EXPECT_NE(ReadBytes(dir / "where.txt").find("vantry-test-"), std::string::npos);
}

TEST(Win32Shell, AMissingProgramIsRefused) {
    TempDir dir;
    win::Win32Shell shell;
    EXPECT_FALSE(shell.execute(nullptr, "Open", dir / "hlds.exe", "-game valve", dir.path(),
                               ShowNormal));
}

TEST(Win32Clock, PauseKeepsTimersRunningUntilTheTimeHasPassed) {
    win::Win32Clock clock;
    static int ticks = 0;
    ticks = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) { ++ticks; });
    const auto start = clock.milliseconds();
    Pause(clock, 0.3);
    const auto elapsed = clock.milliseconds() - start;
    KillTimer(nullptr, timer);
    EXPECT_GE(elapsed, 300u);
    EXPECT_GT(ticks, 2);
}

TEST(Win32Clock, PauseLeavesAQuitForTheMessageLoop) {
    win::Win32Clock clock;
    PostQuitMessage(3);
    // A program on its way out does not sit out the rest of the wait.
    const auto start = clock.milliseconds();
    Pause(clock, 30.0);
    EXPECT_LT(clock.milliseconds() - start, 10000u);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
}
