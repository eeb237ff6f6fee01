// HLDS Vantry.exe run for real, driven from another process as a user's
// clicks and keys reach it, against stand-in server consoles and a real one.
#include <gtest/gtest.h>
#include <winsock2.h>
#include <windows.h>
#include <oleacc.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "EndToEnd.h"
#include "ScreenReader.h"

using namespace vantry::testutil;
using namespace std::chrono_literals;

// Consoles of every kind listed with their marks, renamed by a click and by
// Enter; never a window of another copy, not even its question titled
// "HLDS.exe"; a closed console dropped while a name typed for another stays.
TEST_F(EndToEnd, TheMainWindowListsAndRenamesConsolesButNoWindowOfAnotherCopy) {
    // No settings: a second copy's launcher asks where hlds.exe is.
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\HLDSVantry");
    ChildProcess program(ProgramLine(""));
    HWND main = program.waitForShownWindow("HLDSVantryMain");
    EXPECT_EQ(WindowText(main), "HLDS Vantry v3.3.1");
    HWND list = GetDlgItem(main, IdList);
    ChildProcess second(ProgramLine("/s"));
    HWND question = second.waitForWindow("#32770", "HLDS.exe");

    // A real console opened after the stand-ins stands above them in the
    // window order, and is found all the same.
    ChildProcess shown(server("-game valve -standin-title \"HLDS - one\""), hl.path());
    // Titles in any script: the system keeps them as Unicode, and so must the list.
    const std::string twoTitle = "HLDS - \xD0\xB4\xD0\xB2\xD0\xB0 \xE2\x84\x96" "2";  // два №2
    ChildProcess hidden(server("-game cstrike -standin-hidden -standin-title \"" + twoTitle + "\""), hl.path());
    HWND one = shown.waitForWindow("tty"), two = hidden.waitForWindow("tty");
    ChildProcess console("cmd.exe /k title HLDS - x", hl.path(), CREATE_NEW_CONSOLE);
    ASSERT_TRUE(WaitFor([&] { return FindWindowA(nullptr, "HLDS - x") != nullptr; }));

    // Every console is listed within two polls, with its shown or hidden mark.
    ASSERT_TRUE(WaitFor([&] { return Entries(list).size() == 3; }, 3s)) << Entries(list).size();
    for (const auto& e : Entries(list)) {
        EXPECT_EQ(e.text.rfind("HLDS - ", 0), 0u) << "neither the title window nor a copy's question: " << e.text;
        EXPECT_EQ(e.ticked, e.text != twoTitle) << e.text;
    }
    EXPECT_FALSE(IsWindowVisible(two));
    EXPECT_TRUE(IsWindowVisible(question));

    // Renaming: pick the entry, type the name, press Rename.
    ClickEntry(list, IndexOf(list, "HLDS - one"), 60);
    HWND nameField = Inner(main, IdName2, "Edit");
    ASSERT_NE(nameField, nullptr);
    EXPECT_EQ(ControlText(nameField), "one");
    SendMessageW(nameField, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"  Dust \u6771\u4EAC  "));
    Click(main, IdRename);
    const std::string renamed = "HLDS - Dust \xE6\x9D\xB1\xE4\xBA\xAC";  // 東京
    EXPECT_TRUE(WaitFor([&] { return WindowText(one) == renamed; })) << WindowText(one);
    EXPECT_NE(IndexOf(list, renamed), -1);

    // While the name is being typed, Enter presses Rename.
    TypeThenEnter(nameField, "Office");
    EXPECT_TRUE(WaitFor([&] { return WindowText(one) == "HLDS - Office"; })) << WindowText(one);

    // A closed console leaves the list; a name being typed for another stays.
    SendMessageA(nameField, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Typed"));
    PostMessageA(FindWindowA(nullptr, "HLDS - x"), WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return Entries(list).size() == 2; }, 4s));
    EXPECT_EQ(ControlText(nameField), "Typed");
    Click(main, IdRename);
    EXPECT_TRUE(WaitFor([&] { return WindowText(one) == "HLDS - Typed"; })) << WindowText(one);
}

