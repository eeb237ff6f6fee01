// One road through each window by keys alone, typed into HLDS Vantry.exe from
// another process as a keyboard types them, and the taskbar button's Close.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "EndToEnd.h"

using namespace vantry::testutil;

namespace {

void Key(WORD vk, bool down) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &in, sizeof in);
}

// Each key in turn, with the modifier held throughout (0: none).
void Press(std::initializer_list<WORD> keys, WORD modifier = 0) {
    if (modifier)
        Key(modifier, true);
    for (WORD vk : keys) {
        Key(vk, true);
        Key(vk, false);
    }
    if (modifier)
        Key(modifier, false);
}

void Type(const std::string& text) {
    for (char c : text) {
        const SHORT scan = VkKeyScanA(c);
        Press({static_cast<WORD>(LOBYTE(scan))}, (HIBYTE(scan) & 1) ? VK_SHIFT : 0);
    }
}

// The control that has the keyboard in another process's window.
HWND FocusOf(HWND window) {
    GUITHREADINFO info{sizeof info};
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

class Keyboard : public EndToEnd {
protected:
    // The window once it has the keyboard, so that the keys go to it.
    HWND Ready(const ChildProcess& program, const char* className) {
        HWND window = program.waitForShownWindow(className);
        EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == window; })) << className;
        return window;
    }
};

}  // namespace

TEST_F(Keyboard, MainWindowOptionsLauncherServerListAndTheTaskbarButtonsClose) {
    ChildProcess program(ProgramLine(""));
    HWND main = Ready(program, "HLDSVantryMain");

    // A mnemonic opens the launcher, Esc takes it away, Enter starts the server.
    Press({'S'}, VK_MENU);
    HWND launcher = Ready(program, "HLDSVantryLauncher");
    Press({VK_ESCAPE});
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(launcher); }));
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == main; }));
    Press({'S'}, VK_MENU);
    launcher = Ready(program, "HLDSVantryLauncher");
    Press({VK_RETURN});
    HWND list = GetDlgItem(main, IdList);
    ASSERT_TRUE(WaitFor([&] { return Entries(list).size() == 1; }));
    // The new console comes to the front if it shows after the launcher has
    // handed the keyboard back, as a new program's window does; the user then
    // clicks the main window. The stand-in notes its start once its window
    // is shown and active.
    HWND console = FindWindowA("tty", nullptr);
    ASSERT_TRUE(WaitFor([&] { return !ReadBytes(hl / "standin.log").empty(); }));
    SetForegroundWindow(main);
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == main; }));

    // The keyboard is back on the button that opened the launcher; Shift+Tab
    // goes back up to the list, where Space unticks the entry and hides its console.
    EXPECT_TRUE(WaitFor([&] { return FocusOf(main) == GetDlgItem(main, IdMainStart); }));
    for (int i = 0; i < 6 && FocusOf(main) != list; ++i) {
        const HWND before = FocusOf(main);
        Press({VK_TAB}, VK_SHIFT);
        WaitFor([&] { return FocusOf(main) != before; }, std::chrono::seconds(2));
    }
    ASSERT_EQ(FocusOf(main), list);
    Press({VK_HOME, VK_SPACE});
    EXPECT_TRUE(WaitFor([&] { return !Entries(list).empty() && !Entries(list)[0].ticked; }));
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(console); }));

    // F1 shows the About box, Esc closes it.
    Press({VK_F1});
    HWND about = program.waitForShownWindow("HLDSVantryAbout");
    Press({VK_ESCAPE});
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(about); }));

    // The options window's games list has the keyboard: Space unticks valve,
    // Alt+A applies; Space again, and Esc cancels the tick unsaved.
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == main; }));
    Press({'O'}, VK_MENU);
    HWND options = Ready(program, "HLDSVantryOptions");
    Press({VK_HOME, VK_SPACE});
    Press({'A'}, VK_MENU);
    const std::string games = BinDir() + "\\games\\games.cfg";
    EXPECT_TRUE(WaitFor([&] { return ReadBytes(games).find("valve;0") != std::string::npos; }));
    Press({VK_SPACE});
    Press({VK_ESCAPE});
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(options); }));
    EXPECT_NE(ReadBytes(games).find("valve;0"), std::string::npos);

    // The taskbar button's Close (SC_CLOSE to the title window, as Alt+F4
    // there gives too) is the main window's exit: the open editor's own
    // question first, where Cancel keeps everything and asks nothing more,
    // then the one about hidden servers.
    HWND title = GetWindow(main, GW_OWNER);
    ASSERT_EQ(ClassOf(title), "HLDSVantryTitle");
    Click(main, Main::IdCfgEditor);
    HWND editor = program.waitForShownWindow("HLDSVantryCfgEditor");
    SendMessageW(GetDlgItem(editor, CfgEditor::IdText), WM_CHAR, L'x', 1);
    for (const int answer : {IDCANCEL, IDNO}) {
        PostMessageA(title, WM_SYSCOMMAND, SC_CLOSE, 0);
        HWND question = program.waitForWindow("#32770", "Save Changes?");
        EXPECT_EQ(BoxText(question), "Save changes before exiting?");
        ASSERT_TRUE(Answer(question, answer));
        EXPECT_FALSE(program.waitExit(300));
        EXPECT_EQ(IsWindow(editor) != FALSE, answer == IDCANCEL);
        if (answer == IDCANCEL) {
            EXPECT_EQ(program.window("#32770"), nullptr) << "asked more";
        }
    }
    HWND question = program.waitForWindow("#32770", "Exit");
    EXPECT_NE(BoxText(question).find("hidden servers"), std::string::npos);
    ASSERT_TRUE(Answer(question, IDNO));
    EXPECT_FALSE(program.waitExit(300));

    // Alt+F4 asks about the hidden console again; Y ends the program, and
    // the console stays as it is.
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == main; }));
    Press({VK_F4}, VK_MENU);
    question = program.waitForWindow("#32770", "Exit");
    Press({'Y'});
    EXPECT_TRUE(program.waitExit(10000));
    EXPECT_TRUE(IsWindow(console) && !IsWindowVisible(console));
}

