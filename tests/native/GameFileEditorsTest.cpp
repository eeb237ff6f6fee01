#include <gtest/gtest.h>

#include <map>

#include "Cases.h"
#include "FakeCatalogue.h"
#include "FakeListControl.h"
#include "core/editors/MapCycleEditorPresenter.h"
#include "core/editors/MotdEditorPresenter.h"
#include "core/text/Text.h"

using namespace vantry;
using Lines = std::vector<std::string>;

namespace {

// The parts both editors share, in memory.
template <typename View>
struct FakeGameFileView : View, fakes::Recorder {
    ListControl& gameSelector() override { return games; }
    void setSaveEnabled(bool enabled) override { saveEnabled = enabled; }
    void setDocumentEnabled(bool enabled) override { documentEnabled = enabled; }
    void showTrayIcon(const std::string& tip) override { tray = tip; }
    WindowHandle windowHandle() override { return nullptr; }
    void endProgram() override { this->log.push_back("end program"); }
    void closeToMain() override { this->log.push_back("back to main"); }
    void unsavedWorkChanged() override { this->hear(); }

    fakes::FakeListControl games;
    bool saveEnabled = true;  // so that the load must clear it
    bool documentEnabled = false;
    std::string tray;
};

struct FakeMotdView : FakeGameFileView<MotdEditorView> {
    std::string text() override { return body; }
    void setText(const std::string& t) override { body = t; }
    std::string body;
};

struct FakeMapCycleView : FakeGameFileView<MapCycleEditorView> {
    MapList& maps() override { return mapList; }
    ListControl& cycle() override { return lstCycle; }
    fakes::FakeListControl lstMaps{true}, lstCycle;
    MapList mapList{lstMaps};
};

class GameFileEditorsTest : public ::testing::Test, protected fakes::FakeCatalogue {
protected:
    void SetUp() override { fs.addDir("C:\\HL\\cstrike"), fs.addDir("C:\\HL\\valve\\maps"); }
    template <typename Presenter, typename View>
    std::unique_ptr<Presenter> Load(View& view, bool standalone = false) {
        auto p = std::make_unique<Presenter>(view, GameFileServices{catalogue, lists, standalone});
        EXPECT_EQ(p->onLoad(), LocateResult::Known);
        EXPECT_FALSE(view.saveEnabled);
        return p;
    }
    void Motd(bool standalone = false) { motd = Load<MotdEditorPresenter>(mv, standalone); }
    void Cycle() { cycle = Load<MapCycleEditorPresenter>(cv); }
    // A change of game as the wheel makes it: a Click, no DropDown before it.
    template <typename View>
    void Pick(View& view, GameFileEditor& editor, const std::string& game) { view.games.pick(game), editor.onGameChange(); }
    void Type(const std::string& text) { mv.body += text, motd->onTextChanged(); }
    std::string File(const std::string& path) { return fs.readFile("C:\\HL\\" + path).value_or("<none>"); }

    FakeMotdView mv;
    FakeMapCycleView cv;
    std::unique_ptr<MotdEditorPresenter> motd;
    std::unique_ptr<MapCycleEditorPresenter> cycle;
};

}  // namespace

TEST_F(GameFileEditorsTest, AMissingMotdIsCreatedAtOnceAndAnUnreadableOneIsNeverWritten) {
    Motd();  // none: created before the user does anything
    EXPECT_EQ(File("valve\\motd.txt"), "\r\n");
    // A NUL byte: told of, shown as nothing rather than cut short, and never
    // written over, whatever the user does.
    const std::string nul("ab\0cd", 5);
    fs.addFile("C:\\HL\\valve\\motd.txt", nul);
    Motd(true);
    EXPECT_TRUE(mv.body.empty() && !mv.documentEnabled);
    EXPECT_EQ(Box(0), "Error Loading File / Error loading file 'C:\\HL\\valve\\motd.txt' / 64");
    motd->onTextChanged();
    motd->onSave();
    motd->onClose();
    EXPECT_EQ(std::tuple(boxes.calls.size(), mv.log, File("valve\\motd.txt")), std::tuple(1u, Lines{"end program"}, nul));
    Pick(mv, *motd, "cstrike");
    EXPECT_TRUE(mv.documentEnabled) << "another game's file can be edited again";
    // A hidden motd.txt is the user's file too: read, never replaced by an empty one.
    fs.addFile("C:\\HL\\valve\\motd.txt", "hidden\r\n", attr::Hidden);
    Motd();
    EXPECT_EQ(mv.body + "|" + File("valve\\motd.txt"), "hidden|hidden\r\n");
}

