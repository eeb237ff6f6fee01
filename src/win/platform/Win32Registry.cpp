#include "win/platform/Win32Registry.h"

#include "win/platform/Handles.h"

namespace vantry::win {

namespace {

// "\.cfg" and ".cfg" name the same key; the registry itself refuses the first.
const char* SubKey(const std::string& keyPath) {
    const char* p = keyPath.c_str();
    while (*p == '\\')
        ++p;
    return p;
}

const char* ValueName(const std::string& valueName) {
    return valueName.empty() ? nullptr : valueName.c_str();
}

HKEY RootKey(RegRoot root) {
    switch (root) {
    case RegRoot::ClassesRoot:
        return HKEY_CLASSES_ROOT;
    case RegRoot::CurrentUser:
        return HKEY_CURRENT_USER;
    case RegRoot::LocalMachine:
    case RegRoot::LocalMachine32:
        return HKEY_LOCAL_MACHINE;
    }
    return nullptr;
}

// The access flag that picks the registry view.
REGSAM View(RegRoot root) { return root == RegRoot::LocalMachine32 ? KEY_WOW64_32KEY : 0; }

}  // namespace

std::optional<std::string> ReadRegSz(RegRoot root, const std::string& keyPath,
                                     const std::string& valueName) {
    UniqueRegKey key;
    if (RegOpenKeyExA(RootKey(root), SubKey(keyPath), 0, KEY_QUERY_VALUE | View(root), key.put()) !=
        ERROR_SUCCESS)
        return std::nullopt;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key.get(), ValueName(valueName), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ)
        return std::nullopt;
    std::string data(size, '\0');
    if (size > 0 &&
        RegQueryValueExA(key.get(), ValueName(valueName), nullptr, &type,
                         reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS)
        return std::nullopt;
    if (type != REG_SZ)
        return std::nullopt;
    data.resize(std::min<std::size_t>(size, data.size()));
    const auto nul = data.find('\0');
    if (nul != std::string::npos)
        data.resize(nul);
    return data;
}

bool WriteRegValue(RegRoot root, const std::string& keyPath, const std::string& valueName, DWORD type,
                   const void* data, DWORD size) {
    UniqueRegKey key;
    if (RegCreateKeyExA(RootKey(root), SubKey(keyPath), 0, nullptr, 0, KEY_SET_VALUE | View(root), nullptr,
                        key.put(), nullptr) != ERROR_SUCCESS)
        return false;
    return RegSetValueExA(key.get(), ValueName(valueName), 0, type,
                          static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
}

std::string Win32Registry::GetRegString(RegRoot root, const std::string& keyPath,
                                        const std::string& valueName) {
    return ReadRegSz(root, keyPath, valueName).value_or(std::string());
}

bool Win32Registry::SetRegString(RegRoot root, const std::string& keyPath,
                                 const std::string& valueName, const std::string& text) {
    return WriteRegValue(root, keyPath, valueName, REG_SZ, text.c_str(),
                  static_cast<DWORD>(text.size() + 1));
}

bool Win32Registry::SetRegDword(RegRoot root, const std::string& keyPath,
                                const std::string& valueName, std::uint32_t value) {
    const DWORD data = value;
    return WriteRegValue(root, keyPath, valueName, REG_DWORD, &data, sizeof data);
}

void Win32Registry::DeleteRegKey(RegRoot root, const std::string& keyPath) {
    // The plain delete refuses a key that still has subkeys on NT; the class key
    // must go together with everything registration put below it.
    if (*SubKey(keyPath) == '\0')
        return;  // never the whole root
    UniqueRegKey key;
    const REGSAM access = DELETE | KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE | KEY_SET_VALUE | View(root);
    if (RegOpenKeyExA(RootKey(root), SubKey(keyPath), 0, access, key.put()) != ERROR_SUCCESS)
        return;
    RegDeleteTreeA(key.get(), nullptr);
    key.reset();
    RegDeleteKeyExA(RootKey(root), SubKey(keyPath), View(root), 0);
}

}  // namespace vantry::win
