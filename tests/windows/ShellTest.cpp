#include <gtest/gtest.h>
#include <windows.h>
#include <objbase.h>

#include <thread>

#include "TempDir.h"
#include "UiDriver.h"
#include "core/platform/Shell.h"
#include "win/platform/Win32Shell.h"

using namespace vantry;
using namespace vantry::testutil;

TEST(Win32Shell, StartsAProgramInTheGivenDirectory) {
    TempDir dir;
    win::Win32Shell shell;
    ASSERT_TRUE(shell.execute(nullptr, "Open", "cmd.exe", "/c cd > where.txt", dir.path(), 0));
    ASSERT_TRUE(WaitFor([&] { return ReadBytes(dir / "where.txt").find("\r\n") != std::string::npos; }));
    EXPECT_NE(ReadBytes(dir / "where.txt").find("vantry-test-"), std::string::npos);
}

TEST(Win32Shell, AMissingProgramIsRefusedOnAThreadThatIsAnApartmentByThen) {
    // Shell extensions need the caller's thread in a single-threaded apartment.
    std::thread([] {
        TempDir dir;
        win::Win32Shell shell;
        EXPECT_FALSE(shell.execute(nullptr, "Open", dir / "hlds.exe", "-game valve", dir.path(), ShowNormal));
        EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_FALSE) << "not initialised before";
        CoUninitialize();
    }).join();
}
