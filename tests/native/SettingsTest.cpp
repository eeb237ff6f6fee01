#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "startup/Settings.h"

using namespace vantry;
using fakes::FakeSettingsStore;

namespace {
std::string Stored(FakeSettingsStore& store, const char* section, const char* key) {
    return store.get("HLDSVantry", section, key).value_or("<absent>");
}
}  // namespace

TEST(Settings, EveryReaderHasItsDefaultOnAnEmptyStore) {
    FakeSettingsStore store;
    const Settings settings(store);
    EXPECT_EQ(settings.HLdir(), "");
    EXPECT_EQ(settings.HLexe(), "");
    EXPECT_EQ(settings.HLDSdir(), "");
    EXPECT_EQ(settings.HLDSexe(), "");
    EXPECT_EQ(settings.Params(), "");
    EXPECT_EQ(settings.DefaultGameForSelectors(), "valve");
    EXPECT_EQ(settings.DefaultGameForOptions(), "");
    EXPECT_EQ(settings.ShowIn(), 2);
    EXPECT_EQ(settings.IconIndex(), 2);
    EXPECT_EQ(settings.RegOnStart(), 1);
    EXPECT_EQ(settings.MainX(4321.5f), 4321.5f);
    EXPECT_EQ(settings.MainY(), 35.0f);
    EXPECT_EQ(settings.CfgX(10.0f), 10.0f);
    EXPECT_EQ(settings.CfgY(20.0f), 20.0f);
    EXPECT_EQ(settings.CfgX2(), 5175.0f);
    EXPECT_EQ(settings.CfgY2(), 4125.0f);
    EXPECT_TRUE(store.values.empty()) << "reading never writes";
}

TEST(Settings, WritersUseTheStoredAddressesAndPlainDecimalText) {
    FakeSettingsStore store;
    Settings settings(store);
    settings.SetHLdir("C:\\HL\\");
    settings.SetHLexe("hlds.exe");
    settings.SetHLDSdir("C:\\Tools\\");
    settings.SetHLDSexe("HLDS Vantry.exe");
    settings.SetParams("  -dev +maxplayers 8 ");
    settings.SetDefaultGame("cstrike");
    settings.SetShowIn(1);
    settings.SetIconIndex(0);
    settings.SetRegOnStart(0);
    settings.SetMainX(3540.0f);
    settings.SetMainY(-120.5f);
    settings.SetCfgX(1.0f);
    settings.SetCfgY(2.0f);
    settings.SetCfgX2(6000.0f);
    settings.SetCfgY2(4125.25f);

    EXPECT_EQ(Stored(store, "Options", "HLdir"), "C:\\HL\\");
    EXPECT_EQ(Stored(store, "Options", "HLexe"), "hlds.exe");
    EXPECT_EQ(Stored(store, "Options", "HLDSdir"), "C:\\Tools\\");
    EXPECT_EQ(Stored(store, "Options", "HLDSexe"), "HLDS Vantry.exe");
    EXPECT_EQ(Stored(store, "Options", "Params"), "  -dev +maxplayers 8 ");
    EXPECT_EQ(Stored(store, "Options", "Default"), "cstrike");
    EXPECT_EQ(Stored(store, "Options", "ShowIn"), "1");
    EXPECT_EQ(Stored(store, "Options", "IconIndex"), "0");
    EXPECT_EQ(Stored(store, "Options", "RegOnStart"), "0");
    EXPECT_EQ(Stored(store, "Main", "X"), "3540");
    EXPECT_EQ(Stored(store, "Main", "Y"), "-120.5");
    EXPECT_EQ(Stored(store, "CFG", "X"), "1");
    EXPECT_EQ(Stored(store, "CFG", "Y"), "2");
    EXPECT_EQ(Stored(store, "CFG", "X2"), "6000");
    EXPECT_EQ(Stored(store, "CFG", "Y2"), "4125.25");

    EXPECT_EQ(settings.Params(), "  -dev +maxplayers 8 ");
    EXPECT_EQ(settings.DefaultGameForSelectors(), "cstrike");
    EXPECT_EQ(settings.DefaultGameForOptions(), "cstrike");
    EXPECT_EQ(settings.MainY(), -120.5f);
    EXPECT_EQ(settings.CfgY2(), 4125.25f);
}

TEST(Settings, AStoredTextThatIsNoNumberCountsAsAbsent) {
    FakeSettingsStore store;
    const Settings settings(store);
    store.save("HLDSVantry", "Options", "ShowIn", "tray");
    store.save("HLDSVantry", "Options", "RegOnStart", "");
    store.save("HLDSVantry", "Options", "IconIndex", "1.5");
    store.save("HLDSVantry", "Main", "Y", "12,5");
    store.save("HLDSVantry", "Main", "X", "left");
    store.save("HLDSVantry", "CFG", "X2", "nan");
    EXPECT_EQ(settings.ShowIn(), 2);
    EXPECT_EQ(settings.RegOnStart(), 1);
    EXPECT_EQ(settings.IconIndex(), 2);
    EXPECT_EQ(settings.MainY(), 35.0f);
    EXPECT_EQ(settings.MainX(99.0f), 99.0f);
    EXPECT_EQ(settings.CfgX2(), 5175.0f);
}

TEST(Settings, AnEmptyStoredTextIsNotAbsentForTexts) {
    FakeSettingsStore store;
    const Settings settings(store);
    store.save("HLDSVantry", "Options", "Default", "");
    EXPECT_EQ(settings.DefaultGameForSelectors(), "");
}

TEST(Settings, NothingIsCachedBetweenReads) {
    FakeSettingsStore store;
    Settings one(store);
    const Settings other(store);
    EXPECT_EQ(other.HLdir(), "");
    one.SetHLdir("D:\\HL\\");
    EXPECT_EQ(other.HLdir(), "D:\\HL\\");
}
