#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vantry {

// Per-user text values addressed by application, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored text, or nothing when the key is absent.
    virtual std::optional<std::string> get(const std::string& app, const std::string& section,
                                           const std::string& key) = 0;
    // Creates section and key as needed; a store that cannot be written is not an error.
    virtual void save(const std::string& app, const std::string& section, const std::string& key,
                      const std::string& value) = 0;
    // The section's keys, in no particular order; none for a missing section.
    virtual std::vector<std::string> keys(const std::string& app, const std::string& section) = 0;
    // Removes the key; a missing one is no error.
    virtual void remove(const std::string& app, const std::string& section, const std::string& key) = 0;
};

}  // namespace vantry
