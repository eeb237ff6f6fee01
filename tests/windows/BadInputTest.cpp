// HLDS Vantry.exe given bad input from outside: damaged or odd files, files
// that other programs hold, settings and command lines no user meant. For
// each, what the user sees (the program's own message, or nothing), and
// that no file is changed or lost unless the user saved.
#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "EndToEnd.h"
#include "win/platform/Handles.h"

using namespace vantry::testutil;
using vantry::win::UniqueKernelHandle;

namespace {

// An editor as the user meets it: its document under the Half-Life folder, a
// file it reads, and what Exit asks when there are unsaved changes.
struct Editor {
    const char *name, *className, *document;
    int documentId;  // the text box, or the list of maps to add
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

// The program's box once it shows one, or nullptr once it has ended.
HWND NextBox(const ChildProcess& program) {
    HWND box = nullptr;
    WaitFor([&] { return program.waitExit(0) || ((box = BoxOf(program)) && IsWindowVisible(box)); });
    return box && IsWindowVisible(box) ? box : nullptr;
}

std::optional<Box> BoxIn(HWND box) { return box ? std::optional(BoxOf(box)) : std::nullopt; }

// What the user saw: the message at opening, whether the document was
// empty, Exit's question, the message at the save.
struct EditorRun {
    std::optional<Box> atOpen, question, atSave;
    bool shownEmpty = false;
};

// Runs an editor alone on its document as the user would: looks at what it
// shows first; where a save is wanted, makes a change (or one taken back at
// once, so that the document is as it was read) and exits saving it; in the
// end exits without saving.
EditorRun RunEditor(const Editor& editor, const std::string& hlDir, bool save, bool takenBack = false) {
    EditorRun run;
    ChildProcess program(ProgramLine(&editor == &Cfg ? "/c " + hlDir + "\\" + editor.document
                                                     : &editor == &Motd ? "/o" : "/m"));
    Shown shown = WaitForWindowOrBox(program, editor.className);
    if ((run.atOpen = BoxIn(shown.box))) {
        Answer(shown.box, IDOK);
        shown = WaitForWindowOrBox(program, editor.className);
    }
    HWND window = shown.window, document = GetDlgItem(window, editor.documentId);
    EXPECT_NE(window, nullptr) << "no editor";
    if (!window)
        return run;
    run.shownEmpty = &editor == &Cycle ? SendMessageA(GetDlgItem(window, MapCycle::IdCycle), LB_GETCOUNT, 0, 0) == 0
                                       : ControlText(document).empty();
    if (save) {
        // A character typed (and rubbed out), a map added to the cycle (and deleted).
        if (&editor == &Cycle) {
            SendMessageA(document, LB_SETCURSEL, 0, 0);
            SendMessageA(GetDlgItem(window, MapCycle::IdAdd), BM_CLICK, 0, 0);
            if (takenBack)
                SendMessageA(GetDlgItem(window, MapCycle::IdDel), BM_CLICK, 0, 0);
        } else {
            SendMessageA(document, WM_CHAR, 'x', 1);
            if (takenBack)
                SendMessageA(document, WM_CHAR, VK_BACK, 1);
        }
        Click(window, IdExit);
        if (HWND question = NextBox(program)) {
            run.question = BoxOf(question);
            Answer(question, IDYES);
            // Saved, the program ends; refused, it says so and stays.
            if (HWND box = NextBox(program)) {
                run.atSave = BoxOf(box);
                Answer(box, IDOK);
            }
        }
    }
    if (!program.waitExit(0)) {
        Click(window, IdExit);
        if (HWND question = save ? NextBox(program) : nullptr)
            Answer(question, IDNO);
    }
    EXPECT_TRUE(program.waitExit(10000)) << "the editor did not close";
    return run;
}

std::string EveryByte() {
    std::string bytes;
    for (int b = 1; b < 256; ++b)
        bytes += static_cast<char>(b);
    return bytes;
}

}  // namespace

// Opened, and saved with no change, a file comes back byte for byte, with one
// final CR LF where it had none. A CR alone ends a line as CR LF does, and is
// written back as one.
TEST(BadInput, AFileSavedUnchangedComesBackAsItWasInEveryEditor) {
    const std::string everyByte = EveryByte();
    for (const Editor* editor : {&Cfg, &Motd, &Cycle}) {
        std::string longLine;
        for (std::size_t i = 0; i < editor->longLine; ++i)
            longLine += static_cast<char>('a' + i % 26);
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
            const EditorRun run = RunEditor(*editor, installation.hl.path(), true, true);
            EXPECT_EQ(run.atOpen, std::nullopt);
            EXPECT_EQ(run.question, (Box{editor->exitTitle, editor->exitText}));
            EXPECT_EQ(run.atSave, std::nullopt);
            const std::string saved = ReadBytes(path);
            EXPECT_TRUE(saved == file.saved) << saved.size() << " bytes, " << file.saved.size() << " wanted";
        }
    }
}

