#pragma once

#include <cstdint>
#include <string>

namespace vantry {

// LocalMachine32 is HKEY_LOCAL_MACHINE as a 32-bit program sees it: on 64-bit
// Windows, the installers of 32-bit programs write their keys there.
enum class RegRoot { ClassesRoot, CurrentUser, LocalMachine, LocalMachine32 };

// The four registry operations. All are silent: a failure leaves the registry
// as it was and is seen only as the empty text of GetRegString.
class Registry {
public:
    virtual ~Registry() = default;

    // A REG_SZ value up to its first NUL; empty for a missing key or value, any
    // other type, or a failed read. Never creates anything.
    virtual std::string GetRegString(RegRoot root, const std::string& keyPath,
                                     const std::string& valueName) = 0;
    // Creates the key and any missing parents. An empty value name is the default value.
    virtual void SetRegString(RegRoot root, const std::string& keyPath,
                              const std::string& valueName, const std::string& text) = 0;
    virtual void SetRegDword(RegRoot root, const std::string& keyPath,
                             const std::string& valueName, std::uint32_t value) = 0;
    // Removes the key together with all its subkeys.
    virtual void DeleteRegKey(RegRoot root, const std::string& keyPath) = 0;
};

}  // namespace vantry
