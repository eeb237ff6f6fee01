// HLDS Vantry.exe given bad input from outside: damaged or odd files, files
// that other programs hold, settings and command lines no user meant. For
// each, what the user sees (the program's own message, or nothing), and
// that no file is changed or lost unless the user saved.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "EndToEnd.h"
#include "win/platform/Handles.h"

using namespace vantry::testutil;
using namespace std::chrono_literals;
using vantry::win::UniqueKernelHandle;

namespace {

// An editor as the user meets it: how it is started, where its document
// lies, a file it reads, and what Exit asks when there are unsaved changes.
struct Editor {
    const char* name;
    const char* className;
    const char* document;  // under the Half-Life folder
    int documentId;        // the text box, or the list of maps to add
    const char *sample, *exitTitle, *exitText;
    // The MOTD text box wraps its lines, and Wine's text box wraps one long
    // line at a cost that grows with its square: 100,000 characters take two
    // minutes to show there.
    std::size_t longLine;
};
const Editor Cfg{"configuration editor", "HLDSVantryCfgEditor", "valve\\server.cfg", CfgEditor::IdText, "hostname x\r\n",
                 "Save Changes?", "Save changes before exiting?", 100000};
const Editor Motd{"MOTD editor", "HLDSVantryMotdEditor", "valve\\motd.txt", MotdEditor::IdDocument, "hostname x\r\n",
                  "Exit", "Save changes to current MOTD.txt?", 10000};
const Editor Cycle{"map cycle editor", "HLDSVantryMapCycleEditor", "valve\\mapcycle.txt", MapCycle::IdDocument, "de_dust\r\n",
                   "Exit", "Save changes to current Mapcycle?", 100000};

std::string Arguments(const Editor& editor, const std::string& hlDir) {
    if (&editor == &Cfg)
        return "/c " + hlDir + "\\" + editor.document;
    return &editor == &Motd ? "/o" : "/m";
}

// A change that leaves unsaved changes, and that the user may take back at
// once, so that the document is as it was read: a character typed and rubbed
// out again, a map added to the cycle and deleted again.
void Change(const Editor& editor, HWND window, bool takenBack) {
    if (&editor == &Cycle) {
        SendMessageA(GetDlgItem(window, editor.documentId), LB_SETCURSEL, 0, 0);
        SendMessageA(GetDlgItem(window, MapCycle::IdAdd), BM_CLICK, 0, 0);
        if (takenBack)
            SendMessageA(GetDlgItem(window, MapCycle::IdDel), BM_CLICK, 0, 0);
        return;
    }
    HWND text = GetDlgItem(window, editor.documentId);
    SendMessageA(text, WM_CHAR, 'x', 1);
    if (takenBack)
        SendMessageA(text, WM_CHAR, VK_BACK, 1);
}

// What the document shows: the text, or how many entries the cycle has.
std::string DocumentShown(const Editor& editor, HWND window) {
    if (&editor != &Cycle)
        return ControlText(GetDlgItem(window, editor.documentId));
    const int count = static_cast<int>(SendMessageA(GetDlgItem(window, MapCycle::IdCycle), LB_GETCOUNT, 0, 0));
    return count ? std::to_string(count) + " entries" : "";
}

// The program's box, once it shows one.
std::optional<Box> NextBox(const ChildProcess& program) {
    HWND box = nullptr;
    if (!WaitFor([&] { return (box = BoxOf(program)) && IsWindowVisible(box); }))
        return std::nullopt;
    return BoxOf(box);
}

std::string EveryByte() {
    std::string bytes;
    for (int b = 1; b < 256; ++b)
        bytes += static_cast<char>(b);
    return bytes;
}

std::string LongLine(std::size_t length) {
    std::string line;
    for (std::size_t i = 0; i < length; ++i)
        line += static_cast<char>('a' + i % 26);
    return line;
}

// Where two byte strings part, for a message that can be read.
std::string FirstDifference(const std::string& got, const std::string& wanted) {
    std::size_t at = 0;
    while (at < got.size() && at < wanted.size() && got[at] == wanted[at])
        ++at;
    char text[128];
    snprintf(text, sizeof text, "%zu bytes, %zu wanted; first difference at %zu: 0x%02X, 0x%02X wanted", got.size(),
             wanted.size(), at, at < got.size() ? static_cast<unsigned char>(got[at]) : 0u,
             at < wanted.size() ? static_cast<unsigned char>(wanted[at]) : 0u);
    return text;
}

}  // namespace