TEST_F(GameFileEditorsTest, AChangeOfGameAsksAboutAndWritesToTheGameThatWasShown) {
    fs.addFile("C:\\HL\\valve\\motd.txt", "v\r\n");
    fs.addFile("C:\\HL\\cstrike\\motd.txt", "c\r\n");
    Motd();
    Type("!");
    // The wheel: neither DropDown nor KeyDown came first.
    boxes.answers = {mb::Yes};
    Pick(mv, *motd, "cstrike");
    EXPECT_EQ(Box(0), "Exit / Save changes to MOTD.txt for 'valve' before changing to 'cstrike'? / 36");
    EXPECT_EQ(std::tuple(File("valve\\motd.txt"), File("cstrike\\motd.txt"), mv.body, mv.saveEnabled),
              std::tuple("v!\r\n", "c\r\n", "c", false));

    // Written meanwhile by another program: replaced only if the user says so.
    Type("#");
    fs.addFile("C:\\HL\\cstrike\\motd.txt", "theirs\r\n");
    boxes.answers = {mb::No};
    motd->onSave();
    EXPECT_EQ(Box(1), "Save File / 'motd.txt' has been changed by another program since it was opened. "
                      "Replace it with this text? / 52");
    EXPECT_EQ(std::tuple(File("cstrike\\motd.txt"), mv.saveEnabled), std::tuple("theirs\r\n", true));
    boxes.answers = {mb::Yes};
    motd->onSave();
    EXPECT_EQ(File("cstrike\\motd.txt"), "c#\r\n");
    mv.body = "c";
    fs.addFile("C:\\HL\\cstrike\\motd.txt", "c\r\n");
    boxes.calls.resize(1);

    // The same game again does nothing, even with edits.
    Type("?");
    motd->onGameDropDown();
    Pick(mv, *motd, "cstrike");
    EXPECT_EQ(std::tuple(boxes.calls.size(), mv.body), std::tuple(1u, "c?"));

    // A key: KeyDown, Click, KeyUp asks once; No throws the edits away.
    boxes.answers = {mb::No};
    motd->onGameKeyDown();
    Pick(mv, *motd, "valve");
    motd->onGameChange();
    ASSERT_EQ(boxes.calls.size(), 2u);
    EXPECT_EQ(boxes.calls[1].text, "Save changes to MOTD.txt for 'cstrike' before changing to 'valve'?");
    EXPECT_EQ(std::tuple(File("cstrike\\motd.txt"), mv.body), std::tuple("c\r\n", "v!"));

    // The map cycle asks in its own words.
    Cycle();
    cv.lstCycle.insert(0, "x");
    cv.lstCycle.index = 0;
    cycle->onDelete();
    boxes.answers = {mb::Yes};
    Pick(cv, *cycle, "cstrike");
    EXPECT_EQ(boxes.calls.back().text, "Save changes to mapcycle.txt for 'valve' before changing to 'cstrike'?");
    EXPECT_EQ(File("valve\\mapcycle.txt") + File("cstrike\\mapcycle.txt"), "\r\n<none>");
}

TEST_F(GameFileEditorsTest, AFailedWriteIsToldAtASaveAndKeepsTheEditsTheFlagAndTheGame) {
    // A motd.txt that cannot be made is not told of at opening.
    fs.failWrites = true;
    motd = std::make_unique<MotdEditorPresenter>(mv, GameFileServices{catalogue, lists, true});
    mv.games.onClick = [&] { motd->onGameChange(); };
    ASSERT_EQ(motd->onLoad(), LocateResult::Known);
    EXPECT_TRUE(boxes.calls.empty() && !mv.saveEnabled);
    mv.games.onClick = nullptr;
    Type("new");
    motd->onSave();
    EXPECT_EQ(Box(0), "Error Saving File / Error saving file 'C:\\HL\\valve\\motd.txt' / 64");
    EXPECT_TRUE(mv.saveEnabled);

    boxes.answers = {mb::Yes};
    mv.games.clicks.clear();
    Pick(mv, *motd, "cstrike");
    EXPECT_EQ(std::tuple(boxes.calls.back().title, mv.games.clicks, mv.body, mv.saveEnabled),
              std::tuple("Error Saving File", Lines{"valve"}, "new", true)) << "the selector is put back";

    // Closing: Yes and a failed save stay open; No leaves the file and ends the program.
    boxes.answers = {mb::Yes, mb::No};
    motd->onClose();
    EXPECT_TRUE(mv.log.empty());
    motd->onClose();
    EXPECT_EQ(boxes.calls.back().text, "Save changes to current MOTD.txt?");
    EXPECT_EQ(std::tuple(mv.log, mv.tray, File("valve\\motd.txt")),
              std::tuple(Lines{"end program"}, "MOTD Editor", "<none>"));
}

