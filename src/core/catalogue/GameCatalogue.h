#pragma once

#include <string>

#include "catalogue/ListControl.h"
#include "catalogue/PipeList.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/Registry.h"
#include "platform/WindowHandle.h"
#include "startup/Settings.h"

namespace vantry {

// What the user reads while the program looks for hlds.exe and for itself.
namespace locate {
inline constexpr char ServerPrompt[] = "Please locate the Half-Life Dedicated Server (HLDS.exe).";
inline constexpr char ServerTitle[] = "HLDS.exe";
inline constexpr char ServerDialogTitle[] = "Locate HLDS.exe";
inline constexpr char ServerFilter[] = "HLDS.exe (hlds.exe)|hlds.exe|EXE Files (*.exe)|*.exe";
inline constexpr char ServerRetry[] =
    "Cannot continue without location of the Half-Life Dedicated Server (HLDS.exe).\r\n"
    "Please press OK to locate, or Cancel to exit HLDS Vantry.";
inline constexpr char InstallKey[] = "SOFTWARE\\Valve\\Half-Life";
inline constexpr char InstallValue[] = "InstallPath";

inline constexpr char OwnPrompt[] = "Please locate HLDS Vantry (HLDS Vantry.exe).";
inline constexpr char OwnTitle[] = "HLDS Vantry.exe";
inline constexpr char OwnDialogTitle[] = "Locate HLDS Vantry.exe";
inline constexpr char OwnFilter[] =
    "HLDS Vantry.exe (HLDS Vantry.exe)|hlds vantry.exe|EXE Files (*.exe)|*.exe";
inline constexpr char OwnRetry[] =
    "Cannot continue without location of HLDS Vantry (HLDS Vantry.exe).\r\n"
    "Please press OK to locate, or Cancel to exit HLDS Vantry.";

inline constexpr unsigned RetryStyle = mb::OkCancel | mb::Exclamation;  // 49
}  // namespace locate

// The built-in default game, and the one the selectors pick when "Default" is blank.
inline constexpr char BuiltInGame[] = "valve";

// Whether the program may go on after a step that can ask where its files are.
// EndNow is the user's Cancel: the caller ends the program at once, saving
// nothing and running no window's close or unload step.
enum class LocateResult { Known, EndNow };

// Makes sure HLdir and HLexe name an existing file, asking the user with the
// open dialog until they choose one or cancel.
[[nodiscard]] LocateResult LocateServerExe(Settings& settings, FileSystem& fs, Registry& registry,
                                           FileDialogs& dialogs, MessageBoxes& boxes,
                                           WindowHandle owner);

// The same for HLDSdir and HLDSexe; the dialog opens where the program was started from.
[[nodiscard]] LocateResult LocateOwnExe(Settings& settings, FileSystem& fs, FileDialogs& dialogs,
                                        MessageBoxes& boxes, WindowHandle owner,
                                        const std::string& startDir);

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

// games.cfg from GameEntries, or from the options window's checked list.
void WriteGamesCfg(const Settings& settings, FileSystem& fs, const GameLists& lists);
void WriteGamesCfgFromOptions(const Settings& settings, FileSystem& fs,
                              const CheckListControl& lstGames);

// Rebuilds the catalogue, then fills the window's cmbGame with the checked
// games and selects the default one (which raises the selector's Click).
[[nodiscard]] LocateResult FillGameSelector(CatalogueServices& services, GameLists& lists,
                                            WindowHandle window, ListControl& cmbGame);

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
