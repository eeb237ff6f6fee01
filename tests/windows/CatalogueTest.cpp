#include <gtest/gtest.h>
#include <windows.h>

#include "DiskCatalogue.h"
#include "FakePlatform.h"
#include "TempDir.h"
#include "TestHost.h"
#include "core/catalogue/GameCatalogue.h"
#include "win/ui/GameComboList.h"

using namespace vantry;
using vantry::testutil::DiskCatalogue;
using vantry::testutil::ReadBytes;
using vantry::testutil::TempDir;
using vantry::testutil::WriteBytes;
using Texts = std::vector<std::string>;

namespace {

// A Half-Life directory and the program's own beside it, on the real disk, and
// a real game selector to fill.
class CatalogueTest : public ::testing::Test, protected DiskCatalogue {
protected:
    void SetUp() override {
        for (const char* dir : {"HL", "HL\\valve", "HL\\cstrike", "HL\\secret", "Vantry"})
            ASSERT_TRUE(CreateDirectoryA((root / dir).c_str(), nullptr));
        SetFileAttributesA((root / "HL\\secret").c_str(), FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN);
        WriteBytes(root / "HL\\readme.txt", "");
        install(root / "HL\\", root / "Vantry\\");
        ASSERT_TRUE(combo.create(host.hwnd(), 301, 10, 10));
    }
    std::string Cfg() const { return ReadBytes(root / "Vantry\\games\\games.cfg"); }

    TempDir root;
    testutil::TestHost host;
    win::GameCombo combo;
    win::GameComboList list{combo};
};

TEST_F(CatalogueTest, GamesCfgAfterTheFirstRebuildAndAfterAHandEdit) {
    ASSERT_EQ(LoadGameCatalogue(catalogue, lists, nullptr), LocateResult::Known);
    EXPECT_EQ(Cfg(), "cstrike;1\r\nvalve;1\r\n");

    WriteBytes(root / "Vantry\\games\\games.cfg", "gone;1\r\nvalve;0\r\n\r\n CStrike ;01\r\n");
    ASSERT_TRUE(CreateDirectoryA((root / "HL\\dod").c_str(), nullptr));
    Texts clicks;
    combo.onClick = [&] { clicks.push_back(combo.text()); };
    ASSERT_EQ(FillGameSelector(catalogue, lists, host.hwnd(), list), LocateResult::Known);
    EXPECT_EQ(Cfg(), "valve;0\r\n CStrike ;1\r\ndod;1\r\n");
    EXPECT_EQ((Texts{combo.list(0), combo.list(1)}), (Texts{" CStrike ", "dod"}));
    EXPECT_EQ(combo.listCount(), 2);
    // valve, the default, is not offered: the first game is selected.
    EXPECT_EQ(clicks, Texts{" CStrike "});
    EXPECT_TRUE(boxes.calls.empty());
}

}  // namespace
