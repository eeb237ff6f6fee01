#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "core/platform/Registry.h"

namespace vantry::win {

class Win32Registry : public Registry {
public:
    std::string GetRegString(RegRoot root, const std::string& keyPath,
                             const std::string& valueName) override;
    bool SetRegString(RegRoot root, const std::string& keyPath, const std::string& valueName,
                      const std::string& text) override;
    bool SetRegDword(RegRoot root, const std::string& keyPath, const std::string& valueName,
                     std::uint32_t value) override;
    void DeleteRegKey(RegRoot root, const std::string& keyPath) override;
    void deleteRegValue(RegRoot root, const std::string& keyPath, const std::string& valueName) override;
};

// A REG_SZ value up to its first NUL; nothing when the key or value is missing,
// of another type, or unreadable. Opens for reading only, so it creates nothing.
std::optional<std::string> ReadRegSz(RegRoot root, const std::string& keyPath,
                                     const std::string& valueName);

bool WriteRegSz(RegRoot root, const std::string& keyPath, const std::string& valueName, const std::string& text);

// The names of the key's values, its default value left out; none for a
// missing or unreadable key.
std::vector<std::string> RegValueNames(RegRoot root, const std::string& keyPath);
// Deletes one value; a missing key or value is no error.
void RemoveRegValue(RegRoot root, const std::string& keyPath, const std::string& valueName);

}  // namespace vantry::win
