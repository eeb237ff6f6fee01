#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <thread>

#include "Processes.h"
#include "TempDir.h"
#include "UiDriver.h"
#include "platform/Handles.h"
#include "platform/Win32DesktopWindows.h"

using namespace vantry;
using namespace vantry::testutil;
using Clock = std::chrono::steady_clock;

namespace {

DesktopWindow Id(HWND hwnd) { return reinterpret_cast<DesktopWindow>(hwnd); }

// Whether walking the window order from the first window reaches this one.
bool Reaches(DesktopWindows& desktop, DesktopWindow window) {
    for (DesktopWindow w = desktop.first(); w; w = desktop.next(w))
        if (w == window)
            return true;
    return false;
}

// The stand-in server, copied into a folder as hlds.exe and started for real.
class StandIn {
public:
    StandIn(const TempDir& dir, const std::string& arguments, const std::string& workDir)
        : commandLine_(Copy(dir) + " " + arguments), process_(commandLine_, workDir) {
        window_ = process_.waitForWindow("tty");
    }
    ~StandIn() {
        if (window_ && IsWindow(window_))
            PostMessageA(window_, WM_CLOSE, 0, 0);
        process_.waitExit(10000);
    }

    HWND window() const { return window_; }
    DWORD pid() const { return process_.pid(); }
    const std::string& commandLine() const { return commandLine_; }
    bool exited() const { return process_.waitExit(0); }

private:
    static std::string Copy(const TempDir& dir) {
        CopyFileA((BinDir() + "\\hlds-standin.exe").c_str(), (dir / "hlds.exe").c_str(), FALSE);
        return '"' + (dir / "hlds.exe") + '"';
    }

    std::string commandLine_;
    ChildProcess process_;
    HWND window_ = nullptr;
};

}  // namespace

TEST(DesktopWindows, FindsWalksShowsHidesRetitlesAndLosesTheServerWindow) {
    TempDir dir;
    StandIn server(dir, "-game valve +map de_dust -standin-title \"Vantry Test One\" +port 27015",
                   dir.path());
    ASSERT_NE(server.window(), nullptr);
    win::Win32DesktopWindows desktop;
    const DesktopWindow window = Id(server.window());

    const DesktopWindow found = desktop.findByClass("tty");
    ASSERT_NE(found, 0u);
    EXPECT_EQ(ClassOf(reinterpret_cast<HWND>(found)), "tty");
    EXPECT_TRUE(Reaches(desktop, window));

    EXPECT_EQ(desktop.title(window), "Vantry Test One");
    EXPECT_TRUE(desktop.isVisible(window));
    desktop.setVisible(window, false);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(server.window()); }));
    EXPECT_FALSE(desktop.isVisible(window));
    desktop.setVisible(window, true);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(server.window()) != FALSE; }));

    EXPECT_TRUE(desktop.setTitle(window, "Vantry Test Two"));
    EXPECT_EQ(desktop.title(window), "Vantry Test Two");

    PostMessageA(server.window(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return server.exited(); }));
    EXPECT_EQ(desktop.title(window), "");
    EXPECT_FALSE(desktop.isVisible(window));
}

TEST(DesktopWindows, AHiddenServerWindowIsFoundButNotVisible) {
    TempDir dir;
    StandIn server(dir, "-game cstrike -standin-hidden -standin-title Hidden Server", dir.path());
    ASSERT_NE(server.window(), nullptr);
    win::Win32DesktopWindows desktop;
    EXPECT_TRUE(Reaches(desktop, Id(server.window())));
    EXPECT_FALSE(desktop.isVisible(Id(server.window())));
    EXPECT_EQ(desktop.title(Id(server.window())), "Hidden Server");
}

TEST(DesktopWindows, TheStandInRecordsItsCommandLineAndFolder) {
    TempDir dir;
    const std::string work = dir / "cstrike";
    CreateDirectoryA(work.c_str(), nullptr);
    StandIn server(dir, "-console -game cstrike +maxplayers 12 +map \"de dust\" free words", work);
    ASSERT_NE(server.window(), nullptr);
    EXPECT_EQ(ReadBytes(dir / "standin.log"),
              std::to_string(server.pid()) + "\t" + work + "\t" + server.commandLine() + "\r\n");
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
