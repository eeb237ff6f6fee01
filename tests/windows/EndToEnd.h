// The fixture and helpers of the tests that run HLDS Vantry.exe for real and
// drive it from another process, as a user's clicks and keys reach it.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include <chrono>
#include <string>
#include <vector>

#include "Installation.h"

namespace vantry::testutil {

using namespace std::chrono_literals;

// Control ids as a user's keyboard and a screen reader reach them.
enum : int {
    IdList = 100, IdName2 = 102, IdRename = 104, IdMainStart = 105, IdExit = 1001,
    IdMaps = 301, IdPort = 302, IdParams = 303, IdStart = 304
};

struct Entry {
    std::string text;
    bool ticked;
};

// lstServers as another process sees it.
inline std::vector<Entry> Entries(HWND list) {
    std::vector<Entry> entries;
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t wide[512] = {};
        SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide));
        entries.push_back({Narrow(wide), SendMessageA(list, LB_GETITEMDATA, i, 0) == 1});
    }
    return entries;
}

inline int IndexOf(HWND list, const std::string& text) {
    const auto entries = Entries(list);
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].text == text)
            return static_cast<int>(i);
    return -1;
}

// A click at a point of an entry: on its tick box (x small) or on its text.
inline void ClickEntry(HWND list, int index, int x) {
    const int height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    const LPARAM at = MAKELPARAM(x, index * height + height / 2);
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(list, WM_LBUTTONUP, 0, at);
}

// The inner edit or combo box of one of the program's own controls.
inline HWND Inner(HWND window, int id, const char* className) {
    return FindWindowExA(GetDlgItem(window, id), nullptr, className, nullptr);
}

inline void SetOption(const char* key, const std::string& value) { SetSetting("Options", key, value); }
inline std::string Option(const char* key) { return Setting("Options", key); }

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

// A Half-Life directory with the stand-in as hlds.exe, from a first start: no
// settings from an earlier run, or settings that point at the directory and
// at the program so nothing asks where they are.
class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\HLDSVantry");
        // The catalogue beside the program is every test's: each starts without one.
        const std::string games = BinDir() + "\\games\\";
        WIN32_FIND_DATAA found;
        HANDLE find = FindFirstFileA((games + "*").c_str(), &found);
        for (bool more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileA(find, &found))
            DeleteFileA((games + found.cFileName).c_str());
        if (find != INVALID_HANDLE_VALUE)
            FindClose(find);
        CopyFileA((BinDir() + "\\hlds-standin.exe").c_str(), (hl / "hlds.exe").c_str(), FALSE);
        DeleteFileA(ServerLog().c_str());
    }
    // The log of the servers the program started, beside the program.
    static std::string ServerLog() { return BinDir() + "\\HLDS Vantry.log"; }
    void Install() {
        CreateDirectoryA((hl / "valve").c_str(), nullptr);
        CreateDirectoryA((hl / "valve\\maps").c_str(), nullptr);
        WriteBytes(hl / "valve\\maps\\crossfire.bsp", "");
        SetOption("HLdir", hl.path() + "\\");
        SetOption("HLexe", "hlds.exe");
        SetOption("HLDSdir", BinDir() + "\\");
        SetOption("HLDSexe", "HLDS Vantry.exe");
        SetOption("RegOnStart", "0");
    }
    std::string Program(const std::string& arguments = {}) const {
        return ProgramLine(arguments);
    }
    std::string Server(const std::string& arguments) { return '"' + (hl / "hlds.exe") + "\" " + arguments; }

    TempDir hl;
    StandinsClosed standins;
};


}  // namespace vantry::testutil