// Opened, and saved with no change (one made and taken back, so that Save has
// something to do), a file comes back byte for byte, with one final CR LF
// where it had none. A CR alone ends a line as CR LF does, and is written
// back as one.
TEST(BadInput, AFileSavedUnchangedComesBackAsItWasInEveryEditor) {
    const std::string everyByte = EveryByte();
    for (const Editor* editor : {&Cfg, &Motd, &Cycle}) {
        const std::string longLine = LongLine(editor->longLine);
        const struct {
            const char* name;
            std::string bytes, saved;
        } files[] = {
            {"every byte from 0x01 to 0xFF", everyByte, everyByte.substr(0, 12) + "\r\n" + everyByte.substr(13) + "\r\n"},
            {"line feeds alone", "hostname x\nsv_gravity 800\n", "hostname x\nsv_gravity 800\n\r\n"},
            {"carriage returns alone", "hostname x\rsv_gravity 800\r", "hostname x\r\nsv_gravity 800\r\n"},
            {"mixed line ends", "a\r\nb\nc\rd\r\n\r\n", "a\r\nb\nc\r\nd\r\n\r\n"},
            {"a long line (100,000 characters; 10,000 in the MOTD)", "x\r\n" + longLine + "\r\ny\r\n", "x\r\n" + longLine + "\r\ny\r\n"},
            {"no line end at the end", "a\r\nb", "a\r\nb\r\n"},
            {"empty", "", "\r\n"},
        };
        for (const auto& file : files) {
            SCOPED_TRACE(std::string(editor->name) + ", " + file.name);
            Installation installation;
            const std::string path = installation.hl / editor->document;
            WriteBytes(path, file.bytes);
            ChildProcess program(ProgramLine(Arguments(*editor, installation.hl.path())));
            const Shown shown = WaitForWindowOrBox(program, editor->className);
            ASSERT_NE(shown.window, nullptr) << (shown.box ? BoxOf(shown.box).text : "nothing shown");
            Change(*editor, shown.window, true);
            Click(shown.window, IdExit);
            const auto question = NextBox(program);
            EXPECT_EQ(GetWindow(shown.window, GW_OWNER), nullptr) << "alone";
            EXPECT_EQ(question, (Box{editor->exitTitle, editor->exitText}));
            Answer(BoxOf(program), IDYES);
            ASSERT_TRUE(program.waitExit(10000))
                << (BoxOf(program) ? "then: " + BoxOf(BoxOf(program)).text : "no box; the file " +
                    std::string(ReadBytes(path) == file.saved ? "was saved" : "was not saved"));
            const std::string saved = ReadBytes(path);
            EXPECT_TRUE(saved == file.saved) << FirstDifference(saved, file.saved);
        }
    }
}