// The launcher alone: a start the system refuses, and one onto a port another
// program holds that the admin says No to, say why, leave the launcher open
// with Start enabled and run nothing; then the server starts with the built
// command line, and the program ends.
TEST_F(EndToEnd, TheLauncherAloneSaysWhyAStartDidNotHappenThenStartsTheServer) {
    // A map whose name would add server commands is not offered.
    WriteBytes(hl / "valve\\maps\\crossfire +sv_cheats 1.bsp", "");
    // There, so nobody is asked where it is, but nothing the system can start.
    const std::string server = ReadBytes(hl / "hlds.exe");
    WriteBytes(hl / "hlds.exe", "");
    ChildProcess program(ProgramLine("/s"));
    HWND launcher = program.waitForShownWindow("HLDSVantryLauncher");
    EXPECT_EQ(ControlText(launcher), "Launch Half-Life Dedicated Server ");
    WSADATA wsa;
    ASSERT_EQ(WSAStartup(MAKEWORD(2, 2), &wsa), 0);
    const SOCKET held = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    for (const bool portTaken : {false, true}) {
        SCOPED_TRACE(portTaken ? "the port taken" : "refused by the system");
        if (portTaken) {
            WriteBytes(hl / "hlds.exe", server);
            sockaddr_in at{};
            at.sin_family = AF_INET;
            at.sin_port = htons(27015);
            ASSERT_EQ(bind(held, reinterpret_cast<const sockaddr*>(&at), sizeof at), 0);
        }
        Click(launcher, Launcher::IdStart);
        HWND box = program.waitForWindow("#32770", "Start Server");
        EXPECT_EQ(BoxText(box), portTaken ? "Port 27015 is already in use by another program. Start the server anyway?"
                                          : "Could not start '" + hl.path() + "\\hlds.exe'.");
        ASSERT_TRUE(Answer(box, portTaken ? IDNO : IDOK));
        EXPECT_TRUE(WaitFor([&] {
            return IsWindowEnabled(GetDlgItem(launcher, Launcher::IdStart)) && IsWindowEnabled(launcher);
        }));
        EXPECT_FALSE(program.waitExit(200));
        EXPECT_EQ(ReadBytes(hl / "standin.log"), "");
    }

    // The port field takes digits and backspace only (which, the core's).
    HWND port = Inner(launcher, Launcher::IdPort, "Edit");
    SendMessageA(port, EM_SETSEL, 5, 5);
    for (WPARAM ch : {WPARAM{'x'}, WPARAM{8}, WPARAM{'6'}})
        SendMessageA(port, WM_CHAR, ch, 1);
    EXPECT_EQ(ControlText(port), "27016");
    HWND maps = Inner(launcher, Launcher::IdMaps, "ComboBox");
    ASSERT_EQ(SendMessageA(maps, CB_GETCOUNT, 0, 0), 2) << "an empty entry, then crossfire only";
    SendMessageA(maps, CB_SETCURSEL, 1, 0);
    SendMessageA(Inner(launcher, Launcher::IdParams, "Edit"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("  +maxplayers 8 "));
    Click(launcher, Launcher::IdStart);
    ASSERT_TRUE(program.waitExit(10000));
    closesocket(held);
    WSACleanup();
    ASSERT_TRUE(WaitFor([&] { return !ReadBytes(hl / "standin.log").empty(); }));
    const std::string log = ReadBytes(hl / "standin.log"), tail = "+maxplayers 8  -game valve +map crossfire +port 27016\r\n";
    EXPECT_NE(log.find("\t" + hl.path() + "\t"), std::string::npos) << log;
    EXPECT_EQ(log.substr(log.size() - std::min(log.size(), tail.size())), tail) << log;
    EXPECT_EQ(Option("Params"), "  +maxplayers 8 ");
}

// Two copies of the program on one file: the one that saves last is asked
// before it replaces what the other saved.
TEST_F(EndToEnd, TwoEditorsOnOneFileNeverWipeEachOthersSaveSilently) {
    const std::string file = hl / "valve\\server.cfg";
    WriteBytes(file, "hostname x\r\n");
    const auto typeAndExit = [&](const ChildProcess& program, HWND editor, char c) {
        HWND text = GetDlgItem(editor, CfgEditor::IdText);
        SendMessageA(text, EM_SETSEL, 0, 0);
        SendMessageA(text, WM_CHAR, c, 1);
        Click(editor, IdExit);
        HWND question = program.waitForWindow("#32770", "Save Changes?");
        PressButton(question, IDYES);
    };
    ChildProcess first(ProgramLine("/c " + file)), second(ProgramLine("/c " + file));
    HWND one = first.waitForShownWindow("HLDSVantryCfgEditor"), two = second.waitForShownWindow("HLDSVantryCfgEditor");
    typeAndExit(second, two, 'b');
    EXPECT_TRUE(second.waitExit(10000));
    // No is a save that did not happen: the editor stays open; Yes replaces.
    for (const int answer : {IDNO, IDYES}) {
        typeAndExit(first, one, 'a');
        HWND replace = first.waitForWindow("#32770", "Save File");
        EXPECT_EQ(BoxText(replace),
                  "'server.cfg' has been changed by another program since it was opened. Replace it with this text?");
        PressButton(replace, answer);
        EXPECT_EQ(first.waitExit(answer == IDYES ? 10000 : 500), answer == IDYES);
        EXPECT_EQ(ReadBytes(file), answer == IDYES ? "aahostname x\r\n" : "bhostname x\r\n");
    }
}

namespace {

// A window's framed fields and selectors in their order, each named as a
// screen reader in another process hears it: the frame and its inner control
// alike, or both names when they differ.
std::vector<std::string> FramedControlNames(HWND window) {
    std::vector<std::string> names;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::string kind = ClassOf(child);
        const char* inner = kind == "HLDSVantryTextField"  ? "Edit"
                            : kind == "HLDSVantryGameCombo" ? "ComboBox"
                                                            : nullptr;
        if (!inner)
            continue;
        const std::string frame = ScreenReader(child).name();
        const std::string control = ScreenReader(FindWindowExA(child, nullptr, inner, nullptr)).name();
        names.push_back(frame == control ? frame : frame + " | " + control);
    }
    return names;
}

std::string ClassesText(const char* key, const char* value = nullptr) {
    char data[512] = {};
    DWORD size = sizeof data;
    if (RegGetValueA(HKEY_CLASSES_ROOT, key, value, RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS)
        return "<none>";
    return data;
}

// A first start on a profile that has never run the program.
class Association : public EndToEnd {
protected:
    void SetUp() override {
        EndToEnd::SetUp();
        TearDown();
        RegDeleteKeyValueA(HKEY_CURRENT_USER, "Software\\HLDSVantry\\Options", "RegOnStart");
    }
    void TearDown() override {
        RegDeleteTreeA(HKEY_CLASSES_ROOT, ".cfg");
        RegDeleteTreeA(HKEY_CLASSES_ROOT, "cfgfile");
    }
    // The program as the association names it.
    static std::string Registered() {
        std::string exe = BinDir() + "\\HLDS Vantry.EXE";
        char full[MAX_PATH] = {};
        GetFullPathNameA(exe.c_str(), MAX_PATH, full, nullptr);
        return full;
    }
};

}  // namespace

// The first start registers the association; each window the main window
// opens is modal over it and gives it back when closed, and a screen reader
// in another process hears its controls named; the shell then opens .cfg
// files in the editor.
TEST_F(Association, TheFirstStartRegistersItAndAScreenReaderHearsEachWindowAndTheShellOpensCfgFiles) {
    using Names = std::vector<std::string>;
    MakeDirectory(hl / "cstrike");
    ChildProcess program(ProgramLine(""));
    HWND main = program.waitForShownWindow("HLDSVantryMain");
    // Which entries, in which order, is the core's table; here, that they reach
    // the system's classes naming this very program, which the shell then starts.
    EXPECT_EQ(ClassesText(".cfg"), "cfgfile");
    EXPECT_EQ(ClassesText("cfgfile\\DefaultIcon"), Registered() + ",2");
    EXPECT_EQ(Option("RegOnStart"), "1");
    EXPECT_EQ(FramedControlNames(main), (Names{"Server Name:", "Server Name:"}));
    const ScreenReader list(GetDlgItem(main, IdList)), exit(GetDlgItem(main, IdExit)),
        rename(GetDlgItem(main, IdRename));
    ASSERT_TRUE(list) << std::hex << list.result();
    EXPECT_EQ(list.name(), "Servers:");
    EXPECT_EQ(exit.name(), "Close");
    EXPECT_EQ(exit.role(), ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(rename.name(), "Rename");
    EXPECT_EQ(rename.role(), ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_TRUE(rename.has(STATE_SYSTEM_UNAVAILABLE));

    const struct {
        int button;
        const char *className, *title;
        Names names;
    } windows[] = {
        {IdMainStart, "HLDSVantryLauncher", "Launch Half-Life Dedicated Server ",
         {"Game:", "Mapname:", "Port:", "Additional Parameters:"}},
        {Main::IdOptions, "HLDSVantryOptions", "Options", {"HLDS:", "HLDS Vantry:", "Game:", "New Map:"}},
        {Main::IdCfgEditor, "HLDSVantryCfgEditor", "CFG Editor", {"Game:"}},
        {Main::IdMotd, "HLDSVantryMotdEditor", "MOTD (motd.txt) Editor", {"Game:"}},
        {Main::IdMapCycle, "HLDSVantryMapCycleEditor", "Map Cycle Editor", {"Game:"}},
    };
    for (const auto& w : windows) {
        SCOPED_TRACE(w.className);
        Click(main, w.button);
        HWND window = program.waitForShownWindow(w.className);
        EXPECT_EQ(WindowText(window), w.title);
        EXPECT_FALSE(IsWindowEnabled(main));
        EXPECT_EQ(GetWindow(window, GW_OWNER), main);
        EXPECT_EQ(FramedControlNames(window), w.names);
        if (w.button == Main::IdOptions) {
            EXPECT_EQ(ScreenReader(GetDlgItem(window, Options::IdNextIcon)).name(), "Next Icon");
            // Each game a check box named by its folder, checked as ticked.
            HWND games = GetDlgItem(window, Options::IdGames);
            const ScreenReader reader(games);
            EXPECT_EQ(reader.name(), "Check the HL subdirectories that contain HL games or mods.");
            const bool wasTicked = Entries(games).at(0).ticked;
            ClickEntry(games, 0, 3);
            ASSERT_TRUE(WaitFor([&] { return Entries(games)[0].ticked != wasTicked; }));
            const auto entries = Entries(games);
            ASSERT_EQ(entries.size(), 2u);
            for (LONG i = 0; i < 2; ++i) {
                EXPECT_EQ(reader.name(i + 1), entries[i].text);
                EXPECT_EQ(reader.role(i + 1), ROLE_SYSTEM_CHECKBUTTON);
                EXPECT_EQ(reader.has(STATE_SYSTEM_CHECKED, i + 1), entries[i].ticked) << entries[i].text;
            }
        }
        // The options window's exit would ask about the changed tick.
        const int close = w.button == Main::IdOptions ? static_cast<int>(Options::IdCancel) : static_cast<int>(IdExit);
        Click(window, close);
        EXPECT_TRUE(WaitFor([&] { return !IsWindow(window); }));
        EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(main) != FALSE; }));
    }
    Click(main, IdExit);
    EXPECT_TRUE(program.waitExit(10000));

    // The shell opens a .cfg file, in a directory whose name has spaces, with the program.
    MakeDirectory(hl / "my server configs");
    const std::string file = hl / "my server configs\\listen server.cfg";
    WriteBytes(file, "hostname \"x\"\r\n");
    const ShellOpened opened = OpenThroughShell(file);
    ASSERT_NE(opened.editor, nullptr);
    EXPECT_EQ(WindowText(opened.editor), "CFG Editor - listen server.cfg");
    EXPECT_EQ(ControlText(GetDlgItem(opened.editor, CfgEditor::IdText)), "hostname \"x\"");
    Click(opened.editor, IdExit);
    EXPECT_EQ(WaitForSingleObject(opened.process.get(), 10000), WAIT_OBJECT_0);
}

