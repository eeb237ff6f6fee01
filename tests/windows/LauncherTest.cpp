#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <string>

#include "Processes.h"
#include "TempDir.h"
#include "UiDriver.h"

using namespace vantry::testutil;
using namespace std::chrono_literals;

namespace {

enum : int { IdMaps = 301, IdPort = 302, IdParams = 303, IdStart = 304, IdMainStart = 105, IdList = 100 };

void Set(const char* key, const std::string& value) {
    RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\HLDSVantry\\Options", key, REG_SZ, value.c_str(),
                    static_cast<DWORD>(value.size() + 1));
}

// The inner edit or combo box of one of the program's own controls.
HWND Inner(HWND window, int id, const char* className) {
    return FindWindowExA(GetDlgItem(window, id), nullptr, className, nullptr);
}

std::string Text(HWND hwnd) {
    wchar_t wide[512] = {};
    SendMessageW(hwnd, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(wide));
    char text[512] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return text;
}

// A Half-Life directory with the stand-in as hlds.exe, and settings that point
// at it and at the program, so nothing asks where they are.
class LauncherTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\HLDSVantry");
        CopyFileA((BinDir() + "\\hlds-standin.exe").c_str(), (hl / "hlds.exe").c_str(), FALSE);
        CreateDirectoryA((hl / "valve").c_str(), nullptr);
        CreateDirectoryA((hl / "valve\\maps").c_str(), nullptr);
        WriteBytes(hl / "valve\\maps\\crossfire.bsp", "");
        Set("HLdir", hl.path() + "\\");
        Set("HLexe", "hlds.exe");
        Set("HLDSdir", BinDir() + "\\");
        Set("HLDSexe", "HLDS Vantry.exe");
        Set("RegOnStart", "0");
    }
    std::string Program() const { return '"' + BinDir() + "\\HLDS Vantry.exe\""; }

    TempDir hl;
};

}  // namespace

TEST_F(LauncherTest, AloneItStartsTheServerWithTheBuiltCommandLineAndEnds) {
    ChildProcess program(Program() + " /s");
    HWND launcher = program.waitForShownWindow("HLDSVantryLauncher");
    ASSERT_NE(launcher, nullptr);
    EXPECT_EQ(Text(launcher), "Launch Half-Life Dedicated Server ");

    // The port field takes digits and backspace only.
    HWND port = Inner(launcher, IdPort, "Edit");
    EXPECT_EQ(Text(port), "27015");
    SendMessageA(port, EM_SETSEL, 5, 5);
    for (WPARAM ch : {WPARAM{'x'}, WPARAM{'7'}, WPARAM{8}, WPARAM{8}, WPARAM{'6'}})
        SendMessageA(port, WM_CHAR, ch, 1);
    EXPECT_EQ(Text(port), "27016");

    HWND maps = Inner(launcher, IdMaps, "ComboBox");
    ASSERT_EQ(SendMessageA(maps, CB_GETCOUNT, 0, 0), 2) << "an empty entry, then crossfire";
    SendMessageA(maps, CB_SETCURSEL, 1, 0);
    SendMessageA(Inner(launcher, IdParams, "Edit"), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>("  +maxplayers 8 "));
    PostMessageA(GetDlgItem(launcher, IdStart), BM_CLICK, 0, 0);

    ASSERT_TRUE(program.waitExit(10000));
    ASSERT_TRUE(WaitFor([&] { return !ReadBytes(hl / "standin.log").empty(); }));
    const std::string log = ReadBytes(hl / "standin.log");
    const std::string expectedTail = "\t+maxplayers 8  -game valve +map crossfire +port 27016\r\n";
    EXPECT_NE(log.find("\t" + hl.path() + "\t"), std::string::npos) << log;
    EXPECT_EQ(log.substr(log.size() - (expectedTail.size() - 1)), expectedTail.substr(1)) << log;
    HKEY key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\HLDSVantry\\Options", 0, KEY_READ, &key), 0);
    char params[64] = {};
    DWORD size = sizeof params;
    RegQueryValueExA(key, "Params", nullptr, nullptr, reinterpret_cast<BYTE*>(params), &size);
    RegCloseKey(key);
    EXPECT_STREQ(params, "  +maxplayers 8 ");
    for (HWND w = FindWindowA("tty", nullptr); w; w = FindWindowA("tty", nullptr))
        PostMessageA(w, WM_CLOSE, 0, 0), WaitFor([&] { return !IsWindow(w); });
}

TEST_F(LauncherTest, ARefusedLaunchSaysSoAndTheLauncherStaysOpen) {
    // There, so nobody is asked where it is, but nothing the system can start.
    WriteBytes(hl / "hlds.exe", "");
    ChildProcess program(Program() + " /s");
    HWND launcher = program.waitForShownWindow("HLDSVantryLauncher");
    ASSERT_NE(launcher, nullptr);
    PostMessageA(GetDlgItem(launcher, IdStart), BM_CLICK, 0, 0);
    HWND box = program.waitForWindow("#32770", "Start Server");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(WindowText(GetDlgItem(box, 0xFFFF)), "Could not start '" + hl.path() + "\\hlds.exe'.");
    PressButton(box, IDOK);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(box); }));
    EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(GetDlgItem(launcher, IdStart)) != FALSE; }));
    EXPECT_TRUE(IsWindowEnabled(launcher));
    EXPECT_FALSE(program.waitExit(200));
}

TEST_F(LauncherTest, FromTheMainWindowTheNewConsoleIsListed) {
    ChildProcess program(Program());
    HWND main = program.waitForShownWindow("HLDSVantryMain");
    ASSERT_NE(main, nullptr);
    PostMessageA(GetDlgItem(main, IdMainStart), BM_CLICK, 0, 0);
    HWND launcher = program.waitForShownWindow("HLDSVantryLauncher");
    ASSERT_NE(launcher, nullptr);
    EXPECT_FALSE(IsWindowEnabled(main)) << "the launcher is modal";
    EXPECT_EQ(Text(Inner(launcher, IdPort, "Edit")), "27015");
    PostMessageA(GetDlgItem(launcher, IdStart), BM_CLICK, 0, 0);

    HWND list = GetDlgItem(main, IdList);
    EXPECT_TRUE(WaitFor([&] { return SendMessageA(list, LB_GETCOUNT, 0, 0) == 1; }, 4s));
    EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(main) != FALSE; }));
    EXPECT_FALSE(IsWindow(launcher));
    for (HWND w = FindWindowA("tty", nullptr); w; w = FindWindowA("tty", nullptr))
        PostMessageA(w, WM_CLOSE, 0, 0), WaitFor([&] { return !IsWindow(w); });
}
