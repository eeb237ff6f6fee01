#include <gtest/gtest.h>

#include <functional>

#include "Cases.h"
#include "FakeCatalogue.h"
#include "FakeListControl.h"
#include "core/editors/CfgEditorPresenter.h"
#include "core/editors/VariableCatalogue.h"
#include "core/ui/Sizes.h"

using namespace vantry;
using Log = std::vector<std::string>;

namespace {

// frmCFG in memory: the text box's text and selection, and a record of the rest.
struct FakeCfgView : CfgEditorView, fakes::Recorder {
    std::string text() override { return body; }
    void setText(const std::string& t) override { body = t, start = length = 0; }
    std::size_t selectionStart() override { return start; }
    std::size_t selectionLength() override { return length; }
    void replace(std::size_t at, std::size_t count, const std::string& t) override {
        body.replace(at, count, t), start = at + t.size(), length = 0;
    }
    void select(std::size_t at, std::size_t count) override { start = at, length = count; }
    void focusText() override { ++focused; }
    void setTitle(const std::string& caption) override { title = caption; }
    bool trayIconShown() override { return !tray.empty(); }
    void showTrayIcon(const std::string& tip) override { tray = tip; }
    ListControl& gameSelector() override { return games; }
    int popupMenu(const Menu& menu, MenuButton) override { return menus.push_back(menu), chosen; }
    void resetMenuButtons() override { ++resets; }
    bool windowVisible() override { return visible; }
    void showWindow() override { visible = true, log.push_back("show"); }
    Rect placeTwips() override { return where; }
    void place(const Rect& twips) override { placeArg = where = twips; }
    int screenWidthTwips() override { return 15360; }
    int screenHeightTwips() override { return 11520; }
    WindowHandle windowHandle() override { return nullptr; }
    void endProgram() override { log.push_back("end program"); }
    void closeToMain() override { log.push_back("back to main"); }
    void unsavedWorkChanged() override { hear(); }

    std::string body, title, tray;
    std::size_t start = 0, length = 0;
    fakes::FakeListControl games;
    std::vector<Menu> menus;
    int chosen = 0, focused = 0, resets = 0;
    bool visible = false;
    Rect where, placeArg;
};

class CfgEditorTest : public ::testing::Test, protected fakes::FakeCatalogue {
protected:
    void SetUp() override { fs.addDir("C:\\HL\\valve\\maps"); }
    void Open(CfgEditorMode mode = CfgEditorMode::FromMain, const std::string& path = {}) {
        editor = std::make_unique<CfgEditorPresenter>(view, CfgEditorServices{catalogue, lists, clipboard, mode, path});
        EXPECT_EQ(editor->onLoad(), LocateResult::Known);
    }
    // A command picked from the menu of its button.
    void Choose(int command) {
        view.chosen = command;
        command <= cfgeditor::ExitCommand ? editor->onFileButton() : editor->onEditButton();
        view.chosen = 0;
    }
    // The document as shown: text | title | tray tip, and "*" when changed.
    std::string Doc() { return view.body + " | " + view.title + " | " + view.tray + (editor->changed() ? " *" : ""); }
    // What the user typed: the text box raises its change.
    void Type(const std::string& text) { view.replace(view.start, view.length, text), editor->onTextChanged(); }

    FakeCfgView view;
    std::unique_ptr<CfgEditorPresenter> editor;
};

}  // namespace

TEST_F(CfgEditorTest, FilesComeBackByteForByteWithOneFinalLineEnd) {
    for (const auto& c : cases::Read("cfg-files.txt")) {
        fs.addFile("C:\\HL\\valve\\server.cfg", c[0]);
        Open(CfgEditorMode::Alone, "C:\\HL\\valve\\server.cfg");
        EXPECT_EQ(Doc(), c[1] + " | CFG Editor - server.cfg | CFG Editor - C:\\HL\\valve\\server.cfg");
        ASSERT_TRUE(editor->Save());
        EXPECT_EQ(fs.readFile("C:\\HL\\valve\\server.cfg"), c[2]);
    }
}

