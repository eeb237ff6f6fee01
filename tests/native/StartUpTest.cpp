#include <gtest/gtest.h>

#include "FakeFileSystem.h"
#include "FakePlatform.h"
#include "core/startup/StartUp.h"

using namespace vantry;

TEST(CommandLine, TheTextFollowsTheExecutableAndItsSwitchIsTwoCharactersLowerCased) {
    EXPECT_EQ(CommandLineText("\"C:\\Tools\\HLDS Vantry.exe\"    C:\\a b\\x.cfg  "), "C:\\a b\\x.cfg  ");
    EXPECT_EQ(CommandLineText("vantry.exe /o"), "/o");
    EXPECT_EQ(CommandLineText("\"C:\\Tools\\HLDS Vantry.exe\""), "");
    EXPECT_EQ(CommandLineText("\"C:\\x.exe\" \"C:\\q.cfg\""), "\"C:\\q.cfg\"");
    EXPECT_EQ(CommandLineText(""), "");
    EXPECT_EQ(CommandSwitch("/Cx C:\\a.cfg"), "/c");
    EXPECT_EQ(CommandSwitch("/"), "/");
    EXPECT_EQ(CommandSwitch(""), "");
}

TEST(ShowInMode, GivesZeroForAnyUnknownNumber) {
    fakes::FakeSettingsStore store;
    Settings settings(store);
    EXPECT_EQ(ShowInMode(settings), 2);
    for (auto [stored, mode] : {std::pair{0L, 0}, {1L, 1}, {2L, 2}, {3L, 0}, {-1L, 0}}) {
        settings.SetShowIn(stored);
        EXPECT_EQ(ShowInMode(settings), mode) << stored;
    }
}

class PlanStartTest : public ::testing::Test {
protected:
    StartPlan Plan(const std::string& text) { return PlanStart(text, settings, fs); }
    fakes::FakeSettingsStore store;
    Settings settings{store};
    fakes::FakeFileSystem fs;
};

TEST_F(PlanStartTest, SwitchesOpenTheirWindowAndAnExistingFileOpensInTheEditor) {
    EXPECT_EQ(Plan("").window, StartWindow::Main);
    EXPECT_EQ(Plan("/server").window, StartWindow::ServerRun);
    EXPECT_EQ(Plan("/c C:\\x.cfg").window, StartWindow::Cfg);
    EXPECT_EQ(Plan("/M").window, StartWindow::MapCycle);
    EXPECT_EQ(Plan("/o").window, StartWindow::Motd);

    fs.addFile("C:\\HLServer\\valve\\server.cfg", "hostname x\r\n");
    const auto plan = Plan("  C:\\HLServer\\valve\\server.cfg ");
    EXPECT_EQ(plan.window, StartWindow::CfgOpenFile);
    EXPECT_EQ(plan.filePath, "C:\\HLServer\\valve\\server.cfg");
    EXPECT_EQ(Plan("c:\\hlserver\\VALVE\\SERVER.CFG").window, StartWindow::CfgOpenFile);
    // As the shell passes a file dropped on the program: the quotes are no part of the path.
    EXPECT_EQ(Plan("\"C:\\HLServer\\valve\\server.cfg\"").filePath, "C:\\HLServer\\valve\\server.cfg");
    for (const char* other : {"C:\\HLServer\\valve\\missing.cfg", "-s", "   "})
        EXPECT_EQ(Plan(other).window, StartWindow::Main) << other;
    // "/c" takes what follows its first three characters as the file to open.
    EXPECT_EQ(Plan("/C C:\\x.cfg").filePath, "C:\\x.cfg");
    EXPECT_EQ(Plan("/c").filePath, "");
    EXPECT_EQ(Plan("/c \"C:\\a b.cfg\" ").filePath, "C:\\a b.cfg");
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
