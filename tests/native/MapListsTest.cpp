#include <gtest/gtest.h>

#include "FakeFileSystem.h"
#include "FakeListControl.h"
#include "FakePlatform.h"
#include "core/catalogue/MapLists.h"

using namespace vantry;
using Texts = std::vector<std::string>;

namespace {

class MapListsTest : public ::testing::Test {
protected:
    void SetUp() override {
        settings.SetHLdir("C:\\HL\\");
        settings.SetHLDSdir("C:\\Vantry\\");
        fs.addFile("C:\\Vantry\\games\\cstrike.mps", "Crossfire\r\n\r\n  \r\n Spaced \r\nde_dust\r\n");
        for (const char* map : {"!first.bsp", ".bsp", "crossfire.bsp", "DE_Aztec.BSP", "de_dust.bsp",
                                "spaced.bsp", "zz.bsp", "notes.txt"})
            fs.addFile(std::string("C:\\HL\\cstrike\\maps\\") + map);
    }
    fakes::FakeFileSystem fs;
    fakes::FakeSettingsStore store;
    Settings settings{store};
    fakes::FakeListControl control;
    MapList maps{control};
};

TEST_F(MapListsTest, EachFillMergesBothSourcesAfreshOnceEachLowerCased) {
    FillMapList(maps, "cstrike", settings, fs);
    // The .mps names first, then the map files in listing order; a file named
    // just ".bsp" does not end the scan.
    EXPECT_EQ(control.texts(), (Texts{"crossfire", " spaced ", "de_dust", "!first", "de_aztec", "spaced", "zz"}));

    // Rows that came, went or were replaced behind the list's back still count.
    control.Clear();
    maps.AddMapName("CrossFire");
    control.AddItem("extra");
    maps.AddMapName("EXTRA");
    control.rows[1].text = "other";
    maps.AddMapName("Other");
    EXPECT_EQ(control.texts(), (Texts{"crossfire", "other"}));

    // No game reads the Half-Life maps folder. The blank game is still part of
    // the .mps name, so only an exactly empty selection finds ".mps".
    fs.addFile("C:\\HL\\maps\\boot_camp.bsp");
    fs.addFile("C:\\Vantry\\games\\.mps", "Extra\r\n");
    FillMapList(maps, "  ", settings, fs);
    EXPECT_EQ(control.texts(), Texts{"boot_camp"});
    FillMapList(maps, "", settings, fs);
    EXPECT_EQ(control.texts(), (Texts{"extra", "boot_camp"}));
}

TEST_F(MapListsTest, DirMapsShowsTheFileAsItStandsAndSaveMapListWritesTheListsOrder) {
    fs.addFile("C:\\Vantry\\games\\valve.mps", "zz\r\n\r\nAA\r\naa\r\n");
    fakes::FakeListControl sorted(true);
    DirMaps(sorted, "valve", settings, fs);
    EXPECT_EQ(sorted.texts(), (Texts{"", "AA", "aa", "zz"}));
    SaveMapList(sorted, "valve", settings, fs);
    EXPECT_EQ(fs.bytes("C:\\Vantry\\games\\valve.mps"), "\r\nAA\r\naa\r\nzz\r\n");

    SaveMapList(fakes::FakeListControl(), "valve", settings, fs);
    EXPECT_EQ(fs.bytes("C:\\Vantry\\games\\valve.mps"), "\r\n");
    DirMaps(sorted, "tfc", settings, fs);
    EXPECT_EQ(sorted.ListCount(), 0);
}

}  // namespace
