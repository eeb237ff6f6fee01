#include "core/catalogue/MapLists.h"

#include <optional>
#include <unordered_set>
#include <vector>

#include "core/text/Paths.h"
#include "core/text/Text.h"
#include "core/text/TextFile.h"

namespace vantry {

std::string MapListFile(const Settings& settings, const std::string& game) {
    return settings.HLDSdir() + "games\\" + game + ".mps";
}

namespace {

// Where a game's map files are listed from: its maps folder, or with no game
// the Half-Life directory's own.
std::string MapFilesPattern(const Settings& settings, const std::string& game) {
    const std::string folder = TrimSpaces(game).empty() ? std::string() : game + "\\";
    return settings.HLdir() + folder + "maps\\*.bsp";
}

// Nothing when the file is missing or cannot be read.
std::vector<std::string> MapListLines(const Settings& settings, const std::string& game, FileSystem& fs) {
    const std::string path = MapListFile(settings, game);
    if (!FileExists(fs, path))
        return {};
    return ReadTextLines(fs, path).value_or(std::vector<std::string>{});
}

}  // namespace

namespace {

// The name as it is listed, or nothing when it is blank or listed already.
std::optional<std::string> Unlisted(const std::string& name, std::unordered_set<std::string>& listed) {
    if (TrimSpaces(name).empty())
        return std::nullopt;
    std::string lower = ToLowerAscii(name);
    if (!listed.insert(lower).second)
        return std::nullopt;
    return lower;
}

}  // namespace

void MapList::fill(const std::vector<std::string>& names) {
    std::unordered_set<std::string> listed;
    std::vector<std::string> rows;
    rows.reserve(names.size());
    for (const auto& name : names)
        if (auto row = Unlisted(name, listed))
            rows.push_back(std::move(*row));
    lstMaps_.fill(rows);
}

void FillMapList(MapList& lstMaps, const std::string& game, const Settings& settings, FileSystem& fs,
                 NameFilter accepts) {
    std::vector<std::string> names = MapListLines(settings, game, fs);
    for (const auto& file : fs.list(MapFilesPattern(settings, game), ListFilter::NormalFiles)) {
        // A stray file named just ".bsp" names no map; the files after it still do.
        if (file.size() > 4)
            names.push_back(file.substr(0, file.size() - 4));
    }
    if (accepts)
        std::erase_if(names, [&](const std::string& name) { return !accepts(name); });
    lstMaps.fill(names);
}

bool DirMaps(ListControl& lstMaps, const std::string& game, const Settings& settings, FileSystem& fs) {
    lstMaps.clear();
    const std::string path = MapListFile(settings, game);
    if (!FileExists(fs, path))
        return true;
    const auto lines = ReadTextLines(fs, path);
    lstMaps.fill(lines.value_or(std::vector<std::string>{}));
    return lines.has_value();
}

bool SaveMapList(const ListControl& lstMaps, const std::string& shownGame, const Settings& settings,
                 FileSystem& fs) {
    std::vector<std::string> rows;
    const int count = lstMaps.count();
    for (int row = 0; row < count; ++row)
        rows.push_back(lstMaps.text(row));
    return WriteTextLines(fs, MapListFile(settings, shownGame), rows);
}

}  // namespace vantry
