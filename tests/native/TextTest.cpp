#include <gtest/gtest.h>

#include "FakeFileSystem.h"
#include "platform/FileDialogs.h"
#include "text/Text.h"
#include "text/TextFile.h"

using namespace vantry;
using Lines = std::vector<std::string>;

TEST(TextFile, LineEndsAreCrWithAnOptionalLf) {
    EXPECT_EQ(SplitTextLines("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(SplitTextLines("a\rb"), (Lines{"a", "b"}));
    EXPECT_EQ(SplitTextLines("a\r\n\r\nb"), (Lines{"a", "", "b"}));
    // Only the LF right after a CR belongs to the line end.
    EXPECT_EQ(SplitTextLines("a\r\n\nb\r\n"), (Lines{"a", "\nb"}));
    EXPECT_EQ(SplitTextLines("\r\n"), (Lines{""}));
    EXPECT_EQ(SplitTextLines(""), Lines{});
}

TEST(TextFile, LfAloneIsAnOrdinaryCharacter) {
    EXPECT_EQ(SplitTextLines("a\nb\nc"), (Lines{"a\nb\nc"}));
    EXPECT_EQ(SplitTextLines("a\nb\r\n"), (Lines{"a\nb"}));
}

TEST(TextFile, WritingJoinsWithCrLfAndEndsWithOne) {
    EXPECT_EQ(JoinTextLines({"cstrike;1", "valve;1"}), "cstrike;1\r\nvalve;1\r\n");
    EXPECT_EQ(JoinTextLines({""}), "\r\n");
    EXPECT_EQ(JoinTextLines({}), "\r\n");
}

TEST(TextFile, BytesOtherThanLineEndsSurviveARoundTrip) {
    const std::string line = std::string("tab\there \xE9\x80\xFF ", 12) + "end  ";
    const auto bytes = JoinTextLines({line, "  spaced  "});
    EXPECT_EQ(SplitTextLines(bytes), (Lines{line, "  spaced  "}));
    EXPECT_EQ(JoinTextLines(SplitTextLines(bytes)), bytes);
}

TEST(TextFile, ReadAndWriteGoThroughTheFileSystem) {
    fakes::FakeFileSystem fs;
    fs.addDir("C:\\HL\\valve");
    EXPECT_FALSE(ReadTextLines(fs, "C:\\HL\\valve\\motd.txt"));
    ASSERT_TRUE(WriteTextLines(fs, "C:\\HL\\valve\\motd.txt", {"hello", "world"}));
    EXPECT_EQ(fs.bytes("C:\\HL\\valve\\motd.txt"), "hello\r\nworld\r\n");
    EXPECT_EQ(ReadTextLines(fs, "C:\\HL\\valve\\motd.txt"), (Lines{"hello", "world"}));

    fs.failWrites = true;
    EXPECT_FALSE(WriteTextLines(fs, "C:\\HL\\valve\\motd.txt", {"lost"}));
    EXPECT_EQ(fs.bytes("C:\\HL\\valve\\motd.txt"), "hello\r\nworld\r\n");
}

TEST(Text, TrimRemovesSpacesOnly) {
    EXPECT_EQ(TrimSpaces("  a b  "), "a b");
    EXPECT_EQ(TrimSpaces("\ta\t"), "\ta\t");
    EXPECT_EQ(TrimSpaces("   "), "");
}

TEST(Text, SplitKeepsEmptyPiecesButTheEmptyTextHasNone) {
    EXPECT_EQ(SplitAt("a|b|", '|'), (Lines{"a", "b", ""}));
    EXPECT_EQ(SplitAt("|", '|'), (Lines{"", ""}));
    EXPECT_EQ(SplitAt("", '|'), Lines{});
}

TEST(Text, NumbersParseStrictlyAndAnythingElseIsNothing) {
    EXPECT_EQ(ParseWholeNumber(" 2 "), 2);
    EXPECT_EQ(ParseWholeNumber("-1"), -1);
    EXPECT_EQ(ParseWholeNumber("+7"), 7);
    for (const char* bad : {"", " ", "abc", "2x", "1.5", "0x10", "+", "--1", "99999999999999999999"})
        EXPECT_FALSE(ParseWholeNumber(bad)) << bad;

    EXPECT_EQ(ParseSingle("3540"), 3540.0f);
    EXPECT_EQ(ParseSingle("-1234.5"), -1234.5f);
    EXPECT_EQ(ParseSingle("1e3"), 1000.0f);
    for (const char* bad : {"", "1,5", "1.5.2", "nan", "inf", "x", "1e99"})
        EXPECT_FALSE(ParseSingle(bad)) << bad;
}

TEST(Text, SinglesAreWrittenShortestWithAPoint) {
    EXPECT_EQ(FormatSingle(3540.0f), "3540");
    EXPECT_EQ(FormatSingle(-1234.5f), "-1234.5");
    EXPECT_EQ(FormatSingle(0.1f), "0.1");
    for (float v : {35.0f, 6123.75f, 1.0f / 3.0f, 16777216.0f, -0.0001f})
        EXPECT_EQ(ParseSingle(FormatSingle(v)), v) << FormatSingle(v);
}

TEST(FileDialogText, FilterBarsBecomeNulsWithOneAtTheEnd) {
    using namespace std::string_literals;
    const auto expected = "CFG Files (*.cfg)\0*.cfg\0All Files (*.*)\0*.*\0"s;
    EXPECT_EQ(ToDialogFilter("CFG Files (*.cfg)|*.cfg|All Files (*.*)|*.*"), expected);
    EXPECT_EQ(ToDialogFilter("CFG Files (*.cfg)|*.cfg|All Files (*.*)|*.*|"), expected);
    EXPECT_EQ(ToDialogFilter("a|*.a;*.b"), "a\0*.a;*.b\0"s);
}

TEST(FileDialogText, ResultStopsAtTheTerminatorAndLosesOuterSpaces) {
    const char buffer[] = "  C:\\a\\server.cfg  \0garbage";
    EXPECT_EQ(DialogResultText(buffer, sizeof buffer), "C:\\a\\server.cfg");
    const char full[4] = {'a', 'b', ' ', ' '};  // no terminator at all
    EXPECT_EQ(DialogResultText(full, sizeof full), "ab");
}
