// HLDS Vantry.exe run for real, on an installation of its own, and driven from
// another process as a user's clicks and keys reach it: the one fixture and
// the helpers of every test that runs the program.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "Processes.h"
#include "TempDir.h"
#include "UiDriver.h"
#include "win/editors/CfgEditorWindow.h"
#include "win/editors/MapCycleEditorWindow.h"
#include "win/editors/MotdEditorWindow.h"
#include "win/options/OptionsWindow.h"
#include "win/platform/WideText.h"
#include "win/servers/LauncherWindow.h"
#include "win/servers/MainWindow.h"
#include "win/ui/FrameIds.h"

namespace vantry::testutil {

using namespace std::chrono_literals;

// Control ids as a user's keyboard and a screen reader reach them.
using Main = win::MainWindow;
using Launcher = win::LauncherWindow;
using Options = win::OptionsWindow;
using CfgEditor = win::CfgEditorWindow;
using MapCycle = win::MapCycleEditorWindow;
using MotdEditor = win::MotdEditorWindow;
inline constexpr int IdList = Main::IdList, IdName2 = Main::IdName2, IdRename = Main::IdRename,
                     IdMainStart = Main::IdStart, IdExit = win::frame::IdExit;
// The static text of a message box, as the system numbers it.
inline constexpr int IdBoxText = 0xFFFF;

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

inline void SetOption(const char* key, const std::string& value) { SetSetting("Options", key, value); }
inline std::string Option(const char* key) { return Setting("Options", key); }

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

// Hidden and system files too, as a file manager set to show everything lists
// them; added to the given ones, each name after the prefix.
inline Files FilesIn(const std::string& dir, Files files = {}, const std::string& prefix = {}) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(win::SystemPath(dir + "\\*").c_str(), &data);
    for (bool more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileW(find, &data)) {
        const std::string name = Narrow(data.cFileName);
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (name != "." && name != "..")
                files = FilesIn(dir + "\\" + name, std::move(files), prefix + name + "\\");
        } else
            files[prefix + name] = Fingerprint(ReadBytes(dir + "\\" + name));
    }
    FindClose(find);
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

inline Box BoxOf(HWND box) { return {WindowText(box), WindowText(GetDlgItem(box, IdBoxText))}; }
inline std::string BoxText(HWND box) { return WindowText(GetDlgItem(box, IdBoxText)); }

// The program's message box, shown now, or nullptr.
inline HWND BoxOf(const ChildProcess& program) { return program.window("#32770"); }

// The first of the two that the program shows: its window of that class, or a
// message box (which the window then waits for). Nothing within the deadline
// leaves both empty.
struct Shown {
    HWND window = nullptr, box = nullptr;
};