// Files the editors cannot take as text, or cannot read or replace now: each
// says so where it can, and leaves the file as it was.
TEST(BadInput, FilesThatCannotBeReadOrReplacedAreLeftAsTheyWere) {
    enum Hold { Nothing, Locked, ReadOnly };
    const struct {
        const char* name;
        std::string bytes;  // empty: the editor's sample file
        Hold hold;
        std::vector<const Editor*> editors;
    } cases[] = {
        // A NUL byte: the text boxes and lists would end the text there and
        // show, and save back, a cut-off copy.
        {"a NUL byte", std::string("hostname x\r\nsv_\0cheats 1\r\n", 26), Nothing, {&Cfg, &Motd, &Cycle}},
        {"UTF-16", std::string("\xFF\xFEH\0i\0\r\0\n\0", 10), Nothing, {&Motd, &Cycle}},  // Notepad's "Unicode"
        // Held open by another program that shares it with nobody.
        {"locked", "", Locked, {&Cfg, &Motd, &Cycle}},
        {"read-only", "", ReadOnly, {&Cfg, &Motd, &Cycle}},
    };
    for (const auto& c : cases)
        for (const Editor* editor : c.editors) {
            SCOPED_TRACE(std::string(editor->name) + ", " + c.name);
            Installation installation;
            const std::string path = installation.hl / editor->document;
            WriteBytes(path, c.bytes.empty() ? editor->sample : c.bytes);
            const Files before = installation.files();
            UniqueKernelHandle lock(c.hold == Locked ? CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                                                   OPEN_EXISTING, 0, nullptr)
                                                     : nullptr);
            if (c.hold == ReadOnly)
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);

            // What could not be read cannot be changed either, so it is never
            // written over; the MOTD and map cycle editors are tried all the same.
            const bool unreadable = c.hold != ReadOnly;
            const EditorRun run = RunEditor(*editor, installation.hl.path(), !unreadable || editor != &Cfg);
            lock.reset();
            EXPECT_EQ(run.atOpen, unreadable ? std::optional(Box{"Error Loading File", "Error loading file '" + path + "'"})
                                             : std::nullopt);
            EXPECT_EQ(run.shownEmpty, unreadable);
            EXPECT_EQ(run.atSave, unreadable ? std::nullopt
                                             : std::optional(Box{"Error Saving File", "Error saving file '" + path + "'"}));
            EXPECT_EQ(installation.files(), before);
        }
}

// A Half-Life folder the user may read but not write to (one under Program
// Files, say): each editor opens its file, and a save says it cannot; a
// missing motd.txt, made at once where it can be, is told of only at the save.
TEST(BadInput, AFolderThatCannotBeWrittenToSaysSoAtEachSave) {
    const std::string source = VolumesDir() + "\\readonly-source", view = VolumesDir() + "\\readonly";
    if (UniqueKernelHandle(CreateFileA((view + "\\probe").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                       FILE_FLAG_DELETE_ON_CLOSE, nullptr)) ||
        GetFileAttributesA(view.c_str()) == INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << "no read-only folder at " << view << ": tests/windows/volumes.sh mounts it, as root";
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
        MakeDirectory(hl / "valve");
        MakeDirectory(hl / "valve\\maps");
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
    Click(main, Main::IdOptions);
    for (const std::string& path : {mps, cfg}) {
        HWND box = NextBox(program);
        EXPECT_EQ(BoxIn(box), (Box{"Error Loading File", "Error loading file '" + path + "'"}));
        Answer(box, IDOK);
    }
    HWND options = program.waitForShownWindow("HLDSVantryOptions");
    Click(options, Options::IdOk);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(options); }));
    Click(main, IdExit);
    EXPECT_TRUE(program.waitExit(10000));
    EXPECT_EQ(installation.files(), before);
}

