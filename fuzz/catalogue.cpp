// games.cfg and a game's .mps list of any bytes: the rebuild writes back only
// "name;0" and "name;1" lines of games on disk, or leaves a games.cfg that is
// no text file as it was; every map is listed once.
#include <set>

#include "FakeCatalogue.h"
#include "FakeFileSystem.h"
#include "FakeListControl.h"
#include "FakePlatform.h"
#include "FuzzInput.h"
#include "core/catalogue/GameCatalogue.h"
#include "core/catalogue/MapLists.h"
#include "core/catalogue/SortedList.h"
#include "core/text/Text.h"
#include "core/text/TextFile.h"

using namespace vantry;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    fakes::FakeCatalogue c;
    fakes::FakeFileSystem& fs = c.fs;
    for (const char* game : {"valve", "cstrike", "dod"})
        fs.addDir(std::string("C:\\HL\\") + game + "\\maps");
    fs.addFile("C:\\HL\\valve\\maps\\crossfire.bsp");
    fs.addDir("C:\\Vantry\\games");
    const std::string cfg = input.part();
    fs.addFile("C:\\Vantry\\games\\games.cfg", cfg);
    fs.addFile("C:\\Vantry\\games\\valve.mps", input.part());
    fakes::FakeListControl games;
    FUZZ_CHECK(FillGameSelector(c.catalogue, c.lists, nullptr, games) == LocateResult::Known);
    const auto written = ReadTextLines(fs, "C:\\Vantry\\games\\games.cfg");
    if (!DecodeFileText(fs, cfg))
        FUZZ_CHECK(fs.readFile("C:\\Vantry\\games\\games.cfg") == cfg);
    else
        FUZZ_CHECK(written.has_value());
    for (const auto& line : written.value_or(std::vector<std::string>{})) {
        const auto semicolon = line.find(';');
        FUZZ_CHECK(line.empty() || (semicolon != std::string::npos && line.find('|') == std::string::npos));
        if (!line.empty()) {
            const std::string flag = line.substr(semicolon + 1);
            FUZZ_CHECK(flag == "0" || flag == "1");
        }
    }
    SortedList rows;
    MapList maps{rows};
    FillMapList(maps, "valve", c.settings, fs);
    const std::set<std::string> distinct(rows.rows().begin(), rows.rows().end());
    FUZZ_CHECK(distinct.size() == rows.rows().size());
    for (const auto& map : rows.rows())
        FUZZ_CHECK(!TrimSpaces(map).empty() && ToLowerAscii(map) == map);
    return 0;
}
