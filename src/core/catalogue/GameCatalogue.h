#pragma once

#include <string>

#include "core/catalogue/PipeList.h"
#include "core/platform/FileDialogs.h"
#include "core/platform/FileSystem.h"
#include "core/platform/MessageBoxes.h"
#include "core/platform/Registry.h"
#include "core/platform/WindowHandle.h"
#include "core/settings/Settings.h"
#include "core/startup/Locate.h"
#include "core/ui/ListControl.h"

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

// The catalogue file: HLDSdir, then "games\games.cfg".
std::string GamesCfg(const Settings& settings);

// games.cfg from the options window's checked list; false when the file was
// not written.
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

// The options window is modal over the main window, so its own selector is
// the only one shown while it applies.
struct ShownSelectors {
    ShownSelector frmOptions;
};

// FillGameSelector for each shown window.
[[nodiscard]] LocateResult RefreshGameSelectors(CatalogueServices& services, GameLists& lists,
                                                const ShownSelectors& shown);

}  // namespace vantry
