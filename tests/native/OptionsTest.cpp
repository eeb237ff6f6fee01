#include <gtest/gtest.h>

#include <functional>

#include "Cases.h"
#include "FakeCatalogue.h"
#include "FakeListControl.h"
#include "core/options/OptionsPresenter.h"

using namespace vantry;
using Lines = std::vector<std::string>;

namespace {

constexpr char Program[] = "C:\\Tools\\HLDS Vantry.EXE";
constexpr RegRoot HKCR = RegRoot::ClassesRoot;
constexpr RegRoot HKCU = RegRoot::CurrentUser;

struct FakeOptionsView : OptionsView, fakes::Recorder {
    ListControl& gameSelector() override { return cmbGame; }
    ListControl& maps() override { return lstMaps; }
    CheckListControl& games() override { return lstGames; }
    void setMapListEnabled(bool e) override { mapsEnabled = e; }
    void setGameListEnabled(bool e) override { gamesEnabled = e; }
    void setServerPath(const std::string& p) override { serverPath = p; }
    void setProgramPath(const std::string& p) override { programPath = p; }
    std::string newMap() override { return txtNewMap; }
    void setNewMap(const std::string& t) override { txtNewMap = t; }
    void focusNewMap() override { log.push_back("focus new map"); }
    std::string defaultGame() override { return lblDefault; }
    void setDefaultGame(const std::string& g) override { lblDefault = g; }
    int showIn() override { return chkVis; }
    void setShowIn(int mode) override { chkVis = mode; }
    bool associated() override { return chkAssoc; }
    void setAssociated(bool c) override { chkAssoc = c; }
    bool registerOnStart() override { return chkReg; }
    void setRegisterOnStart(bool enabled, bool checked) override { regEnabled = enabled, chkReg = checked; }
    void setIconButtons(bool next, bool previous) override { nextEnabled = next, previousEnabled = previous; }
    void showIcon(int choice) override { icon = choice; }
    void setApplyEnabled(bool e) override { applyEnabled = e; }
    WindowHandle windowHandle() override { return nullptr; }
    void close() override { log.push_back("close"); }
    void showMainWindowAgain() override { log.push_back("main window again"); }
    ShownSelectors shownSelectors() override { return {.frmOptions = {nullptr, &cmbGame}}; }
    void endProgramNow() override { log.push_back("end now"); }
    void unsavedWorkChanged() override { hear(); }

    // The choices shown, in the window's order; "<" and ">" for the enabled icon
    // buttons, "reg" for an enabled register box and "*" when it is ticked.
    std::string State() const {
        return "show " + std::to_string(chkVis) + (chkAssoc ? " assoc" : "") + (regEnabled ? " reg" : "") +
               (chkReg ? "*" : "") + " icon " + std::to_string(icon) + (previousEnabled ? " <" : "") +
               (nextEnabled ? " >" : "") + (applyEnabled ? " apply" : "") + " default " + lblDefault;
    }

    fakes::FakeListControl cmbGame, lstMaps{true}, lstGames;
    std::string serverPath, programPath, txtNewMap, lblDefault;
    int chkVis = -1, icon = 0;
    bool chkAssoc = false, chkReg = false, regEnabled = false, nextEnabled = false, previousEnabled = false;
    bool applyEnabled = true;  // so that the load must clear it
    bool mapsEnabled = false, gamesEnabled = false;
};

class OptionsTest : public ::testing::Test, protected fakes::FakeCatalogue {
protected:
    void SetUp() override {
        for (const char* game : {"cstrike", "tfc", "valve"})
            fs.addDir(std::string("C:\\HL\\") + game);
        fs.addFile("C:\\Vantry\\games\\valve.mps", "crossfire\r\nDE_DUST\r\n");
        fs.addFile("C:\\Vantry\\games\\cstrike.mps", "de_aztec\r\n");
    }
    OptionsPresenter& Load() {
        presenter = std::make_unique<OptionsPresenter>(view, OptionsServices{catalogue, lists, shell, Program});
        presenter->onLoad();
        EXPECT_FALSE(view.applyEnabled);
        return *presenter;
    }
    void Pick(const std::string& game) { view.cmbGame.pick(game), presenter->onGameChange(); }
    std::string File(const std::string& path) { return fs.readFile(path).value_or("<none>"); }
    AssociationServices assoc{settings, registry, shell, Program};

