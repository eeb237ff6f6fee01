#include <gtest/gtest.h>

#include "FakeFileSystem.h"
#include "FakeListControl.h"
#include "FakePlatform.h"
#include "core/servers/LauncherPresenter.h"

using namespace vantry;

namespace {

struct FakeLauncherView : LauncherView {
    std::string portText() override { return port; }
    void setPortText(const std::string& t) override { port = t; }
    std::string paramsText() override { return params; }
    void setParamsText(const std::string& t) override { params = t; }
    ListControl& gameSelector() override { return games; }
    MapList& maps() override { return mapList; }
    void insertNoMapEntry() override {
        mapRows.rows.insert(mapRows.rows.begin(), {"", "", false});
        mapRows.index = 0;
    }
    std::string mapText() override { return mapRows.List(mapRows.index); }
    void setStartEnabled(bool e) override { startEnabled = e; }
    void setWindowEnabled(bool e) override { windowEnabled = e; }
    void startPause(int milliseconds) override { pauses.push_back(milliseconds); }
    void centre() override {}
    void showTrayIcon(const std::string& tooltip) override { tray = tooltip; }
    WindowHandle windowHandle() override { return nullptr; }

    std::string port, params, tray;
    fakes::FakeListControl games, mapRows;
    MapList mapList{mapRows};
    bool startEnabled = true, windowEnabled = true;
    std::vector<int> pauses;
};

class LauncherTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* file : {"C:\\HL\\hlds.exe", "C:\\Tools\\HLDS Vantry.exe",
                                 "C:\\HL\\valve\\maps\\crossfire.bsp", "C:\\HL\\valve\\maps\\Boot_Camp.BSP"})
            fs.addFile(file);
        fs.addDir("C:\\HL\\cstrike");
        settings.SetHLdir("C:\\HL\\");
        settings.SetHLexe("hlds.exe");
        settings.SetHLDSdir("C:\\Tools\\");
        settings.SetHLDSexe("HLDS Vantry.exe");
    }
    LauncherOutcome Open(FakeLauncherView& view, bool standalone = false) {
        presenter = std::make_unique<LauncherPresenter>(
            view, LauncherServices{catalogue, lists, shell, boxes, lastPort, standalone});
        return presenter->onLoad();
    }

    fakes::FakeFileSystem fs;
    fakes::FakeSettingsStore store;
    Settings settings{store};
    fakes::FakeRegistry registry;
    fakes::FakeFileDialogs dialogs;
    fakes::FakeMessageBoxes boxes;
    fakes::FakeShell shell;
    CatalogueServices catalogue{settings, fs, registry, dialogs, boxes, "C:\\Tools\\"};
    GameLists lists;
    int lastPort = 27014;
    std::unique_ptr<LauncherPresenter> presenter;
};

}  // namespace

TEST_F(LauncherTest, PortsCountUpFromStartsAndCancelGivesTheNumberBack) {
    std::vector<std::string> proposed;
    for (bool start : {false, true, false, false}) {
        FakeLauncherView view;
        Open(view);
        proposed.push_back(view.port);
        if (start)
            presenter->onStart();
        EXPECT_EQ(start ? presenter->onPauseElapsed() : presenter->onCancel(), LauncherOutcome::Close);
    }
    EXPECT_EQ(proposed, (std::vector<std::string>{"27015", "27015", "27016", "27016"}));
}

TEST_F(LauncherTest, StartRunsTheServerWithTheBuiltCommandLine) {
    settings.SetParams("  +maxplayers 8 ");
    FakeLauncherView view;
    ASSERT_EQ(Open(view), LauncherOutcome::StayOpen);
    EXPECT_EQ(view.params, "  +maxplayers 8 ");
    EXPECT_EQ(view.mapRows.texts(), (std::vector<std::string>{"", "boot_camp", "crossfire"}));

    view.mapRows.index = 2;
    view.params = " +maxplayers 16  ";
    presenter->onStart();
    ASSERT_EQ(shell.executed.size(), 1u);
    const fakes::ShellCall& run = shell.executed[0];
    EXPECT_EQ((std::vector<std::string>{run.verb, run.file, run.parameters, run.directory}),
              (std::vector<std::string>{"Open", "C:\\HL\\hlds.exe",
                                        "+maxplayers 16  -game valve +map crossfire +port 27015", "C:\\HL\\"}));
    EXPECT_EQ(run.showCommand, 1);
    EXPECT_EQ(settings.Params(), " +maxplayers 16  ");
    // Half a second for the console to come up, with Start and the window
    // disabled; then the launcher goes, and the game lists with it.
    EXPECT_EQ(view.pauses, std::vector<int>{500});
    EXPECT_FALSE(view.startEnabled || view.windowEnabled);
    EXPECT_FALSE(lists.GameEntries.text().empty());
    EXPECT_EQ(presenter->onPauseElapsed(), LauncherOutcome::Close);
    EXPECT_TRUE(lists.GameEntries.text().empty());
}