TEST_F(CfgEditorTest, QuestionsComeWithTheirTextsAndCancelStopsEveryCommand) {
    Open();
    // Every file command lets go of the pressed menu button, from the keyboard too.
    editor->New();
    editor->Open();
    editor->Save();  // untitled: Save As
    editor->SaveAs();
    editor->Exit();
    EXPECT_EQ(view.resets, 6);
    view.log.clear();
    Type("hostname x");
    boxes.answers = {mb::Cancel, mb::Cancel, mb::Cancel};
    dialogs.answers = {"C:\\HL\\valve\\listen.cfg"};
    Choose(cfgeditor::NewCommand);
    Choose(cfgeditor::OpenCommand);
    Choose(cfgeditor::ExitCommand);
    EXPECT_EQ(Box(0), "Save Changes? / Save changes to '' before creating new document? / 35");
    EXPECT_EQ(Box(1), "Save Changes? / Save changes to '' before opening new document? / 35");
    EXPECT_EQ(Box(2), "Save Changes? / Save changes before exiting? / 35");
    EXPECT_EQ(dialogs.calls.at(0).title + " " + dialogs.calls.at(0).filter,
              "Open File CFG Files (*.cfg)|*.cfg|All Files (*.*)|*.*") << "the dialog comes before the question";
    EXPECT_TRUE(view.body == "hostname x" && view.log.empty());

    // No: New empties the document; Exit goes back to the main window.
    boxes.answers = {mb::No};
    Choose(cfgeditor::NewCommand);
    EXPECT_EQ(Doc(), " | CFG Editor | ");
    Choose(cfgeditor::ExitCommand);
    EXPECT_EQ(view.log, Log{"back to main"});
}

TEST_F(CfgEditorTest, OpenAndSaveAsNameTheDocumentInTheTitleAndTrayAndClearItsChanges) {
    fs.addFile("C:\\HL\\valve\\listen.cfg", "a\r\n");
    for (const auto mode : {CfgEditorMode::FromMain, CfgEditorMode::Alone}) {
        const bool alone = mode == CfgEditorMode::Alone;
        Open(mode);
        dialogs.answers = {"C:\\HL\\valve\\listen.cfg", "C:\\HL\\valve\\copy.cfg"};
        Choose(cfgeditor::OpenCommand);
        // No tray icon over the main window.
        EXPECT_EQ(Doc(), std::string("a | CFG Editor - listen.cfg | ") + (alone ? "CFG Editor - C:\\HL\\valve\\listen.cfg" : ""));
        Type("b");
        Choose(cfgeditor::SaveAsCommand);
        EXPECT_EQ(fs.readFile("C:\\HL\\valve\\copy.cfg"), "ba\r\n");
        EXPECT_EQ(Doc(), std::string("ba | CFG Editor - copy.cfg | ") + (alone ? "CFG Editor - C:\\HL\\valve\\copy.cfg" : ""));
        Type("c");
        Choose(cfgeditor::SaveCommand);
        EXPECT_EQ(std::tuple(fs.readFile("C:\\HL\\valve\\copy.cfg"), editor->changed()), std::tuple("bca\r\n", false));
    }
    // Hidden until its file is read: then shown, named and unchanged; unreadable,
    // it stays hidden with its tray icon.
    for (const auto& [file, read] : {std::pair{"listen.cfg", true}, {"missing.cfg", false}}) {
        FakeCfgView hidden;
        CfgEditorPresenter alone(hidden, CfgEditorServices{catalogue, lists, clipboard, CfgEditorMode::AloneHidden,
                                                           std::string("C:\\HL\\valve\\") + file});
        ASSERT_EQ(alone.onLoad(), LocateResult::Known);
        alone.onOpenTimer();
        EXPECT_EQ(std::tuple(hidden.visible, alone.changed(), hidden.title + " / " + hidden.tray),
                  std::tuple(read, false, read ? "CFG Editor - listen.cfg / CFG Editor - C:\\HL\\valve\\listen.cfg"
                                               : " / CFG Editor"));
    }
}