// Another program's .cfg association: the options window leaves it alone
// while its box stays unticked; registering, at start or by the box, writes
// the program's entries and never takes another program's away.
TEST_F(Association, AnotherProgramsEntriesAreLeftAlone) {
    const auto setClasses = [](const char* key, const char* value, const char* data) {
        RegSetKeyValueA(HKEY_CLASSES_ROOT, key, value, REG_SZ, data, static_cast<DWORD>(strlen(data) + 1));
    };
    setClasses(".cfg", nullptr, "Editor.cfg");
    setClasses(".cfg\\OpenWithProgids", "Editor.cfg", "");
    setClasses("cfgfile\\Shell\\Open\\command", nullptr, "\"C:\\Other\\editor.exe\" %1");
    SetOption("RegOnStart", "0");
    const auto pressOk = [](const ChildProcess& program, int before) {
        HWND main = program.waitForShownWindow("HLDSVantryMain");
        Click(main, Main::IdOptions);
        HWND options = program.waitForShownWindow("HLDSVantryOptions");
        if (before)
            Click(options, before);
        Click(options, Options::IdOk);
        EXPECT_TRUE(WaitFor([&] { return !IsWindow(options); }));
        Click(main, IdExit);
        EXPECT_TRUE(program.waitExit(10000));
    };
    {
        ChildProcess program(ProgramLine(""));
        pressOk(program, 0);
    }
    EXPECT_EQ(ClassesText(".cfg"), "Editor.cfg");
    EXPECT_EQ(ClassesText("cfgfile\\Shell\\Open\\command"), "\"C:\\Other\\editor.exe\" %1");
    EXPECT_EQ(Option("RegOnStart"), "0");

    // Taken back at start, as the user chose; the other program's list stays.
    SetOption("RegOnStart", "1");
    {
        ChildProcess program(ProgramLine(""));
        pressOk(program, Options::IdNextIcon);
    }
    EXPECT_EQ(ClassesText(".cfg"), "cfgfile");
    EXPECT_EQ(ClassesText(".cfg\\OpenWithProgids", "Editor.cfg"), "");
    EXPECT_EQ(ClassesText("cfgfile\\DefaultIcon"), Registered() + ",3") << "the icon chosen";
}