namespace {

// A start as StartCases.txt describes it.
struct Start {
    std::string name, arguments, window, title, boxTitle, boxText, gamesCfg;
    std::vector<std::vector<std::string>> settings, files;  // {section, key, value}, {path, bytes}
    int maps = -1;
};

std::vector<Start> ReadStarts() {
    const std::map<std::string, std::string Start::*> fields{
        {"run", &Start::arguments}, {"window", &Start::window}, {"title", &Start::title}, {"games.cfg", &Start::gamesCfg}};
    std::vector<Start> starts;
    std::istringstream lines(ReadBytes(BinDir() + "\\StartCases.txt"));
    for (std::string line; std::getline(lines, line);) {
        const auto space = line.find(' ');
        const std::string word = line.substr(0, space), rest = space == std::string::npos ? "" : line.substr(space + 1);
        if (word == "case")
            starts.push_back({rest});
        if (starts.empty() || word == "case")
            continue;
        Start& s = starts.back();
        const auto split = [&](std::string text, std::string separator, std::size_t parts) {
            std::vector<std::string> pieces;
            for (std::size_t at; pieces.size() + 1 < parts && (at = text.find(separator)) != std::string::npos;
                 text = text.substr(at + separator.size()))
                pieces.push_back(text.substr(0, at));
            pieces.push_back(text);
            pieces.resize(parts);
            return pieces;
        };
        if (word == "set")
            s.settings.push_back(split(rest, " ", 3));
        else if (word == "write")
            s.files.push_back(split(rest, " ", 2));
        else if (word == "box") {
            const auto box = split(rest, " | ", 2);
            s.boxTitle = box[0], s.boxText = box[1];
        } else if (word == "maps")
            s.maps = std::stoi(rest);
        else if (const auto field = fields.find(word); field != fields.end())
            s.*(field->second) = rest;
    }
    return starts;
}

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
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    HWND retry = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (retry = program.window("#32770", title.c_str())) && retry != dialog; }));
    EXPECT_NE(BoxText(retry).find("Cannot continue without location"), std::string::npos);
    Answer(retry, IDCANCEL);
}

}  // namespace

// Each switch, with and without text after it, and texts that are no switch;
// the program's own files and settings, damaged or hand-edited: one window
// opens, or the program asks where hlds.exe or it lives, or says why it
// cannot open the file named, and changes no file but a rebuilt games.cfg.
TEST(BadInput, EveryStartOpensAWindowOrAsksOrSaysWhyNot) {
    const auto starts = ReadStarts();
    ASSERT_GE(starts.size(), 49u) << "StartCases.txt beside the test program";
    for (const Start& s : starts) {
        SCOPED_TRACE(s.name);
        Installation installation;
        const std::string hl = installation.hl.path(), file = hl + "\\valve\\server.cfg";
        WriteBytes(file, "hostname x\r\n");
        WriteBytes(hl + "\\valve\\binary.cfg", std::string("a\0b\r\n", 5));
        WriteBytes(hl + "\\valve\\motd.txt", "\r\n");  // else made at once, as the editor does
        const Folders deep(hl + "\\valve\\deep", 330);
        WriteBytes(deep.path() + "\\server.cfg", "hostname x\r\n");
        const auto fill = [&](std::string text) {
            for (const auto& [name, value] : std::vector<std::pair<std::string, std::string>>{
                     {"{hl}", hl}, {"{program}", installation.program.path()}, {"{file}", file},
                     {"{binary}", hl + "\\valve\\binary.cfg"}, {"{long}", deep.path() + "\\server.cfg"}, {"{CR}", "\r"},
                     {"{LF}", "\n"}, {"{NUL}", std::string(1, '\0')}, {"{BYTES}", EveryByte()}})
                for (auto at = text.find(name); at != std::string::npos; at = text.find(name, at + value.size()))
                    text.replace(at, name.size(), value);
            return text;
        };
        for (const auto& f : s.files)
            WriteBytes(fill(f[0]), fill(f[1]));
        for (const auto& setting : s.settings)
            SetSetting(setting[0].c_str(), setting[1].c_str(), fill(setting[2]));
        Files before = installation.files();
        const std::string places = Setting("Options", "HLdir") + "|" + Setting("Options", "HLDSdir");

        ChildProcess program(ProgramLine(fill(s.arguments)));
        Shown shown = WaitForWindowOrBox(program, s.window.empty() ? "none" : s.window.c_str());
        EXPECT_EQ(BoxIn(shown.box), s.boxText.empty() ? std::nullopt : std::optional(Box{s.boxTitle, fill(s.boxText)}));
        if (shown.box && s.boxText.starts_with("Please locate")) {
            GiveUpLocating(program, shown.box);
            EXPECT_TRUE(program.waitExit(10000));
        } else if (shown.box) {
            Answer(shown.box, IDOK);
            if (!s.window.empty())
                shown = WaitForWindowOrBox(program, s.window.c_str());
        }
        if (!s.window.empty()) {
            ASSERT_NE(shown.window, nullptr) << BoxIn(shown.box);
            EXPECT_TRUE(OnScreen(shown.window));
            if (!s.title.empty()) {
                EXPECT_EQ(WindowText(shown.window), s.title);
            }
            if (s.maps >= 0) {
                EXPECT_EQ(SendMessageA(GetDlgItem(shown.window, MapCycle::IdDocument), LB_GETCOUNT, 0, 0), s.maps);
            }
            Click(shown.window, IdExit);
            EXPECT_TRUE(program.waitExit(10000));
        }
        program.kill();
        EXPECT_EQ(Setting("Options", "HLdir") + "|" + Setting("Options", "HLDSdir"), places) << "nothing stored";
        if (!s.gamesCfg.empty())
            before["program\\games\\games.cfg"] = Fingerprint(fill(s.gamesCfg));
        EXPECT_EQ(installation.files(), before);
    }
}
