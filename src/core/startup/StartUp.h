#pragma once

#include <string>

#include "core/Version.h"
#include "core/platform/FileSystem.h"
#include "core/settings/Settings.h"

namespace vantry {

inline constexpr char ProgramTitle[] = "HLDS Vantry v" VANTRY_VERSION;

// The text after the executable name in a full command line as the platform
// gives it ("C:\x\HLDS Vantry.exe" /s gives /s). The executable may be quoted;
// the blanks that separate it from the rest are not part of the text.
std::string CommandLineText(const std::string& fullCommandLine);

// The first two characters of the command-line text, lower-cased.
std::string CommandSwitch(const std::string& commandLineText);

// The ShowIn setting as 0 (tray only), 1 (taskbar only) or 2 (both); any other
// stored number counts as 0.
int ShowInMode(const Settings& settings);

enum class StartWindow {
    Main,        // ShowMainWindow
    ServerRun,   // "/s"
    Cfg,         // "/c"
    MapCycle,    // "/m"
    Motd,        // "/o"
    CfgOpenFile  // an existing file: the editor loads hidden and opens it
};

struct StartPlan {
    bool registerCfgAssociation = false;
    StartWindow window = StartWindow::Main;
    // The file the editor opens at once: the text after "/c" (may be empty),
    // or the whole command line for CfgOpenFile.
    std::string filePath;
};

// What the start routine does for a command-line text: whether it registers the
// .cfg association first, and which one window it opens.
StartPlan PlanStart(const std::string& commandLineText, const Settings& settings, FileSystem& fs);

}  // namespace vantry