TEST_F(Association, TheOptionsWindowRemovesItRefreshesItsSelectorAndKeepsOneMainWindow) {
    MakeDirectory(hl / "cstrike");
    SetOption("ShowIn", "2");
    ChildProcess program(ProgramLine(""));
    HWND main = program.waitForShownWindow("HLDSVantryMain");
    EXPECT_EQ(ClassOf(GetWindow(main, GW_OWNER)), "HLDSVantryTitle");
    Click(main, Main::IdOptions);
    HWND options = program.waitForShownWindow("HLDSVantryOptions");
    HWND apply = GetDlgItem(options, Options::IdApply);
    EXPECT_FALSE(IsWindowEnabled(apply));
    HWND associate = GetDlgItem(options, Options::IdAssociate);
    EXPECT_EQ(SendMessageA(associate, BM_GETCHECK, 0, 0), BST_CHECKED);

    // Unticking a game takes it out of the selector on Apply.
    HWND games = GetDlgItem(options, Options::IdGames);
    const int cstrike = IndexOf(games, "cstrike");
    ASSERT_NE(cstrike, -1);
    HWND selector = Inner(options, Options::IdGame, "ComboBox");
    EXPECT_EQ(SendMessageA(selector, CB_GETCOUNT, 0, 0), 2);
    ClickEntry(games, cstrike, 3);
    EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(apply) != FALSE; }));
    PostMessageA(apply, BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return SendMessageA(selector, CB_GETCOUNT, 0, 0) == 1; }));
    EXPECT_NE(ReadBytes(BinDir() + "\\games\\games.cfg").find("cstrike;0\r\n"), std::string::npos);

    // While a map name is being typed, Enter adds it.
    HWND maps = GetDlgItem(options, Options::IdMaps);
    HWND newMap = Inner(options, Options::IdNewMap, "Edit");
    TypeThenEnter(newMap, " de_nuke ");
    EXPECT_TRUE(WaitFor([&] { return IndexOf(maps, "de_nuke") != -1; }));
    EXPECT_EQ(ControlText(newMap), "");

    // Unticking the association removes what names the program.
    PostMessageA(associate, BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(apply) != FALSE; }));
    PostMessageA(apply, BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return ClassesText("cfgfile") == "<none>" && ClassesText(".cfg") == "<none>"; }));
    EXPECT_EQ(Option("RegOnStart"), "0");

    // Each place to show in, and back: one main window, owned as the mode says
    // (0 the tray only, 1 the taskbar only, 2 both), with the options window
    // still over it. Only the title window gives the program a taskbar button.
    for (int mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        Click(options, Options::IdTray + mode);
        ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(apply) != FALSE; }));
        PostMessageA(apply, BM_CLICK, 0, 0);
        ASSERT_TRUE(WaitFor([&] { return Option("ShowIn") == std::to_string(mode); }));
        // Done once a new main window is disabled under the options window.
        std::vector<HWND> mains;
        ASSERT_TRUE(WaitFor([&] {
            mains = program.windows("HLDSVantryMain");
            return mains.size() == 1 && mains[0] != main && IsWindowVisible(mains[0]) &&
                   !IsWindowEnabled(mains[0]);
        }));
        main = mains[0];
        HWND owner = GetWindow(main, GW_OWNER);
        const auto titles = program.windows("HLDSVantryTitle");
        EXPECT_EQ((GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0, mode == 0)
            << "an unowned window without this style gets a button";
        ASSERT_EQ(titles.size(), mode == 0 ? 0u : 1u);
        EXPECT_EQ(owner, titles.empty() ? nullptr : titles[0]);
        EXPECT_TRUE(!owner || WaitFor([&] { return IsWindowVisible(owner) != FALSE; }));
        EXPECT_TRUE(IsWindow(options));
        EXPECT_EQ(GetWindow(options, GW_OWNER), main);
        EXPECT_FALSE(IsWindowEnabled(main));
    }

    Click(options, Options::IdOk);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(options); }));
    EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(main) != FALSE; }));
    EXPECT_FALSE(program.waitExit(200));
}

