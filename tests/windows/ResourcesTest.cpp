#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "TempDir.h"
#include "win/platform/Handles.h"

using namespace vantry;

namespace {

std::string ProgramPath() { return testutil::BinDir() + "\\HLDS Vantry.exe"; }

win::UniqueModule LoadProgram() {
    return win::UniqueModule(LoadLibraryExA(ProgramPath().c_str(), nullptr,
                                            LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
}

using Pixel = std::tuple<int, int, int>;  // red, green, blue

}  // namespace

TEST(ProgramResources, BitmapsHaveTheirSizesAndTwoColours) {
    const auto exe = LoadProgram();
    ASSERT_TRUE(exe) << ProgramPath();

    const Pixel orange{240, 103, 0}, green{72, 205, 0}, dim{170, 74, 0};
    const struct {
        const char* name;
        int width, height;
        Pixel glyph;  // on black
    } expected[] = {
        {"EX1", 10, 10, orange},  {"EX2", 10, 10, green},  {"EXD", 10, 10, dim},
        {"MIN1", 9, 9, orange},   {"MIN2", 9, 9, green},   {"MIND", 9, 9, dim},
        {"help1", 6, 9, orange},  {"help2", 6, 9, green},  {"HELPD", 6, 9, dim},
        {"ARROWR", 9, 9, orange}, {"ARROWL", 9, 9, orange}, {"ARROWU", 9, 9, orange}, {"ARROWD", 9, 9, orange},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.name);
        HRSRC res = FindResourceA(exe.get(), e.name, MAKEINTRESOURCEA(2));  // RT_BITMAP
        ASSERT_NE(res, nullptr);
        const auto* info = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(exe.get(), res)));
        EXPECT_EQ((std::tuple<int, int, int>(info->biWidth, info->biHeight, info->biBitCount)),
                  (std::tuple<int, int, int>(e.width, e.height, 24)));
        const auto* bits = reinterpret_cast<const BYTE*>(info) + info->biSize;
        const int stride = (e.width * 3 + 3) & ~3;
        std::set<Pixel> colours;
        for (int y = 0; y < e.height; ++y)
            for (int x = 0; x < e.width; ++x) {
                const BYTE* p = bits + y * stride + x * 3;
                colours.insert({p[2], p[1], p[0]});
            }
        EXPECT_EQ(colours, (std::set<Pixel>{{0, 0, 0}, e.glyph}));
    }
}

TEST(ProgramResources, TheProgramIconComesFirstThenThreeDocumentIcons) {
    // The .cfg association names document icons by position: 1 to 3 are 102 to 104.
    EXPECT_EQ(ExtractIconExA(ProgramPath().c_str(), -1, nullptr, nullptr, 0), 4u);
    const auto exe = LoadProgram();
    ASSERT_TRUE(exe);
    for (int id : {102, 103, 104})
        EXPECT_NE(FindResourceA(exe.get(), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(14)), nullptr) << id;
}

TEST(ProgramResources, VersionAndManifest) {
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

    const auto exe = LoadProgram();
    HRSRC res = FindResourceA(exe.get(), MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(res, nullptr);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(exe.get(), res))),
                               SizeofResource(exe.get(), res));
    for (const char* part : {"Microsoft.Windows.Common-Controls", "6.0.0.0", "dpiAware", "supportedOS"})
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
}
