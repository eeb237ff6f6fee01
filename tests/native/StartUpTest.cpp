#include <gtest/gtest.h>

#include <map>

#include "Cases.h"
#include "FakeFileSystem.h"
#include "FakePlatform.h"
#include "core/settings/Settings.h"
#include "core/startup/StartUp.h"

using namespace vantry;

TEST(CommandLine, TheTextFollowsTheExecutableAndItsSwitchIsTwoCharactersLowerCased) {
    for (const auto& c : cases::Read("command-line.txt"))
        EXPECT_EQ(CommandLineText(c[0]), c[1]) << c[0];
}

TEST(Settings, EachValueIsReadFromItsAddressUnlessItIsNoNumber) {
    fakes::FakeSettingsStore store;
    Settings s(store);
    using Read = std::pair<std::vector<std::string>, std::vector<double>>;
    // Every reader, the texts and then the numbers; a centred default is given as 7.
    const auto ReadAll = [&] {
        return Read{{s.HLdir(), s.HLexe(), s.HLDSdir(), s.HLDSexe(), s.Params(), s.defaultGameForOptions(),
                     s.defaultGameForSelectors()},
                    {double(s.ShowIn()), double(s.IconIndex()), double(s.RegOnStart()), s.mainX(7), s.mainY(),
                     s.cfgX(7), s.cfgY(7), s.cfgX2(), s.cfgY2()}};
    };
    EXPECT_EQ(ReadAll(), (Read{{"", "", "", "", "", "", "valve"}, {2, 2, 1, 7, 35, 7, 7, 5175, 4125}}));
    EXPECT_TRUE(store.values.empty()) << "reading never writes";

    for (const auto& c : cases::Read("settings.txt"))
        store.save(SettingsApp, c[0], c[1], c[2]);
    EXPECT_EQ(ReadAll(), (Read{{"C:\\HL\\", "hlds.exe", "C:\\T\\", "HLDS Vantry.exe", "  -dev +maxplayers 8 ",
                                 "cstrike", "cstrike"},
                                {1, 5, 0, 3540, -120.5, 150, 250, 6000, 4125.25}}));

    // A text that is no number counts as absent, but an empty text is a text.
    store.save("HLDSVantry", "Options", "ShowIn", "tray");
    store.save("HLDSVantry", "Main", "Y", "12,5");
    store.save("HLDSVantry", "Options", "Default", "");
    EXPECT_EQ(std::tuple(s.ShowIn(), s.mainY(), s.defaultGameForSelectors()), std::tuple(2L, 35.0f, ""));
    // So does a place or size beyond 2^24 twips, miles off any screen.
    store.save("HLDSVantry", "Main", "X", "1e30");
    store.save("HLDSVantry", "Main", "Y", "-3000000000");
    store.save("HLDSVantry", "CFG", "X2", "16777218");
    store.save("HLDSVantry", "CFG", "Y2", "-16777216");
    EXPECT_EQ(std::tuple(s.mainX(7), s.mainY(), s.cfgX2(), s.cfgY2()), std::tuple(7.0f, 35.0f, 5175.0f, -16777216.0f));
}

// The start plan: the window the switches open, and what the settings add to it.
TEST(StartTest, SwitchesOpenTheirWindowTheAssociationNeedsRegOnStartOneAndAnUnknownShowInIsTrayOnly) {
    fakes::FakeSettingsStore store;
    Settings settings{store};
    fakes::FakeFileSystem fs;
    fs.addFile("C:\\HLServer\\valve\\server.cfg", "hostname x\r\n");
    using enum StartWindow;
    const std::map<std::string, StartWindow> windows{{"Main", Main}, {"ServerRun", ServerRun}, {"Cfg", Cfg},
                                                     {"CfgOpenFile", CfgOpenFile}, {"MapCycle", MapCycle}, {"Motd", Motd}};
    for (const auto& c : cases::Read("start-windows.txt")) {
        const StartPlan plan = PlanStart(c[0], settings, fs);
        EXPECT_EQ(std::pair(plan.window, plan.filePath), std::pair(windows.at(c[1]), c[2])) << c[0];
    }

    EXPECT_TRUE(PlanStart("", settings, fs).registerCfgAssociation) << "absent counts as 1";
    for (long stored : {0L, 2L}) {
        settings.setRegOnStart(stored);
        EXPECT_FALSE(PlanStart("/s", settings, fs).registerCfgAssociation) << stored;
    }
    for (auto [stored, mode] : {std::pair{0L, 0}, {1L, 1}, {2L, 2}, {3L, 0}, {-1L, 0}}) {
        settings.setShowIn(stored);
        EXPECT_EQ(ShowInMode(settings), mode) << stored;
    }
}
