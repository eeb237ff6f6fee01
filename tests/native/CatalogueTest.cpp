#include <gtest/gtest.h>

#include "Cases.h"
#include "FakeCatalogue.h"
#include "FakeListControl.h"
#include "core/catalogue/GameCatalogue.h"
#include "core/catalogue/MapLists.h"
#include "core/catalogue/PipeList.h"
#include "core/servers/LauncherPresenter.h"

using namespace vantry;
using Texts = std::vector<std::string>;
using namespace std::string_literals;

namespace {

WindowHandle const Owner = reinterpret_cast<WindowHandle>(0x1234);
constexpr char CfgPath[] = "C:\\Vantry\\games\\games.cfg";

TEST(PipeList, ItemsAreOneBasedAsGivenCountStopsAtTheFirstBlankOneAndRemoveRebuildsFromThoseCounted) {
    PipeList list;
    for (const char* item : {"a", " c ", "a"})
        list.Add(item);
    EXPECT_EQ(std::tuple(list.text(), list.Count(), list.Item(2)), std::tuple("a| c |a|", 3, " c "));
    for (int outside : {-1, 0, 5})
        EXPECT_EQ(list.Item(outside), "") << outside;
    list.Remove(2);
    EXPECT_EQ(list.text(), "a|a|");

    // A missing final bar still counts the last item.
    EXPECT_EQ((std::vector{PipeList("a|  |b|").Count(), PipeList("|a|").Count(), PipeList("a|b").Count()}),
              (std::vector{1, 0, 2}));
    EXPECT_EQ(PipeList("a||b|").Item(3), "b") << "Item reaches past a blank";
    // Out of range removes nothing, but the rebuild still drops what follows a blank.
    PipeList tail("a|b||c|");
    tail.Remove(9);
    EXPECT_EQ(tail.text(), "a|b|");
}

// A Half-Life directory and the program's own, both where the settings say.
class Installation : public ::testing::Test, protected fakes::FakeCatalogue {
protected:
    void Games(std::initializer_list<const char*> dirs) {
        for (const char* dir : dirs)
            fs.addDir(std::string("C:\\HL\\") + dir);
    }
    std::string Cfg() { return fs.readFile(CfgPath).value_or("<none>"); }
    LocateResult Load() { return LoadGameCatalogue(catalogue, lists, Owner); }
    LocateResult Fill(fakes::FakeListControl& combo) { return FillGameSelector(catalogue, lists, Owner, combo); }
    static std::string Dialog(const fakes::DialogCall& c) { return c.title + " / " + c.filter + " / " + c.initialDir; }
};

using GameCatalogueTest = Installation;
using LocateTest = Installation;
using MapListsTest = Installation;

TEST_F(GameCatalogueTest, FirstRunCreatesTheGamesDirectoryAndListsEveryGameChecked) {
    Games({"valve", "Logos", "MEDIA", "Auth", "gldrv", "~sigspat", "cstrike", "a;b"});
    fs.addDir("C:\\HL\\secret", attr::Directory | attr::Hidden);
    fs.addFile("C:\\HL\\readme.txt");

    ASSERT_EQ(Load(), LocateResult::Known);
    EXPECT_EQ(Cfg(), "cstrike;1\r\nvalve;1\r\n");  // in the games directory it made
    EXPECT_TRUE(boxes.calls.empty() && dialogs.calls.empty()) << "both programs were where the settings said";
}

// A hidden catalogue is the user's file too: read and kept, as one that cannot
// be read is, which the options window shows.
TEST_F(GameCatalogueTest, HandEditsAreNormalisedKeepingOrderSpacesAndFlagsReadAsNumbers) {
    Games({"valve", "cstrike", "dod", "a", "b", "c", "d", "e", "f", "g"});
    fs.addFile(CfgPath, "gone;1\r\nvalve;1\r\n\r\n   \r\n CStrike ;1\r\nvalve|x;1\r\n"
                        "a;2\r\nb;01\r\nc; 1 \r\nd;0\r\ne\r\nf;x\r\ng;\r\n", attr::Hidden);
    ASSERT_EQ(Load(), LocateResult::Known);
    // A flag other than 0 and 1 drops the game; a missing or unreadable one
    // keeps it once, not offered.
    EXPECT_EQ(Cfg(), "valve;1\r\n CStrike ;1\r\nb;1\r\nc;1\r\nd;0\r\ne;0\r\nf;0\r\ng;0\r\ndod;1\r\n");
}

TEST_F(GameCatalogueTest, SelectorOffersCheckedGamesAndSelectsTheDefault) {
    // Without any game directory the catalogue and the selector are emptied.
    fs.addFile(CfgPath, "valve;1\r\n");
    fakes::FakeListControl empty;
    empty.add("stale");
    ASSERT_EQ(Fill(empty), LocateResult::Known);
    EXPECT_EQ(Cfg() + std::to_string(empty.count() + empty.clicks.size()), "\r\n0");

    Games({"cstrike", "tfc", "valve", "dod"});
    fs.addFile(CfgPath, "dod;1\r\ncstrike;1\r\ntfc;0\r\nvalve;1\r\n");
    // The stored default and the game selected: a blank one is valve's, an unchecked one the first's.
    for (const auto& [stored, selected] : {std::pair{"CStrike", "cstrike"}, {"   ", "valve"}, {"tfc", "dod"},
                                           {" valve", "dod"}}) {
        settings.setDefaultGame(stored);
        fakes::FakeListControl combo;
        ASSERT_EQ(Fill(combo), LocateResult::Known);
        EXPECT_EQ(std::pair(combo.texts(), combo.clicks), std::pair(Texts{"dod", "cstrike", "valve"}, Texts{selected}))
            << stored;
    }
}

TEST_F(LocateTest, FirstRunAsksForBothProgramsAndStoresTheirPlaces) {
    store.values.clear();
    registry.SetRegString(RegRoot::LocalMachine, "SOFTWARE\\Valve\\Half-Life", "InstallPath", "C:\\Games");
    // The server's dialog first gives a path with no usable piece, which is as
    // good as a cancel.
    dialogs.answers = {"\\", "C:\\HL\\hlds.exe", "C:\\Vantry\\HLDS Vantry.exe"};
    ASSERT_EQ(Load(), LocateResult::Known);

    EXPECT_EQ((Texts{settings.HLdir(), settings.HLexe(), settings.HLDSdir(), settings.HLDSexe()}),
              (Texts{"C:\\HL\\", "hlds.exe", "C:\\Vantry\\", "HLDS Vantry.exe"}));
    ASSERT_EQ(boxes.calls.size(), 3u);
    EXPECT_EQ(Box(0), "HLDS.exe / Please locate the Half-Life Dedicated Server (HLDS.exe). / 0");
    EXPECT_EQ(Box(1), "HLDS.exe / Cannot continue without location of the Half-Life Dedicated Server (HLDS.exe).\r\n"
                      "Please press OK to locate, or Cancel to exit HLDS Vantry. / 49");
    EXPECT_EQ(Box(2), "HLDS Vantry.exe / Please locate HLDS Vantry (HLDS Vantry.exe). / 0");
    ASSERT_EQ(dialogs.calls.size(), 3u);
    EXPECT_EQ(Dialog(dialogs.calls[1]),
              "Locate HLDS.exe / HLDS.exe (hlds.exe)|hlds.exe|EXE Files (*.exe)|*.exe / C:\\Games");
    EXPECT_EQ(Dialog(dialogs.calls[2]), "Locate HLDS Vantry.exe / HLDS Vantry.exe (HLDS Vantry.exe)|"
                                        "hlds vantry.exe|EXE Files (*.exe)|*.exe / C:\\Vantry\\");
    EXPECT_TRUE(boxes.calls[0].owner == Owner && dialogs.calls[0].owner == Owner);

    // The game's 32-bit installer writes to the 32-bit view on 64-bit Windows: it is read first.
    registry.SetRegString(RegRoot::LocalMachine32, "SOFTWARE\\Valve\\Half-Life", "InstallPath", "C:\\Sierra");
    settings.setHLexe("gone.exe");
    dialogs.answers = {"C:\\HL\\hlds.exe"};
    ASSERT_EQ(LocateServerExe(settings, fs, registry, dialogs, boxes, Owner), LocateResult::Known);
    EXPECT_EQ(dialogs.calls.back().initialDir, "C:\\Sierra");
}

// The server's place is read trimmed, the program's as stored: here only the
// program is asked for, and a cancel on its retry ends with nothing written.
TEST_F(LocateTest, CancelOnTheRetryEndsWithNothingWritten) {
    settings.setHLdir(" C:\\HL\\ ");
    settings.setHLexe(" hlds.exe ");
    settings.setHLDSdir(" C:\\Vantry\\");
    settings.setHLDSexe("HLDS Vantry.exe");
    boxes.answers = {mb::Ok, mb::Cancel};
    EXPECT_EQ(Load(), LocateResult::EndNow);
    ASSERT_EQ(boxes.calls.size(), 2u);
    EXPECT_EQ(Box(1), "HLDS Vantry.exe / Cannot continue without location of HLDS Vantry (HLDS Vantry.exe).\r\n"
                      "Please press OK to locate, or Cancel to exit HLDS Vantry. / 49");
    EXPECT_EQ(std::tuple(dialogs.calls.size(), settings.HLDSdir(), fs.attributes("C:\\Vantry\\games").has_value()),
              std::tuple(1u, " C:\\Vantry\\", false));
}

TEST_F(MapListsTest, EachFillMergesBothSourcesAfreshOnceEachLowerCased) {
    fs.addFile("C:\\Vantry\\games\\cstrike.mps", "Crossfire\r\n\r\n  \r\n Spaced \r\nde_dust\r\n");
    for (const char* map : {"!first.bsp", ".bsp", "crossfire.bsp", "DE_Aztec.BSP", "de_dust.bsp", "spaced.bsp",
                            "zz.bsp", "notes.txt"})
        fs.addFile(std::string("C:\\HL\\cstrike\\maps\\") + map);
    fakes::FakeListControl control;
    MapList maps{control};
    FillMapList(maps, "cstrike", settings, fs);
    // The .mps names first, then the map files in listing order; a file named
    // just ".bsp" does not end the scan.
    EXPECT_EQ(control.texts(), (Texts{"crossfire", " spaced ", "de_dust", "!first", "de_aztec", "spaced", "zz"}));

    // No game reads the Half-Life maps folder. The blank game is still part of
    // the .mps name, so only an exactly empty selection finds ".mps".
    fs.addFile("C:\\HL\\maps\\boot_camp.bsp");
    fs.addFile("C:\\Vantry\\games\\.mps", "Extra\r\n");
    FillMapList(maps, "  ", settings, fs);
    EXPECT_EQ(control.texts(), Texts{"boot_camp"});
    FillMapList(maps, "", settings, fs);
    EXPECT_EQ(control.texts(), (Texts{"extra", "boot_camp"}));
}

// The launcher window in memory: its fields and lists, and a record of
// everything else it was told.
struct FakeLauncherView : LauncherView {
    std::string portText() override { return port; }
    void setPortText(const std::string& t) override { port = t; }
    std::string paramsText() override { return params; }
    void setParamsText(const std::string& t) override { params = t; }
    ListControl& gameSelector() override { return games; }
    MapList& maps() override { return mapList; }
    void insertNoMapEntry() override { mapRows.rows.insert(mapRows.rows.begin(), {"", false}), mapRows.index = 0; }
    std::string mapText() override { return mapRows.text(mapRows.index); }
    void setStartEnabled(bool e) override { log.push_back(e ? "enable start" : "disable start"); }
    void setWindowEnabled(bool e) override { log.push_back(e ? "enable window" : "disable window"); }
    void startPause(int milliseconds) override { log.push_back("pause " + std::to_string(milliseconds)); }
    void centre() override {}
    void showTrayIcon(const std::string& tooltip) override { log.push_back("tray icon " + tooltip); }
    WindowHandle windowHandle() override { return nullptr; }

