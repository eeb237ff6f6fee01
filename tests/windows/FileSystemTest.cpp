#include <gtest/gtest.h>
#include <windows.h>

#include "TempDir.h"
#include "core/text/Paths.h"
#include "win/platform/Win32FileSystem.h"

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
    // Listing a directory's own path gives its name, as the catalogue relies on.
    EXPECT_EQ(fs.list(dir / "dmc", ListFilter::WithDirectories), Names{"dmc"});
    EXPECT_EQ(fs.list(dir / "dmc", ListFilter::NormalFiles), Names{});
    EXPECT_EQ(fs.list(dir / "missing\\*", ListFilter::WithDirectories), Names{});
}

TEST_F(Win32FileSystemTest, WildcardsMatchTheLongNameOnly) {
    Make("cs_office.BSP");
    Make("de_dust.bsp2");
    Make("de_dust.bsp.bak");
    EXPECT_EQ(fs.list(dir / "*.bsp", ListFilter::NormalFiles), Names{"cs_office.BSP"});
}

TEST_F(Win32FileSystemTest, FileExistsOnRealFiles) {
    Make("hlds.exe");
    Make("hidden.cfg", FILE_ATTRIBUTE_HIDDEN);
    MakeDir("valve");
    EXPECT_TRUE(FileExists(fs, dir / "HLDS.EXE"));
    for (const std::string& absent : {dir / "hidden.cfg", dir / "valve", dir.path(), dir / "bad<name>.exe",
                                      std::string("Q:\\HL\\hlds.exe")})
        EXPECT_FALSE(FileExists(fs, absent)) << absent;
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

TEST_F(Win32FileSystemTest, AtomicWriteCreatesAndReplacesKeepsHiddenAndLeavesNoTemporaryFile) {
    ASSERT_TRUE(fs.writeFileAtomic(dir / "motd.txt", "first\r\n"));
    EXPECT_EQ(ReadBytes(dir / "motd.txt"), "first\r\n");
    ASSERT_TRUE(fs.writeFileAtomic(dir / "motd.txt", ""));
    EXPECT_EQ(ReadBytes(dir / "motd.txt"), "");
    EXPECT_EQ(fs.list(dir / "*", ListFilter::NormalFiles), Names{"motd.txt"});

    Make("hidden.cfg", FILE_ATTRIBUTE_HIDDEN);
    ASSERT_TRUE(fs.writeFileAtomic(dir / "hidden.cfg", "new"));
    EXPECT_TRUE(*fs.attributes(dir / "hidden.cfg") & attr::Hidden);
    EXPECT_EQ(ReadBytes(dir / "hidden.cfg"), "new");

    // Names that an earlier program of our process number left behind are
    // passed over, and left alone.
    for (int n = 0; n < 10; ++n)
        Make("server.cfg.~" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(n) + ".tmp");
    ASSERT_TRUE(fs.writeFileAtomic(dir / "server.cfg", "saved"));
    EXPECT_EQ(ReadBytes(dir / "server.cfg"), "saved");
    EXPECT_EQ(fs.list(dir / "server.cfg.~*", ListFilter::NormalFiles).size(), 10u);
}

TEST_F(Win32FileSystemTest, AFailedWriteKeepsTheOldBytesAndSaysSo) {
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
