#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "core/platform/Clipboard.h"
#include "core/platform/Clock.h"
#include "core/platform/Network.h"
#include "core/platform/Processes.h"
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
    std::vector<std::string> keys(const std::string& app, const std::string& section) override {
        std::vector<std::string> found;
        for (const auto& [address, value] : values)
            if (std::get<0>(address) == app && std::get<1>(address) == section)
                found.push_back(std::get<2>(address));
        return found;
    }
    void remove(const std::string& app, const std::string& section, const std::string& key) override {
        values.erase({app, section, key});
    }
    std::map<std::tuple<std::string, std::string, std::string>, std::string> values;
};

// Keys and values in memory, their names compared without regard to case as
// the registry does. `refusedValue` ("root:KEY|VALUE") refuses its writes, as
// HKEY_CLASSES_ROOT does a user without administrator rights. `writes` logs
// each write that took, in order, as "root:key|value=data".
class FakeRegistry : public Registry {
public:
    std::string GetRegString(RegRoot root, const std::string& keyPath, const std::string& valueName) override {
        const auto it = values_.find(Name(root, keyPath, valueName));
        if (it == values_.end() || it->second.rfind("sz:", 0) != 0)
            return {};
        const std::string text = it->second.substr(3);
        return text.substr(0, text.find('\0'));
    }
    bool SetRegString(RegRoot root, const std::string& keyPath, const std::string& valueName,
                      const std::string& text) override {
        return set(root, keyPath, valueName, "sz:" + text);
    }
    bool SetRegDword(RegRoot root, const std::string& keyPath, const std::string& valueName,
                     std::uint32_t value) override {
        return set(root, keyPath, valueName, "dword:" + std::to_string(value));
    }
    void DeleteRegKey(RegRoot root, const std::string& keyPath) override {
        const std::string key = Key(root, keyPath);
        std::erase_if(values_, [&](const auto& v) { return v.first.rfind(key + "\\", 0) == 0 || v.first.rfind(key + "|", 0) == 0; });
    }
    void deleteRegValue(RegRoot root, const std::string& keyPath, const std::string& valueName) override {
        values_.erase(Name(root, keyPath, valueName));
    }
    // Every value under the key, subkeys included: "sub\\key|value" to "sz:text" or "dword:n".
    std::map<std::string, std::string> under(RegRoot root, const std::string& keyPath) const {
        std::map<std::string, std::string> found;
        const std::string key = Key(root, keyPath);
        for (const auto& [name, data] : values_)
            if (name.rfind(key, 0) == 0 && (name[key.size()] == '\\' || name[key.size()] == '|'))
                found[name.substr(key.size())] = data;
        return found;
    }

    std::string refusedValue;
    std::vector<std::string> writes;

private:
    bool set(RegRoot root, const std::string& keyPath, const std::string& valueName, const std::string& data) {
        if (Name(root, keyPath, valueName) == refusedValue)
            return false;
        values_[Name(root, keyPath, valueName)] = data;
        writes.push_back(Name(root, keyPath, valueName) + "=" + data);
        return true;
    }
    static std::string Key(RegRoot root, const std::string& keyPath) {
        const std::size_t start = keyPath.find_first_not_of('\\');
        return std::to_string(static_cast<int>(root)) + ":" +
               ToUpperAscii(start == std::string::npos ? std::string() : keyPath.substr(start));
    }
    static std::string Name(RegRoot root, const std::string& keyPath, const std::string& valueName) {
        return Key(root, keyPath) + "|" + ToUpperAscii(valueName);
    }
    std::map<std::string, std::string> values_;
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

// A box as one line: title / text / style.
inline std::string Describe(const BoxCall& c) { return c.title + " / " + c.text + " / " + std::to_string(c.style); }

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
    void associationsChanged() override { ++associationNotices; }
    int associationNotices = 0;
    bool execute(WindowHandle, const std::string& verb, const std::string& file,
                 const std::string& parameters, const std::string& directory, int showCommand) override {
        executed.push_back({verb, file, parameters, directory, showCommand});
        return true;
    }
    std::vector<ShellCall> executed;
};

// A clipboard in memory; not free, it refuses text as one held by another program does.
struct FakeClipboard : Clipboard {
    std::optional<std::string> text() override { return free ? std::optional(held) : std::nullopt; }
    bool setText(const std::string& t) override {
        if (free)
            held = t;
        return free;
    }
    std::string held;
    bool free = true;
};

// Time that moves only when a test moves it.
struct FakeClock : Clock {
    std::int64_t steadyMilliseconds() override { return now; }
    LocalTime localNow() override { return local; }
    std::int64_t now = 1000000;
    LocalTime local{2026, 12, 7, 3, 12, 45, 60};
};

// Processes as a test sets them: each start gets the next id, and a test
// ends one with an exit code or lets it vanish.
struct FakeProcesses : Processes {
    std::optional<ProcessId> start(const std::string& commandLine, const std::string& directory) override {
        starts.push_back(commandLine + " @ " + directory);
        if (refuse)
            return std::nullopt;
        const ProcessId id{nextPid++, nextPid * 10u};
        statuses[id.pid] = {ProcessState::Running, 0};
        return id;
    }
    ProcessStatus status(const ProcessId& process) override {
        const auto it = statuses.find(process.pid);
        return it == statuses.end() ? ProcessStatus{} : it->second;
    }
    bool ownsWindow(const ProcessId& process, DesktopWindow window) override {
        const auto it = windows.find(window);
        return it != windows.end() && it->second == process.pid;
    }
    void release(const ProcessId&) override {}

    void end(std::uint32_t pid, std::uint32_t exitCode) { statuses[pid] = {ProcessState::Ended, exitCode}; }

    std::uint32_t nextPid = 100;
    bool refuse = false;
    std::map<std::uint32_t, ProcessStatus> statuses;
    std::map<DesktopWindow, std::uint32_t> windows;  // a console and the process it belongs to
    std::vector<std::string> starts;
};

struct FakeNetwork : Network {
    bool udpPortFree(const std::string& address, int port) override {
        probes.push_back(address + ":" + std::to_string(port));
        return !taken.count(port);
    }
    std::set<int> taken;
    std::vector<std::string> probes;
};

}  // namespace vantry::fakes
