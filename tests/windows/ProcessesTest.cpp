// What keeps servers up: their processes, the port probe before a start, and
// the clock that times them.
#include <gtest/gtest.h>
#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "Processes.h"
#include "ScreenReader.h"
#include "TempDir.h"
#include "TestHost.h"
#include "UiDriver.h"
#include "win/platform/Handles.h"
#include "win/platform/Win32Clock.h"
#include "win/platform/Win32Network.h"
#include "win/platform/Win32Processes.h"

using namespace vantry;
using namespace vantry::testutil;

namespace {

DesktopWindow Id(HWND hwnd) { return reinterpret_cast<DesktopWindow>(hwnd); }

class Win32ProcessesTest : public ::testing::Test {
protected:
    // A server started here is no ChildProcess: it is ended with the test all
    // the same, whatever the test's outcome.
    ~Win32ProcessesTest() override {
        for (const DWORD pid : started) {
            win::UniqueKernelHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid));
            if (process && WaitForSingleObject(process.get(), 0) == WAIT_TIMEOUT)
                TerminateProcess(process.get(), 1);
        }
    }
    void SetUp() override {
        ASSERT_TRUE(CopyFileA((BinDir() + "\\hlds-standin.exe").c_str(), (dir / "hlds.exe").c_str(), FALSE));
    }
    std::optional<ProcessId> start(const std::string& parameters) {
        auto id = processes.start('"' + (dir / "hlds.exe") + "\" " + parameters, dir.path());
        if (id)
            started.push_back(id->pid);
        return id;
    }
    TempDir dir;
    win::Win32Processes processes;
    std::vector<DWORD> started;
};

}  // namespace

TEST_F(Win32ProcessesTest, AServerIsWatchedFromItsStartToItsEnd) {
    const UINT ownMode = GetErrorMode();
    const auto server = start("-game valve -standin-title \"HLDS - watched\"");
    ASSERT_TRUE(server);
    EXPECT_EQ(GetErrorMode(), ownMode) << "the program's own error mode comes back";
    EXPECT_EQ(processes.status(*server).state, ProcessState::Running);
    HWND window = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (window = FindWindowA("tty", "HLDS - watched")) != nullptr; }));
    EXPECT_TRUE(processes.ownsWindow(*server, Id(window)));
    TestHost own;
    EXPECT_FALSE(processes.ownsWindow(*server, Id(own.hwnd())));
    ASSERT_TRUE(WaitFor([&] { return !ReadBytes(dir / "standin.log").empty(); }));
    EXPECT_NE(ReadBytes(dir / "standin.log").find("\t" + dir.path() + "\t"), std::string::npos)
        << "started in the given folder: " << ReadBytes(dir / "standin.log");

    // The id with another start time is another process, one that reused it.
    EXPECT_EQ(processes.status({server->pid, server->startTime + 1}).state, ProcessState::Gone);
    // A later run knows the server by its record alone, and holds it from then on.
    win::Win32Processes later;
    EXPECT_EQ(later.status(*server).state, ProcessState::Running);

    // Its end, told by its exit code (a crash's too: the watchdog's log, end to end).
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return later.status(*server).state == ProcessState::Ended; }));
    EXPECT_EQ(later.status(*server).exitCode, 0u);
    EXPECT_EQ(processes.status(*server).state, ProcessState::Ended) << "held all along, whatever was asked";
    processes.release(*server);
    later.release(*server);
    EXPECT_EQ(processes.status(*server).state, ProcessState::Gone) << "nobody holds it any more";
}

TEST_F(Win32ProcessesTest, ARealConsoleIsTheProgramsInItAndIsLetGo) {
    // This test program is a console program; HLDS Vantry is not, and only a
    // process without a console of its own can look into another's.
    FreeConsole();
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    ChildProcess console("cmd.exe /k title HLDS - real", dir.path(), CREATE_NEW_CONSOLE);
    ChildProcess other("cmd.exe /k title HLDS - other", dir.path(), CREATE_NEW_CONSOLE);
    HWND window = nullptr, otherWindow = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        return (window = FindWindowA(nullptr, "HLDS - real")) && (otherWindow = FindWindowA(nullptr, "HLDS - other"));
    }));
    DWORD host = 0;
    GetWindowThreadProcessId(window, &host);
    if (UnderWine()) {
        EXPECT_NE(host, console.pid()) << "under Wine a console window is the console host's";
    }

    const ProcessId cmd{console.pid(), 0};
    EXPECT_TRUE(processes.ownsWindow(cmd, Id(window)));
    EXPECT_FALSE(processes.ownsWindow(cmd, Id(otherWindow)));
    EXPECT_EQ(GetConsoleWindow(), nullptr) << "never left attached";
    EXPECT_EQ(GetStdHandle(STD_OUTPUT_HANDLE), output);
}

