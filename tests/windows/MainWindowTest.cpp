#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

#include "Processes.h"
#include "TempDir.h"
#include "UiDriver.h"

using namespace vantry::testutil;
using namespace std::chrono_literals;

namespace {

// Control ids of the main window, as a user's keyboard and a screen reader reach them.
enum : int { IdList = 100, IdName2 = 102, IdRename = 104, IdExit = 1001 };

struct Entry {
    std::string text;
    bool ticked;
};

// lstServers as another process sees it. The text is read the wide way: Wine
// does not convert a list box's ANSI text back for an ANSI caller in another process.
std::string Narrow(const wchar_t* wide) {
    char text[512] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return text;
}

std::vector<Entry> Entries(HWND list) {
    std::vector<Entry> entries;
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t wide[512] = {};
        SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide));
        entries.push_back({Narrow(wide), SendMessageA(list, LB_GETITEMDATA, i, 0) == 1});
    }
    return entries;
}

int IndexOf(HWND list, const std::string& text) {
    const auto entries = Entries(list);
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].text == text)
            return static_cast<int>(i);
    return -1;
}

// A click at a point of an entry: on its tick box (x small) or on its text.
void ClickEntry(HWND list, int index, int x) {
    const int height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    const LPARAM at = MAKELPARAM(x, index * height + height / 2);
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(list, WM_LBUTTONUP, 0, at);
}

std::string TitleOf(HWND hwnd) {
    char text[256] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

// A control's text as the control holds it (an edit keeps its own), asked for
// the wide way for the same reason as the list's entries.
std::string ControlText(HWND hwnd) {
    wchar_t wide[512] = {};
    SendMessageW(hwnd, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(wide));
    return Narrow(wide);
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A first start: no settings from an earlier run.
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\HLDSVantry");
        CopyFileA((BinDir() + "\\hlds-standin.exe").c_str(), (dir / "hlds.exe").c_str(), FALSE);
    }
    std::string Server(const std::string& arguments) { return '"' + (dir / "hlds.exe") + "\" " + arguments; }

    TempDir dir;
};

}  // namespace

TEST_F(MainWindowTest, ListsConsolesAndHidesShowsRenamesAndExits) {
    ChildProcess program('"' + BinDir() + "\\HLDS Vantry.exe\"");
    ASSERT_TRUE(program.started());
    HWND main = program.waitForShownWindow("HLDSVantryMain");
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(TitleOf(main), "HLDS Vantry v3.3.1");
    HWND list = GetDlgItem(main, IdList);

    // The walk starts at the first "tty" window and goes down the window order,
    // so the real console opens first, below the stand-ins.
    ChildProcess console("cmd.exe /k title HLDS - x", dir.path(), CREATE_NEW_CONSOLE);
    ASSERT_TRUE(WaitFor([&] { return FindWindowA(nullptr, "HLDS - x") != nullptr; }));
    ChildProcess shown(Server("-game valve -standin-title \"HLDS - one\""), dir.path());
    ChildProcess hidden(Server("-game cstrike -standin-hidden -standin-title \"HLDS - two\""), dir.path());
    HWND one = shown.waitForWindow("tty");
    HWND two = hidden.waitForWindow("tty");
    ASSERT_NE(one, nullptr);
    ASSERT_NE(two, nullptr);

    // Every console is listed within two polls, with its shown or hidden mark.
    ASSERT_TRUE(WaitFor([&] { return Entries(list).size() == 3; }, 3s)) << Entries(list).size();
    for (const auto& e : Entries(list)) {
        EXPECT_EQ(e.text.rfind("HLDS - ", 0), 0u) << "the title window is never listed: " << e.text;
        EXPECT_EQ(e.ticked, e.text != "HLDS - two") << e.text;
    }
    EXPECT_FALSE(IsWindowVisible(two));

    // Unticking a console hides it.
    ClickEntry(list, IndexOf(list, "HLDS - one"), 3);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(one); }));
    EXPECT_FALSE(Entries(list)[IndexOf(list, "HLDS - one")].ticked);
    ClickEntry(list, IndexOf(list, "HLDS - one"), 3);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(one) != FALSE; }));

    // Renaming: pick the entry, type the name, press Rename.
    ClickEntry(list, IndexOf(list, "HLDS - one"), 60);
    HWND nameField = FindWindowExA(GetDlgItem(main, IdName2), nullptr, "Edit", nullptr);
    ASSERT_NE(nameField, nullptr);
    EXPECT_EQ(ControlText(nameField), "one");
    SendMessageA(nameField, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("  Dust  "));
    SendMessageA(GetDlgItem(main, IdRename), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return TitleOf(one) == "HLDS - Dust"; })) << TitleOf(one);
    EXPECT_NE(IndexOf(list, "HLDS - Dust"), -1);

    // While the name is being typed, Enter presses Rename.
    SendMessageA(nameField, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(nameField, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    SendMessageA(nameField, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Office"));
    PostMessageA(nameField, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    PostMessageA(nameField, WM_KEYUP, VK_RETURN, 0xC01C0001);
    EXPECT_TRUE(WaitFor([&] { return TitleOf(one) == "HLDS - Office"; })) << TitleOf(one);

    // A closed console leaves the list.
    PostMessageA(FindWindowA(nullptr, "HLDS - x"), WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return Entries(list).size() == 2; }, 4s));

    // With a console hidden, exit asks first; No keeps the program running.
    PostMessageA(GetDlgItem(main, IdExit), BM_CLICK, 0, 0);
    HWND question = program.waitForWindow("#32770", "Exit");
    ASSERT_NE(question, nullptr);
    EXPECT_NE(WindowText(GetDlgItem(question, 0xFFFF)).find("hidden servers"), std::string::npos);
    PressButton(question, IDNO);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(question); }));
    EXPECT_FALSE(program.waitExit(300));
    EXPECT_TRUE(IsWindow(main));

    // Yes ends it, and the hidden console stays hidden.
    PostMessageA(GetDlgItem(main, IdExit), BM_CLICK, 0, 0);
    question = program.waitForWindow("#32770", "Exit");
    ASSERT_NE(question, nullptr);
    PressButton(question, IDYES);
    EXPECT_TRUE(program.waitExit(10000));
    EXPECT_FALSE(IsWindowVisible(two));
    EXPECT_FALSE(hidden.waitExit(0));
}