TEST_F(Keyboard, EditorsAlone) {
    // MOTD: Tab from the game to the text, type, Alt+S saves, Alt+C closes.
    {
        ChildProcess program(ProgramLine("/o"));
        Ready(program, "HLDSVantryMotdEditor");
        Press({VK_TAB});
        Type("hello");
        Press({'S'}, VK_MENU);
        EXPECT_TRUE(WaitFor([&] { return ReadBytes(hl / "valve\\motd.txt") == "hello\r\n"; }))
            << ReadBytes(hl / "valve\\motd.txt");
        Press({'C'}, VK_MENU);
        EXPECT_TRUE(program.waitExit(10000));
    }
    // Map cycle: Tab to the maps, pick one, Tab to Add, Space, Alt+S.
    {
        ChildProcess program(ProgramLine("/m"));
        Ready(program, "HLDSVantryMapCycleEditor");
        Press({VK_TAB, VK_HOME, VK_TAB, VK_SPACE});
        Press({'S'}, VK_MENU);
        EXPECT_TRUE(WaitFor([&] { return ReadBytes(hl / "valve\\mapcycle.txt") == "crossfire\r\n"; }))
            << ReadBytes(hl / "valve\\mapcycle.txt");
        Press({VK_F4}, VK_MENU);
        EXPECT_TRUE(program.waitExit(10000));
    }
    // Configuration editor: the Insert menu by keys puts a map name in the text.
    {
        ChildProcess program(ProgramLine("/c"));
        HWND editor = Ready(program, "HLDSVantryCfgEditor");
        Press({'I'}, VK_MENU);
        Press({VK_DOWN, VK_RIGHT, VK_RETURN});
        EXPECT_TRUE(WaitFor([&] { return ControlText(GetDlgItem(editor, CfgEditor::IdText)).find("crossfire") != std::string::npos; }))
            << ControlText(GetDlgItem(editor, CfgEditor::IdText));
        Press({VK_F4}, VK_MENU);
        program.waitForWindow("#32770");
        Press({'N'});
        EXPECT_TRUE(program.waitExit(10000));
    }
}
