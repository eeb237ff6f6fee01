#pragma once

#include <cstdint>
#include <algorithm>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "core/platform/FileDialogs.h"
#include "core/platform/MessageBoxes.h"
#include "core/platform/Registry.h"
#include "core/platform/SettingsStore.h"
#include "core/platform/Shell.h"
#include "core/text/Text.h"

namespace vantry::fakes {

class FakeSettingsStore : public SettingsStore {
public:
    std::optional<std::string> get(const std::string& app, const std::string& section,
                                   const std::string& key) override {
        const auto it = values.find({app, section, key});
        if (it == values.end())
            return std::nullopt;
        return it->second;
    }
    void save(const std::string& app, const std::string& section, const std::string& key,
              const std::string& value) override {
        values[{app, section, key}] = value;
    }
    std::map<std::tuple<std::string, std::string, std::string>, std::string> values;
};

// Keys are compared without regard to case, as the registry does; a leading "\"
// names the same key.
class FakeRegistry : public Registry {
public:
    struct Value {
        std::uint32_t type;  // 1 REG_SZ, 4 REG_DWORD, 2 REG_EXPAND_SZ
        std::string data;
    };

    std::string GetRegString(RegRoot root, const std::string& keyPath,
                             const std::string& valueName) override {
        const auto key = keys.find(Key(root, keyPath));
        if (key == keys.end())
            return {};
        const auto value = key->second.find(ToUpperAscii(valueName));
        if (value == key->second.end() || value->second.type != 1)
            return {};
        return value->second.data.substr(0, value->second.data.find('\0'));
    }
    void SetRegString(RegRoot root, const std::string& keyPath, const std::string& valueName,
                      const std::string& text) override {
        calls.push_back("SetRegString " + keyPath + " [" + valueName + "] " + text);
        Create(root, keyPath)[ToUpperAscii(valueName)] = Value{1, text};
    }
    void SetRegDword(RegRoot root, const std::string& keyPath, const std::string& valueName,
                     std::uint32_t number) override {
        calls.push_back("SetRegDword " + keyPath + " [" + valueName + "] " + std::to_string(number));
        Create(root, keyPath)[ToUpperAscii(valueName)] = Value{4, std::to_string(number)};
    }
    void DeleteRegKey(RegRoot root, const std::string& keyPath) override {
        calls.push_back("DeleteRegKey " + keyPath);
        const auto prefix = Key(root, keyPath);
        std::erase_if(keys, [&](const auto& kv) {
            return kv.first == prefix || kv.first.rfind(prefix + "\\", 0) == 0;
        });
    }

    std::map<std::string, Value>& Create(RegRoot root, const std::string& keyPath) {
        return keys[Key(root, keyPath)];
    }
    bool HasKey(RegRoot root, const std::string& keyPath) const {
        return keys.count(Key(root, keyPath)) != 0;
    }
    static std::string Key(RegRoot root, std::string keyPath) {
        if (!keyPath.empty() && keyPath.front() == '\\')
            keyPath.erase(0, 1);
        return std::to_string(static_cast<int>(root)) + ":" + ToUpperAscii(keyPath);
    }

    std::map<std::string, std::map<std::string, Value>> keys;
    std::vector<std::string> calls;
};

struct DialogCall {
    bool save;
    WindowHandle owner;
    std::string filter, title, initialDir;
};

// Answers dialogs from a script, in order; an empty script answers with a cancel.
class FakeFileDialogs : public FileDialogs {
public:
    std::string showOpen(WindowHandle owner, const std::string& filter, const std::string& title,
                         const std::string& initialDir) override {
        return Answer({false, owner, filter, title, initialDir});
    }
    std::string showSave(WindowHandle owner, const std::string& filter, const std::string& title,
                         const std::string& initialDir) override {
        return Answer({true, owner, filter, title, initialDir});
    }
    std::deque<std::string> answers;
    std::vector<DialogCall> calls;

private:
    std::string Answer(DialogCall call) {
        calls.push_back(std::move(call));
        if (answers.empty())
            return {};
        std::string answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

struct BoxCall {
    WindowHandle owner;
    std::string text, title;
    unsigned style;
};

// Answers boxes from a script, in order; an empty script answers with OK.
class FakeMessageBoxes : public MessageBoxes {
public:
    int show(WindowHandle owner, const std::string& text, const std::string& title,
             unsigned style) override {
        calls.push_back({owner, text, title, style});
        if (answers.empty())
            return mb::Ok;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<int> answers;
    std::vector<BoxCall> calls;
};

struct ShellCall {
    std::string verb, file, parameters, directory;
    int showCommand;
};

class FakeShell : public Shell {
public:
    bool execute(WindowHandle, const std::string& verb, const std::string& file,
                 const std::string& parameters, const std::string& directory,
                 int showCommand) override {
        executed.push_back({verb, file, parameters, directory, showCommand});
        return succeed;
    }
    bool succeed = true;
    std::vector<ShellCall> executed;
};

}  // namespace vantry::fakes
