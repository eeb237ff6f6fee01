#include "core/catalogue/MapLists.h"

#include <vector>

#include "core/text/Paths.h"
#include "core/text/Text.h"
#include "core/text/TextFile.h"

namespace vantry {

namespace {

std::string MapListFile(const Settings& settings, const std::string& game) {
    return settings.HLDSdir() + "games\\" + game + ".mps";
}

// Nothing when the file is missing or cannot be read.
std::vector<std::string> MapListLines(const Settings& settings, const std::string& game, FileSystem& fs) {
    const std::string path = MapListFile(settings, game);
    if (!FileExists(fs, path))
        return {};
    return ReadTextLines(fs, path).value_or(std::vector<std::string>{});
}

}  // namespace

void MapList::Clear() {
    lstMaps_.Clear();
    names_.clear();
    rows_ = 0;
}

void MapList::catchUp() {
    const int rows = lstMaps_.ListCount();
    if (rows == rows_)
        return;
    names_.clear();
    for (int row = 0; row < rows; ++row)
        names_.insert(ToLowerAscii(lstMaps_.List(row)));
    rows_ = rows;
}

void MapList::AddMapName(const std::string& name) {
    if (TrimSpaces(name).empty())
        return;
    catchUp();
    std::string lower = ToLowerAscii(name);
    if (names_.count(lower))
        return;
    lstMaps_.AddItem(lower);
    names_.insert(std::move(lower));
    rows_ = lstMaps_.ListCount();
}

void FillMapList(MapList& lstMaps, const std::string& game, const Settings& settings, FileSystem& fs) {
    lstMaps.Clear();
    for (const auto& line : MapListLines(settings, game, fs))
        lstMaps.AddMapName(line);

    const std::string maps =
        TrimSpaces(game).empty() ? settings.HLdir() + "maps\\" : settings.HLdir() + game + "\\maps\\";
    for (const auto& file : fs.list(maps + "*.bsp", ListFilter::NormalFiles)) {
        // A stray file named just ".bsp" names no map; the files after it still do.
        if (file.size() > 4)
            lstMaps.AddMapName(file.substr(0, file.size() - 4));
    }
}

void DirMaps(ListControl& lstMaps, const std::string& game, const Settings& settings, FileSystem& fs) {
    lstMaps.Clear();
    for (const auto& line : MapListLines(settings, game, fs))
        lstMaps.AddItem(line);
}

void SaveMapList(const ListControl& lstMaps, const std::string& shownGame, const Settings& settings,
                 FileSystem& fs) {
    std::vector<std::string> rows;
    const int count = lstMaps.ListCount();
    for (int row = 0; row < count; ++row)
        rows.push_back(lstMaps.List(row));
    WriteTextLines(fs, MapListFile(settings, shownGame), rows);
}

}  // namespace vantry
