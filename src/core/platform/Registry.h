#pragma once

#include <cstdint>
#include <string>

namespace vantry {

// LocalMachine32 is HKEY_LOCAL_MACHINE as a 32-bit program sees it: on 64-bit
// Windows, the installers of 32-bit programs write their keys there.
enum class RegRoot { ClassesRoot, CurrentUser, LocalMachine, LocalMachine32 };

// The registry operations. None reports anything to the user: a failure
// leaves the registry as it was. The writes tell their caller whether they
// took, so a refused write can be made again where the user may write.
class Registry {
public:
    virtual ~Registry() = default;

    // A REG_SZ value up to its first NUL; empty for a missing key or value, any
    // other type, or a failed read. Never creates anything.
    virtual std::string GetRegString(RegRoot root, const std::string& keyPath,
                                     const std::string& valueName) = 0;
    // Creates the key and any missing parents. An empty value name is the default value.
    virtual bool SetRegString(RegRoot root, const std::string& keyPath,
                              const std::string& valueName, const std::string& text) = 0;
    virtual bool SetRegDword(RegRoot root, const std::string& keyPath,
                             const std::string& valueName, std::uint32_t value) = 0;
    // Removes the key together with all its subkeys.
    virtual void DeleteRegKey(RegRoot root, const std::string& keyPath) = 0;
    // Removes one value and nothing else; the empty name is the default value.
    virtual void deleteRegValue(RegRoot root, const std::string& keyPath, const std::string& valueName) = 0;
};

}  // namespace vantry