// Names in any script and paths of any length, where users keep their
// servers: the file opens and saves through "/c" and through the
// association, and the launcher starts the server there with parameters in
// any script, exactly as typed.
TEST(Unicode, AnyNameAndAnyPathOpensSavesAndStartsTheServer) {
    const std::string polish = "\xC5\x81ukasz";  // Łukasz
    const std::string params = "+hostname \"\xC5\x81\xC3\xB3" "d\xC5\xBA \xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82\" +maxplayers 8";
    const std::string map = "de_\xD0\xB4\xD0\xBE\xD0\xBC";  // de_дом
    const std::string cfg = "hostname \"\xC5\x81\xC3\xB3" "d\xC5\xBA\"\r\n// \xE9\xBB\x98\xE8\xAE\xA4=30\r\n";
    const struct {
        const char* name;
        std::string folder;
        std::size_t cfgLength;  // 0: as it comes
    } cases[] = {
        {"Cyrillic", "\xD0\xA2\xD0\xB5\xD1\x81\xD1\x82", 0},
        {"CJK", "\xE6\x97\xA5\xE6\x9C\xAC \xE3\x82\xB5\xE3\x83\xBC\xE3\x83\x90\xE3\x83\xBC", 0},
        {"Polish user folder", "Users\\" + polish + "\\Servers", 0},
        {"252 characters", polish, 252},
        {"300 characters", polish, 300},
    };
    const std::string suffix = "\\valve\\server.cfg";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Folders base(TempFolder() + "\\" + c.folder, c.cfgLength ? c.cfgLength - suffix.size() - 40 : 0);
        Installation installation(base.path(), c.cfgLength ? c.cfgLength - suffix.size() : 0);
        const std::string hl = installation.hl.path(), file = hl + suffix;
        if (c.cfgLength) {
            ASSERT_EQ(vantry::win::Widen(file).size(), c.cfgLength);
        }
        WriteBytes(file, cfg);
        WriteBytes(hl + "\\valve\\maps\\" + map + ".bsp", "");
        const bool shellOpens = vantry::win::Widen(file).size() < MAX_PATH;
        SetSetting("Options", "RegOnStart", shellOpens ? "1" : "0");

        // "/c": shown as written, and saved back in UTF-8 with the change.
        {
            ChildProcess program(ProgramLine("/c \"" + file + "\""));
            HWND editor = program.waitForShownWindow("HLDSVantryCfgEditor");
            EXPECT_EQ(WindowText(editor), "CFG Editor - server.cfg");
            HWND text = GetDlgItem(editor, CfgEditor::IdText);
            EXPECT_EQ(ControlText(text), cfg.substr(0, cfg.size() - 2));
            SendMessageW(text, EM_SETSEL, 0, 0);
            SendMessageW(text, WM_CHAR, L'x', 1);
            Click(editor, IdExit);
            HWND question = program.waitForWindow("#32770", "Save Changes?");
            PressButton(question, IDYES);
            EXPECT_TRUE(program.waitExit(10000));
            EXPECT_EQ(ReadBytes(file), "x" + cfg);
        }
        // Opened through the association, which the start above registered.
        if (shellOpens) {
            const ShellOpened opened = OpenThroughShell(file);
            ASSERT_NE(opened.editor, nullptr);
            EXPECT_EQ(ControlText(GetDlgItem(opened.editor, CfgEditor::IdText)) + "\r\n", "x" + cfg);
            Click(opened.editor, IdExit);
            EXPECT_EQ(WaitForSingleObject(opened.process.get(), 10000), WAIT_OBJECT_0);
        }
        // The launcher, with this folder as HLdir.
        {
            ChildProcess program(ProgramLine("/s"));
            HWND launcher = program.waitForShownWindow("HLDSVantryLauncher");
            HWND maps = Inner(launcher, Launcher::IdMaps, "ComboBox");
            ASSERT_EQ(SendMessageA(maps, CB_GETCOUNT, 0, 0), 3) << "an empty entry, crossfire and " << map;
            SendMessageA(maps, CB_SETCURSEL, 2, 0);
            const std::wstring wideParams = vantry::win::Widen(params);
            SendMessageW(Inner(launcher, Launcher::IdParams, "Edit"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wideParams.c_str()));
            Click(launcher, Launcher::IdStart);
            if (!shellOpens) {
                // No system starts a program from a folder past MAX_PATH: the
                // launcher says so, as for any refused start.
                HWND box = program.waitForWindow("#32770", "Start Server");
                EXPECT_EQ(BoxText(box), "Could not start '" + hl + "\\hlds.exe'.");
                Answer(box, IDOK);
                EXPECT_EQ(Setting("Options", "Params"), params);
                Click(launcher, IdExit);
                EXPECT_TRUE(program.waitExit(10000));
                continue;
            }
            EXPECT_TRUE(program.waitExit(10000));
            ASSERT_TRUE(WaitFor([&] { return !ReadBytes(hl + "\\standin.log").empty(); }));
            const std::string log = ReadBytes(hl + "\\standin.log");
            const std::string tail = params + "  -game valve +map " + map + " +port 27015\r\n";
            EXPECT_NE(log.find("\t" + hl + "\t"), std::string::npos) << log;
            EXPECT_EQ(log.substr(log.size() - std::min(log.size(), tail.size())), tail) << log;
            if (HWND server = FindWindowA("tty", nullptr))
                PostMessageA(server, WM_CLOSE, 0, 0);
        }
    }
    RegDeleteTreeA(HKEY_CLASSES_ROOT, ".cfg");
    RegDeleteTreeA(HKEY_CLASSES_ROOT, "cfgfile");
}

