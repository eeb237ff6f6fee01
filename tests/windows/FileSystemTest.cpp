#include <gtest/gtest.h>
#include <windows.h>

#include "TempDir.h"
#include "catalogue/Paths.h"
#include "platform/Win32FileSystem.h"
#include "text/TextFile.h"

using namespace vantry;
using vantry::testutil::TempDir;
using vantry::testutil::ReadBytes;
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
    EXPECT_EQ(fs.list(dir / "*.TXT", ListFilter::NormalFiles).size(), 4u);
    // Listing a directory's own path gives its name, as the catalogue relies on.
    EXPECT_EQ(fs.list(dir / "dmc", ListFilter::WithDirectories), Names{"dmc"});
    EXPECT_EQ(fs.list(dir / "dmc", ListFilter::NormalFiles), Names{});
    EXPECT_EQ(fs.list(dir / "missing\\*", ListFilter::WithDirectories), Names{});
    EXPECT_EQ(fs.list("Q:\\nowhere\\*", ListFilter::NormalFiles), Names{});
}

TEST_F(Win32FileSystemTest, WildcardsMatchTheLongNameOnly) {
    Make("de_dust.bsp");
    Make("cs_office.BSP");
    Make("de_dust.bsp2");
    Make("de_dust.bsp.bak");
    EXPECT_EQ(fs.list(dir / "*.bsp", ListFilter::NormalFiles), (Names{"cs_office.BSP", "de_dust.bsp"}));
}

TEST_F(Win32FileSystemTest, FileExistsOnRealFiles) {
    Make("hlds.exe");
    Make("readonly.cfg", FILE_ATTRIBUTE_READONLY);
    Make("hidden.cfg", FILE_ATTRIBUTE_HIDDEN);
    Make("system.cfg", FILE_ATTRIBUTE_SYSTEM);
    MakeDir("valve");

    EXPECT_TRUE(FileExists(fs, dir / "hlds.exe"));
    EXPECT_TRUE(FileExists(fs, dir / "HLDS.EXE"));
    EXPECT_TRUE(FileExists(fs, dir / "readonly.cfg"));
    EXPECT_FALSE(FileExists(fs, dir / "hidden.cfg"));
    EXPECT_FALSE(FileExists(fs, dir / "system.cfg"));
    EXPECT_FALSE(FileExists(fs, dir / "valve"));
    EXPECT_FALSE(FileExists(fs, dir.path()));
    EXPECT_FALSE(FileExists(fs, dir / "missing.exe"));
    EXPECT_FALSE(FileExists(fs, "Q:\\HL\\hlds.exe"));
    EXPECT_FALSE(FileExists(fs, dir / "bad<name>.exe"));
}

TEST_F(Win32FileSystemTest, AttributesAndWholeFileReads) {
    Make("ro.cfg", FILE_ATTRIBUTE_READONLY);
    MakeDir("maps");
    EXPECT_TRUE(*fs.attributes(dir / "ro.cfg") & attr::ReadOnly);
    EXPECT_TRUE(*fs.attributes(dir / "maps") & attr::Directory);
    EXPECT_FALSE(fs.attributes(dir / "nothing"));

    const std::string bytes("a\r\nb\nc\0d\xff", 9);
    WriteBytes(dir / "bin.cfg", bytes);
    EXPECT_EQ(fs.readFile(dir / "bin.cfg"), bytes);
    EXPECT_EQ(fs.readFile(dir / "empty.cfg"), std::nullopt);
    WriteBytes(dir / "empty.cfg", "");
    EXPECT_EQ(fs.readFile(dir / "empty.cfg"), "");
}

TEST_F(Win32FileSystemTest, DirectoriesAreCreatedOnlyOnce) {
    EXPECT_TRUE(fs.createDirectory(dir / "games"));
    EXPECT_TRUE(*fs.attributes(dir / "games") & attr::Directory);
    EXPECT_FALSE(fs.createDirectory(dir / "games"));
    EXPECT_FALSE(fs.createDirectory(dir / "no\\such\\parent"));
}

TEST_F(Win32FileSystemTest, AtomicWriteCreatesAndReplacesAndLeavesNoTemporaryFile) {
    ASSERT_TRUE(fs.writeFileAtomic(dir / "motd.txt", "first\r\n"));
    EXPECT_EQ(ReadBytes(dir / "motd.txt"), "first\r\n");
    ASSERT_TRUE(fs.writeFileAtomic(dir / "motd.txt", "second"));
    EXPECT_EQ(ReadBytes(dir / "motd.txt"), "second");
    ASSERT_TRUE(fs.writeFileAtomic(dir / "motd.txt", ""));
    EXPECT_EQ(ReadBytes(dir / "motd.txt"), "");
    EXPECT_EQ(fs.list(dir / "*", ListFilter::NormalFiles), Names{"motd.txt"});
}

TEST_F(Win32FileSystemTest, AFailedWriteKeepsTheOldBytesAndSaysSo) {
    Make("locked.cfg", FILE_ATTRIBUTE_NORMAL);
    WriteBytes(dir / "locked.cfg", "old bytes");
    SetFileAttributesA((dir / "locked.cfg").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(fs.writeFileAtomic(dir / "locked.cfg", "new bytes"));
    EXPECT_EQ(ReadBytes(dir / "locked.cfg"), "old bytes");

    EXPECT_FALSE(fs.writeFileAtomic(dir / "missing\\mapcycle.txt", "x"));
    MakeDir("valve");
    EXPECT_FALSE(fs.writeFileAtomic(dir / "valve", "x"));
    EXPECT_TRUE(*fs.attributes(dir / "valve") & attr::Directory);

    // A file another program holds open without sharing cannot be replaced.
    WriteBytes(dir / "busy.cfg", "busy");
    HANDLE busy = CreateFileA((dir / "busy.cfg").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    ASSERT_NE(busy, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(fs.writeFileAtomic(dir / "busy.cfg", "lost"));
    CloseHandle(busy);
    EXPECT_EQ(ReadBytes(dir / "busy.cfg"), "busy");

    EXPECT_EQ(fs.list(dir / "*.tmp", ListFilter::NormalFiles), Names{});
}

TEST_F(Win32FileSystemTest, SavingKeepsAHiddenFileHidden) {
    Make("hidden.cfg", FILE_ATTRIBUTE_HIDDEN);
    ASSERT_TRUE(fs.writeFileAtomic(dir / "hidden.cfg", "new"));
    EXPECT_TRUE(*fs.attributes(dir / "hidden.cfg") & attr::Hidden);
    EXPECT_EQ(ReadBytes(dir / "hidden.cfg"), "new");
}

TEST_F(Win32FileSystemTest, TextFilesRoundTripByteForByte) {
    const std::vector<std::string> lines{"cstrike;1", " valve ;0", "", "tab\there"};
    ASSERT_TRUE(WriteTextLines(fs, dir / "games.cfg", lines));
    EXPECT_EQ(ReadBytes(dir / "games.cfg"), "cstrike;1\r\n valve ;0\r\n\r\ntab\there\r\n");
    EXPECT_EQ(ReadTextLines(fs, dir / "games.cfg"), lines);
}
