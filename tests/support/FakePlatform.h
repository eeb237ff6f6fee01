#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "core/platform/Clipboard.h"
#include "core/platform/FileDialogs.h"
#include "core/platform/MessageBoxes.h"
#include "core/platform/Registry.h"
#include "core/platform/SettingsStore.h"
#include "core/platform/Shell.h"
#include "core/text/Text.h"

namespace vantry::fakes {

// The next answer of a script, or the given one once the script has run out.
template <typename T>
T NextAnswer(std::deque<T>& script, T otherwise) {
    if (script.empty())
        return otherwise;
    T answer = std::move(script.front());
    script.pop_front();
    return answer;
}

class FakeSettingsStore : public SettingsStore {
public:
    std::optional<std::string> get(const std::string& app, const std::string& section,
                                   const std::string& key) override {
        const auto it = values.find({app, section, key});
        return it == values.end() ? std::nullopt : std::optional(it->second);
    }
    void save(const std::string& app, const std::string& section, const std::string& key,
              const std::string& value) override {
        values[{app, section, key}] = value;
    }
    std::map<std::tuple<std::string, std::string, std::string>, std::string> values;
};

// Text values, their key and value names compared without regard to case as
// the registry does. The core only ever reads a text, so the other writes are
// not kept.
class FakeRegistry : public Registry {
public:
    std::string GetRegString(RegRoot root, const std::string& keyPath, const std::string& valueName) override {
        const auto it = texts_.find(Name(root, keyPath, valueName));
        return it == texts_.end() ? std::string() : it->second.substr(0, it->second.find('\0'));
    }
    void SetRegString(RegRoot root, const std::string& keyPath, const std::string& valueName,
                      const std::string& text) override {
        texts_[Name(root, keyPath, valueName)] = text;
    }
    void SetRegDword(RegRoot, const std::string&, const std::string&, std::uint32_t) override {}
    void DeleteRegKey(RegRoot, const std::string&) override {}

private:
    static std::string Name(RegRoot root, const std::string& keyPath, const std::string& valueName) {
        return std::to_string(static_cast<int>(root)) + ":" + ToUpperAscii(keyPath) + "|" + ToUpperAscii(valueName);
    }
    std::map<std::string, std::string> texts_;
};

struct DialogCall {
    WindowHandle owner;
    std::string filter, title, initialDir;
};

// Open and save dialogs answer from one script, in order; an empty script
// answers with a cancel.
class FakeFileDialogs : public FileDialogs {
public:
    std::string showOpen(WindowHandle owner, const std::string& filter, const std::string& title,
                         const std::string& initialDir) override {
        calls.push_back({owner, filter, title, initialDir});
        return NextAnswer(answers, std::string());
    }
    std::string showSave(WindowHandle owner, const std::string& filter, const std::string& title,
                         const std::string& initialDir) override {
        return showOpen(owner, filter, title, initialDir);
    }
    std::deque<std::string> answers;
    std::vector<DialogCall> calls;
};

struct BoxCall {
    WindowHandle owner;
    std::string text, title;
    unsigned style;
};

// Answers boxes from a script, in order; an empty script answers with OK.
class FakeMessageBoxes : public MessageBoxes {
public:
    int show(WindowHandle owner, const std::string& text, const std::string& title, unsigned style) override {
        calls.push_back({owner, text, title, style});
        return NextAnswer(answers, mb::Ok);
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
                 const std::string& parameters, const std::string& directory, int showCommand) override {
        executed.push_back({verb, file, parameters, directory, showCommand});
        return succeed;
    }
    bool succeed = true;
    std::vector<ShellCall> executed;
};

// A clipboard in memory; not free, it refuses text as one held by another program does.
struct FakeClipboard : Clipboard {
    std::string text() override { return held; }
    bool setText(const std::string& t) override {
        if (!free)
            return false;
        held = t;
        return true;
    }
    std::string held;
    bool free = true;
};

}  // namespace vantry::fakes