namespace {

// How the file stands while the program runs.
enum class Hold { Nothing, Locked, ReadOnly };

// What the user saw: the message at opening, whether the document was
// empty, the message at the save.
struct EditorRun {
    std::optional<Box> atOpen, atSave;
    bool shownEmpty = false;
};

// Runs an editor on its document as the user would: looks at what it shows
// first, then, where a save is wanted, makes a change and exits saving it,
// and in the end exits without saving.
EditorRun RunEditor(const Editor& editor, const std::string& hlDir, bool save) {
    EditorRun run;
    ChildProcess program(ProgramLine(Arguments(editor, hlDir)));
    Shown shown = WaitForWindowOrBox(program, editor.className);
    if (shown.box) {
        run.atOpen = BoxOf(shown.box);
        Answer(shown.box, IDOK);
        shown = WaitForWindowOrBox(program, editor.className);
    }
    EXPECT_NE(shown.window, nullptr) << "no editor";
    if (!shown.window)
        return run;
    run.shownEmpty = DocumentShown(editor, shown.window).empty();
    if (save) {
        Change(editor, shown.window, false);
        Click(shown.window, IdExit);
        if (!NextBox(program))
            return run;
        Answer(BoxOf(program), IDYES);
        // Saved, the program ends; refused, it says so and stays.
        HWND box = nullptr;
        WaitFor([&] { return program.waitExit(0) || ((box = BoxOf(program)) && IsWindowVisible(box)); });
        if (box) {
            run.atSave = BoxOf(box);
            Answer(box, IDOK);
        }
    }
    if (!program.waitExit(0)) {
        Click(shown.window, IdExit);
        if (save && NextBox(program))
            Answer(BoxOf(program), IDNO);
    }
    EXPECT_TRUE(program.waitExit(10000)) << "the editor did not close";
    return run;
}

}  // namespace

// Files the editors cannot take as text, or cannot read or replace now: each
// says so where it can, and leaves the file as it was.
TEST(BadInput, FilesThatCannotBeReadOrReplacedAreLeftAsTheyWere) {
    const std::string nul("hostname x\r\nsv_\0cheats 1\r\n", 26);
    const std::string utf16("\xFF\xFEH\0i\0\r\0\n\0", 10);
    const struct {
        const char* name;
        std::string bytes;  // empty: the editor's sample file
        Hold hold;
        std::vector<const Editor*> editors;
    } cases[] = {
        // A NUL byte: the text boxes and lists would end the text there and
        // show, and save back, a cut-off copy.
        {"a NUL byte", nul, Hold::Nothing, {&Cfg, &Motd, &Cycle}},
        {"UTF-16", utf16, Hold::Nothing, {&Motd, &Cycle}},  // as Notepad saves "Unicode"
        // Held open by another program that shares it with nobody.
        {"locked", "", Hold::Locked, {&Cfg, &Motd, &Cycle}},
        {"read-only", "", Hold::ReadOnly, {&Cfg, &Motd, &Cycle}},
    };
    for (const auto& c : cases)
        for (const Editor* editor : c.editors) {
            SCOPED_TRACE(std::string(editor->name) + ", " + c.name);
            Installation installation;
            const std::string path = installation.hl / editor->document;
            WriteBytes(path, c.bytes.empty() ? editor->sample : c.bytes);
            const Files before = installation.files();
            UniqueKernelHandle lock;
            if (c.hold == Hold::Locked)
                lock.reset(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
            if (c.hold == Hold::ReadOnly)
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);

            // What could not be read cannot be changed either, so it is never
            // written over; the MOTD and map cycle editors are tried all the same.
            const bool unreadable = c.hold != Hold::ReadOnly;
            const EditorRun run = RunEditor(*editor, installation.hl.path(), !unreadable || editor != &Cfg);
            lock.reset();
            const Box loadError{"Error Loading File", "Error loading file '" + path + "'"},
                saveError{"Error Saving File", "Error saving file '" + path + "'"};
            EXPECT_EQ(run.atOpen, unreadable ? std::optional(loadError) : std::nullopt);
            EXPECT_EQ(run.shownEmpty, unreadable);
            EXPECT_EQ(run.atSave, unreadable ? std::nullopt : std::optional(saveError));
            EXPECT_EQ(installation.files(), before);
        }
}

