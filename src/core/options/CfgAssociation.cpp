#include "core/options/CfgAssociation.h"

#include <algorithm>

#include "core/text/Text.h"

namespace vantry {

namespace {

// HKEY_CURRENT_USER's share of HKEY_CLASSES_ROOT.
constexpr char UserClasses[] = "Software\\Classes";
constexpr char OpenCommandKey[] = "\\cfgfile\\Shell\\Open\\command";
constexpr char IconKey[] = "\\cfgfile\\DefaultIcon";

// The open command: the program path in double quotes, then " %1".
std::string CfgOpenCommand(const std::string& programPath) { return "\"" + programPath + "\" %1"; }

// The entries, in the order the shell expects them to appear, under one place.
bool WriteEntries(AssociationServices& s, RegRoot root, const std::string& base) {
    Registry& r = s.registry;
    const std::string icon = s.programPath + "," + std::to_string(IconPosition(s.settings.IconIndex()));
    bool took = r.SetRegString(root, base + "\\.cfg", "", "cfgfile");
    took = r.SetRegString(root, base + "\\.cfg", "Content Type", "text/plain") && took;
    took = r.SetRegString(root, base + "\\cfgfile", "", "CFG File") && took;
    took = r.SetRegDword(root, base + "\\cfgfile", "EditFlags", 0) && took;
    took = r.SetRegString(root, base + IconKey, "", icon) && took;
    took = r.SetRegString(root, base + "\\cfgfile\\Shell", "", "") && took;
    took = r.SetRegString(root, base + "\\cfgfile\\Shell\\Open", "", "") && took;
    took = r.SetRegString(root, base + OpenCommandKey, "", CfgOpenCommand(s.programPath)) && took;
    return took;
}

// The value as the shell sees it: the user's own first, then the machine's.
std::string Effective(AssociationServices& s, const std::string& key) {
    std::string value = s.registry.GetRegString(RegRoot::CurrentUser, UserClasses + key, "");
    return value.empty() ? s.registry.GetRegString(RegRoot::ClassesRoot, key, "") : value;
}

// What the shell shows: the icon and the command.
std::string Shown(AssociationServices& s) { return Effective(s, IconKey) + "\n" + Effective(s, OpenCommandKey); }

}  // namespace

std::string RegisteredProgramPath(const std::string& modulePath) {
    const std::size_t slash = modulePath.rfind('\\');
    const std::string dir = slash == std::string::npos ? std::string() : modulePath.substr(0, slash + 1);
    std::string name = modulePath.substr(dir.size());
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos)
        name.resize(dot);
    return dir + name + ".EXE";
}

int IconPosition(long iconIndex) { return static_cast<int>(std::clamp(iconIndex, 0L, 3L)); }

void RegisterCfgAssociation(AssociationServices& s) {
    const std::string before = Shown(s);
    if (!WriteEntries(s, RegRoot::ClassesRoot, ""))
        WriteEntries(s, RegRoot::CurrentUser, UserClasses);
    s.settings.setRegOnStart(1);
    if (Shown(s) != before)
        s.shell.associationsChanged();
}

void RemoveCfgAssociation(AssociationServices& s) {
    const std::string before = Shown(s);
    Registry& r = s.registry;
    for (const std::string& base : {std::string(), "\\" + std::string(UserClasses)}) {
        const RegRoot root = base.empty() ? RegRoot::ClassesRoot : RegRoot::CurrentUser;
        if (EqualsIgnoreCase(r.GetRegString(root, base + "\\.cfg", ""), "cfgfile"))
            r.deleteRegValue(root, base + "\\.cfg", "");
        if (EqualsIgnoreCase(r.GetRegString(root, base + OpenCommandKey, ""), CfgOpenCommand(s.programPath)))
            r.DeleteRegKey(root, base + "\\cfgfile");
    }
    s.settings.setRegOnStart(0);
    if (Shown(s) != before)
        s.shell.associationsChanged();
}

bool CfgAssociated(AssociationServices& s) {
    return ToLowerAscii(Effective(s, OpenCommandKey)) == ToLowerAscii(CfgOpenCommand(s.programPath));
}

}  // namespace vantry
