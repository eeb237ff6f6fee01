#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <clocale>
#include <cstdio>

#include "win/platform/Win32SettingsStore.h"
#include "core/text/Text.h"

using namespace vantry;

namespace {

class Win32SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        app = "HLDSVantryTests" + std::to_string(GetCurrentProcessId()) +
              ::testing::UnitTest::GetInstance()->current_test_info()->name();
    }
    void TearDown() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, ("Software\\" + app).c_str());
        std::setlocale(LC_ALL, "C");
    }
    std::string RawValue(const std::string& section, const char* key, DWORD* type = nullptr) {
        char data[256] = {};
        DWORD size = sizeof data, t = 0;
        if (RegGetValueA(HKEY_CURRENT_USER, ("Software\\" + app + "\\" + section).c_str(), key,
                         RRF_RT_ANY, &t, data, &size) != ERROR_SUCCESS)
            return "<absent>";
        if (type)
            *type = t;
        return data;
    }

    std::string app;
    win::Win32SettingsStore store;
};

}  // namespace

TEST_F(Win32SettingsStoreTest, ValuesLiveUnderTheApplicationsSectionAsStrings) {
    EXPECT_EQ(store.get(app, "Options", "HLdir"), std::nullopt);
    store.save(app, "Options", "HLdir", "C:\\HL\\");
    store.save(app, "Options", "Params", "  -dev  ");
    store.save(app, "Options", "Empty", "");
    EXPECT_EQ(store.get(app, "Options", "HLdir"), "C:\\HL\\");
    EXPECT_EQ(store.get(app, "Options", "Params"), "  -dev  ");
    EXPECT_EQ(store.get(app, "Options", "Empty"), "");
    EXPECT_EQ(store.get(app, "Main", "HLdir"), std::nullopt);

    DWORD type = 0;
    EXPECT_EQ(RawValue("Options", "HLdir", &type), "C:\\HL\\");
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));

    // Values in any script go through the registry as Unicode: the launcher's
    // parameters, end to end (Unicode.AnyNameAndAnyPath...).

    // A section's keys, in any script; its default value is none of them,
    // and a key is removed alone.
    const std::string server = "\xD0\xA1\xD0\xB5\xD1\x80\xD0\xB2\xD0\xB5\xD1\x80 1";
    store.save(app, "Options", server, "27015");
    RegSetKeyValueA(HKEY_CURRENT_USER, ("Software\\" + app + "\\Options").c_str(), nullptr, REG_SZ, "d", 2);
    auto keys = store.keys(app, "Options");
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(keys, (std::vector<std::string>{"Empty", "HLdir", "Params", server}));
    store.remove(app, "Options", server);
    store.remove(app, "Options", server);
    store.remove(app, "Options", "");
    store.remove(app, "Missing", "HLdir");
    EXPECT_EQ(store.get(app, "Options", server), std::nullopt);
    EXPECT_EQ(store.keys(app, "Options").size(), 3u);
    EXPECT_EQ(RawValue("Options", nullptr), "d");
    EXPECT_TRUE(store.keys(app, "Missing").empty());
}

TEST_F(Win32SettingsStoreTest, CoordinatesUseAPointWhateverTheLocale) {
    // Make sure the locale really writes decimals with a comma before trusting the test.
    ASSERT_TRUE(std::setlocale(LC_ALL, "German_Germany.1252") || std::setlocale(LC_ALL, "de-DE"));
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    ASSERT_STREQ(probe, "1,5");

    // The settings save and read coordinates with these two; the C runtime under
    // them must not bring the locale's comma in.
    store.save(app, "Main", "Y", FormatSingle(-35.25f));
    EXPECT_EQ(RawValue("Main", "Y"), "-35.25");
    EXPECT_EQ(ParseNumber<float>(store.get(app, "Main", "Y").value_or("")), -35.25f);
    // A value with a comma (from another program, or by hand) is no number here.
    EXPECT_EQ(ParseNumber<float>("5175,5"), std::nullopt);
}
