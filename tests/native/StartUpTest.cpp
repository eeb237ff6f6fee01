#include <gtest/gtest.h>

#include "FakeFileSystem.h"
#include "FakePlatform.h"
#include "startup/StartUp.h"

using namespace vantry;

TEST(CommandLineText, IsWhatFollowsTheExecutable) {
    EXPECT_EQ(CommandLineText("\"C:\\Tools\\HLDS Vantry.exe\" /s"), "/s");
    EXPECT_EQ(CommandLineText("\"C:\\Tools\\HLDS Vantry.exe\"    C:\\a b\\x.cfg  "), "C:\\a b\\x.cfg  ");
    EXPECT_EQ(CommandLineText("vantry.exe /o"), "/o");
    EXPECT_EQ(CommandLineText("\"C:\\Tools\\HLDS Vantry.exe\""), "");
    EXPECT_EQ(CommandLineText("vantry.exe"), "");
    EXPECT_EQ(CommandLineText("\"C:\\x.exe\" \"C:\\q.cfg\""), "\"C:\\q.cfg\"");
    EXPECT_EQ(CommandLineText(""), "");
}

TEST(CommandSwitch, IsTheFirstTwoCharactersLowerCased) {
    EXPECT_EQ(CommandSwitch("/S"), "/s");
    EXPECT_EQ(CommandSwitch("/server"), "/s");
    EXPECT_EQ(CommandSwitch("/Cx C:\\a.cfg"), "/c");
    EXPECT_EQ(CommandSwitch("/"), "/");
    EXPECT_EQ(CommandSwitch(""), "");
}

TEST(ShowInMode, GivesZeroForAnyUnknownNumber) {
    fakes::FakeSettingsStore store;
    Settings settings(store);
    EXPECT_EQ(ShowInMode(settings), 2);
    for (long v : {0L, 1L, 2L}) {
        settings.SetShowIn(v);
        EXPECT_EQ(ShowInMode(settings), v);
    }
    for (long v : {7L, 3L, -1L}) {
        settings.SetShowIn(v);
        EXPECT_EQ(ShowInMode(settings), 0);
    }
    store.save("HLDSVantry", "Options", "ShowIn", "both");
    EXPECT_EQ(ShowInMode(settings), 2);
}

class PlanStartTest : public ::testing::Test {
protected:
    StartPlan Plan(const std::string& text) { return PlanStart(text, settings, fs); }
    fakes::FakeSettingsStore store;
    Settings settings{store};
    fakes::FakeFileSystem fs;
};

TEST_F(PlanStartTest, SwitchesOpenTheirWindow) {
    EXPECT_EQ(Plan("").window, StartWindow::Main);
    EXPECT_EQ(Plan("/s").window, StartWindow::ServerRun);
    EXPECT_EQ(Plan("/S").window, StartWindow::ServerRun);
    EXPECT_EQ(Plan("/server").window, StartWindow::ServerRun);
    EXPECT_EQ(Plan("/c").window, StartWindow::Cfg);
    EXPECT_EQ(Plan("/c C:\\x.cfg").window, StartWindow::Cfg);
    EXPECT_EQ(Plan("/M").window, StartWindow::MapCycle);
    EXPECT_EQ(Plan("/o").window, StartWindow::Motd);
}

TEST_F(PlanStartTest, AnExistingFileOpensInTheEditorAndAnythingElseInTheMainWindow) {
    fs.addFile("C:\\HLServer\\valve\\server.cfg", "hostname x\r\n");
    const auto plan = Plan("  C:\\HLServer\\valve\\server.cfg ");
    EXPECT_EQ(plan.window, StartWindow::CfgOpenFile);
    EXPECT_EQ(plan.filePath, "C:\\HLServer\\valve\\server.cfg");

    EXPECT_EQ(Plan("c:\\hlserver\\VALVE\\SERVER.CFG").window, StartWindow::CfgOpenFile);
    EXPECT_EQ(Plan("\"C:\\HLServer\\valve\\server.cfg\"").window, StartWindow::Main);
    EXPECT_EQ(Plan("C:\\HLServer\\valve\\missing.cfg").window, StartWindow::Main);
    EXPECT_EQ(Plan("C:\\HLServer\\valve").window, StartWindow::Main);
    EXPECT_EQ(Plan("-s").window, StartWindow::Main);
    EXPECT_EQ(Plan("   ").window, StartWindow::Main);
}

TEST_F(PlanStartTest, RegistersTheAssociationOnlyWhenRegOnStartIsOne) {
    EXPECT_TRUE(Plan("").registerCfgAssociation) << "absent counts as 1";
    settings.SetRegOnStart(0);
    EXPECT_FALSE(Plan("/s").registerCfgAssociation);
    settings.SetRegOnStart(2);
    EXPECT_FALSE(Plan("").registerCfgAssociation);
    store.save("HLDSVantry", "Options", "RegOnStart", "yes");
    EXPECT_TRUE(Plan("").registerCfgAssociation);
}

TEST(MainWindowPosition, DefaultsTo35TwipsFromTheTopAndCentred) {
    fakes::FakeSettingsStore store;
    Settings settings(store);
    auto pos = MainWindowPosition(settings, 15360.0f, 4000.0f);
    EXPECT_EQ(pos.top, 35.0f);
    EXPECT_EQ(pos.left, 5680.0f);
    settings.SetMainX(-200.0f);
    settings.SetMainY(900.5f);
    pos = MainWindowPosition(settings, 15360.0f, 4000.0f);
    EXPECT_EQ(pos.left, -200.0f);
    EXPECT_EQ(pos.top, 900.5f);
}

TEST(Pause, LetsEventsRunUntilTheTimeHasPassed) {
    fakes::FakeClock clock;
    clock.now = 86'399'900;  // just before midnight: the clock must not care
    clock.stepMs = 200;
    int events = 0;
    clock.onEvents = [&] { ++events; };
    Pause(clock, 0.5);
    EXPECT_EQ(clock.now, 86'399'900u + 500u);
    EXPECT_EQ(events, 3);
    EXPECT_EQ(clock.waits, (std::vector<std::uint64_t>{500, 300, 100}));
}

TEST(Pause, ZeroOrNegativeSecondsReturnAtOnce) {
    fakes::FakeClock clock;
    Pause(clock, 0);
    Pause(clock, -1);
    EXPECT_TRUE(clock.waits.empty());
}