    std::string port, params;
    fakes::FakeListControl games, mapRows;
    MapList mapList{mapRows};
    Texts log;
};

// Two games, only one with maps.
class LauncherTest : public Installation {
protected:
    void SetUp() override {
        fs.addFile("C:\\HL\\valve\\maps\\crossfire.bsp");
        fs.addFile("C:\\HL\\valve\\maps\\Boot_Camp.BSP");
        Games({"cstrike"});
    }
    // A new window; one whose selector raises its Click, as the real one does, when `clicks`.
    LauncherOutcome Open(bool standalone = false, bool clicks = false) {
        presenter.reset();
        view.emplace();
        if (clicks)
            view->games.onClick = [&] { presenter->onGameClick(); };
        presenter = std::make_unique<LauncherPresenter>(
            *view, LauncherServices{catalogue, lists, processes, network, clock, boxes, lastPort, standalone});
        return presenter->onLoad();
    }

    std::optional<FakeLauncherView> view;
    std::unique_ptr<LauncherPresenter> presenter;
};

TEST_F(LauncherTest, StartRunsTheServerWithTheBuiltCommandLineAndKeepsItsPort) {
    settings.setParams("  +maxplayers 8 ");
    ASSERT_EQ(Open(false, true), LauncherOutcome::StayOpen);
    EXPECT_EQ(std::tuple(view->params, view->mapRows.fills), std::tuple("  +maxplayers 8 ", 1)) << "maps filled once";
    view->mapRows.index = 2;  // below the empty entry, "boot_camp" and "crossfire"
    view->params = " +maxplayers 16  ";
    presenter->onStart();
    EXPECT_EQ(processes.starts,
              Texts{"\"C:\\HL\\hlds.exe\" +maxplayers 16  -game valve +map crossfire +port 27015 @ C:\\HL\\"});
    EXPECT_EQ(std::tuple(settings.Params(), settings.serverKeys(), settings.server("100")->substr(0, 12)),
              std::tuple(" +maxplayers 16  ", Texts{"100"}, "1010\t0\t27015")) << "recorded, unwatched";
    // Half a second for the console to come up, with Start and the window
    // disabled; then the launcher goes, and the game lists with it.
    EXPECT_EQ(view->log, (Texts{"disable start", "disable window", "pause 500"}));
    EXPECT_FALSE(lists.GameEntries.text().empty());
    EXPECT_EQ(presenter->onPauseElapsed(), LauncherOutcome::Close);
    EXPECT_TRUE(lists.GameEntries.text().empty());
    // The next launcher proposes the next port; a cancelled one gives it back.
    Open();
    EXPECT_EQ(std::pair(view->port, presenter->onCancel()), std::pair("27016"s, LauncherOutcome::Close));
    Open();
    EXPECT_EQ(view->port, "27016");
}

TEST_F(LauncherTest, ARefusedLaunchSaysSoAndStaysOpen) {
    Open();
    // Changing to cstrike, which has no maps, leaves only the empty first entry.
    fs.addFile("C:\\HL\\maps\\stray.bsp");  // no game's
    view->games.index = 0;
    presenter->onGameClick();
    EXPECT_EQ(view->mapRows.texts(), Texts{""});

    processes.refuse = true;
    presenter->onStart();
    ASSERT_EQ(boxes.calls.size(), 1u);
    EXPECT_EQ(Box(0), "Start Server / Could not start 'C:\\HL\\hlds.exe'. / 64");
    EXPECT_EQ(processes.starts.back(), "\"C:\\HL\\hlds.exe\"  -game cstrike +port 27015 @ C:\\HL\\");
    EXPECT_EQ(std::tuple(view->log, lastPort),
              std::tuple(Texts{"disable start", "disable window", "enable window", "enable start"}, 27015));
}

TEST_F(LauncherTest, APortAnotherProgramHoldsAsksBeforeTheServerStarts) {
    network.taken = {27015};
    Open();
    view->params = "+maxplayers 8 +IP  10.0.0.5 ";
    boxes.answers = {mb::No};
    presenter->onStart();
    ASSERT_EQ(boxes.calls.size(), 1u);
    EXPECT_EQ(Box(0), "Start Server / Port 27015 is already in use by another program. Start the server anyway? / 52");
    EXPECT_EQ(std::tuple(network.probes, processes.starts, settings.Params(), lastPort),
              std::tuple(Texts{"10.0.0.5:27015"}, Texts{}, "", 27015)) << "parameters not stored";
    EXPECT_EQ(view->log, (Texts{"disable start", "disable window", "enable window", "enable start"}));

    boxes.answers = {mb::Yes};
    presenter->onStart();
    EXPECT_EQ(processes.starts.size(), 1u);
    // No number in the field: nothing to probe.
    view->port = "27o15";
    presenter->onStart();
    EXPECT_EQ(network.probes.size(), 2u);
}

TEST_F(LauncherTest, AloneItProposes27015ShowsItsTrayIconAndEndsTheProgramAsDoesGivingUpTheSearch) {
    lastPort = 0;
    Open(true);
    EXPECT_EQ(std::tuple(view->port, view->log), std::tuple("27015", Texts{"tray icon Launch Server"}));
    presenter->onStart();
    EXPECT_EQ(presenter->onPauseElapsed(), LauncherOutcome::EndProgramNow);
    Open(true);
    EXPECT_EQ(presenter->onCancel(), LauncherOutcome::EndProgram);

    settings.setHLexe("gone.exe");
    boxes.answers = {mb::Ok, mb::Cancel};
    EXPECT_EQ(Open(), LauncherOutcome::EndProgramNow);
}

TEST_F(LauncherTest, NamesTheServersCommandsCannotLoadAreNotOffered) {
    for (const char* map : {"crossfire +rcon_password hacked +sv_cheats 1", "-dev", "+x", "de\"q", "a;b", "tab\tmap",
                            "a\x7F", "a\r", "de_dust2", "cs_1.6", "\xD0\xB4\xD0\xBE\xD0\xBC", "a+b", "x-"})
        fs.addFile(std::string("C:\\HL\\valve\\maps\\") + map + ".bsp");
    Games({"cstrike", "my mod"});
    settings.setDefaultGame("my mod");
    Open();
    EXPECT_EQ(std::tuple(view->games.texts(), view->games.index), std::tuple(Texts{"cstrike", "valve"}, 0)) << "first";
    view->games.index = 1;
    presenter->onGameClick();
    EXPECT_EQ(view->mapRows.texts(),
              (Texts{"", "a+b", "boot_camp", "crossfire", "cs_1.6", "de_dust2", "x-", "\xD0\xB4\xD0\xBE\xD0\xBC"}));
}

TEST_F(LauncherTest, TheCommandLineHasTheParametersFirstThenGameMapAndPortAllTrimmed) {
    for (const auto& c : cases::Read("launcher-lines.txt")) {
        Open();
        view->params = c[0];
        view->mapRows.rows.at(1).text = c[1];
        view->mapRows.index = 1;
        view->port = c[2];
        presenter->onStart();
        EXPECT_EQ(processes.starts.back(), c[3] + " @ C:\\HL\\");
    }
}

TEST(PortField, TakesDigitsAndBackspaceOnly) {
    for (char c : std::string("0123456789\b"))
        EXPECT_TRUE(PortFieldAccepts(c));
    for (int c : {int{'a'}, int{' '}, int{'-'}, int{'+'}, int{'.'}, 13, 127, 0xB2})
        EXPECT_FALSE(PortFieldAccepts(c)) << c;
}

}  // namespace