    FakeOptionsView view;
    std::unique_ptr<OptionsPresenter> presenter;
};

TEST(CfgAssociationTest, ProgramPathAsRegistered) {
    for (const auto& c : cases::Read("program-path.txt"))
        EXPECT_EQ(RegisteredProgramPath(c[0]), c[1]);
}

TEST_F(OptionsTest, RegisteringWritesTheEightEntriesInOrderThenRegOnStart) {
    settings.setRegOnStart(0);
    RegisterCfgAssociation(assoc);
    Lines expected;
    for (const auto& c : cases::Read("association-writes.txt"))
        expected.push_back(c[0]);
    EXPECT_EQ(registry.writes, expected);
    EXPECT_EQ(std::tuple(settings.RegOnStart(), shell.associationNotices, CfgAssociated(assoc)),
              std::tuple(1L, 1, true));

    // The same entries again change nothing the shell shows: no notice.
    RegisterCfgAssociation(assoc);
    EXPECT_EQ(shell.associationNotices, 1);

    // Another directory is another program; case alone is not.
    AssociationServices moved{settings, registry, shell, "C:\\Other\\HLDS Vantry.EXE"};
    AssociationServices cased{settings, registry, shell, "c:\\tools\\hlds vantry.exe"};
    EXPECT_FALSE(CfgAssociated(moved));
    EXPECT_TRUE(CfgAssociated(cased));
}

// One refused entry is as good as all: the eight go to the user's classes.
TEST_F(OptionsTest, RefusedMachineClassesFallBackToTheUsersAndRemovalTakesBackOnlyItsOwn) {
    registry.refusedValue = "0:.CFG|";
    settings.setIconIndex(9);  // kept to the last of the four icons
    RegisterCfgAssociation(assoc);
    const auto user = registry.under(HKCU, "Software\\Classes");
    EXPECT_EQ(std::tuple(user.size(), user.at("\\CFGFILE\\DEFAULTICON|"), CfgAssociated(assoc)),
              std::tuple(8u, "sz:C:\\Tools\\HLDS Vantry.EXE,3", true));

    // Another program's entries under ".cfg" survive registering and removal.
    registry.refusedValue.clear();
    registry.SetRegString(HKCR, ".cfg\\OpenWithProgids", "Editor.cfg", "");
    RegisterCfgAssociation(assoc);
    EXPECT_EQ(registry.GetRegString(HKCR, ".cfg\\OpenWithProgids", "Editor.cfg"), "");
    RemoveCfgAssociation(assoc);
    EXPECT_TRUE(registry.under(HKCU, "Software\\Classes\\cfgfile").empty());
    EXPECT_EQ(registry.under(HKCR, ".cfg"),
              (std::map<std::string, std::string>{{"\\OPENWITHPROGIDS|EDITOR.CFG", "sz:"}, {"|CONTENT TYPE", "sz:text/plain"}}));
    EXPECT_EQ(std::tuple(registry.under(HKCR, "cfgfile").empty(), settings.RegOnStart(), shell.associationNotices),
              std::tuple(true, 0L, 2));

    // What names another program is not this one's to remove.
    registry.SetRegString(HKCR, ".cfg", "", "Editor.cfg");
    registry.SetRegString(HKCR, "cfgfile\\Shell\\Open\\command", "", "\"C:\\Other\\editor.exe\" %1");
    RemoveCfgAssociation(assoc);
    EXPECT_TRUE(registry.GetRegString(HKCR, ".cfg", "") == "Editor.cfg" && !registry.under(HKCR, "cfgfile").empty());
}

TEST_F(OptionsTest, LoadShowsTheStoredChoicesAndOnlyATickedGameCanBeTheDefault) {
    settings.setShowIn(1);
    settings.setDefaultGame("  cstrike ");
    settings.setIconIndex(7);
    fs.addFile("C:\\Vantry\\games\\games.cfg", "cstrike;1\r\n tfc ;0\r\nvalve;1\r\n");
    RegisterCfgAssociation(assoc);
    settings.setRegOnStart(0);
    Load();
    EXPECT_EQ(view.State(), "show 1 assoc reg icon 4 < default cstrike");
    EXPECT_EQ(view.serverPath + " " + view.programPath, "C:\\HL\\hlds.exe C:\\Vantry\\HLDS Vantry.exe");
    EXPECT_EQ(std::tuple(view.lstGames.texts(true), view.lstMaps.texts()),
              std::tuple(Lines{"cstrike [x]", " tfc  [ ]", "valve [x]"}, Lines{"de_aztec"}));
    // Only a ticked game can be made the default.
    view.lstGames.index = 1;
    presenter->onMakeDefault();
    EXPECT_EQ(Box(0), "HLDS Vantry / Selection must first be marked as a game before it can be made the default "
                      "selection. / 64");
    EXPECT_EQ(view.State(), "show 1 assoc reg icon 4 < default cstrike") << "nothing to apply";

    // A negative index shows the first icon; without the association the
    // buttons and the box are off.
    settings.setIconIndex(-3);
    RemoveCfgAssociation(assoc);
    settings.setShowIn(5);
    Load();
    EXPECT_EQ(view.State(), "show 0 icon 1 default cstrike");
    presenter->onNextIcon();  // only the icon changes
    EXPECT_EQ(view.State(), "show 0 icon 2 apply default cstrike");
}

TEST_F(OptionsTest, ApplyWritesEverythingInItsOrderAndSkipsWhatDidNotChange) {
    settings.setShowIn(2);
    Load();
    view.chkAssoc = true;
    presenter->onAssociationClick();
    EXPECT_TRUE(view.regEnabled && view.chkReg);
    view.chkReg = false;  // registered, but not again at every start
    view.chkVis = 0;
    view.lstGames.setTicked(1, false);  // tfc
    presenter->onGameChecked();
    view.lstGames.index = 0;
    presenter->onMakeDefault();
    dialogs.answers = {"D:\\Half-Life\\HLDS2.exe"};
    presenter->onBrowseServer();
    EXPECT_EQ(view.serverPath + " " + settings.HLdir(), "D:\\Half-Life\\HLDS2.exe C:\\HL\\");  // stored at Apply
    view.lstGames.setTicked(1, false);  // the browse read games.cfg again
    presenter->onGameChecked();
    presenter->onPreviousIcon();  // from the third icon, the stored index 2
    presenter->onApply();
    EXPECT_EQ(std::tuple(view.applyEnabled, CfgAssociated(assoc), settings.RegOnStart(),
                         settings.defaultGameForOptions(), settings.ShowIn()),
              std::tuple(false, true, 0L, std::string("cstrike"), 0L));
    EXPECT_EQ(std::tuple(File("C:\\Vantry\\games\\games.cfg"), File("C:\\Vantry\\games\\cstrike.mps"),
                         view.cmbGame.texts()),  // refreshed
              std::tuple("cstrike;1\r\ntfc;0\r\nvalve;1\r\n", "de_aztec\r\n", Lines{"cstrike", "valve"}));
    EXPECT_EQ(std::tuple(settings.HLdir(), settings.HLexe(), settings.IconIndex()),
              std::tuple(std::string("D:\\Half-Life\\"), std::string("HLDS2.exe"), 1L));
    EXPECT_EQ(view.log, Lines{"main window again"});

    // A second Apply with nothing changed: no new window, no games.cfg write.
    fs.addFile("C:\\Vantry\\games\\games.cfg", "kept");
    presenter->onApply();
    EXPECT_EQ(File("C:\\Vantry\\games\\games.cfg"), "kept");
    EXPECT_EQ(view.log, Lines{"main window again"});

    // Unticking the association removes it and stores RegOnStart 0; unticked
    // and left so, the next OK touches nothing of it.
    view.chkAssoc = false;
    presenter->onAssociationClick();
    EXPECT_FALSE(view.regEnabled || view.nextEnabled || view.previousEnabled);
    presenter->onApply();
    EXPECT_EQ(std::pair(registry.under(HKCR, "cfgfile").empty(), settings.RegOnStart()), std::pair(true, 0L));
    settings.setRegOnStart(1);
    registry.SetRegString(HKCR, "cfgfile\\Shell\\Open\\command", "", "\"C:\\Tools\\HLDS Vantry.EXE\" %1");
    presenter->onOk();
    EXPECT_EQ(std::tuple(registry.under(HKCR, "cfgfile").empty(), settings.RegOnStart(), view.log.back()),
              std::tuple(false, 1L, "close"));
}

TEST_F(OptionsTest, MapListEditsAskWhereTheyWouldBeLost) {
    settings.setDefaultGame("valve");
    Load();
    EXPECT_EQ(view.lstMaps.texts(), (Lines{"crossfire", "DE_DUST"}));

    // One question per equal row; No stops with the text kept.
    view.lstMaps.add("de_dust");
    boxes.answers = {mb::Yes, mb::No};
    view.txtNewMap = " De_Dust ";
    presenter->onAddMap();
    EXPECT_EQ(std::tuple(view.lstMaps.count(), view.txtNewMap), std::tuple(3, " De_Dust "));
    boxes.answers = {mb::Yes, mb::Yes};
    presenter->onAddMap();
    EXPECT_EQ(view.lstMaps.texts(), (Lines{"crossfire", "DE_DUST", "de_dust", "De_Dust"}));
    EXPECT_EQ(std::tuple(view.txtNewMap, boxes.calls.size()), std::tuple("", 4u));
    EXPECT_EQ(Box(0), "Map Exists / Map already exists, do you wish to add anyway? / 36");

    view.txtNewMap = "   ";
    presenter->onAddMap();
    EXPECT_EQ(std::tuple(Box(4), view.log), std::tuple("Mapname / Please enter a mapname / 0", Lines{"focus new map"}));

    view.lstMaps.index = 0;
    boxes.answers = {mb::Yes};
    presenter->onDeleteMap();
    EXPECT_EQ(Box(5), "Del Map / Are you sure you wish to delete this map? / 36");

    // Changing game asks to save under the game the list belongs to.
    boxes.answers = {mb::Yes};
    Pick("cstrike");
    EXPECT_EQ(Box(6), "Exit / Save changes to Map List for 'valve' before changing to 'cstrike'? / 36");
    EXPECT_EQ(std::tuple(File("C:\\Vantry\\games\\valve.mps"), view.lstMaps.texts()),
              std::tuple("DE_DUST\r\nde_dust\r\nDe_Dust\r\n", Lines{"de_aztec"}));

    // A save that fails says so and keeps the edits with their game.
    view.txtNewMap = "de_nuke";
    presenter->onAddMap();
    fs.failWrites = true;
    boxes.answers = {mb::Yes};
    Pick("valve");
    EXPECT_EQ(Box(8), "Error Saving File / Error saving file 'C:\\Vantry\\games\\cstrike.mps' / 64");
    EXPECT_EQ(std::tuple(view.cmbGame.text(view.cmbGame.index), view.lstMaps.texts()),
              std::tuple("cstrike", Lines{"de_aztec", "de_nuke"}));
}

TEST_F(OptionsTest, CloseButtonSavesLessAndOnlyWhenAsked) {
    settings.setShowIn(2);
    settings.setDefaultGame("valve");
    Load();
    view.work = [&] { return presenter->unsavedWork(); };
    presenter->onExitButton();  // nothing to apply: no question
    EXPECT_EQ(std::tuple(boxes.calls.size(), view.log), std::tuple(0u, Lines{"close"}));

    view.chkVis = 0;
    presenter->onShowInClick();
    view.lstGames.index = 0;
    presenter->onMakeDefault();
    view.txtNewMap = "de_nuke";
    presenter->onAddMap();
    boxes.answers = {mb::Yes};
    presenter->onExitButton();
    EXPECT_EQ(Box(0), "Exit / Save changes to settings? / 36");
    EXPECT_EQ(std::tuple(File("C:\\Vantry\\games\\valve.mps"), File("C:\\Vantry\\games\\games.cfg")),
              std::tuple("crossfire\r\nDE_DUST\r\nde_nuke\r\n", "cstrike;1\r\ntfc;1\r\nvalve;1\r\n"));
    // The association is not touched.
    EXPECT_EQ(std::tuple(settings.RegOnStart(), settings.defaultGameForOptions(), settings.ShowIn(), registry.writes),
              std::tuple(1L, "valve", 2L, Lines{}));

    // A write that fails keeps the window open; Cancel never asks.
    view.log.clear();
    fs.failWrites = true;
    boxes.answers = {mb::Yes};
    presenter->onExitButton();
    EXPECT_TRUE(view.log.empty());
    presenter->onOk();  // the rest of Apply takes place
    EXPECT_EQ(std::tuple(view.applyEnabled, view.log), std::tuple(true, Lines{"main window again"}));
    view.log.clear();
    const std::size_t asked = boxes.calls.size();
    presenter->onCancel();
    EXPECT_EQ(std::tuple(boxes.calls.size(), view.log), std::tuple(asked, Lines{"close"}));
    // A log-off names the unapplied changes; the window hears when they come and go.
    fs.failWrites = false;
    presenter->onApply();
    EXPECT_EQ(view.heard, (Lines{"Unapplied changes in Options", ""}));
    Pick("tfc");  // the map list was saved: nothing to ask; tfc has none to show
    EXPECT_EQ(std::pair(boxes.calls.size(), view.lstMaps.count()), std::pair(asked, 0));
}

TEST_F(OptionsTest, AListThatCouldNotBeReadIsToldOfOnceAndNeverWritten) {
    settings.setDefaultGame("valve");
    const std::string mps("crossfire\r\nde_\0dust\r\n", 20), cfg("\xFF\xFEv\0a\0", 6);
    fs.addFile("C:\\Vantry\\games\\valve.mps", mps);
    fs.addFile("C:\\Vantry\\games\\games.cfg", cfg);
    Load();
    EXPECT_TRUE(!view.mapsEnabled && !view.gamesEnabled && view.lstMaps.rows.empty());
    view.chkVis = 0;
    presenter->onShowInClick();
    dialogs.answers = {"\\", "C:\\Vantry\\HLDS Vantry.exe"};
    presenter->onBrowseProgram();  // no usable piece: as good as a cancel
    presenter->onBrowseProgram();  // both lists read afresh: not told again
    view.lstGames.setTicked(0, false);
    presenter->onGameChecked();
    presenter->onApply();
    presenter->onOk();
    ASSERT_EQ(boxes.calls.size(), 2u);
    EXPECT_EQ(Box(0), "Error Loading File / Error loading file 'C:\\Vantry\\games\\valve.mps' / 64");
    EXPECT_EQ(Box(1), "Error Loading File / Error loading file 'C:\\Vantry\\games\\games.cfg' / 64");
    EXPECT_EQ(std::tuple(File("C:\\Vantry\\games\\valve.mps"), File("C:\\Vantry\\games\\games.cfg")),
              std::tuple(mps, cfg));
    EXPECT_EQ(view.log, (Lines{"main window again", "close"}));
    Pick("tfc");  // without a map list: an empty one to fill
    EXPECT_TRUE(view.mapsEnabled);
    Pick("cstrike");  // nothing changed: nothing asked
    EXPECT_EQ(boxes.calls.size(), 2u);
}

TEST_F(OptionsTest, EveryEditEnablesApply) {
    settings.setDefaultGame("valve");
    const std::pair<const char*, std::function<void()>> edits[] = {
        {"show in", [&] { presenter->onShowInClick(); }},
        {"register", [&] { presenter->onRegisterClick(); }},
        {"game ticked", [&] { presenter->onGameChecked(); }},
        {"default", [&] { view.lstGames.index = 0; presenter->onMakeDefault(); }},
        {"map added", [&] { view.setNewMap("x"); presenter->onAddMap(); }},
        {"map deleted", [&] { view.lstMaps.index = 0; boxes.answers = {mb::Yes}; presenter->onDeleteMap(); }},
        {"association", [&] { presenter->onAssociationClick(); }},
        {"next icon", [&] { presenter->onNextIcon(); }},
        {"previous icon", [&] { presenter->onPreviousIcon(); }},
        {"server browsed", [&] { dialogs.answers = {"D:\\HL\\hlds.exe"}; presenter->onBrowseServer(); }},
        {"failed apply", [&] { view.setNewMap("y"); presenter->onAddMap(); fs.failWrites = true; presenter->onApply(); fs.failWrites = false; }},
        {"failed OK", [&] { fs.failWrites = true; presenter->onOk(); fs.failWrites = false; }},
        {"games.cfg not written", [&] {
             fs.addFile("C:\\Vantry\\games\\games.cfg", "", attr::ReadOnly);
             presenter->onGameChecked();
             presenter->onApply();
         }},
    };
    for (const auto& [name, edit] : edits) {
        Load();
        edit();
        EXPECT_TRUE(view.applyEnabled) << name;
    }
}

}  // namespace
