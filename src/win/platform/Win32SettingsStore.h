#pragma once

#include "core/platform/SettingsStore.h"

namespace vantry::win {

// HKEY_CURRENT_USER\Software\<application>\<section>, one REG_SZ value a key.
class Win32SettingsStore : public SettingsStore {
public:
    std::optional<std::string> get(const std::string& app, const std::string& section,
                                   const std::string& key) override;
    void save(const std::string& app, const std::string& section, const std::string& key,
              const std::string& value) override;
    std::vector<std::string> keys(const std::string& app, const std::string& section) override;
    void remove(const std::string& app, const std::string& section, const std::string& key) override;
};

}  // namespace vantry::win
