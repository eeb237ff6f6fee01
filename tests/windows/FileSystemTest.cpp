#include <gtest/gtest.h>
#include <windows.h>

#include "TempDir.h"
#include "core/text/Paths.h"
#include "win/platform/Win32FileSystem.h"

using namespace vantry;
using vantry::testutil::TempDir;
using vantry::testutil::ReadBytes;
using vantry::testutil::UnixShell;
using vantry::testutil::WriteBytes;
using Names = std::vector<std::string>;

class Win32FileSystemTest : public ::testing::Test {
protected:
    void Make(const std::string& name, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
        WriteBytes(dir / name, "x");
        SetFileAttributesA((dir / name).c_str(), attributes);
    }
    void MakeDir(const std::string& name, DWORD attributes = FILE_ATTRIBUTE_DIRECTORY) {
        ASSERT_TRUE(CreateDirectoryA((dir / name).c_str(), nullptr));
        SetFileAttributesA((dir / name).c_str(), attributes);
    }
    TempDir dir;
    win::Win32FileSystem fs;
};

TEST_F(Win32FileSystemTest, ListingsFilterByAttributesAndComeInNameOrder) {
    Make("valve.txt");
    Make("Cstrike.txt");
    Make("a_b.txt");
    Make("ab.txt", FILE_ATTRIBUTE_READONLY);
    Make("hidden.txt", FILE_ATTRIBUTE_HIDDEN);
    Make("system.txt", FILE_ATTRIBUTE_SYSTEM);
    MakeDir("dmc");
    MakeDir("Logos");
    MakeDir("secret", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN);

    EXPECT_EQ(fs.list(dir / "*", ListFilter::NormalFiles),
              (Names{"ab.txt", "a_b.txt", "Cstrike.txt", "valve.txt"}));
    EXPECT_EQ(fs.list(dir / "*", ListFilter::WithDirectories),
              (Names{".", "..", "ab.txt", "a_b.txt", "Cstrike.txt", "dmc", "Logos", "valve.txt"}));
    // Listing a directory's own path gives its name, as the catalogue relies on.
    EXPECT_EQ(fs.list(dir / "dmc", ListFilter::WithDirectories), Names{"dmc"});
    EXPECT_EQ(fs.list(dir / "dmc", ListFilter::NormalFiles), Names{});
    // A name no file can have, and a drive that is not there, list nothing.
    for (const std::string& absent : {dir / "missing\\*", dir / "bad<name>.exe", std::string("Q:\\HL\\hlds.exe")})
        EXPECT_EQ(fs.list(absent, ListFilter::WithDirectories), Names{}) << absent;
}

TEST_F(Win32FileSystemTest, WildcardsMatchTheLongNameOnly) {
    Make("cs_office.BSP");
    Make("de_dust.bsp2");
    Make("de_dust.bsp.bak");
    EXPECT_EQ(fs.list(dir / "*.bsp", ListFilter::NormalFiles), Names{"cs_office.BSP"});
}