namespace {

// A log-off or shut-down as the system's own tool starts it: every window of
// every program is asked, and a program that agrees is ended. 0 when the
// session ended, 1 when a window refused.
DWORD EndSession() {
    ChildProcess wineboot("wineboot.exe --end-session");
    if (!wineboot.waitExit(30000))
        return STILL_ACTIVE;
    return wineboot.exitCode();
}

}  // namespace

// Unsaved work, alone or over the main window: the session end is refused,
// the window asks its own close question once however often it is tried, and
// nothing is written until the answer is Yes. With nothing unsaved any more,
// the session ends as ever, and the main window's place is kept.
TEST_F(EndToEnd, ASessionEndWaitsForTheAnswerToTheUnsavedWindowsOwnQuestion) {
    const std::string cfg = hl / "valve\\server.cfg", motd = hl / "valve\\motd.txt";
    const std::string games = BinDir() + "\\games\\games.cfg";
    WriteBytes(cfg, "hostname x\r\n");
    WriteBytes(motd, "Welcome\r\n");
    const auto type = [](int id) {
        return [id](HWND window) {
            SendMessageW(GetDlgItem(window, id), EM_SETSEL, 0, 0);
            SendMessageW(GetDlgItem(window, id), WM_CHAR, L'x', 1);
        };
    };
    const struct {
        const char* name;
        std::string arguments;
        int button;  // the main window's button that opens it; 0 alone
        const char* className;
        std::function<void(HWND)> change;
        const char *questionTitle, *question;
        std::string file, saved;
    } cases[] = {
        {"/c", "/c \"" + cfg + "\"", 0, "HLDSVantryCfgEditor", type(CfgEditor::IdText), "Save Changes?",
         "Save changes before exiting?", cfg, "xhostname x\r\n"},
        {"MOTD", "", Main::IdMotd, "HLDSVantryMotdEditor", type(MotdEditor::IdDocument), "Exit", "Save changes to current MOTD.txt?", motd,
         "xWelcome\r\n"},
        {"Options", "", Main::IdOptions, "HLDSVantryOptions",
         [](HWND window) { ClickEntry(GetDlgItem(window, Options::IdGames), 0, 3); }, "Exit",
         "Save changes to settings?", games, "valve;0\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ChildProcess program(ProgramLine(c.arguments));
        HWND main = c.button ? program.waitForShownWindow("HLDSVantryMain") : nullptr;
        if (c.button)
            Click(main, c.button);
        HWND window = program.waitForShownWindow(c.className);
        const std::string before = ReadBytes(c.file);
        c.change(window);

        EXPECT_EQ(EndSession(), 1u) << "refused";
        HWND question = program.waitForWindow("#32770", c.questionTitle);
        EXPECT_EQ(BoxText(question), c.question);
        EXPECT_EQ(GetWindow(question, GW_OWNER), window);
        EXPECT_EQ(EndSession(), 1u) << "refused again while the question is up";
        EXPECT_EQ(program.windows("#32770").size(), 1u) << "asked once";
        EXPECT_EQ(ReadBytes(c.file), before) << "nothing written before the answer";

        ASSERT_TRUE(Answer(question, IDYES));
        EXPECT_TRUE(WaitFor([&] { return ReadBytes(c.file) == c.saved; })) << ReadBytes(c.file);
        if (!main) {
            EXPECT_TRUE(program.waitExit(10000)) << "closed as its Yes closes it alone";
            continue;
        }
        EXPECT_TRUE(WaitFor([&] { return !IsWindow(window) && IsWindowEnabled(main); }));
        EXPECT_EQ(EndSession(), 0u);
        EXPECT_TRUE(program.waitExit(10000));
        EXPECT_NE(Setting("Main", "X"), "");
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\HLDSVantry\\Main");
    }
}

namespace {

// The list's menu for the current entry, as the menu key opens it, and its
// last entry ("Restart If It Crashes") chosen with the keys.
void ToggleRestartIfItCrashes(const ChildProcess& program, HWND main) {
    HWND list = GetDlgItem(main, IdList);
    PostMessageA(main, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), -1);
    HWND menu = program.waitForWindow("#32768");
    PostMessageA(menu, WM_KEYDOWN, VK_UP, 0);
    PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(menu); }));
}

