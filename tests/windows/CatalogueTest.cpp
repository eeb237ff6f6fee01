#include <gtest/gtest.h>
#include <windows.h>

#include "DiskCatalogue.h"
#include "FakePlatform.h"
#include "TempDir.h"
#include "TestHost.h"
#include "core/catalogue/GameCatalogue.h"
#include "win/ui/GameCombo.h"
#include "win/ui/SystemControl.h"

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
};

TEST_F(CatalogueTest, GamesCfgAfterTheFirstRebuildAndAfterAHandEdit) {
    ASSERT_EQ(LoadGameCatalogue(catalogue, lists, nullptr), LocateResult::Known);
    EXPECT_EQ(Cfg(), "cstrike;1\r\nvalve;1\r\n");

    WriteBytes(root / "Vantry\\games\\games.cfg", "gone;1\r\nvalve;0\r\n\r\n CStrike ;01\r\n");
    ASSERT_TRUE(CreateDirectoryA((root / "HL\\dod").c_str(), nullptr));
    Texts clicks;
    combo.onClick = [&] { clicks.push_back(combo.text()); };
    ASSERT_EQ(FillGameSelector(catalogue, lists, host.hwnd(), combo), LocateResult::Known);
    EXPECT_EQ(Cfg(), "valve;0\r\n CStrike ;1\r\ndod;1\r\n");
    EXPECT_EQ((Texts{combo.text(0), combo.text(1)}), (Texts{" CStrike ", "dod"}));
    EXPECT_EQ(combo.count(), 2);
    // valve, the default, is not offered: the first game is selected.
    EXPECT_EQ(clicks, Texts{" CStrike "});
    EXPECT_TRUE(boxes.calls.empty());
}

// A sorted list box filled at once shows its rows in the order it gives them
// added one by one, which is its locale's collation and not byte order; rows
// that compare equal keep the order its own search gives them.
TEST(SortedListBoxTest, FilledAtOnceInTheOrderOfRowsAddedOneByOne) {
    const std::vector<Texts> cases = {
        {"de_dust2", "de-dust", "dedust", "de_dust", "De_Aztec", "_test", "-test", "test", "zz"},
        {"cs_office", "CS_Italy", "cs_assault", "2fort", "10x10", "1on1", "9", "a1", "a10", "a2", "A01"},
        {"\xC3\xA9t\xC3\xA9", "ete", "\xC3\x89TE", "zebra", "\xC3\x84rger", "arger", "stra\xC3\x9F" "e",
         "strasse", "\xD0\xBC\xD0\xB8\xD1\x80", "\xE5\x9C\xB0\xE5\x9B\xBE", "Mir"},
        {"de_dust", "DE_DUST", "De_Dust", "crossfire", "de_dust", "", " ", "", "CROSSFIRE", "de_Dust"},
    };
    testutil::TestHost host;
    for (const Texts& texts : cases) {
        win::ListBox oneByOne, atOnce;
        ASSERT_TRUE(oneByOne.create(host.hwnd(), 401, {0, 0, 100, 100}, true));
        ASSERT_TRUE(atOnce.create(host.hwnd(), 402, {0, 0, 100, 100}, true));
        for (const auto& text : texts)
            oneByOne.add(text);
        atOnce.add("stale");
        atOnce.fill(texts);
        Texts shown, expected;
        for (int row = 0; row < atOnce.count(); ++row)
            shown.push_back(atOnce.text(row));
        for (int row = 0; row < oneByOne.count(); ++row)
            expected.push_back(oneByOne.text(row));
        EXPECT_EQ(shown, expected) << texts.front();
    }
}

}  // namespace