inline Shown WaitForWindowOrBox(const ChildProcess& program, const char* className,
                                std::chrono::milliseconds deadline = 10s) {
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

// A click on one of a window's buttons, posted as a mouse click leaves it.
inline void Click(HWND window, int id) { PostMessageA(GetDlgItem(window, id), BM_CLICK, 0, 0); }

// A click into a text field, a text typed there, and Enter.
inline void TypeThenEnter(HWND field, const char* text) {
    SendMessageA(field, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(field, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    PostMessageA(field, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    PostMessageA(field, WM_KEYUP, VK_RETURN, 0xC01C0001);
}

// The inner edit or combo box of one of the program's own controls.
inline HWND Inner(HWND window, int id, const char* className) {
    return FindWindowExA(GetDlgItem(window, id), nullptr, className, nullptr);
}

struct Entry {
    std::string text;
    bool ticked;
};

// A tick list (lstServers, the options window's games) as another process
// sees it. An entry dropped while it is read ends the reading there.
inline std::vector<Entry> Entries(HWND list) {
    std::vector<Entry> entries;
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t wide[512] = {};
        if (SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide)) == LB_ERR)
            break;
        entries.push_back({Narrow(wide), SendMessageA(list, LB_GETITEMDATA, i, 0) == 1});
    }
    return entries;
}

inline int IndexOf(HWND list, const std::string& text) {
    const auto entries = Entries(list);
    const auto at = std::find_if(entries.begin(), entries.end(), [&](const Entry& e) { return e.text == text; });
    return at == entries.end() ? -1 : static_cast<int>(at - entries.begin());
}

// A click at a point of an entry shown in the list: on its tick box (x
// small) or on its text. False when the program did not take it within five
// seconds, as one whose window is frozen would not.
inline bool ClickEntry(HWND list, int index, int x) {
    const int row = index - static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
    const int height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    const LPARAM at = MAKELPARAM(x, row * height + height / 2);
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(list, WM_LBUTTONDOWN, MK_LBUTTON, at, SMTO_NORMAL, 5000, &result) &&
           SendMessageTimeoutA(list, WM_LBUTTONUP, 0, at, SMTO_NORMAL, 5000, &result);
}

// HLDS Vantry.exe with the text after its name on the command line.
inline std::string ProgramLine(const std::string& arguments) {
    return '"' + BinDir() + "\\HLDS Vantry.exe\"" + (arguments.empty() ? "" : " " + arguments);
}

// The small volumes that tests/windows/volumes.sh mounts beside the build's
// bin folder: "full" and "readonly" (a read-only view of "readonly-source").
inline std::string VolumesDir() {
    const std::string bin = BinDir();
    return bin.substr(0, bin.rfind('\\')) + "\\volumes";
}

// Folders made for one test under another, each at most 80 characters (Wine
// on Linux cuts a name past 255 bytes of UTF-8), removed again at the end.
class Folders {
public:
    // The folder, then ones below it until the path is about `length` long.
    Folders(const std::string& path, std::size_t length) : path_(path) {
        for (std::size_t at = path_.find('\\', 3); at != std::string::npos; at = path_.find('\\', at + 1))
            make(path_.substr(0, at));
        make(path_);
        while (win::Widen(path_).size() + 61 < length) {
            path_ += "\\" + std::string(60, 'd');
            make(path_);
        }
    }
    ~Folders() {
        for (auto dir = made_.rbegin(); dir != made_.rend(); ++dir)
            RemoveDirectoryW(win::SystemPath(*dir).c_str());
    }
    const std::string& path() const { return path_; }

private:
    void make(const std::string& dir) {
        if (MakeDirectory(dir))
            made_.push_back(dir);
    }
    std::string path_;
    std::vector<std::string> made_;
};

// hlds.exe (the stand-in) and the game valve with one map, in a folder of
// their own; the program's folder, with its games folder, apart; settings
// that point at both, on a profile that has nothing else of the program.
class Installation {
public:
    // Both folders under the temp folder, or under the folder given; the
    // Half-Life folder's path that many UTF-16 characters long, if given.
    explicit Installation(const std::string& base = {}, std::size_t hlLength = 0)
        : hl(base, hlLength), program(base) {
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
        writeSettings();
    }
    Installation(const Installation&) = delete;
    Installation& operator=(const Installation&) = delete;

    void writeSettings() const {
        SetOption("HLdir", hl.path() + "\\");
        SetOption("HLexe", "hlds.exe");
        SetOption("HLDSdir", program.path() + "\\");
        SetOption("HLDSexe", "HLDS Vantry.exe");
        SetOption("RegOnStart", "0");
    }

    // Both folders, the program's under "program\".
    Files files() const { return FilesIn(program.path(), FilesIn(hl.path()), "program\\"); }

    TempDir hl, program;
};

// A file opened as the shell opens it on a double click: the editor that
// shows it, once shown, and the program's process, for its end.
struct ShellOpened {
    HWND editor = nullptr;
    win::UniqueKernelHandle process;
};

inline ShellOpened OpenThroughShell(const std::string& file) {
    ShellOpened opened;
    const std::wstring wide = win::Widen(file);
    SHELLEXECUTEINFOW run{sizeof run};
    run.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    run.lpVerb = L"open";
    run.lpFile = wide.c_str();
    run.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&run))
        return opened;
    opened.process.reset(run.hProcess);
    WaitFor([&] {
        opened.editor = FindWindowA("HLDSVantryCfgEditor", nullptr);
        return opened.editor && IsWindowVisible(opened.editor);
    });
    return opened;
}

// Every stand-in console still open when a test ends is closed, whatever
// assertion failed on the way, so the next test starts on a clean desktop.
struct StandinsClosed {
    ~StandinsClosed() {
        for (HWND w = FindWindowA("tty", nullptr); w; w = FindWindowA("tty", nullptr)) {
            PostMessageA(w, WM_CLOSE, 0, 0);
            if (!WaitFor([&] { return !IsWindow(w); }, 5s))
                break;
        }
    }
};

// An installation on a profile that has nothing else of the program, with
// settings that point at it, so that nothing asks where hlds.exe or the
// program is. The program's folder is the build's own, whose catalogue and
// log every test shares: each starts without them.
class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\HLDSVantry");
        for (const auto& [name, bytes] : FilesIn(BinDir() + "\\games"))
            DeleteFileW(win::SystemPath(BinDir() + "\\games\\" + name).c_str());
        DeleteFileW(win::SystemPath(ServerLog()).c_str());
        installation.writeSettings();
        SetOption("HLDSdir", BinDir() + "\\");
    }
    std::string server(const std::string& arguments) const { return '"' + (hl / "hlds.exe") + "\" " + arguments; }
    static std::string ServerLog() { return BinDir() + "\\HLDS Vantry.log"; }

    Installation installation;
    const TempDir& hl = installation.hl;
    StandinsClosed standins;
};

}  // namespace vantry::testutil
