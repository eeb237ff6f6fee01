#include <gtest/gtest.h>

#include <functional>

#include "FakePlatform.h"
#include "core/startup/Settings.h"
#include "core/text/Text.h"

using namespace vantry;
using fakes::FakeSettingsStore;

TEST(Settings, EveryReaderHasItsDefaultOnAnEmptyStore) {
    FakeSettingsStore store;
    const Settings settings(store);
    EXPECT_EQ(settings.HLdir() + settings.HLexe() + settings.HLDSdir() + settings.HLDSexe() +
                  settings.Params() + settings.DefaultGameForOptions(),
              "");
    EXPECT_EQ(settings.DefaultGameForSelectors(), "valve");
    EXPECT_EQ(settings.ShowIn(), 2);
    EXPECT_EQ(settings.IconIndex(), 2);
    EXPECT_EQ(settings.RegOnStart(), 1);
    EXPECT_EQ(settings.MainX(4321.5f), 4321.5f);
    EXPECT_EQ(settings.MainY(), 35.0f);
    EXPECT_EQ(settings.CfgX2(), 5175.0f);
    EXPECT_EQ(settings.CfgY2(), 4125.0f);
    EXPECT_TRUE(store.values.empty()) << "reading never writes";
}

TEST(Settings, EachValueIsStoredAloneAtItsAddressAsPlainTextAndReadBackFromThere) {
    FakeSettingsStore store;
    Settings s(store);
    const struct {
        std::function<void()> write;
        std::function<std::string()> read;
        const char *section, *key, *stored;
    } values[] = {
        {[&] { s.SetHLdir("C:\\HL\\"); }, [&] { return s.HLdir(); }, "Options", "HLdir", "C:\\HL\\"},
        {[&] { s.SetHLexe("hlds.exe"); }, [&] { return s.HLexe(); }, "Options", "HLexe", "hlds.exe"},
        {[&] { s.SetHLDSdir("C:\\T\\"); }, [&] { return s.HLDSdir(); }, "Options", "HLDSdir", "C:\\T\\"},
        {[&] { s.SetHLDSexe("HLDS Vantry.exe"); }, [&] { return s.HLDSexe(); }, "Options", "HLDSexe",
         "HLDS Vantry.exe"},
        {[&] { s.SetParams("  -dev +maxplayers 8 "); }, [&] { return s.Params(); }, "Options", "Params",
         "  -dev +maxplayers 8 "},
        {[&] { s.SetDefaultGame("cstrike"); }, [&] { return s.DefaultGameForOptions(); }, "Options", "Default",
         "cstrike"},
        {[&] { s.SetShowIn(1); }, [&] { return std::to_string(s.ShowIn()); }, "Options", "ShowIn", "1"},
        {[&] { s.SetIconIndex(0); }, [&] { return std::to_string(s.IconIndex()); }, "Options", "IconIndex", "0"},
        {[&] { s.SetRegOnStart(0); }, [&] { return std::to_string(s.RegOnStart()); }, "Options", "RegOnStart",
         "0"},
        {[&] { s.SetMainX(3540.0f); }, [&] { return FormatSingle(s.MainX(0)); }, "Main", "X", "3540"},
        {[&] { s.SetMainY(-120.5f); }, [&] { return FormatSingle(s.MainY()); }, "Main", "Y", "-120.5"},
        {[&] { s.SetCfgX(1.0f); }, [&] { return FormatSingle(s.CfgX(0)); }, "CFG", "X", "1"},
        {[&] { s.SetCfgY(2.0f); }, [&] { return FormatSingle(s.CfgY(0)); }, "CFG", "Y", "2"},
        {[&] { s.SetCfgX2(6000.0f); }, [&] { return FormatSingle(s.CfgX2()); }, "CFG", "X2", "6000"},
        {[&] { s.SetCfgY2(4125.25f); }, [&] { return FormatSingle(s.CfgY2()); }, "CFG", "Y2", "4125.25"},
    };
    for (const auto& v : values) {
        store.values.clear();
        v.write();
        EXPECT_EQ(store.values, (decltype(store.values){{{"HLDSVantry", v.section, v.key}, v.stored}})) << v.key;
        EXPECT_EQ(v.read(), v.stored) << v.key;
    }
}

TEST(Settings, AStoredTextThatIsNoNumberCountsAsAbsentButAnEmptyTextIsAText) {
    FakeSettingsStore store;
    const Settings settings(store);
    store.save("HLDSVantry", "Options", "ShowIn", "tray");
    store.save("HLDSVantry", "Options", "RegOnStart", "");
    store.save("HLDSVantry", "Main", "Y", "12,5");
    store.save("HLDSVantry", "CFG", "X2", "nan");
    store.save("HLDSVantry", "Options", "Default", "");  // also where the selectors look
    EXPECT_EQ(settings.ShowIn(), 2);
    EXPECT_EQ(settings.RegOnStart(), 1);
    EXPECT_EQ(settings.MainY(), 35.0f);
    EXPECT_EQ(settings.CfgX2(), 5175.0f);
    EXPECT_EQ(settings.DefaultGameForSelectors(), "");
}