TEST_F(CfgEditorTest, AFailedOrCancelledSaveKeepsTheTextAndStopsTheCommandThatAskedForIt) {
    fs.addFile("C:\\HL\\valve\\server.cfg", "old\r\n");
    fs.failWrites = true;
    Open(CfgEditorMode::Alone, "C:\\HL\\valve\\server.cfg");
    view.work = [&] { return editor->unsavedWork(); };
    Type("new ");
    EXPECT_FALSE(editor->Save());
    EXPECT_EQ(Doc(), "new old | CFG Editor - server.cfg | CFG Editor - C:\\HL\\valve\\server.cfg *");
    EXPECT_EQ(editor->path() + " " + *fs.readFile("C:\\HL\\valve\\server.cfg"), "C:\\HL\\valve\\server.cfg old\r\n");

    // Yes to the question, then a save that fails: the window stays, the text too.
    boxes.answers = {mb::Yes};
    editor->Exit();
    EXPECT_TRUE(view.log.empty());
    // Yes to an untitled document's question, then a cancelled save dialog.
    fs.failWrites = false;
    boxes.answers = {mb::No, mb::Yes};
    editor->New();
    Type("fresh");
    editor->New();
    EXPECT_EQ(view.body + " " + dialogs.calls.back().title, "fresh Save File");
    // A log-off names the changes after the title; the window hears when they come and go.
    EXPECT_EQ(view.heard, (Log{"Unsaved changes in server.cfg", "", "Unsaved changes in CFG Editor"}));
}

// The question texts and the refusals themselves are the editors' shared save's;
// here, what the document keeps between saves.
TEST_F(CfgEditorTest, ADocumentKeepsItsEncodingAndOnlyItsOwnFileIsCheckedForAnotherWriter) {
    fs.addFile("C:\\HL\\valve\\server.cfg", "caf\xE9\r\n");
    Open(CfgEditorMode::Alone, "C:\\HL\\valve\\server.cfg");
    Type("\xE6\x9D\xB1 ");
    boxes.answers = {mb::Yes};
    ASSERT_TRUE(editor->Save());
    EXPECT_EQ(fs.readFile("C:\\HL\\valve\\server.cfg"), "\xE6\x9D\xB1 caf\xC3\xA9\r\n");
    Type("!");
    ASSERT_TRUE(editor->Save());
    EXPECT_EQ(boxes.calls.size(), 1u) << "UTF-8 from then on, without asking again";

    fs.addFile("C:\\HL\\valve\\server.cfg", "theirs\r\n");
    boxes.answers = {mb::No};
    EXPECT_FALSE(editor->Save());
    EXPECT_EQ(std::tuple(boxes.calls.size(), fs.readFile("C:\\HL\\valve\\server.cfg")), std::tuple(2u, "theirs\r\n"));
    dialogs.answers = {"C:\\HL\\valve\\copy.cfg"};
    fs.addFile("C:\\HL\\valve\\copy.cfg", "old copy\r\n");
    ASSERT_TRUE(editor->SaveAs());
    EXPECT_EQ(boxes.calls.size(), 2u) << "saved as another file, nothing is asked";

    // A new document is in the code page again.
    editor->New();
    Type("\xE6\x9D\xB1");
    dialogs.answers = {"C:\\HL\\valve\\new.cfg"};
    boxes.answers = {mb::No};
    EXPECT_FALSE(editor->SaveAs());
    EXPECT_TRUE(boxes.calls.size() == 3 && !fs.readFile("C:\\HL\\valve\\new.cfg"));
}

TEST_F(CfgEditorTest, AFileThatCannotBeReadLeavesTheDocumentAsItWas) {
    fs.addFile("C:\\HL\\valve\\nul.cfg", std::string("hostname x\0y", 12));
    Open();
    Type("kept");
    for (const char* path : {"C:\\HL\\valve\\nul.cfg", "C:\\HL\\valve\\missing.cfg"}) {
        dialogs.answers = {path};
        boxes.answers = {mb::No};
        editor->Open();
        EXPECT_EQ(Box(boxes.calls.size() - 1), std::string("Error Loading File / Error loading file '") + path + "' / 64");
    }
    EXPECT_EQ(std::tuple(view.body, editor->changed(), fs.readFile("C:\\HL\\valve\\nul.cfg")),
              std::tuple("kept", true, std::string("hostname x\0y", 12)));
}