TEST_F(Win32FileSystemTest, AttributesDirectoriesAndWholeFileReads) {
    Make("ro.cfg", FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(*fs.attributes(dir / "ro.cfg") & attr::ReadOnly);
    EXPECT_FALSE(fs.attributes(dir / "nothing"));
    EXPECT_TRUE(fs.createDirectory(dir / "games"));
    EXPECT_TRUE(*fs.attributes(dir / "games") & attr::Directory);
    EXPECT_FALSE(fs.createDirectory(dir / "games")) << "only once";
    EXPECT_FALSE(fs.createDirectory(dir / "no\\such\\parent"));

    const std::string bytes("a\r\nb\nc\0d\xff", 9);
    WriteBytes(dir / "bin.cfg", bytes);
    EXPECT_EQ(fs.readFile(dir / "bin.cfg"), bytes);
    EXPECT_EQ(fs.readFile(dir / "empty.cfg"), std::nullopt) << "missing is not empty";
    WriteBytes(dir / "empty.cfg", "");
    EXPECT_EQ(fs.readFile(dir / "empty.cfg"), "");
}

TEST_F(Win32FileSystemTest, ASaveMakesANewFileOrKeepsTheOldOneItsLinksModeAndAttributes) {
    ASSERT_TRUE(fs.writeFile(dir / "motd.txt", "first\r\n"));
    EXPECT_EQ(ReadBytes(dir / "motd.txt"), "first\r\n");
    ASSERT_TRUE(fs.writeFile(dir / "motd.txt", ""));
    EXPECT_EQ(ReadBytes(dir / "motd.txt"), "");

    Make("hidden.cfg", FILE_ATTRIBUTE_HIDDEN);
    ASSERT_TRUE(fs.writeFile(dir / "hidden.cfg", "new"));
    EXPECT_TRUE(*fs.attributes(dir / "hidden.cfg") & attr::Hidden);
    EXPECT_EQ(ReadBytes(dir / "hidden.cfg"), "new");

    // Files as a user or an installer may have made them, and what the
    // system says of each before and after its save: the file is the same
    // one, and every name it has shows the new text.
    const struct {
        const char *saved, *otherName, *makeIt, *ask, *says;
    } kept[] = {
        {"link.cfg", "real.cfg", "echo old > real.cfg && ln -s real.cfg link.cfg", "stat -c %F link.cfg",
         "symbolic link\n"},
        {"shared.cfg", "other.cfg", "echo old > shared.cfg && ln shared.cfg other.cfg", "stat -c %h shared.cfg",
         "2\n"},
        {"rcon.cfg", "rcon.cfg", "echo old > rcon.cfg && chmod 600 rcon.cfg", "stat -c %a rcon.cfg", "600\n"},
    };
    for (const auto& file : kept) {
        SCOPED_TRACE(file.saved);
        if (!UnixShell(dir.path(), file.makeIt))
            GTEST_SKIP() << "no Unix shell at Z:\\bin\\sh: links and modes are made and seen through it";
        ASSERT_EQ(UnixShell(dir.path(), file.ask), std::string(file.says));
        ASSERT_TRUE(fs.writeFile(dir / file.saved, "new"));
        EXPECT_EQ(ReadBytes(dir / file.otherName), "new");
        EXPECT_EQ(UnixShell(dir.path(), file.ask), std::string(file.says));
    }
    EXPECT_EQ(fs.list(dir / "~*", ListFilter::NormalFiles), Names{});

    // Names that an earlier program of our process number left behind (a
    // safety copy of a save that was killed) are passed over, and left alone.
    for (unsigned n = 0; n < 64; ++n) {
        char name[24];
        const unsigned serial = static_cast<unsigned>(GetCurrentProcessId() << 8) + n;
        snprintf(name, sizeof name, "~vantry-%04x.tmp", serial & 0xFFFFu);
        Make(name);
    }
    ASSERT_TRUE(fs.writeFile(dir / "server.cfg", "saved"));
    ASSERT_TRUE(fs.writeFile(dir / "server.cfg", "saved again"));
    EXPECT_EQ(ReadBytes(dir / "server.cfg"), "saved again");
    EXPECT_EQ(fs.list(dir / "~*", ListFilter::NormalFiles).size(), 64u);
}

// Names in any script and paths past MAX_PATH open, save and list through the
// program end to end (Unicode.*); here, what a wildcard counts in such a name.
TEST_F(Win32FileSystemTest, AQuestionMarkIsOneCharacterAndAnsiTextHoldsWhatItCan) {
    ASSERT_TRUE(fs.writeFile(dir / "\xE9\xBB\x98\xE8\xAE\xA4.cfg", "x"));
    EXPECT_EQ(fs.list(dir / "?.cfg", ListFilter::NormalFiles), Names{});
    EXPECT_EQ(fs.list(dir / "??.cfg", ListFilter::NormalFiles), Names{"\xE9\xBB\x98\xE8\xAE\xA4.cfg"});

    // File text in the ANSI code page (Wine's is 1252 here): what it holds
    // comes through, what it cannot hold is refused.
    EXPECT_EQ(fs.decodeAnsi("caf\xE9 \x81"), "caf\xC3\xA9 \xC2\x81");
    EXPECT_EQ(fs.encodeAnsi("caf\xC3\xA9 \xC2\x81"), "caf\xE9 \x81");
    EXPECT_EQ(fs.encodeAnsi("\xE6\x9D\xB1"), std::nullopt);
}

// A read-only file and one another program holds locked are refused and
// left whole through every editor end to end (BadInput.FilesThatCannot...).
TEST_F(Win32FileSystemTest, AFailedWriteKeepsTheOldBytesAndSaysSo) {
    EXPECT_FALSE(fs.writeFile(dir / "missing\\mapcycle.txt", "x"));
    MakeDir("valve");
    EXPECT_FALSE(fs.writeFile(dir / "valve", "x"));
    EXPECT_TRUE(*fs.attributes(dir / "valve") & attr::Directory);

    EXPECT_EQ(fs.list(dir / "*.tmp", ListFilter::NormalFiles), Names{});

    // Nor can a log be made where there is no folder, or in a directory's place.
    EXPECT_FALSE(fs.appendFile(dir / "missing\\vantry.log", "x"));
    EXPECT_FALSE(fs.appendFile(dir / "valve", "x"));
}

TEST_F(Win32FileSystemTest, AppendsLandAtTheEndWhileAnotherProgramHasTheFileOpen) {
    const std::string log = dir / "vantry.log";
    ASSERT_TRUE(fs.appendFile(log, "one\r\n"));
    // Another copy of the program, or a viewer that follows the log.
    HANDLE reader = CreateFileA(log.c_str(), GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0,
                                nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(fs.appendFile(log, "two\r\n"));
    EXPECT_TRUE(fs.appendFile(log, ""));
    CloseHandle(reader);
    EXPECT_EQ(ReadBytes(log), "one\r\ntwo\r\n");
}
