#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "win/platform/Win32Registry.h"

using namespace vantry;

namespace {

// Each test works below a key of its own under HKEY_CURRENT_USER.
class Win32RegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        base = "Software\\HLDSVantryTests\\Registry" + std::to_string(GetCurrentProcessId()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
    }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, base.c_str()); }

    // The value's type and bytes as stored, as "type:bytes".
    std::string RawGet(const std::string& path, const char* name) {
        HKEY key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return "<no key>";
        char data[64];
        DWORD type = 0, size = sizeof data;
        const LSTATUS status =
            RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
        RegCloseKey(key);
        return status == ERROR_SUCCESS ? std::to_string(type) + ":" + std::string(data, size) : "<absent>";
    }
    bool KeyExists(const std::string& path) { return RawGet(path, nullptr) != "<no key>"; }
    void RawSet(const std::string& path, const char* name, DWORD type, const void* data, DWORD size) {
        HKEY key;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
        RegCloseKey(key);
    }

    std::string base;
    win::Win32Registry reg;
    static constexpr RegRoot HKCU = RegRoot::CurrentUser;
};

}  // namespace

TEST_F(Win32RegistryTest, StringsRoundTripDeepKeysAreCreatedAndALeadingBackslashNamesTheSameKey) {
    const std::string deep = base + "\\cfgfile\\Shell\\Open\\command";
    reg.SetRegString(HKCU, "\\" + deep, "", "\"C:\\Tools\\HLDS Vantry.EXE\" %1");
    reg.SetRegString(HKCU, deep, "Named", "value");
    EXPECT_EQ(reg.GetRegString(HKCU, deep, ""), "\"C:\\Tools\\HLDS Vantry.EXE\" %1");
    EXPECT_EQ(reg.GetRegString(HKCU, "\\" + deep, "named"), "value");
}

TEST_F(Win32RegistryTest, OnlyStringValuesAreReadAndReadingAMissingKeyCreatesNothing) {
    EXPECT_EQ(reg.GetRegString(HKCU, base + "\\a", "x"), "");
    EXPECT_FALSE(KeyExists(base));

    const char expand[] = "%SystemRoot%\\x";
    RawSet(base, "Expand", REG_EXPAND_SZ, expand, sizeof expand);
    const DWORD number = 7;
    RawSet(base, "Number", REG_DWORD, &number, sizeof number);
    RawSet(base, "Binary", REG_BINARY, "abc", 3);
    const char embedded[] = "before\0after";
    RawSet(base, "Embedded", REG_SZ, embedded, sizeof embedded);
    RawSet(base, "Unterminated", REG_SZ, "abc", 3);

    for (const char* name : {"Expand", "Number", "Binary", "Missing", ""})
        EXPECT_EQ(reg.GetRegString(HKCU, base, name), "") << name;
    EXPECT_EQ(reg.GetRegString(HKCU, base, "Embedded"), "before");
    EXPECT_EQ(reg.GetRegString(HKCU, base, "Unterminated"), "abc");
}

TEST_F(Win32RegistryTest, DeletingAKeyTakesItsSubkeysAndLeavesSiblings) {
    reg.SetRegString(HKCU, base + "\\cfgfile", "", "CFG File");
    reg.SetRegString(HKCU, base + "\\cfgfile\\DefaultIcon", "", "x,2");
    reg.SetRegString(HKCU, base + "\\cfgfile\\Shell\\Open\\command", "", "cmd");
    reg.SetRegString(HKCU, base + "\\.cfg", "", "cfgfile");

    reg.DeleteRegKey(HKCU, "\\" + base + "\\cfgfile");
    EXPECT_FALSE(KeyExists(base + "\\cfgfile"));
    EXPECT_TRUE(KeyExists(base + "\\.cfg"));

    reg.DeleteRegKey(HKCU, base + "\\.cfg");
    EXPECT_FALSE(KeyExists(base + "\\.cfg"));
    reg.DeleteRegKey(HKCU, base + "\\never-there");  // silent
    // An empty path would name the whole root: it is refused, not obeyed.
    reg.DeleteRegKey(HKCU, "");
    reg.DeleteRegKey(HKCU, "\\");
    EXPECT_TRUE(KeyExists(base));
}

TEST_F(Win32RegistryTest, TheMachinesThirtyTwoBitViewIsAPlaceOfItsOwn) {
    // Where a 32-bit installer's keys are; the 64-bit view does not show them.
    const std::string key = "Software\\HLDSVantryTests\\View" + std::to_string(GetCurrentProcessId());
    reg.SetRegString(RegRoot::LocalMachine32, key, "InstallPath", "C:\\Sierra\\Half-Life");
    EXPECT_EQ(reg.GetRegString(RegRoot::LocalMachine32, key, "InstallPath"), "C:\\Sierra\\Half-Life");
    EXPECT_EQ(reg.GetRegString(RegRoot::LocalMachine, key, "InstallPath"), "");
    reg.DeleteRegKey(RegRoot::LocalMachine32, key);
    EXPECT_EQ(reg.GetRegString(RegRoot::LocalMachine32, key, "InstallPath"), "");
}
