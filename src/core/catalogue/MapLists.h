#pragma once

#include <string>
#include <vector>

#include "core/platform/FileSystem.h"
#include "core/settings/Settings.h"
#include "core/ui/ListControl.h"

namespace vantry {

// A window's lstMaps, filled with each map name once.
class MapList {
public:
    explicit MapList(ListControl& lstMaps) : lstMaps_(lstMaps) {}

    ListControl& control() { return lstMaps_; }
    const ListControl& control() const { return lstMaps_; }

    // The list holds the names and nothing else, in their order, each
    // lower-cased (not trimmed) and once; blank names are left out. The names
    // are weeded in a set and handed to the list at once, so that ten
    // thousand maps fill in O(n log n), not O(n²).
    void fill(const std::vector<std::string>& names);

private:
    ListControl& lstMaps_;
};

// The maps of a game: the names of its .mps list, then those of its map files,
// each once, where the filter takes them. The game is the selector's text;
// with none, the Half-Life directory's own maps folder is read.
void FillMapList(MapList& lstMaps, const std::string& game, const Settings& settings, FileSystem& fs,
                 NameFilter accepts = nullptr);

// The game's .mps list: HLDSdir, "games\", the game and ".mps".
std::string MapListFile(const Settings& settings, const std::string& game);

// The game's .mps list exactly as it stands in the file, blank lines included,
// for the options window to edit. The window then takes the game as its shown
// game. False, with an empty list, when the file exists but could not be read.
bool DirMaps(ListControl& lstMaps, const std::string& game, const Settings& settings, FileSystem& fs);

// Writes the rows, in the list's order, as the shown game's .mps list; false
// when the file could not be written.
bool SaveMapList(const ListControl& lstMaps, const std::string& shownGame, const Settings& settings,
                 FileSystem& fs);

}  // namespace vantry