// The options window edits games.cfg and the map lists: one it could not
// read is told of, and OK never writes it.
TEST(BadInput, TheOptionsWindowNeverWritesAListItCouldNotRead) {
    Installation installation;
    const std::string mps = installation.program / "games\\valve.mps";
    const std::string cfg = installation.program / "games\\games.cfg";
    WriteBytes(mps, std::string("de_dust\r\n\0", 10));
    WriteBytes(cfg, std::string("\xFF\xFEv\0a\0l\0v\0e\0;\0\x31\0", 16));
    const Files before = installation.files();
    ChildProcess program(ProgramLine(""));
    HWND main = program.waitForShownWindow("HLDSVantryMain");
    ASSERT_NE(main, nullptr);
    Click(main, Main::IdOptions);
    for (const std::string& path : {mps, cfg}) {
        const auto box = NextBox(program);
        EXPECT_EQ(box, (Box{"Error Loading File", "Error loading file '" + path + "'"}));
        Answer(BoxOf(program), IDOK);
    }
    HWND options = program.waitForShownWindow("HLDSVantryOptions");
    ASSERT_NE(options, nullptr);
    Click(options, Options::IdOk);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(options); }));
    Click(main, IdExit);
    EXPECT_TRUE(program.waitExit(10000));
    EXPECT_EQ(installation.files(), before);
}

// Each switch, with and without text after it, and texts that are no switch:
// one window opens, or the program says why it cannot open the file named.
TEST(BadInput, EveryCommandLineOpensOneWindowOrSaysWhyNot) {
    const char *main = "HLDSVantryMain", *launcher = "HLDSVantryLauncher", *cfg = Cfg.className;
    const struct {
        const char* arguments;   // {file} an existing .cfg, {nul} one holding a NUL byte, {hl} the Half-Life folder
        const char* window;      // the class of the window that shows
        const char* title;       // its title, where it tells which file is open
        const char* unreadable;  // the path that the editor says it cannot load
    } cases[] = {
        {"", main, "HLDS Vantry v3.3.1", nullptr},
        {"/s", launcher, nullptr, nullptr},
        {"/S", launcher, nullptr, nullptr},
        {"/server +map crossfire", launcher, nullptr, nullptr},
        {"/c", cfg, "CFG Editor", nullptr},
        {"/cx", cfg, "CFG Editor", nullptr},  // the switch and one separator: no path
        {"/C {file}", cfg, "CFG Editor - server.cfg", nullptr},
        {"/c   \"{file}\"  ", cfg, "CFG Editor - server.cfg", nullptr},
        {"/c {file} +more", cfg, "CFG Editor", "{file} +more"},
        {"/c {nul}", cfg, "CFG Editor", "{nul}"},
        {"/c \\\\nosuchhost\\share\\server.cfg", cfg, "CFG Editor", "\\\\nosuchhost\\share\\server.cfg"},
        {"/m", Cycle.className, nullptr, nullptr},
        {"/M trailing text", Cycle.className, nullptr, nullptr},
        {"/o", Motd.className, nullptr, nullptr},
        {"/o trailing text", Motd.className, nullptr, nullptr},
        {"{file}", cfg, "CFG Editor - server.cfg", nullptr},
        {"\"{file}\"", cfg, "CFG Editor - server.cfg", nullptr},
        {"{nul}", cfg, nullptr, "{nul}"},
        // Past MAX_PATH: the system takes such paths, and so does the editor.
        {"/c {long}", cfg, "CFG Editor - server.cfg", nullptr},
        {"{long}", cfg, "CFG Editor - server.cfg", nullptr},
        // Not a file: the main window, silently.
        {"{file} +more", main, nullptr, nullptr},
        {"{hl}", main, nullptr, nullptr},
        {"\\\\nosuchhost\\share\\server.cfg", main, nullptr, nullptr},
        {"/x", main, nullptr, nullptr},
        {"-s", main, nullptr, nullptr},
        {"   ", main, nullptr, nullptr},
        {"some words", main, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("command line: ") + c.arguments);
        Installation installation;
        const std::string file = installation.hl / "valve\\server.cfg", nul = installation.hl / "valve\\binary.cfg";
        WriteBytes(file, "hostname x\r\n");
        WriteBytes(nul, std::string("a\0b\r\n", 5));
        WriteBytes(installation.hl / Motd.document, "\r\n");  // else made at once, as the editor does
        // Past MAX_PATH.
        const Folders deep(installation.hl / "valve\\deep", 330);
        const std::string longPath = deep.path() + "\\server.cfg";
        WriteBytes(longPath, "hostname x\r\n");
        const auto fill = [&](std::string text) {
            for (const auto& [name, value] : {std::pair<std::string, std::string>{"{file}", file}, {"{nul}", nul},
                                              {"{hl}", installation.hl.path()}, {"{long}", longPath}})
                for (auto at = text.find(name); at != std::string::npos; at = text.find(name))
                    text.replace(at, name.size(), value);
            return text;
        };
        const Files before = installation.files();

        ChildProcess program(ProgramLine(fill(c.arguments)));
        Shown shown = WaitForWindowOrBox(program, c.window);
        if (c.unreadable) {
            ASSERT_NE(shown.box, nullptr) << "no message";
            EXPECT_EQ(BoxOf(shown.box), (Box{"Error Loading File", "Error loading file '" + fill(c.unreadable) + "'"}));
            Answer(shown.box, IDOK);
            // Alone with a file to open, the editor shows itself empty; started
            // by the file's path, it stays hidden with its tray icon.
            shown = WaitForWindowOrBox(program, c.window, std::strncmp(c.arguments, "/c", 2) == 0 ? 10s : 300ms);
        } else {
            EXPECT_EQ(shown.box, nullptr) << "[" << BoxOf(shown.box).title << "] " << BoxOf(shown.box).text;
            ASSERT_NE(shown.window, nullptr);
        }
        if (shown.window) {
            if (c.title) {
                EXPECT_EQ(WindowText(shown.window), c.title);
            }
            Click(shown.window, IdExit);
            EXPECT_TRUE(program.waitExit(10000));
        }
        program.kill();
        EXPECT_EQ(installation.files(), before);
    }
}

