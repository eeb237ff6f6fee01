#include <gtest/gtest.h>

#include "FakeFileSystem.h"
#include "catalogue/Paths.h"

using namespace vantry;

TEST(FileNameOf, TakesTheTextAfterTheLastBackslash) {
    EXPECT_EQ(FileNameOf("C:\\a\\b\\c.txt"), "c.txt");
    EXPECT_EQ(FileNameOf("c.txt"), "c.txt");
    EXPECT_EQ(FileNameOf("C:\\a\\"), "");
    EXPECT_EQ(FileNameOf(""), "");
    EXPECT_EQ(FileNameOf("C:/a/b.txt"), "C:/a/b.txt");
    EXPECT_EQ(FileNameOf("\\\\srv\\share\\x.cfg"), "x.cfg");
}

TEST(SplitPath, GivesDirectoryWithItsBackslashAndFileName) {
    EXPECT_EQ(SplitPath("C:\\HL\\hlds.exe"), "C:\\HL\\|hlds.exe|");
    EXPECT_EQ(SplitPath("D:\\Games\\Half-Life\\hlds.exe"), "D:\\Games\\Half-Life\\|hlds.exe|");
    EXPECT_EQ(SplitPath("C:\\Program Files\\ HL \\hlds.exe"), "C:\\Program Files\\ HL \\|hlds.exe|");
    // A bare name is both the directory and the file.
    EXPECT_EQ(SplitPath("hlds.exe"), "hlds.exe\\|hlds.exe|");
}

TEST(SplitPath, StopsAtTheFirstBlankPiece) {
    EXPECT_EQ(SplitPath("C:\\a\\\\b.exe"), "C:\\|a|");
    EXPECT_EQ(SplitPath("C:\\a\\ \\b.exe"), "C:\\|a|");
    EXPECT_EQ(SplitPath("C:\\HL\\"), "C:\\|HL|");
}

TEST(SplitPath, KeepsANetworkSharePrefix) {
    EXPECT_EQ(SplitPath("\\\\srv\\share\\hlds.exe"), "\\\\srv\\share\\|hlds.exe|");
    EXPECT_EQ(SplitPath("\\\\srv\\share\\HL\\hlds.exe"), "\\\\srv\\share\\HL\\|hlds.exe|");
}

TEST(SplitPath, NoUsablePieceIsNoChoice) {
    EXPECT_EQ(SplitPath(""), "");
    EXPECT_EQ(SplitPath("   "), "");
    EXPECT_EQ(SplitPath("\\HL\\hlds.exe"), "");
    EXPECT_EQ(SplitPath("\\\\"), "");
}

class FileExistsTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs.addFile("C:\\HL\\hlds.exe");
        fs.addFile("C:\\HL\\readonly.cfg", "", attr::ReadOnly | attr::Archive);
        fs.addFile("C:\\HL\\hidden.cfg", "", attr::Hidden);
        fs.addFile("C:\\HL\\system.cfg", "", attr::System);
        fs.addDir("C:\\HL\\valve");
    }
    fakes::FakeFileSystem fs;
};

TEST_F(FileExistsTest, NormalAndReadOnlyFilesExist) {
    EXPECT_TRUE(FileExists(fs, "C:\\HL\\hlds.exe"));
    EXPECT_TRUE(FileExists(fs, "C:\\HL\\readonly.cfg"));
}

TEST_F(FileExistsTest, NamesCompareWithoutRegardToCase) {
    EXPECT_TRUE(FileExists(fs, "C:\\HL\\HLDS.EXE"));
    EXPECT_TRUE(FileExists(fs, "c:\\hl\\Hlds.Exe"));
}

TEST_F(FileExistsTest, DirectoriesHiddenSystemAndMissingPathsDoNot) {
    EXPECT_FALSE(FileExists(fs, "C:\\HL\\valve"));
    EXPECT_FALSE(FileExists(fs, "C:\\HL"));
    EXPECT_FALSE(FileExists(fs, "C:\\HL\\hidden.cfg"));
    EXPECT_FALSE(FileExists(fs, "C:\\HL\\system.cfg"));
    EXPECT_FALSE(FileExists(fs, "C:\\HL\\missing.exe"));
    EXPECT_FALSE(FileExists(fs, "Q:\\HL\\hlds.exe"));
    EXPECT_FALSE(FileExists(fs, ""));
    EXPECT_FALSE(FileExists(fs, "C:\\HL\\"));
}

TEST_F(FileExistsTest, AWildcardMatchIsNotTheNamedFile) {
    EXPECT_FALSE(FileExists(fs, "C:\\HL\\*.exe"));
    EXPECT_FALSE(FileExists(fs, "C:\\HL\\hlds.ex?"));
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
    EXPECT_TRUE(WildcardMatch("*", "anything"));
    EXPECT_TRUE(WildcardMatch("*.*", "nodot"));
    EXPECT_TRUE(WildcardMatch("hlds.exe", "HLDS.EXE"));
    EXPECT_FALSE(WildcardMatch("hlds.exe", "hlds.exe "));
    EXPECT_TRUE(WildcardMatch("a**b", "ab"));
}
