#include <gtest/gtest.h>
#include <windows.h>

#include "FakePlatform.h"
#include "TempDir.h"
#include "TestHost.h"
#include "catalogue/GameCatalogue.h"
#include "catalogue/MapLists.h"
#include "platform/Win32FileSystem.h"
#include "ui/GameComboList.h"

using namespace vantry;
using vantry::testutil::ReadBytes;
using vantry::testutil::TempDir;
using vantry::testutil::WriteBytes;
using Texts = std::vector<std::string>;

namespace {

// A Half-Life directory and the program's own beside it, on the real disk.
class CatalogueTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* dir : {"HL", "HL\\valve", "HL\\cstrike", "HL\\Logos", "HL\\media", "HL\\secret", "Vantry"})
            ASSERT_TRUE(CreateDirectoryA((root / dir).c_str(), nullptr));
        SetFileAttributesA((root / "HL\\secret").c_str(), FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN);
        WriteBytes(root / "HL\\hlds.exe", "MZ");
        WriteBytes(root / "HL\\readme.txt", "");
        WriteBytes(root / "Vantry\\HLDS Vantry.exe", "MZ");
        settings.SetHLdir(root / "HL\\");
        settings.SetHLexe("hlds.exe");
        settings.SetHLDSdir(root / "Vantry\\");
        settings.SetHLDSexe("HLDS Vantry.exe");
    }
    std::string Cfg() const { return ReadBytes(root / "Vantry\\games\\games.cfg"); }

    TempDir root;
    win::Win32FileSystem fs;
    fakes::FakeSettingsStore store;
    Settings settings{store};
    fakes::FakeRegistry registry;
    fakes::FakeFileDialogs dialogs;
    fakes::FakeMessageBoxes boxes;
    CatalogueServices services{settings, fs, registry, dialogs, boxes, ""};
    GameLists lists;
};

TEST_F(CatalogueTest, GamesCfgAfterTheFirstRebuildAndAfterAHandEdit) {
    ASSERT_EQ(LoadGameCatalogue(services, lists, nullptr), LocateResult::Known);
    EXPECT_EQ(GetFileAttributesA((root / "Vantry\\games").c_str()) & FILE_ATTRIBUTE_DIRECTORY,
              static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(Cfg(), "cstrike;1\r\nvalve;1\r\n");

    WriteBytes(root / "Vantry\\games\\games.cfg", "gone;1\r\nvalve;0\r\n\r\n CStrike ;01\r\n");
    ASSERT_TRUE(CreateDirectoryA((root / "HL\\dod").c_str(), nullptr));
    testutil::TestHost host;
    win::GameCombo combo;
    ASSERT_TRUE(combo.create(host.hwnd(), 301, 10, 10));
    Texts clicks;
    combo.onClick = [&] { clicks.push_back(combo.text()); };
    win::GameComboList cmbGame(combo);
    ASSERT_EQ(FillGameSelector(services, lists, host.hwnd(), cmbGame), LocateResult::Known);

    EXPECT_EQ(Cfg(), "valve;0\r\n CStrike ;1\r\ndod;1\r\n");
    ASSERT_EQ(combo.listCount(), 2);
    EXPECT_EQ(combo.list(0), " CStrike ");
    EXPECT_EQ(combo.list(1), "dod");
    // valve, the default, is not offered: the first game is selected.
    EXPECT_EQ(clicks, Texts{" CStrike "});
    EXPECT_TRUE(boxes.calls.empty());
}

TEST_F(CatalogueTest, MapListsFromRealMapFiles) {
    ASSERT_TRUE(CreateDirectoryA((root / "HL\\cstrike\\maps").c_str(), nullptr));
    for (const char* file : {"de_dust.bsp", "DE_Aztec.BSP", "cs_office.bsp", "de_dust.bsp.bak", "readme.txt"})
        WriteBytes(root / (std::string("HL\\cstrike\\maps\\") + file), "");
    ASSERT_TRUE(CreateDirectoryA((root / "Vantry\\games").c_str(), nullptr));
    WriteBytes(root / "Vantry\\games\\cstrike.mps", "Crossfire\r\nDE_DUST\r\n\r\n");

    testutil::TestHost host;
    win::GameCombo combo;
    ASSERT_TRUE(combo.create(host.hwnd(), 302, 10, 10));
    win::GameComboList lstMaps(combo);
    MapList maps(lstMaps);
    FillMapList(maps, "cstrike", settings, fs);
    EXPECT_EQ((Texts{combo.list(0), combo.list(1), combo.list(2), combo.list(3)}),
              (Texts{"crossfire", "de_dust", "cs_office", "de_aztec"}));
    EXPECT_EQ(combo.listCount(), 4);
}

}  // namespace