namespace {

// The window is where the user can see it: shown, and on the screen.
bool OnScreen(HWND window) {
    RECT rc, screen{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN), 0, 0}, both;
    screen.right = screen.left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
    screen.bottom = screen.top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
    return IsWindowVisible(window) && GetWindowRect(window, &rc) && IntersectRect(&both, &rc, &screen);
}

// The locate step's questions, answered as a user who gives up: OK, then
// Cancel in the dialog, then Cancel on the retry question, which ends the
// program.
void GiveUpLocating(const ChildProcess& program, HWND prompt) {
    const std::string title = WindowText(prompt);
    Answer(prompt, IDOK);
    HWND dialog = program.waitForWindow("#32770", ("Locate " + title).c_str());
    ASSERT_NE(dialog, nullptr) << "no dialog";
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    HWND retry = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (retry = program.window("#32770", title.c_str())) && retry != dialog; }));
    EXPECT_NE(BoxText(retry).find("Cannot continue without location"), std::string::npos);
    Answer(retry, IDCANCEL);
}

}  // namespace

// The program's own files and settings, damaged or hand-edited: a window
// still opens, or the program asks where hlds.exe or it lives, as on a
// first start. Only games.cfg, which every window rebuilds from the disk,
// may be written.
TEST(BadInput, DamagedCatalogueFilesAndSettingsStillOpenAWindow) {
    const std::string everyByte = EveryByte();
    const std::string locateServer = "Please locate the Half-Life Dedicated Server (HLDS.exe).";
    const std::string locateSelf = "Please locate HLDS Vantry (HLDS Vantry.exe).";
    const struct {
        const char* name;
        std::function<void(Installation&)> damage;
        const char* arguments;
        const char* window;
        std::string box;       // the text of the message shown first, if any
        std::string gamesCfg;  // games.cfg after; empty: as it was
        int maps;              // entries of the map cycle editor's maps list, -1: not looked at
    } cases[] = {
        {"games.cfg of junk", [](Installation& i) { WriteBytes(i.program / "games\\games.cfg", "garbage\r\n;;;\r\n|||\r\nvalve;1\r\nghost;1\r\n"); },
         "/m", Cycle.className, "", "valve;1\r\n", 1},
        {"games.cfg of every byte", [&](Installation& i) { WriteBytes(i.program / "games\\games.cfg", everyByte); },
         "/m", Cycle.className, "", "valve;1\r\n", 1},
        {"games.cfg holding a NUL byte", [](Installation& i) { WriteBytes(i.program / "games\\games.cfg", std::string("valve;0\r\n\0", 10)); },
         "/m", Cycle.className, "", "", 1},
        {".mps of every byte", [&](Installation& i) { WriteBytes(i.program / "games\\valve.mps", everyByte); },
         "/m", Cycle.className, "", "", 3},
        {".mps holding a NUL byte", [](Installation& i) { WriteBytes(i.program / "games\\valve.mps", std::string("de_dust\r\n\0", 10)); },
         "/m", Cycle.className, "", "", 1},
        {"a default game that is not there", [](Installation&) { SetSetting("Options", "Default", "ghost"); },
         "/m", Cycle.className, "", "", 1},
        {"HLdir naming a file", [](Installation& i) { SetSetting("Options", "HLdir", i.hl / "hlds.exe\\"); },
         "/m", nullptr, locateServer, "", -1},
        {"HLdir a folder that is gone", [](Installation& i) { SetSetting("Options", "HLdir", i.hl / "gone\\"); },
         "/o", nullptr, locateServer, "", -1},
        {"HLdir empty", [](Installation&) { SetSetting("Options", "HLdir", ""); }, "/o", nullptr, locateServer, "", -1},
        {"HLdir a UNC path", [](Installation&) { SetSetting("Options", "HLdir", "\\\\nosuchhost\\share\\hl\\"); },
         "/s", nullptr, locateServer, "", -1},
        {"HLdir longer than MAX_PATH", [](Installation&) { SetSetting("Options", "HLdir", "C:\\" + std::string(300, 'h') + "\\"); },
         "/c", nullptr, locateServer, "", -1},
        {"HLDSdir gone", [](Installation& i) { SetSetting("Options", "HLDSdir", i.program / "gone\\"); },
         "/m", nullptr, locateSelf, "", -1},
        {"ShowIn not a number", [](Installation&) { SetSetting("Options", "ShowIn", "both"); }, "", "HLDSVantryMain", "", "", -1},
        {"ShowIn negative", [](Installation&) { SetSetting("Options", "ShowIn", "-1"); }, "", "HLDSVantryMain", "", "", -1},
        {"ShowIn huge", [](Installation&) { SetSetting("Options", "ShowIn", "99999999999999999999"); }, "", "HLDSVantryMain", "", "", -1},
        {"main window place not numbers", [](Installation&) { SetSetting("Main", "X", "left"); SetSetting("Main", "Y", "1,5"); },
         "", "HLDSVantryMain", "", "", -1},
        {"main window place negative", [](Installation&) { SetSetting("Main", "X", "-600"); SetSetting("Main", "Y", "-5000000"); },
         "", "HLDSVantryMain", "", "", -1},
        {"main window place off every monitor", [](Installation&) { SetSetting("Main", "X", "1000000"); SetSetting("Main", "Y", "70000"); },
         "", "HLDSVantryMain", "", "", -1},
        {"main window place huge", [](Installation&) { SetSetting("Main", "X", "99999999"); SetSetting("Main", "Y", "1e30"); },
         "", "HLDSVantryMain", "", "", -1},
        {"editor size not numbers", [](Installation&) { SetSetting("CFG", "X2", "wide"); SetSetting("CFG", "Y2", ""); },
         "/c", Cfg.className, "", "", -1},
        {"editor size negative", [](Installation&) { SetSetting("CFG", "X2", "-5175"); SetSetting("CFG", "Y2", "-1"); },
         "/c", Cfg.className, "", "", -1},
        {"editor place off every monitor and size huge", [](Installation&) {
             SetSetting("CFG", "X", "-1000000"); SetSetting("CFG", "Y", "16000000");
             SetSetting("CFG", "X2", "1e30"); SetSetting("CFG", "Y2", "3e38"); },
         "/c", Cfg.className, "", "", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Installation installation;
        c.damage(installation);
        Files before = installation.files();
        const std::string hlDir = Setting("Options", "HLdir"), programDir = Setting("Options", "HLDSdir");

        ChildProcess program(ProgramLine(c.arguments));
        const Shown shown = WaitForWindowOrBox(program, c.window ? c.window : "none");
        if (!c.box.empty()) {
            ASSERT_NE(shown.box, nullptr);
            EXPECT_EQ(BoxText(shown.box), c.box);
            GiveUpLocating(program, shown.box);
            EXPECT_TRUE(program.waitExit(10000));
            EXPECT_EQ(Setting("Options", "HLdir"), hlDir) << "nothing stored";
            EXPECT_EQ(Setting("Options", "HLDSdir"), programDir);
        } else {
            ASSERT_NE(shown.window, nullptr) << (shown.box ? BoxOf(shown.box).text : "nothing shown");
            EXPECT_TRUE(OnScreen(shown.window));
            if (c.maps >= 0) {
                EXPECT_EQ(SendMessageA(GetDlgItem(shown.window, MapCycle::IdDocument), LB_GETCOUNT, 0, 0), c.maps);
            }
            Click(shown.window, IdExit);
            EXPECT_TRUE(program.waitExit(10000));
        }
        if (!c.gamesCfg.empty()) {
            EXPECT_EQ(ReadBytes(installation.program / "games\\games.cfg"), c.gamesCfg);
            before["program\\games\\games.cfg"] = Fingerprint(c.gamesCfg);
        }
        EXPECT_EQ(installation.files(), before);
    }
}

// A Half-Life folder the user may read but not write to (one under Program
// Files, say): each editor opens its file, and a save says it cannot; the
// MOTD editor, which makes a missing motd.txt at once, says so at once.
TEST(BadInput, AFolderThatCannotBeWrittenToSaysSoAtEachSave) {
    const std::string source = VolumesDir() + "\\readonly-source", view = VolumesDir() + "\\readonly";
    {
        UniqueKernelHandle probe(CreateFileA((view + "\\probe").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                             FILE_FLAG_DELETE_ON_CLOSE, nullptr));
        if (probe || GetFileAttributesA(view.c_str()) == INVALID_FILE_ATTRIBUTES)
            GTEST_SKIP() << "no read-only folder at " << view << ": tests/windows/volumes.sh mounts it, as root";
    }
    // A missing motd.txt is made at once, silently where it cannot be: a save tells.
    const struct {
        const Editor* editor;
        bool document;
    } cases[] = {{&Cfg, true}, {&Motd, true}, {&Cycle, true}, {&Motd, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.editor->name) + (c.document ? "" : ", no document"));
        Installation installation;
        TempDir hl(source);
        const std::string readOnlyHl = view + hl.path().substr(source.size());
        WriteBytes(hl / "hlds.exe", "");
        CreateDirectoryA((hl / "valve").c_str(), nullptr);
        CreateDirectoryA((hl / "valve\\maps").c_str(), nullptr);
        WriteBytes(hl / "valve\\maps\\crossfire.bsp", "");
        if (c.document)
            WriteBytes(hl / c.editor->document, c.editor->sample);
        SetSetting("Options", "HLdir", readOnlyHl + "\\");
        const Files before = FilesIn(hl.path());

        const EditorRun run = RunEditor(*c.editor, readOnlyHl, true);
        EXPECT_EQ(run.atOpen, std::nullopt);
        EXPECT_EQ(run.shownEmpty, !c.document);
        EXPECT_EQ(run.atSave, (Box{"Error Saving File", "Error saving file '" + readOnlyHl + "\\" + c.editor->document + "'"}));
        EXPECT_EQ(FilesIn(hl.path()), before);
    }
}
