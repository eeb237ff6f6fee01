#include <gtest/gtest.h>

#include <map>

#include "Cases.h"
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
    EXPECT_EQ(std::tuple(SplitTextLines("\r\n"), SplitTextLines("")), std::tuple(Lines{""}, Lines{}));
}

TEST(TextFile, EveryReadableFileComesBackInTheEncodingItWasReadIn) {
    fakes::FakeFileSystem fs;
    using enum FileEncoding;
    const std::map<std::string, FileEncoding> encodings{{"Ansi", Ansi}, {"Utf8", Utf8}, {"Utf8WithMark", Utf8WithMark}};
    for (const auto& c : cases::Read("file-encodings.txt")) {
        SCOPED_TRACE(c[0]);
        const auto file = DecodeFileText(fs, c[0]);
        ASSERT_EQ(file.has_value(), c[1] != "unreadable");
        if (!file)
            continue;
        EXPECT_EQ(std::tuple(file->encoding, file->text, EncodeFileText(fs, file->text, file->encoding)),
                  std::tuple(encodings.at(c[1]), c[2], std::optional(c[0])));
    }
    EXPECT_EQ(EncodeFileText(fs, "\xE6\x9D\xB1", Ansi), std::nullopt) << "no place in the code page";

    // The catalogue's files: in the code page where every character has its
    // place there, else UTF-8 without a byte-order mark.
    fs.addDir("C:\\Vantry");
    const Lines lines{"tab\there \xC3\xA9 end  ", "", "  spaced  "};
    ASSERT_TRUE(WriteTextLines(fs, "C:\\Vantry\\valve.mps", lines));
    EXPECT_EQ(fs.readFile("C:\\Vantry\\valve.mps"), "tab\there \xE9 end  \r\n\r\n  spaced  \r\n");
    EXPECT_EQ(ReadTextLines(fs, "C:\\Vantry\\valve.mps"), lines);
    ASSERT_TRUE(WriteTextLines(fs, "C:\\Vantry\\valve.mps", {"\xE6\x9D\xB1", "\xC3\xA9"}));
    EXPECT_EQ(fs.readFile("C:\\Vantry\\valve.mps"), "\xE6\x9D\xB1\r\n\xC3\xA9\r\n");
    fs.failWrites = true;
    EXPECT_FALSE(WriteTextLines(fs, "C:\\Vantry\\valve.mps", {"lost"}));
}

TEST(Text, TrimTakesSpacesOnlyAndSplitKeepsEmptyPieces) {
    EXPECT_EQ((Lines{TrimSpaces("  a b  "), TrimSpaces("\ta\t"), TrimSpaces("   ")}), (Lines{"a b", "\ta\t", ""}));
    EXPECT_EQ(std::tuple(SplitAt("a|b|", '|'), SplitAt("", '|')), std::tuple(Lines{"a", "b", ""}, Lines{}));
}

TEST(Text, NumbersParseStrictlyAndSinglesAreWrittenShortestWithAPoint) {
    for (const auto& c : cases::Read("numbers.txt")) {
        EXPECT_EQ(ParseNumber<long>(c[0]), c[1] == "-" ? std::nullopt : std::optional(std::stol(c[1]))) << c[0];
        EXPECT_EQ(ParseNumber<float>(c[0]), c[2] == "-" ? std::nullopt : std::optional(std::stof(c[2]))) << c[0];
    }

    // Never with an exponent.
    EXPECT_EQ((Lines{FormatSingle(100000.0f), FormatSingle(0.00001f), FormatSingle(0.1f)}),
              (Lines{"100000", "0.00001", "0.1"}));
    for (float v : {35.0f, 6123.75f, 1.0f / 3.0f, 16777216.0f, -0.0001f})
        EXPECT_EQ(ParseNumber<float>(FormatSingle(v)), v) << FormatSingle(v);
}

TEST(FileDialogText, FilterBarsBecomeNulsAndResultsStopAtTheTerminator) {
    for (const auto& c : cases::Read("dialog-texts.txt"))
        EXPECT_EQ(c[0] == "filter" ? ToDialogFilter(c[1]) : DialogResultText(c[1].data(), c[1].size()), c[2]) << c[1];
}

TEST(Paths, FileNameIsWhatFollowsTheLastBackslashAndSplitStopsAtTheFirstBlankPiece) {
    EXPECT_EQ((Lines{FileNameOf("C:\\a\\b\\c.txt"), FileNameOf("C:\\a\\"), FileNameOf("C:/a/b.txt")}),
              (Lines{"c.txt", "", "C:/a/b.txt"}));
    for (const auto& c : cases::Read("split-path.txt"))
        EXPECT_EQ(SplitPath(c[0]), c[1]) << c[0];
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

    for (const auto& c : cases::Read("wildcards.txt"))
        EXPECT_EQ(WildcardMatch(c[0], c[1]), c[2] == "true") << c[0] << " " << c[1];
}
