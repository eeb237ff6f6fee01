#include "win/platform/Win32Registry.h"

#include "win/platform/Handles.h"
#include "win/platform/WideText.h"

namespace vantry::win {

namespace {

// "\.cfg" and ".cfg" name the same key; the registry itself refuses the first.
std::wstring SubKey(const std::string& keyPath) {
    const auto start = keyPath.find_first_not_of('\\');
    return start == std::string::npos ? std::wstring() : Widen(std::string_view(keyPath).substr(start));
}

// The empty name is the key's default value.
const wchar_t* ValueName(const std::wstring& valueName) {
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
    if (RegOpenKeyExW(RootKey(root), SubKey(keyPath).c_str(), 0, KEY_QUERY_VALUE | View(root), key.put()) !=
        ERROR_SUCCESS)
        return std::nullopt;
    const std::wstring name = Widen(valueName);
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key.get(), ValueName(name), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return std::nullopt;
    // A value written without its NUL, or with an odd byte count, still reads whole.
    std::wstring data(size / sizeof(wchar_t) + 1, L'\0');
    DWORD got = static_cast<DWORD>(data.size() * sizeof(wchar_t));
    if (size > 0 &&
        RegQueryValueExW(key.get(), ValueName(name), nullptr, &type, reinterpret_cast<BYTE*>(data.data()),
                         &got) != ERROR_SUCCESS)
        return std::nullopt;
    if (type != REG_SZ)
        return std::nullopt;
    data.resize(std::min<std::size_t>(got / sizeof(wchar_t), data.size()));
    const auto nul = data.find(L'\0');
    if (nul != std::wstring::npos)
        data.resize(nul);
    return Narrow(data);
}

namespace {

// Creates the key and its missing parents, then sets the value; false on failure.
bool WriteRegValue(RegRoot root, const std::string& keyPath, const std::string& valueName, DWORD type,
                   const void* data, DWORD size) {
    UniqueRegKey key;
    if (RegCreateKeyExW(RootKey(root), SubKey(keyPath).c_str(), 0, nullptr, 0, KEY_SET_VALUE | View(root),
                        nullptr, key.put(), nullptr) != ERROR_SUCCESS)
        return false;
    const std::wstring name = Widen(valueName);
    return RegSetValueExW(key.get(), ValueName(name), 0, type, static_cast<const BYTE*>(data), size) ==
           ERROR_SUCCESS;
}

}  // namespace

bool WriteRegSz(RegRoot root, const std::string& keyPath, const std::string& valueName, const std::string& text) {
    const std::wstring wide = Widen(text);
    return WriteRegValue(root, keyPath, valueName, REG_SZ, wide.c_str(),
                         static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
}

std::string Win32Registry::GetRegString(RegRoot root, const std::string& keyPath,
                                        const std::string& valueName) {
    return ReadRegSz(root, keyPath, valueName).value_or(std::string());
}

bool Win32Registry::SetRegString(RegRoot root, const std::string& keyPath,
                                 const std::string& valueName, const std::string& text) {
    return WriteRegSz(root, keyPath, valueName, text);
}

bool Win32Registry::SetRegDword(RegRoot root, const std::string& keyPath,
                                const std::string& valueName, std::uint32_t value) {
    const DWORD data = value;
    return WriteRegValue(root, keyPath, valueName, REG_DWORD, &data, sizeof data);
}

void Win32Registry::DeleteRegKey(RegRoot root, const std::string& keyPath) {
    // The plain delete refuses a key that still has subkeys on NT; the class key
    // must go together with everything registration put below it.
    const std::wstring subKey = SubKey(keyPath);
    if (subKey.empty())
        return;  // never the whole root
    UniqueRegKey key;
    const REGSAM access = DELETE | KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE | KEY_SET_VALUE | View(root);
    if (RegOpenKeyExW(RootKey(root), subKey.c_str(), 0, access, key.put()) != ERROR_SUCCESS)
        return;
    RegDeleteTreeW(key.get(), nullptr);
    key.reset();
    RegDeleteKeyExW(RootKey(root), subKey.c_str(), View(root), 0);
}

std::vector<std::string> RegValueNames(RegRoot root, const std::string& keyPath) {
    std::vector<std::string> names;
    UniqueRegKey key;
    DWORD longest = 0;
    if (RegOpenKeyExW(RootKey(root), SubKey(keyPath).c_str(), 0, KEY_QUERY_VALUE | View(root), key.put()) !=
            ERROR_SUCCESS ||
        RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &longest,
                         nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return names;
    std::wstring name(longest + 1, L'\0');
    for (DWORD index = 0;;) {
        DWORD length = static_cast<DWORD>(name.size());
        const LSTATUS status =
            RegEnumValueW(key.get(), index, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_MORE_DATA && name.size() < 32768) {
            // A longer name came in since the key was measured.
            name.resize(name.size() * 2);
            continue;
        }
        if (status != ERROR_SUCCESS)
            break;
        if (length > 0)
            names.push_back(Narrow(std::wstring_view(name.data(), length)));
        ++index;
    }
    return names;
}

void RemoveRegValue(RegRoot root, const std::string& keyPath, const std::string& valueName) {
    UniqueRegKey key;
    if (RegOpenKeyExW(RootKey(root), SubKey(keyPath).c_str(), 0, KEY_SET_VALUE | View(root), key.put()) !=
        ERROR_SUCCESS)
        return;
    const std::wstring name = Widen(valueName);
    RegDeleteValueW(key.get(), ValueName(name));
}

void Win32Registry::deleteRegValue(RegRoot root, const std::string& keyPath, const std::string& valueName) {
    RemoveRegValue(root, keyPath, valueName);
}

}  // namespace vantry::win
