#pragma once

#include <string>

#include "core/platform/Registry.h"
#include "core/platform/Shell.h"
#include "core/settings/Settings.h"

namespace vantry {

// What registering, reading and removing the .cfg association reach.
struct AssociationServices {
    Settings& settings;
    Registry& registry;
    Shell& shell;
    std::string programPath;  // as registered: RegisteredProgramPath
};

// The running program as the association names it: its directory with one
// "\", its name without the extension, then ".EXE" ("C:\Tools\HLDS Vantry.EXE").
std::string RegisteredProgramPath(const std::string& modulePath);

// The document icon's position in the executable, kept to the four it carries.
int IconPosition(long iconIndex);

// Writes the eight entries under HKEY_CLASSES_ROOT. Where that write is
// refused, as it is for a user without administrator rights, the same entries
// go to the user's own classes, which Windows merges into HKEY_CLASSES_ROOT.
// Nothing else there is touched: other programs' entries under ".cfg" (their
// OpenWithProgids, ShellNew...) stay. Then "RegOnStart" is "1", and the shell
// hears of the change if the icon or the command changed.
void RegisterCfgAssociation(AssociationServices& services);

// Takes back, from both places, only what names this program: ".cfg"'s
// default value where it is "cfgfile", and the "cfgfile" key where its open
// command starts this very program. Then "RegOnStart" is "0".
void RemoveCfgAssociation(AssociationServices& services);

// The association counts only if its open command names this very program
// file; the comparison ignores case and nothing else.
bool CfgAssociated(AssociationServices& services);

}  // namespace vantry
