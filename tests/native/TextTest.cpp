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

TEST(TextFile, WritingEndsEveryLineWithCrLfAndKeepsAllOtherBytes) {
    EXPECT_EQ(JoinTextLines({"cstrike;1", "valve;1"}), "cstrike;1\r\nvalve;1\r\n");
    EXPECT_EQ(JoinTextLines({""}), "\r\n");
    EXPECT_EQ(JoinTextLines({}), "\r\n");
    const std::string line = std::string("tab\there \xE9\x80\xFF ", 12) + "end  ";
    EXPECT_EQ(SplitTextLines(JoinTextLines({line, "  spaced  "})), (Lines{line, "  spaced  "}));
}

TEST(TextFile, ReadAndWriteGoThroughTheFileSystem) {
    fakes::FakeFileSystem fs;
    fs.addDir("C:\\HL\\valve");
    EXPECT_FALSE(ReadTextLines(fs, "C:\\HL\\valve\\motd.txt"));
    ASSERT_TRUE(WriteTextLines(fs, "C:\\HL\\valve\\motd.txt", {"hello", "world"}));
    EXPECT_EQ(fs.bytes("C:\\HL\\valve\\motd.txt"), "hello\r\nworld\r\n");
    EXPECT_EQ(ReadTextLines(fs, "C:\\HL\\valve\\motd.txt"), (Lines{"hello", "world"}));

    fs.failWrites = true;  // a failed save must say so
    EXPECT_FALSE(WriteTextLines(fs, "C:\\HL\\valve\\motd.txt", {"lost"}));
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

    EXPECT_EQ(FormatSingle(3540.0f), "3540");
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
