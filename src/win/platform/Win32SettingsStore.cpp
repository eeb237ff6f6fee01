#include "win/platform/Win32SettingsStore.h"

#include "win/platform/Win32Registry.h"

namespace vantry::win {

namespace {
std::string SectionKey(const std::string& app, const std::string& section) {
    return "Software\\" + app + "\\" + section;
}
}  // namespace

std::optional<std::string> Win32SettingsStore::get(const std::string& app,
                                                   const std::string& section,
                                                   const std::string& key) {
    if (key.empty())
        return std::nullopt;  // the section's default value is not a setting
    return ReadRegSz(RegRoot::CurrentUser, SectionKey(app, section), key);
}

void Win32SettingsStore::save(const std::string& app, const std::string& section,
                              const std::string& key, const std::string& value) {
    if (key.empty())
        return;
    WriteRegSz(RegRoot::CurrentUser, SectionKey(app, section), key, value);
}

std::vector<std::string> Win32SettingsStore::keys(const std::string& app, const std::string& section) {
    return RegValueNames(RegRoot::CurrentUser, SectionKey(app, section));
}

void Win32SettingsStore::remove(const std::string& app, const std::string& section, const std::string& key) {
    if (key.empty())
        return;
    RemoveRegValue(RegRoot::CurrentUser, SectionKey(app, section), key);
}

}  // namespace vantry::win
