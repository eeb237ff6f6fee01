#include <gtest/gtest.h>

#include "FakeFileSystem.h"
#include "core/text/Paths.h"

using namespace vantry;

TEST(FileNameOf, TakesTheTextAfterTheLastBackslashOnly) {
    EXPECT_EQ(FileNameOf("C:\\a\\b\\c.txt"), "c.txt");
    EXPECT_EQ(FileNameOf("c.txt"), "c.txt");
    EXPECT_EQ(FileNameOf("C:\\a\\"), "");
    EXPECT_EQ(FileNameOf("C:/a/b.txt"), "C:/a/b.txt");
}

TEST(SplitPath, GivesDirectoryWithItsBackslashAndFileName) {
    EXPECT_EQ(SplitPath("C:\\Program Files\\ HL \\hlds.exe"), "C:\\Program Files\\ HL \\|hlds.exe|");
    // A bare name is both the directory and the file.
    EXPECT_EQ(SplitPath("hlds.exe"), "hlds.exe\\|hlds.exe|");
    EXPECT_EQ(SplitPath("\\\\srv\\share\\HL\\hlds.exe"), "\\\\srv\\share\\HL\\|hlds.exe|");
}

TEST(SplitPath, StopsAtTheFirstBlankPieceAndWithoutAnyIsNoChoice) {
    EXPECT_EQ(SplitPath("C:\\a\\\\b.exe"), "C:\\|a|");
    EXPECT_EQ(SplitPath("C:\\a\\ \\b.exe"), "C:\\|a|");
    EXPECT_EQ(SplitPath("C:\\HL\\"), "C:\\|HL|");
    EXPECT_EQ(SplitPath(""), "");
    EXPECT_EQ(SplitPath("   "), "");
    EXPECT_EQ(SplitPath("\\HL\\hlds.exe"), "");
    EXPECT_EQ(SplitPath("\\\\"), "");
}

TEST(FileExists, OnlyAVisibleFileOfThatNameWhateverItsCase) {
    fakes::FakeFileSystem fs;
    fs.addFile("C:\\HL\\hlds.exe");
    fs.addFile("C:\\HL\\readonly.cfg", "", attr::ReadOnly | attr::Archive);
    fs.addFile("C:\\HL\\hidden.cfg", "", attr::Hidden);
    fs.addFile("C:\\HL\\system.cfg", "", attr::System);
    fs.addDir("C:\\HL\\valve");

    EXPECT_TRUE(FileExists(fs, "c:\\hl\\Hlds.Exe"));
    EXPECT_TRUE(FileExists(fs, "C:\\HL\\readonly.cfg"));
    for (const char* absent : {"C:\\HL\\valve", "C:\\HL", "C:\\HL\\hidden.cfg", "C:\\HL\\system.cfg",
                               "C:\\HL\\missing.exe", "", "C:\\HL\\",
                               // a wildcard match is not the named file
                               "C:\\HL\\*.exe", "C:\\HL\\hlds.ex?"})
        EXPECT_FALSE(FileExists(fs, absent)) << absent;
}

TEST(ListingOrder, ComparesUpperCaseBytesAsNtfsDoes) {
    std::vector<std::string> names{"valve", "Cstrike", "a_b", "ab", "AB2", "dmc", "_x", "~1"};
    SortListing(names);
    // "_" sorts after the letters once they are upper case, "~" after "_".
    EXPECT_EQ(names, (std::vector<std::string>{"ab", "AB2", "a_b", "Cstrike", "dmc", "valve", "_x", "~1"}));
}

TEST(WildcardMatch, MatchesLongNamesOnlyAndWithoutRegardToCase) {
    EXPECT_TRUE(WildcardMatch("*.bsp", "de_dust.BSP"));
    EXPECT_TRUE(WildcardMatch("*.bsp", ".bsp"));
    EXPECT_FALSE(WildcardMatch("*.bsp", "de_dust.bsp2"));
    EXPECT_FALSE(WildcardMatch("*.bsp", "de_dust.bsp.bak"));
    EXPECT_TRUE(WildcardMatch("c?_*", "cs_office"));
    EXPECT_FALSE(WildcardMatch("c?_*", "c_office"));
    EXPECT_TRUE(WildcardMatch("*.*", "nodot"));
    EXPECT_FALSE(WildcardMatch("hlds.exe", "hlds.exe "));
    EXPECT_TRUE(WildcardMatch("a**b", "ab"));
}