TEST_F(LauncherTest, ARefusedLaunchSaysSoAndStaysOpen) {
    FakeLauncherView view;
    Open(view);
    // Changing to cstrike, which has no maps, leaves only the empty first entry.
    view.games.index = 0;
    presenter->onGameClick();
    EXPECT_EQ(view.mapRows.texts(), std::vector<std::string>{""});

    shell.succeed = false;
    presenter->onStart();
    ASSERT_EQ(boxes.calls.size(), 1u);
    EXPECT_EQ(boxes.calls[0].text, "Could not start 'C:\\HL\\hlds.exe'.");
    EXPECT_EQ(boxes.calls[0].title, "Start Server");
    EXPECT_EQ(boxes.calls[0].style, 64u);
    EXPECT_TRUE(view.startEnabled && view.windowEnabled);
    EXPECT_TRUE(view.pauses.empty());
    EXPECT_EQ(lastPort, 27015) << "a refused launch uses no port";
}

TEST_F(LauncherTest, AloneItProposes27015ShowsItsTrayIconAndEndsTheProgramAsDoesGivingUpTheSearch) {
    lastPort = 0;
    FakeLauncherView view;
    Open(view, true);
    EXPECT_EQ(view.port, "27015");
    EXPECT_EQ(view.tray, "Launch Server");
    presenter->onStart();
    EXPECT_EQ(presenter->onPauseElapsed(), LauncherOutcome::EndProgramNow);
    FakeLauncherView again;
    Open(again, true);
    EXPECT_EQ(presenter->onCancel(), LauncherOutcome::EndProgram);

    // Giving up the search for the server ends the program at once.
    fs.remove("C:\\HL\\hlds.exe");
    boxes.answers = {mb::Ok, mb::Cancel};
    FakeLauncherView third;
    EXPECT_EQ(Open(third), LauncherOutcome::EndProgramNow);
}

TEST(LaunchCommandLine, ParametersFirstThenGameMapAndPort) {
    EXPECT_EQ(LaunchCommandLine("valve", "crossfire", "27015", ""),
              " -game valve +map crossfire +port 27015");
    EXPECT_EQ(LaunchCommandLine("valve", "crossfire", "27015", "+maxplayers 16"),
              "+maxplayers 16  -game valve +map crossfire +port 27015");
    EXPECT_EQ(LaunchCommandLine("valve", "", "", ""), " -game valve");
    EXPECT_EQ(LaunchCommandLine("valve", "  ", "  ", "   "), " -game valve");
    EXPECT_EQ(LaunchCommandLine("cstrike", " de_dust ", " 27016 ", "  +maxplayers 8 "),
              "+maxplayers 8  -game cstrike +map de_dust +port 27016");
    EXPECT_EQ(LaunchCommandLine("", "", "27015", ""), " -game  +port 27015");
    // A pasted port is passed as it is, trimmed.
    EXPECT_EQ(LaunchCommandLine("valve", "", "27o15", ""), " -game valve +port 27o15");
}

TEST(LaunchCommandLine, PortFieldTakesDigitsAndBackspaceOnly) {
    for (char c : std::string("0123456789"))
        EXPECT_TRUE(PortFieldAccepts(c));
    EXPECT_TRUE(PortFieldAccepts(8));
    for (int c : {int{'a'}, int{' '}, int{'-'}, int{'+'}, int{'.'}, 13, 127, 0xB2})
        EXPECT_FALSE(PortFieldAccepts(c)) << c;
    EXPECT_EQ(LaunchRefusedMessage("C:\\HL\\hlds.exe"), "Could not start 'C:\\HL\\hlds.exe'.");
}
