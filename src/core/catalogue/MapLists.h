#pragma once

#include <string>
#include <unordered_set>

#include "core/catalogue/ListControl.h"
#include "core/platform/FileSystem.h"
#include "core/startup/Settings.h"

namespace vantry {

// A window's lstMaps with the lower-cased names it shows kept beside it, so
// that a name already listed is found without going through every row: a list
// of ten thousand maps fills in O(n log n), not O(n²).
class MapList {
public:
    explicit MapList(ListControl& lstMaps) : lstMaps_(lstMaps) {}

    ListControl& control() { return lstMaps_; }
    const ListControl& control() const { return lstMaps_; }

    void Clear();

    // Adds the name lower-cased (not trimmed) unless it is blank or already listed.
    void AddMapName(const std::string& name);

private:
    // Rows may have come or gone past this object (the options window adds its
    // own); then the names are read again from the rows.
    void catchUp();

    ListControl& lstMaps_;
    std::unordered_set<std::string> names_;
    int rows_ = 0;
};

// The maps of a game: the names of its .mps list, then those of its map files,
// each once. The game is the selector's text; with none, the Half-Life
// directory's own maps folder is read.
void FillMapList(MapList& lstMaps, const std::string& game, const Settings& settings, FileSystem& fs);

// The game's .mps list exactly as it stands in the file, blank lines included,
// for the options window to edit. The window then takes the game as its shown game.
void DirMaps(ListControl& lstMaps, const std::string& game, const Settings& settings, FileSystem& fs);

// Writes the rows, in the list's order, as the shown game's .mps list.
void SaveMapList(const ListControl& lstMaps, const std::string& shownGame, const Settings& settings,
                 FileSystem& fs);

}  // namespace vantry