TEST_F(GameFileEditorsTest, TextTheFilesEncodingCannotStoreStopsTheCloseUnlessSavedAsUtf8) {
    fs.addFile("C:\\HL\\valve\\motd.txt", "caf\xE9\r\n");
    Motd(true);
    mv.work = [&] { return motd->unsavedWork(); };
    EXPECT_TRUE(mv.documentEnabled);
    Type("\xE6\x9D\xB1");
    boxes.answers = {mb::Yes, mb::No};
    motd->onClose();
    EXPECT_EQ(boxes.calls.back().text,
              "This text holds characters that the file's encoding cannot store. Save it as UTF-8?");
    EXPECT_TRUE(mv.log.empty() && mv.saveEnabled);
    boxes.answers = {mb::Yes};
    motd->onSave();
    EXPECT_EQ(std::tuple(mv.saveEnabled, File("valve\\motd.txt")), std::tuple(false, "caf\xC3\xA9\xE6\x9D\xB1\r\n"));
    EXPECT_EQ(mv.heard, (Lines{"Unsaved changes in motd.txt", ""}));
}

TEST_F(GameFileEditorsTest, MapCycleReadsEveryLineInFileOrderAndWritesItBack) {
    fs.addFile("C:\\HL\\valve\\maps\\Stalkyard.bsp");
    fs.addFile("C:\\HL\\valve\\maps\\crossfire.bsp");
    for (const auto& c : cases::Read("map-cycle-files.txt")) {
        fs.addFile("C:\\HL\\valve\\mapcycle.txt", c[0]);
        Cycle();
        EXPECT_EQ(cv.lstCycle.texts(), SplitAt(c[1], '|'));
        cycle->onSave();
        EXPECT_EQ(File("valve\\mapcycle.txt"), c[2]);
    }
    EXPECT_EQ(cv.lstMaps.texts(), (Lines{"crossfire", "stalkyard"}));

    // A NUL byte: told of, an empty cycle and no maps rather than entries cut
    // short, and the file is left alone.
    const std::string nul("de_dust\r\nde_\0nuke\r\n", 18);
    fs.addFile("C:\\HL\\valve\\mapcycle.txt", nul);
    Cycle();
    EXPECT_TRUE(cv.lstCycle.rows.empty() && cv.lstMaps.rows.empty() && !cv.documentEnabled);
    cycle->onClose();
    EXPECT_EQ(std::tuple(boxes.calls.back().title, File("valve\\mapcycle.txt")), std::tuple("Error Loading File", nul));
    cv.log.clear();

    // None: an empty cycle, and nothing is created until a save.
    Pick(cv, *cycle, "cstrike");
    EXPECT_TRUE(cv.lstCycle.rows.empty() && cv.lstMaps.rows.empty() && File("cstrike\\mapcycle.txt") == "<none>");
    cycle->onClose();
    EXPECT_EQ(std::tuple(cv.log, cv.tray), std::tuple(Lines{"back to main"}, ""));
}

TEST_F(GameFileEditorsTest, AddDeleteAndMoveFollowTheirSelectionAndFlagRules) {
    using P = MapCycleEditorPresenter;
    const std::map<std::string, void (P::*)()> steps{
        {"add", &P::onAdd}, {"delete", &P::onDelete}, {"up", &P::onMoveUp}, {"down", &P::onMoveDown}};
    Cycle();
    cv.lstMaps.add("crossfire");
    cv.lstMaps.add("  ");
    for (const auto& c : cases::Read("map-cycle-steps.txt")) {
        SCOPED_TRACE(c[0] + " " + c[3]);
        cv.lstCycle.fill(SplitAt(c[0], '|'));
        cv.lstCycle.index = std::stoi(c[1]);
        cv.lstMaps.index = std::stoi(c[2]);
        cycle->onSave();
        ASSERT_FALSE(cv.saveEnabled);
        ((*cycle).*steps.at(c[3]))();
        EXPECT_EQ(std::tuple(cv.lstCycle.texts(), cv.lstCycle.index, cv.saveEnabled, cycle->changed()),
                  std::tuple(SplitAt(c[4], '|'), std::stoi(c[5]), c[6] == "true", c[6] == "true"));
    }
}
