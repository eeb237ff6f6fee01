#pragma once

#include <string>

#include "core/ui/ListControl.h"
#include "core/catalogue/PipeList.h"
#include "core/platform/FileSystem.h"
#include "core/platform/MessageBoxes.h"
#include "core/platform/WindowHandle.h"
#include "core/platform/FileDialogs.h"
#include "core/platform/Registry.h"
#include "core/startup/Locate.h"
#include "core/startup/Settings.h"

namespace vantry {

// The built-in default game, and the one the selectors pick when "Default" is blank.
inline constexpr char BuiltInGame[] = "valve";

// Everything a catalogue rebuild reaches the outside through.
struct CatalogueServices {
    Settings& settings;
    FileSystem& fs;
    Registry& registry;
    FileDialogs& dialogs;
    MessageBoxes& boxes;
    std::string startDir;  // the directory the running program was started from
};

// Locates both programs, scans the Half-Life directory, merges the result with
// games.cfg into GameEntries and writes games.cfg back. Beyond the locate
// steps nothing is ever reported: a step that fails is skipped.
[[nodiscard]] LocateResult LoadGameCatalogue(CatalogueServices& services, GameLists& lists,
                                             WindowHandle window);

// The game directories under the base directory, each followed by ";", in
// listing order ("cstrike;tfc;valve;"); the empty text when there are none.
std::string FindGameDirs(FileSystem& fs, const std::string& baseDir);

// Merges FoundDirs into CfgLines (new directories appended checked, entries
// whose directory is gone removed), rebuilds GameEntries from it and writes
// games.cfg.
void MergeGameList(const Settings& settings, FileSystem& fs, GameLists& lists);

// The catalogue file: HLDSdir, then "games\games.cfg".
std::string GamesCfg(const Settings& settings);

// games.cfg from GameEntries, or from the options window's checked list; the
// second says whether the file was written.
void WriteGamesCfg(const Settings& settings, FileSystem& fs, const GameLists& lists);
bool WriteGamesCfgFromOptions(const Settings& settings, FileSystem& fs,
                              const CheckListControl& lstGames);

// Rebuilds the catalogue, then fills the window's cmbGame with the checked
// games the filter takes and selects the default one, or else the first
// (which raises the selector's Click).
[[nodiscard]] LocateResult FillGameSelector(CatalogueServices& services, GameLists& lists,
                                            WindowHandle window, ListControl& cmbGame,
                                            NameFilter accepts = nullptr);

// Rebuilds the catalogue, then shows every entry in the options window's list
// with its check mark.
[[nodiscard]] LocateResult FillOptionsGameList(CatalogueServices& services, GameLists& lists,
                                               WindowHandle frmOptions, CheckListControl& lstGames);

// A window's game selector, for RefreshGameSelectors; a window that is not
// shown has no selector here, and is neither filled nor created.
struct ShownSelector {
    WindowHandle window = nullptr;
    ListControl* cmbGame = nullptr;
};

struct ShownSelectors {
    ShownSelector frmMapCycle, frmMOTD, frmOptions, frmServerRun;
};

// FillGameSelector for each shown window, in the order of the fields above.
[[nodiscard]] LocateResult RefreshGameSelectors(CatalogueServices& services, GameLists& lists,
                                                const ShownSelectors& shown);

}  // namespace vantry
