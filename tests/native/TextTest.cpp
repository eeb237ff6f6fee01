#include <gtest/gtest.h>

#include "FakeFileSystem.h"
#include "core/text/Paths.h"
#include "core/text/Text.h"
#include "core/text/TextFile.h"

using namespace vantry;
using Lines = std::vector<std::string>;

TEST(TextFile, LinesEndAtACrWithAnOptionalLfAndALoneLfIsText) {
    EXPECT_EQ(SplitTextLines("a\rb\r\n\r\nc"), (Lines{"a", "b", "", "c"}));
    // Only the LF right after a CR belongs to the line end.
    EXPECT_EQ(SplitTextLines("a\r\n\nb\r\n"), (Lines{"a", "\nb"}));
    EXPECT_EQ(SplitTextLines("\r\n"), (Lines{""}));
    EXPECT_EQ(SplitTextLines(""), Lines{});
}

TEST(TextFile, AWrittenLineKeepsAllItsBytesAndAFailedWriteSaysSo) {
    fakes::FakeFileSystem fs;
    fs.addDir("C:\\HL");
    const Lines lines{"tab\there \xE9\x80\xFF" "end  ", "  spaced  ", ""};
    ASSERT_TRUE(WriteTextLines(fs, "C:\\HL\\motd.txt", lines));
    EXPECT_EQ(ReadTextLines(fs, "C:\\HL\\motd.txt"), lines);
    // A NUL byte makes it no text file: read as none rather than cut short.
    fs.addFile("C:\\HL\\mapcycle.txt", std::string("de_dust\r\nde_\0nuke\r\n", 18));
    EXPECT_EQ(ReadTextLines(fs, "C:\\HL\\mapcycle.txt"), std::nullopt);
    fs.failWrites = true;
    EXPECT_FALSE(WriteTextLines(fs, "C:\\HL\\motd.txt", {"lost"}));
}

TEST(Text, TrimTakesSpacesOnlyAndSplitKeepsEmptyPieces) {
    EXPECT_EQ(TrimSpaces("  a b  "), "a b");
    EXPECT_EQ(TrimSpaces("\ta\t"), "\ta\t");
    EXPECT_EQ(TrimSpaces("   "), "");
    EXPECT_EQ(SplitAt("a|b|", '|'), (Lines{"a", "b", ""}));
    EXPECT_EQ(SplitAt("", '|'), Lines{});
}

TEST(Text, NumbersParseStrictlyAndSinglesAreWrittenShortestWithAPoint) {
    EXPECT_EQ(ParseNumber<long>(" 2 "), 2);
    EXPECT_EQ(ParseNumber<long>("+7"), 7);
    for (const char* bad : {"", " ", "abc", "2x", "1.5", "0x10", "+", "--1", "99999999999999999999"})
        EXPECT_FALSE(ParseNumber<long>(bad)) << bad;
    EXPECT_EQ(ParseNumber<float>("1e3"), 1000.0f);
    for (const char* bad : {"", "1,5", "1.5.2", "nan", "inf", "x", "1e99"})
        EXPECT_FALSE(ParseNumber<float>(bad)) << bad;

    EXPECT_EQ(FormatSingle(100000.0f), "100000") << "never with an exponent";
    EXPECT_EQ(FormatSingle(0.00001f), "0.00001");
    EXPECT_EQ(FormatSingle(0.1f), "0.1");
    for (float v : {35.0f, 6123.75f, 1.0f / 3.0f, 16777216.0f, -0.0001f})
        EXPECT_EQ(ParseNumber<float>(FormatSingle(v)), v) << FormatSingle(v);
}

TEST(FileDialogText, FilterBarsBecomeNulsAndResultsStopAtTheTerminator) {
    using namespace std::string_literals;
    const auto expected = "CFG Files (*.cfg)\0*.cfg\0All Files (*.*)\0*.*\0"s;
    EXPECT_EQ(ToDialogFilter("CFG Files (*.cfg)|*.cfg|All Files (*.*)|*.*"), expected);
    EXPECT_EQ(ToDialogFilter("CFG Files (*.cfg)|*.cfg|All Files (*.*)|*.*|"), expected);

    const char buffer[] = "  C:\\a\\server.cfg  \0garbage";
    EXPECT_EQ(DialogResultText(buffer, sizeof buffer), "C:\\a\\server.cfg");
    const char full[4] = {'a', 'b', ' ', ' '};  // no terminator at all
    EXPECT_EQ(DialogResultText(full, sizeof full), "ab");
}

TEST(Paths, FileNameIsWhatFollowsTheLastBackslashAndSplitStopsAtTheFirstBlankPiece) {
    EXPECT_EQ(FileNameOf("C:\\a\\b\\c.txt"), "c.txt");
    EXPECT_EQ(FileNameOf("C:\\a\\"), "");
    EXPECT_EQ(FileNameOf("C:/a/b.txt"), "C:/a/b.txt");
    for (const auto& [path, split] : {
             std::pair{"C:\\Program Files\\ HL \\hlds.exe", "C:\\Program Files\\ HL \\|hlds.exe|"},
             {"hlds.exe", "hlds.exe\\|hlds.exe|"},  // a bare name is both the directory and the file
             {"\\\\srv\\share\\HL\\hlds.exe", "\\\\srv\\share\\HL\\|hlds.exe|"},
             {"C:\\a\\\\b.exe", "C:\\|a|"}, {"C:\\a\\ \\b.exe", "C:\\|a|"}, {"C:\\HL\\", "C:\\|HL|"},
             // Without any usable piece there is no choice.
             {"", ""}, {"   ", ""}, {"\\HL\\hlds.exe", ""}, {"\\\\", ""}})
        EXPECT_EQ(SplitPath(path), split) << path;
}

// Hidden, system and directory entries are left out by the listing itself.
TEST(Paths, AFileExistsOnlyWhenItsListingGivesBackThatNameWhateverItsCase) {
    fakes::FakeFileSystem fs;
    fs.addFile("C:\\HL\\hlds.exe");
    fs.addFile("C:\\HL\\hidden.cfg", "", attr::Hidden);
    EXPECT_TRUE(FileExists(fs, "c:\\hl\\Hlds.Exe"));
    // A wildcard that matches it does not name the file.
    for (const char* absent : {"C:\\HL\\hidden.cfg", "C:\\HL", "C:\\HL\\missing.exe", "", "C:\\HL\\",
                               "C:\\HL\\*.exe", "C:\\HL\\hlds.ex?"})
        EXPECT_FALSE(FileExists(fs, absent)) << absent;
}

TEST(Paths, ListingsSortByUpperCaseBytesAndWildcardsMatchLongNamesWithoutRegardToCase) {
    Lines names{"valve", "Cstrike", "a_b", "ab", "AB2", "dmc", "_x", "~1"};
    SortListing(names);
    // "_" sorts after the letters once they are upper case, "~" after "_".
    EXPECT_EQ(names, (Lines{"ab", "AB2", "a_b", "Cstrike", "dmc", "valve", "_x", "~1"}));

    for (const auto& [pattern, name, matches] :
         {std::tuple{"*.bsp", "de_dust.BSP", true}, {"*.bsp", ".bsp", true}, {"*.bsp", "de_dust.bsp2", false},
          {"*.bsp", "de_dust.bsp.bak", false}, {"c?_*", "cs_office", true}, {"c?_*", "c_office", false},
          {"*.*", "nodot", true}, {"hlds.exe", "hlds.exe ", false}, {"a**b", "ab", true}})
        EXPECT_EQ(WildcardMatch(pattern, name), matches) << pattern << " " << name;
}
