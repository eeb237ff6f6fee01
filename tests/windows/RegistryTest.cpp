#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/Win32Registry.h"

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

    bool KeyExists(const std::string& path) {
        HKEY key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }
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

TEST_F(Win32RegistryTest, StringsRoundTripAndDeepKeysAreCreated) {
    const std::string deep = base + "\\cfgfile\\Shell\\Open\\command";
    reg.SetRegString(HKCU, deep, "", "\"C:\\Tools\\HLDS Vantry.EXE\" %1");
    reg.SetRegString(HKCU, deep, "Named", "value");
    EXPECT_EQ(reg.GetRegString(HKCU, deep, ""), "\"C:\\Tools\\HLDS Vantry.EXE\" %1");
    EXPECT_EQ(reg.GetRegString(HKCU, deep, "named"), "value");
    reg.SetRegString(HKCU, deep, "Named", "replaced");
    EXPECT_EQ(reg.GetRegString(HKCU, deep, "Named"), "replaced");
}

TEST_F(Win32RegistryTest, ALeadingBackslashNamesTheSameKey) {
    reg.SetRegString(HKCU, "\\" + base + "\\.cfg", "Content Type", "text/plain");
    EXPECT_EQ(reg.GetRegString(HKCU, base + "\\.cfg", "Content Type"), "text/plain");
    EXPECT_EQ(reg.GetRegString(HKCU, "\\" + base + "\\.cfg", "Content Type"), "text/plain");
}

TEST_F(Win32RegistryTest, AnEmptyDefaultValueIsWrittenAndDiffersFromNone) {
    reg.SetRegString(HKCU, base + "\\Shell", "", "");
    HKEY key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, (base + "\\Shell").c_str(), 0, KEY_READ, &key),
              ERROR_SUCCESS);
    DWORD type = 0, size = 0;
    EXPECT_EQ(RegQueryValueExA(key, nullptr, nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    RegCloseKey(key);
    EXPECT_EQ(reg.GetRegString(HKCU, base + "\\Shell", ""), "");
}

TEST_F(Win32RegistryTest, OnlyStringValuesAreRead) {
    const char expand[] = "%SystemRoot%\\x";
    RawSet(base, "Expand", REG_EXPAND_SZ, expand, sizeof expand);
    const DWORD number = 7;
    RawSet(base, "Number", REG_DWORD, &number, sizeof number);
    RawSet(base, "Binary", REG_BINARY, "abc", 3);
    const char embedded[] = "before\0after";
    RawSet(base, "Embedded", REG_SZ, embedded, sizeof embedded);
    RawSet(base, "Unterminated", REG_SZ, "abc", 3);

    EXPECT_EQ(reg.GetRegString(HKCU, base, "Expand"), "");
    EXPECT_EQ(reg.GetRegString(HKCU, base, "Number"), "");
    EXPECT_EQ(reg.GetRegString(HKCU, base, "Binary"), "");
    EXPECT_EQ(reg.GetRegString(HKCU, base, "Missing"), "");
    EXPECT_EQ(reg.GetRegString(HKCU, base, ""), "");
    EXPECT_EQ(reg.GetRegString(HKCU, base, "Embedded"), "before");
    EXPECT_EQ(reg.GetRegString(HKCU, base, "Unterminated"), "abc");
}

TEST_F(Win32RegistryTest, ReadingAMissingKeyCreatesNothing) {
    EXPECT_EQ(reg.GetRegString(HKCU, base + "\\a\\b", "x"), "");
    EXPECT_FALSE(KeyExists(base + "\\a"));
    EXPECT_FALSE(KeyExists(base));
}

TEST_F(Win32RegistryTest, DwordsAreFourLittleEndianBytes) {
    reg.SetRegDword(HKCU, base + "\\cfgfile", "EditFlags", 0);
    reg.SetRegDword(HKCU, base + "\\cfgfile", "Other", 0x01020304);
    HKEY key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, (base + "\\cfgfile").c_str(), 0, KEY_READ, &key),
              ERROR_SUCCESS);
    BYTE data[8] = {9, 9, 9, 9, 9, 9, 9, 9};
    DWORD type = 0, size = sizeof data;
    ASSERT_EQ(RegQueryValueExA(key, "EditFlags", nullptr, &type, data, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(data), 4), std::string(4, '\0'));
    size = sizeof data;
    ASSERT_EQ(RegQueryValueExA(key, "Other", nullptr, &type, data, &size), ERROR_SUCCESS);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(data), 4), "\x04\x03\x02\x01");
    RegCloseKey(key);
    EXPECT_EQ(reg.GetRegString(HKCU, base + "\\cfgfile", "EditFlags"), "");
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
    EXPECT_TRUE(KeyExists(base));
}

TEST_F(Win32RegistryTest, ClassesRootIsReachable) {
    // The association lives here; under Wine the test user may write it.
    const std::string key = "HLDSVantryTests" + std::to_string(GetCurrentProcessId());
    reg.SetRegString(RegRoot::ClassesRoot, "\\" + key, "", "cfgfile");
    EXPECT_EQ(reg.GetRegString(RegRoot::ClassesRoot, key, ""), "cfgfile");
    reg.DeleteRegKey(RegRoot::ClassesRoot, key);
    EXPECT_EQ(reg.GetRegString(RegRoot::ClassesRoot, key, ""), "");
}
