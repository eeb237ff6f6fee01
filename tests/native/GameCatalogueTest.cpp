#include <gtest/gtest.h>

#include "FakeFileSystem.h"
#include "FakeListControl.h"
#include "FakePlatform.h"
#include "core/catalogue/GameCatalogue.h"

using namespace vantry;
using Texts = std::vector<std::string>;

namespace {

WindowHandle const Owner = reinterpret_cast<WindowHandle>(0x1234);
constexpr char CfgPath[] = "C:\\Vantry\\games\\games.cfg";

class GameCatalogueTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs.addFile("C:\\HL\\hlds.exe");
        fs.addFile("C:\\Vantry\\HLDS Vantry.exe");
        settings.SetHLdir("C:\\HL\\");
        settings.SetHLexe("hlds.exe");
        settings.SetHLDSdir("C:\\Vantry\\");
        settings.SetHLDSexe("HLDS Vantry.exe");
    }
    void Games(std::initializer_list<const char*> dirs) {
        for (const char* dir : dirs)
            fs.addDir(std::string("C:\\HL\\") + dir);
    }
    std::string Cfg() const { return fs.bytes(CfgPath).value_or("<none>"); }
    LocateResult Load() { return LoadGameCatalogue(services, lists, Owner); }
    LocateResult Fill(fakes::FakeListControl& combo) { return FillGameSelector(services, lists, Owner, combo); }

    // A file held open by another program can be there and still not be read.
    struct FileSystem : fakes::FakeFileSystem {
        std::optional<std::string> readFile(const std::string& path) override {
            return path == unreadable ? std::nullopt : FakeFileSystem::readFile(path);
        }
        std::string unreadable;
    } fs;
    fakes::FakeSettingsStore store;
    Settings settings{store};
    fakes::FakeRegistry registry;
    fakes::FakeFileDialogs dialogs;
    fakes::FakeMessageBoxes boxes;
    CatalogueServices services{settings, fs, registry, dialogs, boxes, "C:\\Start"};
    GameLists lists;
};

TEST_F(GameCatalogueTest, FirstRunCreatesTheGamesDirectoryAndListsEveryGameChecked) {
    Games({"valve", "Logos", "MEDIA", "Auth", "gldrv", "~sigspat", "cstrike", "a;b"});
    fs.addDir("C:\\HL\\secret", attr::Directory | attr::Hidden);
    fs.addFile("C:\\HL\\readme.txt");

    ASSERT_EQ(Load(), LocateResult::Known);
    EXPECT_TRUE(fs.attributes("C:\\Vantry\\games").has_value());
    EXPECT_EQ(Cfg(), "cstrike;1\r\nvalve;1\r\n");
    EXPECT_TRUE(boxes.calls.empty() && dialogs.calls.empty()) << "both programs were where the settings said";
}

TEST_F(GameCatalogueTest, HandEditsAreNormalisedKeepingOrderSpacesAndFlagsReadAsNumbers) {
    Games({"valve", "cstrike", "dod", "a", "b", "c", "d", "e", "f", "g"});
    fs.addFile(CfgPath, "gone;1\r\nvalve;1\r\n\r\n   \r\n CStrike ;1\r\nvalve|x;1\r\n"
                        "a;2\r\nb;01\r\nc; 1 \r\nd;0\r\ne\r\nf;x\r\ng;\r\n");
    ASSERT_EQ(Load(), LocateResult::Known);
    // A flag other than 0 and 1 drops the game; a missing or unreadable one
    // keeps it once, not offered.
    EXPECT_EQ(Cfg(), "valve;1\r\n CStrike ;1\r\nb;1\r\nc;1\r\nd;0\r\ne;0\r\nf;0\r\ng;0\r\ndod;1\r\n");
}

TEST_F(GameCatalogueTest, AHiddenGamesCfgIsTheUsersFileTooAndIsNeverReplacedByAnEmptyOne) {
    Games({"valve", "tfc", "cstrike"});
    fs.addFile(CfgPath, "valve;1\r\ntfc;0\r\ncstrike;0\r\n", attr::Hidden);
    fakes::FakeListControl combo;
    ASSERT_EQ(Fill(combo), LocateResult::Known);
    EXPECT_EQ(Cfg(), "valve;1\r\ntfc;0\r\ncstrike;0\r\n");
    EXPECT_EQ(combo.texts(), Texts{"valve"});
}

TEST_F(GameCatalogueTest, NoGameDirectoriesEmptyTheCatalogueAndTheSelector) {
    fs.addFile(CfgPath, "valve;1\r\n");
    fakes::FakeListControl combo;
    combo.AddItem("stale");
    ASSERT_EQ(Fill(combo), LocateResult::Known);
    EXPECT_EQ(Cfg(), "\r\n");
    EXPECT_EQ(combo.ListCount(), 0);
    EXPECT_TRUE(combo.clicks.empty());
}

TEST_F(GameCatalogueTest, ACatalogueThatCannotBeReadIsNotOverwritten) {
    Games({"valve", "dod"});
    fs.addFile(CfgPath, "valve;0\r\n");
    fs.unreadable = CfgPath;
    ASSERT_EQ(Load(), LocateResult::Known);
    EXPECT_EQ(fs.writeCount, 0);
}