TEST_F(Win32ProcessesTest, AServerThatCrashesDoesNotWaitOnTheCrashDialog) {
    if (UnderWine())
        GTEST_SKIP() << "Wine does not hand a process's error mode to the processes it starts";
    const auto server = start("-game valve");
    ASSERT_TRUE(server);
    // The process's own error mode, as the system holds it.
    using QueryFunction = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);
    const auto query = reinterpret_cast<QueryFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
    win::UniqueKernelHandle process(OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, server->pid));
    ULONG mode = 0;
    constexpr int ProcessDefaultHardErrorMode = 12;
    ASSERT_TRUE(query && process);
    ASSERT_EQ(query(process.get(), ProcessDefaultHardErrorMode, &mode, sizeof mode, nullptr), 0);
    EXPECT_TRUE(mode & SEM_NOGPFAULTERRORBOX) << mode;
}

TEST(Win32Network, APortAnotherSocketHoldsIsNotFree) {
    WSADATA data;
    ASSERT_EQ(WSAStartup(MAKEWORD(2, 2), &data), 0);
    win::Win32Network network;
    // Held alone or shared with reuse, the port is taken; an address that is
    // none of this machine's form is probed as any.
    const struct {
        const char *held, *probed;
        BOOL reuse;
    } cases[] = {{"0.0.0.0", "", FALSE}, {"127.0.0.1", "127.0.0.1", FALSE}, {"0.0.0.0", "", TRUE},
                 {"0.0.0.0", "my.server", FALSE}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.probed) + (c.reuse ? " reuse" : ""));
        const SOCKET held = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
        setsockopt(held, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&c.reuse), sizeof c.reuse);
        sockaddr_in at{};
        at.sin_family = AF_INET;
        inet_pton(AF_INET, c.held, &at.sin_addr);
        int size = sizeof at;
        ASSERT_EQ(bind(held, reinterpret_cast<sockaddr*>(&at), sizeof at), 0);
        ASSERT_EQ(getsockname(held, reinterpret_cast<sockaddr*>(&at), &size), 0);
        const int port = ntohs(at.sin_port);
        EXPECT_FALSE(network.udpPortFree(c.probed, port));
        closesocket(held);
        EXPECT_TRUE(network.udpPortFree(c.probed, port));
    }
    WSACleanup();
}

// Also run in a zone east of UTC with daylight saving time (see CMakeLists.txt),
// where a wrong sign or a missed daylight bias shows.
TEST(Win32Clock, LocalTimeLessItsOffsetIsUtc) {
    const auto minutes = [](const SYSTEMTIME& time) {
        FILETIME file{};
        SystemTimeToFileTime(&time, &file);
        return static_cast<long long>((static_cast<unsigned long long>(file.dwHighDateTime) << 32 |
                                       file.dwLowDateTime) / 600000000ull);
    };
    SYSTEMTIME before{}, after{};
    GetSystemTime(&before);
    const LocalTime local = win::Win32Clock().localNow();
    GetSystemTime(&after);
    const SYSTEMTIME fields{static_cast<WORD>(local.year),  static_cast<WORD>(local.month),
                            0,
                            static_cast<WORD>(local.day),   static_cast<WORD>(local.hour),
                            static_cast<WORD>(local.minute), static_cast<WORD>(local.second),
                            0};
    const long long utc = minutes(fields) - local.offsetMinutes;
    EXPECT_GE(utc, minutes(before));
    EXPECT_LE(utc, minutes(after));
    if (const char* zone = std::getenv("TZ"); zone && std::string(zone) == "Australia/Sydney") {
        EXPECT_TRUE(local.offsetMinutes == 600 || local.offsetMinutes == 660) << local.offsetMinutes;
    }
}
