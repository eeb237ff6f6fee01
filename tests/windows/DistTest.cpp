// HLDS Vantry.exe as it ships: its resources, and the release zip unpacked
// into a fresh folder, from which the program runs.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "Processes.h"
#include "TempDir.h"
#include "UiDriver.h"
#include "core/Version.h"
#include "win/platform/Handles.h"
#include "win/ui/FrameIds.h"

using namespace vantry;
using namespace vantry::testutil;

namespace {

std::string ProgramPath() { return testutil::BinDir() + "\\HLDS Vantry.exe"; }

win::UniqueModule LoadProgram() {
    return win::UniqueModule(LoadLibraryExA(ProgramPath().c_str(), nullptr,
                                            LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
}

std::uint32_t Le(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes.at(at + static_cast<std::size_t>(i)));
    return value;
}

// The entries of a zip whose entries are stored, through its central
// directory, in their order there.
std::map<std::string, std::string> Unzip(const std::string& zip) {
    std::map<std::string, std::string> entries;
    const std::size_t end = zip.rfind(std::string("PK\5\6", 4));
    if (end == std::string::npos)
        return entries;
    std::size_t at = Le(zip, end + 16, 4);
    for (std::uint32_t n = Le(zip, end + 10, 2); n > 0; --n) {
        EXPECT_EQ(Le(zip, at + 10, 2), 0u) << "stored";
        const std::uint32_t size = Le(zip, at + 20, 4);
        const std::uint32_t nameLength = Le(zip, at + 28, 2);
        const std::size_t local = Le(zip, at + 42, 4);
        const std::string name = zip.substr(at + 46, nameLength);
        const std::size_t data = local + 30 + Le(zip, local + 26, 2) + Le(zip, local + 28, 2);
        entries[name] = zip.substr(data, size);
        at += 46 + nameLength + Le(zip, at + 30, 2) + Le(zip, at + 32, 2);
    }
    return entries;
}

}  // namespace

TEST(ProgramResources, IconsVersionAndManifest) {
    const auto exe = LoadProgram();
    ASSERT_TRUE(exe) << ProgramPath();

    // The program's icon comes first: the .cfg association names document
    // icons by position, 1 to 3 being 102 to 104.
    EXPECT_EQ(ExtractIconExA(ProgramPath().c_str(), -1, nullptr, nullptr, 0), 4u);
    for (int id : {102, 103, 104})
        EXPECT_NE(FindResourceA(exe.get(), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(14)), nullptr) << id;

    const std::string path = ProgramPath();
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
    ASSERT_GT(size, 0u);
    std::vector<char> data(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, data.data()));
    char* text = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\StringFileInfo\\040904b0\\FileVersion",
                               reinterpret_cast<void**>(&text), &length));
    EXPECT_STREQ(text, "3.3.1");
    VS_FIXEDFILEINFO* fixed = nullptr;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00030003u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00010000u);

    HRSRC res = FindResourceA(exe.get(), MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(res, nullptr);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(exe.get(), res))),
                               SizeofResource(exe.get(), res));
    for (const char* part : {"Microsoft.Windows.Common-Controls", "6.0.0.0", "dpiAware", "supportedOS"})
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
}

TEST(Dist, TheZipUnpacksToTheProgramAndItsGuideAndTheProgramRuns) {
    const std::string zip = ReadBytes(BinDir() + "\\..\\..\\dist\\HLDS-Vantry-" VANTRY_VERSION ".zip");
    ASSERT_FALSE(zip.empty()) << "make dist first";
    const auto entries = Unzip(zip);
    ASSERT_EQ(entries.size(), 2u);
    const std::string& guide = entries.at("HLDS Vantry.txt");
    EXPECT_NE(guide.find("HKEY_CURRENT_USER\\Software\\HLDSVantry\r\n"), std::string::npos);
    EXPECT_EQ(guide.find('\n'), guide.find("\r\n") + 1) << "CR LF line ends";

    TempDir fresh;
    for (const auto& [name, bytes] : entries)
        WriteBytes(fresh / name, bytes);
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\HLDSVantry");
    ChildProcess program('"' + (fresh / "HLDS Vantry.exe") + "\"", fresh.path());
    HWND main = program.waitForShownWindow("HLDSVantryMain");
    EXPECT_EQ(WindowText(main), "HLDS Vantry v" VANTRY_VERSION);
    PostMessageA(GetDlgItem(main, vantry::win::frame::IdExit), BM_CLICK, 0, 0);
    EXPECT_TRUE(program.waitExit(10000));
    // The first start registered the association for the program where it was unpacked.
    char command[MAX_PATH * 2] = {};
    DWORD size = sizeof command;
    RegGetValueA(HKEY_CLASSES_ROOT, "cfgfile\\Shell\\Open\\command", nullptr, RRF_RT_REG_SZ, nullptr, command, &size);
    std::string registered = command, dir = fresh.path();
    CharLowerA(registered.data());
    CharLowerA(dir.data());
    EXPECT_NE(registered.find(dir), std::string::npos) << command;
    RegDeleteTreeA(HKEY_CLASSES_ROOT, ".cfg");
    RegDeleteTreeA(HKEY_CLASSES_ROOT, "cfgfile");
}