// The lines of the stand-in's own log: how each server was started.
std::vector<std::string> StandinStarts(const std::string& hl) {
    std::vector<std::string> lines;
    const std::string log = ReadBytes(hl + "\\standin.log");
    for (std::size_t at = 0, end; (end = log.find("\r\n", at)) != std::string::npos; at = end + 2)
        lines.push_back(log.substr(log.find('\t', at) + 1, end - log.find('\t', at) - 1));
    return lines;
}

}  // namespace

// A watched server that crashes comes back with the same command line, in
// the same folder, with the name the admin gave it and hidden as it was; one
// that is closed stays closed. The log tells each step.
TEST_F(EndToEnd, AWatchedServerThatCrashesIsStartedAgainAndOneClosedIsNot) {
    SetOption("Params", "-standin-crash-after 6000");
    ChildProcess program(ProgramLine(""));
    HWND main = program.waitForShownWindow("HLDSVantryMain");
    HWND list = GetDlgItem(main, IdList);
    // Started from the main window, whose list then shows the new console.
    Click(main, IdMainStart);
    HWND launcher = program.waitForShownWindow("HLDSVantryLauncher");
    Click(launcher, Launcher::IdStart);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(launcher) && IsWindowEnabled(main); }));
    ASSERT_TRUE(WaitFor([&] { return Entries(list).size() == 1; }, 4s));
    ClickEntry(list, 0, 60);
    ToggleRestartIfItCrashes(program, main);
    HWND nameField = Inner(main, IdName2, "Edit");
    SendMessageA(nameField, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("dust"));
    SendMessageA(GetDlgItem(main, IdRename), BM_CLICK, 0, 0);
    ClickEntry(list, 0, 3);  // hidden
    ASSERT_TRUE(WaitFor([&] { return Entries(list).size() == 1 && Entries(list)[0].text == "HLDS - dust" &&
                                     !Entries(list)[0].ticked; }));

    // It crashes; five seconds later it runs again, named and hidden as it was.
    ASSERT_TRUE(WaitFor([&] { return StandinStarts(hl.path()).size() == 2; }, 20s)) << ReadBytes(ServerLog());
    const auto starts = StandinStarts(hl.path());
    EXPECT_EQ(starts[1], starts[0]) << "the same folder and command line";
    ASSERT_TRUE(WaitFor([&] { return Entries(list).size() == 1 && Entries(list)[0].text == "HLDS - dust"; }, 5s));
    EXPECT_FALSE(Entries(list)[0].ticked);
    HWND console = FindWindowA("tty", "HLDS - dust");
    ASSERT_NE(console, nullptr);
    EXPECT_FALSE(IsWindowVisible(console));
    const std::string log = ReadBytes(ServerLog());
    for (const char* event : {"\tstart\t-\t27015\t", "\tcrash\t0xC0000005\t27015\t", "\trestart\t-\t27015\t"})
        EXPECT_NE(log.find(event), std::string::npos) << event << " in " << log;

    // Closed by the admin: an end, and no restart.
    PostMessageA(console, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return Entries(list).empty(); }, 4s));
    ASSERT_TRUE(WaitFor([&] { return ReadBytes(ServerLog()).find("\tend\t0x00000000") != std::string::npos; }, 4s));
    EXPECT_EQ(StandinStarts(hl.path()).size(), 2u);
    Click(main, IdExit);
    EXPECT_TRUE(program.waitExit(10000));
}