TEST_F(GameCatalogueTest, SelectorOffersCheckedGamesAndSelectsTheDefault) {
    Games({"cstrike", "tfc", "valve", "dod"});
    fs.addFile(CfgPath, "dod;1\r\ncstrike;1\r\ntfc;0\r\nvalve;1\r\n");
    using Case = std::pair<std::optional<std::string>, std::string>;  // stored default, selected
    for (const auto& [stored, selected] : {Case{"CStrike", "cstrike"}, Case{std::nullopt, "valve"},
                                           Case{"   ", "valve"}, Case{"tfc", "dod"}, Case{" valve", "dod"}}) {
        SCOPED_TRACE(stored.value_or("<absent>"));
        if (stored)
            settings.SetDefaultGame(*stored);
        else
            store.values.erase({SettingsApp, "Options", "Default"});
        fakes::FakeListControl combo;
        ASSERT_EQ(Fill(combo), LocateResult::Known);
        EXPECT_EQ(combo.texts(), (Texts{"dod", "cstrike", "valve"}));
        EXPECT_EQ(combo.clicks, Texts{selected});
    }
}

TEST_F(GameCatalogueTest, OptionsListShowsEveryEntryAndWritesTheChecksBack) {
    Games({"cstrike", "tfc", "valve"});
    fs.addFile(CfgPath, "valve;1\r\n tfc ;0\r\ncstrike;1\r\n");
    fakes::FakeListControl lstGames;
    ASSERT_EQ(FillOptionsGameList(services, lists, Owner, lstGames), LocateResult::Known);
    ASSERT_EQ(lstGames.texts(), (Texts{"valve", " tfc ", "cstrike"}));
    EXPECT_EQ((std::vector<bool>{lstGames.Checked(0), lstGames.Checked(1), lstGames.Checked(2)}),
              (std::vector<bool>{true, false, true}));

    lstGames.SetChecked(0, false);
    lstGames.SetChecked(1, true);
    WriteGamesCfgFromOptions(settings, fs, lstGames);
    EXPECT_EQ(Cfg(), "valve;0\r\n tfc ;1\r\ncstrike;1\r\n");
}

// The locate steps, from a first run with nothing stored.
class LocateTest : public GameCatalogueTest {
protected:
    void SetUp() override {
        fs.addFile("C:\\HL\\hlds.exe");
        fs.addFile("C:\\Vantry\\HLDS Vantry.exe");
        registry.SetRegString(RegRoot::LocalMachine, "SOFTWARE\\Valve\\Half-Life", "InstallPath", "C:\\Games");
    }
    std::string Setting(const char* key) { return store.get(SettingsApp, "Options", key).value_or("<absent>"); }
    static std::string Box(const fakes::BoxCall& c) { return c.text + " / " + c.title + " / " + std::to_string(c.style); }
    static std::string Dialog(const fakes::DialogCall& c) { return c.title + " / " + c.filter + " / " + c.initialDir; }
};

TEST_F(LocateTest, FirstRunAsksForBothProgramsAndStoresTheirPlaces) {
    // The server's dialog first gives a path with no usable piece, which is as
    // good as a cancel.
    dialogs.answers = {"\\", "C:\\HL\\hlds.exe", "C:\\Vantry\\HLDS Vantry.exe"};
    ASSERT_EQ(Load(), LocateResult::Known);

    EXPECT_EQ((Texts{Setting("HLdir"), Setting("HLexe"), Setting("HLDSdir"), Setting("HLDSexe")}),
              (Texts{"C:\\HL\\", "hlds.exe", "C:\\Vantry\\", "HLDS Vantry.exe"}));
    ASSERT_EQ(boxes.calls.size(), 3u);
    EXPECT_EQ(Box(boxes.calls[0]), "Please locate the Half-Life Dedicated Server (HLDS.exe). / HLDS.exe / 0");
    EXPECT_EQ(Box(boxes.calls[1]), "Cannot continue without location of the Half-Life Dedicated Server (HLDS.exe).\r\n"
                                   "Please press OK to locate, or Cancel to exit HLDS Vantry. / HLDS.exe / 49");
    EXPECT_EQ(Box(boxes.calls[2]), "Please locate HLDS Vantry (HLDS Vantry.exe). / HLDS Vantry.exe / 0");
    ASSERT_EQ(dialogs.calls.size(), 3u);
    EXPECT_EQ(Dialog(dialogs.calls[1]),
              "Locate HLDS.exe / HLDS.exe (hlds.exe)|hlds.exe|EXE Files (*.exe)|*.exe / C:\\Games");
    EXPECT_EQ(Dialog(dialogs.calls[2]), "Locate HLDS Vantry.exe / HLDS Vantry.exe (HLDS Vantry.exe)|"
                                        "hlds vantry.exe|EXE Files (*.exe)|*.exe / C:\\Start");
    EXPECT_TRUE(boxes.calls[0].owner == Owner && dialogs.calls[0].owner == Owner);
}

// The server's place is read trimmed, the program's as stored: here only the
// program is asked for, and a cancel on its retry ends with nothing written.
TEST_F(LocateTest, CancelOnTheRetryEndsWithNothingWritten) {
    settings.SetHLdir(" C:\\HL\\ ");
    settings.SetHLexe(" hlds.exe ");
    settings.SetHLDSdir(" C:\\Vantry\\");
    settings.SetHLDSexe("HLDS Vantry.exe");
    boxes.answers = {mb::Ok, mb::Cancel};
    EXPECT_EQ(Load(), LocateResult::EndNow);
    ASSERT_EQ(boxes.calls.size(), 2u);
    EXPECT_EQ(Box(boxes.calls[1]), "Cannot continue without location of HLDS Vantry (HLDS Vantry.exe).\r\n"
                                   "Please press OK to locate, or Cancel to exit HLDS Vantry. / HLDS Vantry.exe / 49");
    EXPECT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(fs.writeCount, 0);
    EXPECT_FALSE(fs.attributes("C:\\Vantry\\games").has_value());
}

}  // namespace
