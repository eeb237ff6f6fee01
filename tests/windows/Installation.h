#pragma once

// HLDS Vantry.exe run for real, from another process, on an installation of
// its own: what it shows, and what it does to the files around it.
#include <windows.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <map>
#include <optional>
#include <ostream>
#include <string>

#include "Processes.h"
#include "TempDir.h"
#include "UiDriver.h"
#include "win/platform/WideText.h"

namespace vantry::testutil {

// Settings as the program stores them: REG_SZ, read and written in UTF-8 here.
inline void SetSetting(const char* section, const char* key, const std::string& value) {
    const std::wstring data = win::Widen(value);
    RegSetKeyValueW(HKEY_CURRENT_USER, win::Widen(std::string("Software\\HLDSVantry\\") + section).c_str(),
                    win::Widen(key).c_str(), REG_SZ, data.c_str(), static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
}

inline std::string Setting(const char* section, const char* key) {
    wchar_t data[4096] = {};
    DWORD size = sizeof data;
    RegGetValueW(HKEY_CURRENT_USER, win::Widen(std::string("Software\\HLDSVantry\\") + section).c_str(),
                 win::Widen(key).c_str(), RRF_RT_REG_SZ, nullptr, data, &size);
    return Narrow(data);
}

// Every file under a folder, with its size and a digest of its bytes: what a
// user could lose.
using Files = std::map<std::string, std::string>;

inline std::string Fingerprint(const std::string& bytes) {
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (const unsigned char c : bytes)
        hash = (hash ^ c) * 1099511628211ull;
    char text[64];
    snprintf(text, sizeof text, "%zu bytes, %016llx", bytes.size(), static_cast<unsigned long long>(hash));
    return text;
}

inline void AddFiles(const std::string& dir, const std::string& prefix, Files& files) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(win::SystemPath(dir + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::string name = Narrow(data.cFileName);
        if (name == "." || name == "..")
            continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            AddFiles(dir + "\\" + name, prefix + name + "\\", files);
        else
            files[prefix + name] = Fingerprint(ReadBytes(dir + "\\" + name));
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

inline Files FilesIn(const std::string& dir) {
    Files files;
    AddFiles(dir, "", files);
    return files;
}

// A message box of the program: its title and its text.
struct Box {
    std::string title, text;
    bool operator==(const Box&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const std::optional<Box>& box) {
    return box ? out << "[" << box->title << "] " << box->text : out << "no message";
}

inline Box BoxOf(HWND box) { return {WindowText(box), WindowText(GetDlgItem(box, 0xFFFF))}; }

// hlds.exe (the stand-in) and the game valve with one map, in a folder of
// their own; the program's folder, with its games folder, apart; settings
// that point at both, on a profile that has nothing else of the program.
class Installation {
public:
    // Both folders under the temp folder, or under the folder given; the
    // Half-Life folder's path that many UTF-16 characters long, if given.
    explicit Installation(const std::string& base = {}, std::size_t hlLength = 0)
        : hl(Base(base), hlLength), program(Base(base)) {
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\HLDSVantry");
        CopyFileW(win::Widen(BinDir() + "\\hlds-standin.exe").c_str(), win::SystemPath(hl / "hlds.exe").c_str(), FALSE);
        MakeDirectory(hl / "valve");
        MakeDirectory(hl / "valve\\maps");
        WriteBytes(hl / "valve\\maps\\crossfire.bsp", "");
        // Only its name is looked for: where the settings say the program is.
        WriteBytes(program / "HLDS Vantry.exe", "");
        MakeDirectory(program / "games");
        // As the program writes it, so that opening a window changes nothing.
        WriteBytes(program / "games\\games.cfg", "valve;1\r\n");
        SetSetting("Options", "HLdir", hl.path() + "\\");
        SetSetting("Options", "HLexe", "hlds.exe");
        SetSetting("Options", "HLDSdir", program.path() + "\\");
        SetSetting("Options", "HLDSexe", "HLDS Vantry.exe");
        SetSetting("Options", "RegOnStart", "0");
    }
    Installation(const Installation&) = delete;
    Installation& operator=(const Installation&) = delete;

    // Both folders, the program's under "program\".
    Files files() const {
        Files all = FilesIn(hl.path());
        for (const auto& [name, bytes] : FilesIn(program.path()))
            all["program\\" + name] = bytes;
        return all;
    }

    TempDir hl, program;

private:
    static std::string Base(const std::string& base) {
        if (!base.empty())
            return base;
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        return Narrow(temp);
    }
};

// The small volumes that tests/windows/volumes.sh mounts beside the build's
// bin folder: "full" and "readonly" (a read-only view of "readonly-source").
inline std::string VolumesDir() {
    const std::string bin = BinDir();
    return bin.substr(0, bin.rfind('\\')) + "\\volumes";
}

// HLDS Vantry.exe with the text after its name on the command line.
inline std::string ProgramLine(const std::string& arguments) {
    return '"' + BinDir() + "\\HLDS Vantry.exe\"" + (arguments.empty() ? "" : " " + arguments);
}

// The program's message box, shown now, or nullptr.
inline HWND BoxOf(const ChildProcess& program) { return program.window("#32770"); }

// The first of the two that the program shows: its window of that class, or a
// message box (which the window then waits for). Nothing within the deadline
// leaves both empty.
struct Shown {
    HWND window = nullptr;
    HWND box = nullptr;
};

inline Shown WaitForWindowOrBox(const ChildProcess& program, const char* className,
                                std::chrono::milliseconds deadline = std::chrono::seconds(10)) {
    Shown shown;
    WaitFor([&] {
        if ((shown.box = BoxOf(program)) && IsWindowVisible(shown.box))
            return true;
        shown.box = nullptr;
        shown.window = program.window(className);
        if (shown.window && !IsWindowVisible(shown.window))
            shown.window = nullptr;
        return shown.window != nullptr;
    }, deadline);
    return shown;
}

// Answers a message box as a click on one of its buttons, and waits for it to go.
inline bool Answer(HWND box, int button) {
    PressButton(box, button);
    return WaitFor([&] { return !IsWindow(box) || !IsWindowVisible(box); });
}

}  // namespace vantry::testutil
