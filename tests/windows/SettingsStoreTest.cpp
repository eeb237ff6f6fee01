#include <gtest/gtest.h>
#include <windows.h>

#include <clocale>
#include <cstdio>

#include "platform/Win32SettingsStore.h"
#include "startup/Settings.h"

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
    store.save(app, "Options", "HLdir", "D:\\");
    EXPECT_EQ(RawValue("Options", "HLdir"), "D:\\");
}

TEST_F(Win32SettingsStoreTest, AValueOfAnotherTypeCountsAsAbsent) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, ("Software\\" + app + "\\Options").c_str(), 0,
                              nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const DWORD two = 2;
    RegSetValueExA(key, "ShowIn", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&two), sizeof two);
    RegCloseKey(key);
    EXPECT_EQ(store.get(app, "Options", "ShowIn"), std::nullopt);
}

TEST_F(Win32SettingsStoreTest, CoordinatesUseAPointWhateverTheLocale) {
    // Make sure the locale really writes decimals with a comma before trusting the test.
    ASSERT_TRUE(std::setlocale(LC_ALL, "German_Germany.1252") || std::setlocale(LC_ALL, "de-DE"));
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    ASSERT_STREQ(probe, "1,5");

    // The settings vocabulary writes to the real store under the program's own name;
    // a store wrapper sends it to this test's application instead.
    struct Redirect : SettingsStore {
        Redirect(SettingsStore& s, std::string a) : inner(s), app(std::move(a)) {}
        std::optional<std::string> get(const std::string&, const std::string& section,
                                       const std::string& key) override {
            return inner.get(app, section, key);
        }
        void save(const std::string&, const std::string& section, const std::string& key,
                  const std::string& value) override {
            inner.save(app, section, key, value);
        }
        SettingsStore& inner;
        std::string app;
    } redirect(store, app);

    Settings settings(redirect);
    settings.SetMainX(1234.5f);
    settings.SetMainY(-35.25f);
    EXPECT_EQ(RawValue("Main", "X"), "1234.5");
    EXPECT_EQ(RawValue("Main", "Y"), "-35.25");
    EXPECT_EQ(settings.MainX(0.0f), 1234.5f);
    EXPECT_EQ(settings.MainY(), -35.25f);

    // A value with a comma (from another program, or by hand) is no number here.
    store.save(app, "CFG", "X2", "5175,5");
    EXPECT_EQ(settings.CfgX2(), 5175.0f);
}