TEST_F(CfgEditorTest, TheMenusAndWhatTheirEntriesInsert) {
    fs.addFile("C:\\HL\\valve\\maps\\Stalkyard.bsp");
    fs.addFile("C:\\HL\\valve\\maps\\crossfire.bsp");
    Open();
    editor->onFileButton();
    EXPECT_FALSE(view.menus.back().at(3).enabled) << "Save, with nothing changed";
    view.chosen = cfgeditor::VariableCommand + 34;  // sv_gravity
    editor->onInsertButton();
    EXPECT_TRUE(editor->changed());
    const std::string block = "\r\n// sets level of in-game gravity\r\nsv_gravity 800\r\n\r\n";
    EXPECT_EQ(std::tuple(view.body, view.start, view.length), std::tuple(block, 0u, block.size()));
    EXPECT_EQ(fakes::Describe({view.menus.back().at(0)}), "Map Name [crossfire | stalkyard]");

    // A map name goes in as it is, at the caret, and is selected.
    boxes.answers = {mb::No};
    editor->New();
    view.setText("ab");
    view.select(1, 0);
    view.chosen = cfgeditor::MapCommand + 1;
    editor->onInsertButton();
    EXPECT_EQ(std::tuple(view.body, view.length, editor->changed()), std::tuple("astalkyardb", 9u, true));
    // Past the last row, nothing.
    editor->onMenuCommand(cfgeditor::MapCommand + 2);
    editor->onMenuCommand(cfgeditor::VariableCommand + VariableCount);
    EXPECT_EQ(std::tuple(view.body, view.focused), std::tuple("astalkyardb", 2));

    // A game without maps offers none.
    view.games.add("cstrike");
    view.games.index = view.games.count() - 1;
    view.chosen = 0;
    editor->onInsertButton();
    EXPECT_EQ(fakes::Describe({view.menus.back().at(0)}), "Map Name [No Maps For Current Game Selection(off)]");
}

TEST_F(CfgEditorTest, CutCopyAndPasteGoThroughTheClipboard) {
    Open();
    Type("one two");
    view.select(0, 3);
    Choose(cfgeditor::CopyCommand);
    EXPECT_EQ(clipboard.held, "one");
    Choose(cfgeditor::CutCommand);
    EXPECT_EQ(view.body, " two");
    view.select(4, 0);
    Choose(cfgeditor::PasteCommand);
    EXPECT_EQ(view.body, " twoone");
    view.select(0, 0);
    Choose(cfgeditor::CutCommand);
    EXPECT_EQ(clipboard.held, "") << "with nothing selected, the clipboard holds the empty text";
    // A clipboard another program holds: the text stays where it is.
    clipboard.free = false;
    view.select(0, 4);
    Choose(cfgeditor::CutCommand);
    Choose(cfgeditor::PasteCommand);
    EXPECT_EQ(std::tuple(view.body, view.focused), std::tuple(" twoone", 6));

    clipboard.free = true;
    // Each change marks a document just read as changed; a copy does not.
    const std::string file = "C:\\HL\\valve\\x.cfg";
    fs.writeFile(file, "one two");
    for (const int command : {cfgeditor::CopyCommand, cfgeditor::CutCommand, cfgeditor::PasteCommand}) {
        Open(CfgEditorMode::Alone, file);
        view.select(0, 3);
        Choose(command);
        EXPECT_EQ(editor->changed(), command != cfgeditor::CopyCommand) << command;
    }
}

TEST_F(CfgEditorTest, ClosingStoresTheGeometryOnlyWhileVisibleAndASizeTooSmallIsNotTaken) {
    settings.setCfgX2(100.0f);
    settings.setCfgY2(-5.0f);
    Open();
    EXPECT_EQ(view.placeArg, (Rect{5092, 3697, 5175, 4125}));
    view.where = {100, 200, 6000, 5000};
    editor->onUnload();
    EXPECT_EQ(store.get("HLDSVantry", "CFG", "X2"), "100") << "not stored while hidden";
    view.visible = true;
    editor->onUnload();
    for (const auto& [key, value] : {std::pair{"X", "100"}, {"Y", "200"}, {"X2", "6000"}, {"Y2", "5000"}})
        EXPECT_EQ(store.get("HLDSVantry", "CFG", key), value) << key;

    // Resized, the text and the right-hand controls follow the edges.
    const CfgEditorLayout l = LayOutCfgEditor(6000, 5000);
    EXPECT_EQ(std::tuple(l.text, l.games, l.gameLabel, l.titleWidth, l.exitLeft),
              std::tuple(Rect{60, 630, 5880, 4320}, Rect{3915, 300, layout::GameListWidth, layout::GameListHeight},
                         Rect{3315, 330, 540, 240}, 5500, 5685));
}
