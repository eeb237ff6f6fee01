#pragma once

#include <string>

#include "core/platform/FileDialogs.h"
#include "core/platform/FileSystem.h"
#include "core/platform/MessageBoxes.h"
#include "core/platform/Registry.h"
#include "core/platform/WindowHandle.h"
#include "core/settings/Settings.h"

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

}  // namespace vantry
