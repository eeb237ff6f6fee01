// The Win32 implementations of the platform interfaces, against the real
// system: what each decides beyond the system's own calls.
#include <gtest/gtest.h>
#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>
#include <objbase.h>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <functional>
#include <string>
#include <tuple>
#include <thread>

#include "Processes.h"
#include "ScreenReader.h"
#include "TempDir.h"
#include "UiDriver.h"
#include "core/platform/Shell.h"
#include "core/text/Text.h"
#include "win/platform/Handles.h"
#include "win/platform/WideText.h"
#include "win/platform/Win32Clipboard.h"
#include "win/platform/Win32FileDialogs.h"
#include "win/platform/Win32FileSystem.h"
#include "win/platform/Win32Network.h"
#include "win/platform/Win32Processes.h"
#include "win/platform/Win32Registry.h"
#include "win/platform/Win32SettingsStore.h"
#include "win/platform/Win32Shell.h"

using namespace vantry;
using namespace vantry::testutil;
using namespace std::chrono_literals;

namespace {

// Read straight from the system, so a round trip through our own class cannot
// hide text that never reached the clipboard as Unicode.
std::string SystemText() {
    if (!OpenClipboard(nullptr))
        return "<not opened>";
    std::string text = "<no CF_UNICODETEXT>";
    if (HANDLE memory = GetClipboardData(CF_UNICODETEXT)) {
        text = vantry::win::Narrow(static_cast<const wchar_t*>(GlobalLock(memory)));
        GlobalUnlock(memory);
    }
    CloseClipboard();
    return text;
}

// A shown dialog of this process that matches, waited for.
HWND OwnDialog(const std::function<bool(HWND)>& match, std::chrono::milliseconds deadline = 10s) {
    HWND found = nullptr;
    WaitFor([&] {
        for (HWND w : WindowsOf(GetCurrentProcessId(), "#32770"))
            if (IsWindowVisible(w) && match(w))
                return (found = w) != nullptr;
        return false;
    }, deadline);
    return found;
}

HWND OwnDialog(const std::string& title) {
    return OwnDialog([&](HWND w) { return WindowText(w) == title; });
}

// Runs a user's steps on a thread of their own while the test thread sits in a
// modal dialog. When a step failed, whatever it left open is cancelled, so the
// test ends with its failure instead of hanging.
std::jthread User(std::function<void()> steps) {
    return std::jthread([steps = std::move(steps)] {
        steps();
        for (HWND w; ::testing::Test::HasFailure() && (w = OwnDialog([](HWND) { return true; }, 0ms));) {
            PostMessageA(w, WM_COMMAND, IDCANCEL, 0);
            if (!WaitFor([&] { return !IsWindow(w) || !IsWindowVisible(w); }, 2s))
                break;
        }
    });
}

// The file-name field of the common file dialog: the combo box of the Explorer
// style dialog, or the plain edit of the old one.
void TypeFileName(HWND dialog, const std::string& name) {
    HWND field = GetDlgItem(dialog, 0x47C);
    if (!field)
        field = GetDlgItem(dialog, 0x480);
    ASSERT_NE(field, nullptr);
    SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
}

// Each test works below a key of its own under HKEY_CURRENT_USER.
class RegistryTest : public ::testing::Test {
protected:
    void TearDown() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, ("Software\\" + app).c_str());
        std::setlocale(LC_ALL, "C");
    }
    // The value's type and text as stored, as "type:text".
    std::string Raw(const std::string& key, const char* name) {
        char data[256];
        DWORD type = 0, size = sizeof data;
        return RegGetValueA(HKEY_CURRENT_USER, ("Software\\" + app + key).c_str(), name, RRF_RT_ANY | RRF_NOEXPAND,
                            &type, data, &size) == ERROR_SUCCESS
                   ? std::to_string(type) + ":" + data
                   : "<absent>";
    }
    void RawSet(const char* name, DWORD type, const void* data, DWORD size) {
        RegSetKeyValueA(HKEY_CURRENT_USER, ("Software\\" + app).c_str(), name, type, data, size);
    }
    bool KeyExists(const std::string& key) {
        HKEY k = nullptr;
        const bool exists = RegOpenKeyExA(HKEY_CURRENT_USER, ("Software\\" + app + key).c_str(), 0, KEY_READ, &k) == 0;
        RegCloseKey(k);
        return exists;
    }

    const std::string app = "HLDSVantryTests" + std::to_string(GetCurrentProcessId()) +
                            ::testing::UnitTest::GetInstance()->current_test_info()->name();
    const std::string base = "Software\\" + app;
    win::Win32Registry reg;
    static constexpr RegRoot HKCU = RegRoot::CurrentUser;
    win::Win32SettingsStore store;
};

DesktopWindow Id(HWND hwnd) { return reinterpret_cast<DesktopWindow>(hwnd); }

class Win32ProcessesTest : public ::testing::Test {
protected:
    // A server started here is no ChildProcess: it is ended with the test all
    // the same, whatever the test's outcome.
    ~Win32ProcessesTest() override {
        for (const DWORD pid : started) {
            win::UniqueKernelHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid));
            if (process && WaitForSingleObject(process.get(), 0) == WAIT_TIMEOUT)
                TerminateProcess(process.get(), 1);
        }
    }
    void SetUp() override {
        ASSERT_TRUE(CopyFileA((BinDir() + "\\hlds-standin.exe").c_str(), (dir / "hlds.exe").c_str(), FALSE));
    }
    std::optional<ProcessId> start(const std::string& parameters) {
        auto id = processes.start('"' + (dir / "hlds.exe") + "\" " + parameters, dir.path());
        if (id)
            started.push_back(id->pid);
        return id;
    }
    TempDir dir;
    win::Win32Processes processes;
    std::vector<DWORD> started;
};

}  // namespace

TEST(Win32Clipboard, TextInAnyScriptAndTheEmptyTextGoRoundTripAndNoTextReadsAsEmpty) {
    for (const std::string text : {"a\xC3\xA9\tb\r\nc \xE6\x9D\xB1\xE4\xBA\xAC", ""}) {
        // The text outlives the window that put it there, as it must when the
        // editor closes before the user pastes elsewhere.
        win::Win32Clipboard().setText(text);
        EXPECT_EQ(SystemText(), text);
        EXPECT_EQ(win::Win32Clipboard().text(), text);
    }
    // A clipboard with no text on it reads as the empty text.
    win::Win32Clipboard().setText("old");
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    EXPECT_EQ(win::Win32Clipboard().text(), "");
}

TEST(Win32Shell, StartsAProgramInTheGivenDirectoryAndRefusesAMissingOneOnAThreadThatIsAnApartmentByThen) {
    TempDir dir;
    win::Win32Shell shell;
    ASSERT_TRUE(shell.execute(nullptr, "Open", "cmd.exe", "/c cd > where.txt", dir.path(), 0));
    ASSERT_TRUE(WaitFor([&] { return ReadBytes(dir / "where.txt").find("\r\n") != std::string::npos; }));
    EXPECT_NE(ReadBytes(dir / "where.txt").find("vantry-test-"), std::string::npos);
    // Shell extensions need the caller's thread in a single-threaded apartment.
    std::thread([&] {
        EXPECT_FALSE(shell.execute(nullptr, "Open", dir / "hlds.exe", "-game valve", dir.path(), ShowNormal));
        EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_FALSE) << "not initialised before";
        CoUninitialize();
    }).join();
}


// A cancelled dialog's empty text is told end to end: the locate step's
// Cancel asks again (BadInput.EveryStartOpensAWindowOrAsksOrSaysWhyNot).
TEST(Win32FileDialogs, OpenGivesTheTypedExistingFileAndSaveAsksBeforeOverwritingAndAddsNoExtension) {
    TempDir dir;
    WriteBytes(dir / "hlds.exe", "MZ");
    WriteBytes(dir / "server.cfg", "old");
    std::jthread user = User([&] {
        HWND dialog = OwnDialog("Locate HLDS.exe");
        ASSERT_NE(dialog, nullptr);
        TypeFileName(dialog, dir / "hlds.exe");
        PressButton(dialog, IDOK);
        dialog = OwnDialog("Save Config As");
        ASSERT_NE(dialog, nullptr);
        TypeFileName(dialog, dir / "server.cfg");
        PressButton(dialog, IDOK);
        HWND question = OwnDialog([&](HWND w) { return GetWindow(w, GW_OWNER) == dialog; });
        ASSERT_NE(question, nullptr) << "nothing asked before overwriting";
        PressButton(question, IDNO);
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(question); }));
        TypeFileName(dialog, dir / "server");
        PressButton(dialog, IDOK);
        // Windows asks before creating a new file; Wine's dialog does not.
        WaitFor([&] {
            question = OwnDialog([&](HWND w) { return GetWindow(w, GW_OWNER) == dialog; }, 0ms);
            return question != nullptr || !IsWindow(dialog);
        });
        if (question)
            PressButton(question, IDYES);
    });
    win::Win32FileDialogs dialogs;
    const std::string opened = dialogs.showOpen(
        nullptr, "HLDS.exe (hlds.exe)|hlds.exe|EXE Files (*.exe)|*.exe", "Locate HLDS.exe", dir.path());
    const std::string saved = dialogs.showSave(nullptr, "CFG Files (*.cfg)|*.cfg", "Save Config As", dir.path());
    user.join();
    EXPECT_TRUE(EqualsIgnoreCase(opened, dir / "hlds.exe")) << opened;
    EXPECT_TRUE(EqualsIgnoreCase(saved, dir / "server")) << saved;
}

TEST_F(RegistryTest, StringsRoundTripAndALeadingBackslashNamesTheSameKeyButOnlyStringsAreRead) {
    const std::string deep = base + "\\cfgfile\\Shell\\Open\\command";
    reg.SetRegString(HKCU, "\\" + deep, "", "\"C:\\Tools\\HLDS Vantry.EXE\" %1");
    reg.SetRegString(HKCU, deep, "Named", "value");
    EXPECT_EQ(reg.GetRegString(HKCU, deep, ""), "\"C:\\Tools\\HLDS Vantry.EXE\" %1");
    EXPECT_EQ(reg.GetRegString(HKCU, "\\" + deep, "named"), "value");

    // Reading a missing key creates nothing.
    EXPECT_EQ(reg.GetRegString(HKCU, base + "\\a", "x"), "");
    EXPECT_FALSE(KeyExists("\\a"));
    const char expand[] = "%SystemRoot%\\x", embedded[] = "before\0after";
    const DWORD number = 7;
    RawSet("Expand", REG_EXPAND_SZ, expand, sizeof expand);
    RawSet("Number", REG_DWORD, &number, sizeof number);
    RawSet("Binary", REG_BINARY, "abc", 3);
    RawSet("Embedded", REG_SZ, embedded, sizeof embedded);
    RawSet("Unterminated", REG_SZ, "abc", 3);
    for (const char* name : {"Expand", "Number", "Binary", "Missing", ""})
        EXPECT_EQ(reg.GetRegString(HKCU, base, name), "") << name;
    EXPECT_EQ(reg.GetRegString(HKCU, base, "Embedded"), "before");
    EXPECT_EQ(reg.GetRegString(HKCU, base, "Unterminated"), "abc");
}

TEST_F(RegistryTest, DeletingAKeyTakesItsSubkeysAndLeavesSiblingsButNeverTheRoot) {
    reg.SetRegString(HKCU, base + "\\cfgfile\\Shell\\Open\\command", "", "cmd");
    reg.SetRegString(HKCU, base + "\\.cfg", "", "cfgfile");
    reg.DeleteRegKey(HKCU, "\\" + base + "\\cfgfile");
    EXPECT_FALSE(KeyExists("\\cfgfile"));
    EXPECT_TRUE(KeyExists("\\.cfg"));
    reg.DeleteRegKey(HKCU, base + "\\.cfg");
    EXPECT_FALSE(KeyExists("\\.cfg"));
    reg.DeleteRegKey(HKCU, base + "\\never-there");  // silent
    // An empty path would name the whole root: it is refused, not obeyed.
    reg.DeleteRegKey(HKCU, "");
    reg.DeleteRegKey(HKCU, "\\");
    EXPECT_TRUE(KeyExists(""));

    // Where a 32-bit installer's keys are; the 64-bit view does not show them.
    const std::string key = "Software\\HLDSVantryTests\\View" + std::to_string(GetCurrentProcessId());
    reg.SetRegString(RegRoot::LocalMachine32, key, "InstallPath", "C:\\Sierra\\Half-Life");
    EXPECT_EQ(reg.GetRegString(RegRoot::LocalMachine32, key, "InstallPath"), "C:\\Sierra\\Half-Life");
    EXPECT_EQ(reg.GetRegString(RegRoot::LocalMachine, key, "InstallPath"), "");
    reg.DeleteRegKey(RegRoot::LocalMachine32, key);
    EXPECT_EQ(reg.GetRegString(RegRoot::LocalMachine32, key, "InstallPath"), "");
}

TEST_F(RegistryTest, SettingsAreStringsUnderTheApplicationsSectionsKeysInAnyScriptAndCoordinatesUseAPoint) {
    EXPECT_EQ(store.get(app, "Options", "HLdir"), std::nullopt);
    store.save(app, "Options", "HLdir", "C:\\HL\\");
    store.save(app, "Options", "Params", "  -dev  ");
    store.save(app, "Options", "Empty", "");
    EXPECT_EQ(store.get(app, "Options", "Params"), "  -dev  ");
    EXPECT_EQ(store.get(app, "Options", "Empty"), "");
    EXPECT_EQ(store.get(app, "Main", "HLdir"), std::nullopt);
    EXPECT_EQ(Raw("\\Options", "HLdir"), "1:C:\\HL\\");

    // A section's keys, in any script; its default value is none of them,
    // and a key is removed alone.
    const std::string server = "\xD0\xA1\xD0\xB5\xD1\x80\xD0\xB2\xD0\xB5\xD1\x80 1";
    store.save(app, "Options", server, "27015");
    RegSetKeyValueA(HKEY_CURRENT_USER, (base + "\\Options").c_str(), nullptr, REG_SZ, "d", 2);
    auto keys = store.keys(app, "Options");
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(keys, (std::vector<std::string>{"Empty", "HLdir", "Params", server}));
    store.remove(app, "Options", server);
    store.remove(app, "Options", server);
    store.remove(app, "Options", "");
    store.remove(app, "Missing", "HLdir");
    EXPECT_EQ(store.get(app, "Options", server), std::nullopt);
    EXPECT_EQ(store.keys(app, "Options").size(), 3u);
    EXPECT_EQ(Raw("\\Options", nullptr), "1:d");
    EXPECT_TRUE(store.keys(app, "Missing").empty());

    // Make sure the locale really writes decimals with a comma before trusting the test.
    ASSERT_TRUE(std::setlocale(LC_ALL, "German_Germany.1252") || std::setlocale(LC_ALL, "de-DE"));
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    ASSERT_STREQ(probe, "1,5");

    // The settings save and read coordinates with these two; the C runtime under
    // them must not bring the locale's comma in.
    store.save(app, "Main", "Y", FormatSingle(-35.25f));
    EXPECT_EQ(Raw("\\Main", "Y"), "1:-35.25");
    EXPECT_EQ(ParseNumber<float>(store.get(app, "Main", "Y").value_or("")), -35.25f);
    // A value with a comma (from another program, or by hand) is no number here.
    EXPECT_EQ(ParseNumber<float>("5175,5"), std::nullopt);
}


using Names = std::vector<std::string>;

class Win32FileSystemTest : public ::testing::Test {
protected:
    void Make(const std::string& name, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
        WriteBytes(dir / name, "x");
        SetFileAttributesA((dir / name).c_str(), attributes);
    }
    void MakeDir(const std::string& name, DWORD attributes = FILE_ATTRIBUTE_DIRECTORY) {
        ASSERT_TRUE(CreateDirectoryA((dir / name).c_str(), nullptr));
        SetFileAttributesA((dir / name).c_str(), attributes);
    }
    TempDir dir;
    win::Win32FileSystem fs;
};

TEST_F(Win32FileSystemTest, ListingsFilterByAttributesComeInNameOrderAndMatchLongNamesOnlyAndAnsiTextHoldsWhatItCan) {
    Make("valve.txt");
    Make("Cstrike.txt");
    Make("a_b.txt");
    Make("ab.txt", FILE_ATTRIBUTE_READONLY);
    Make("hidden.txt", FILE_ATTRIBUTE_HIDDEN);
    Make("system.txt", FILE_ATTRIBUTE_SYSTEM);
    MakeDir("dmc");
    MakeDir("Logos");
    MakeDir("secret", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN);

    EXPECT_EQ(fs.list(dir / "*", ListFilter::NormalFiles),
              (Names{"ab.txt", "a_b.txt", "Cstrike.txt", "valve.txt"}));
    EXPECT_EQ(fs.list(dir / "*", ListFilter::WithDirectories),
              (Names{".", "..", "ab.txt", "a_b.txt", "Cstrike.txt", "dmc", "Logos", "valve.txt"}));
    // Listing a directory's own path gives its name, as the catalogue relies on.
    EXPECT_EQ(fs.list(dir / "dmc", ListFilter::WithDirectories), Names{"dmc"});
    EXPECT_EQ(fs.list(dir / "dmc", ListFilter::NormalFiles), Names{});
    // A name no file can have, and a drive that is not there, list nothing.
    for (const std::string& absent : {dir / "missing\\*", dir / "bad<name>.exe", std::string("Q:\\HL\\hlds.exe")})
        EXPECT_EQ(fs.list(absent, ListFilter::WithDirectories), Names{}) << absent;
    // A wildcard matches the long name only, never the short one.
    Make("cs_office.BSP");
    Make("de_dust.bsp2");
    Make("de_dust.bsp.bak");
    EXPECT_EQ(fs.list(dir / "*.bsp", ListFilter::NormalFiles), Names{"cs_office.BSP"});
    // A question mark is one character, in a name in any script (such names
    // and paths past MAX_PATH open, save and list end to end: Unicode.*).
    ASSERT_TRUE(fs.writeFile(dir / "\xE9\xBB\x98\xE8\xAE\xA4.cfg", "x"));
    EXPECT_EQ(fs.list(dir / "?.cfg", ListFilter::NormalFiles), Names{});
    EXPECT_EQ(fs.list(dir / "??.cfg", ListFilter::NormalFiles), Names{"\xE9\xBB\x98\xE8\xAE\xA4.cfg"});

    // File text in the ANSI code page (Wine's is 1252 here): what it holds
    // comes through, what it cannot hold is refused.
    EXPECT_EQ(fs.decodeAnsi("caf\xE9 \x81"), "caf\xC3\xA9 \xC2\x81");
    EXPECT_EQ(fs.encodeAnsi("caf\xC3\xA9 \xC2\x81"), "caf\xE9 \x81");
    EXPECT_EQ(fs.encodeAnsi("\xE6\x9D\xB1"), std::nullopt);
}

TEST_F(Win32FileSystemTest, AttributesDirectoriesReadsFailedWritesAndAppends) {
    Make("ro.cfg", FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(*fs.attributes(dir / "ro.cfg") & attr::ReadOnly);
    EXPECT_FALSE(fs.attributes(dir / "nothing"));
    EXPECT_TRUE(fs.createDirectory(dir / "games"));
    EXPECT_TRUE(*fs.attributes(dir / "games") & attr::Directory);
    EXPECT_FALSE(fs.createDirectory(dir / "games")) << "only once";
    EXPECT_FALSE(fs.createDirectory(dir / "no\\such\\parent"));

    const std::string bytes("a\r\nb\nc\0d\xff", 9);
    WriteBytes(dir / "bin.cfg", bytes);
    EXPECT_EQ(fs.readFile(dir / "bin.cfg"), bytes);
    EXPECT_EQ(fs.readFile(dir / "empty.cfg"), std::nullopt) << "missing is not empty";
    WriteBytes(dir / "empty.cfg", "");
    EXPECT_EQ(fs.readFile(dir / "empty.cfg"), "");

    // A failed write says so (a read-only file and one another program holds
    // locked are refused and left whole through every editor, end to end).
    EXPECT_FALSE(fs.writeFile(dir / "missing\\mapcycle.txt", "x"));
    MakeDir("valve");
    EXPECT_FALSE(fs.writeFile(dir / "valve", "x"));
    EXPECT_TRUE(*fs.attributes(dir / "valve") & attr::Directory);

    EXPECT_EQ(fs.list(dir / "*.tmp", ListFilter::NormalFiles), Names{});

    // Nor can a log be made where there is no folder, or in a directory's place.
    EXPECT_FALSE(fs.appendFile(dir / "missing\\vantry.log", "x"));
    EXPECT_FALSE(fs.appendFile(dir / "valve", "x"));

    // Appends land at the end while another program has the file open.
    const std::string log = dir / "vantry.log";
    ASSERT_TRUE(fs.appendFile(log, "one\r\n"));
    // Another copy of the program, or a viewer that follows the log.
    win::UniqueKernelHandle reader(CreateFileA(log.c_str(), GENERIC_READ | GENERIC_WRITE,
                                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                               OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(reader);
    EXPECT_TRUE(fs.appendFile(log, "two\r\n"));
    EXPECT_TRUE(fs.appendFile(log, ""));
    reader.reset();
    EXPECT_EQ(ReadBytes(log), "one\r\ntwo\r\n");
}

TEST_F(Win32FileSystemTest, ASaveMakesANewFileOrKeepsTheOldOneItsLinksModeAndAttributes) {
    ASSERT_TRUE(fs.writeFile(dir / "motd.txt", "first\r\n"));
    EXPECT_EQ(ReadBytes(dir / "motd.txt"), "first\r\n");
    ASSERT_TRUE(fs.writeFile(dir / "motd.txt", ""));
    EXPECT_EQ(ReadBytes(dir / "motd.txt"), "");

    Make("hidden.cfg", FILE_ATTRIBUTE_HIDDEN);
    ASSERT_TRUE(fs.writeFile(dir / "hidden.cfg", "new"));
    EXPECT_TRUE(*fs.attributes(dir / "hidden.cfg") & attr::Hidden);
    EXPECT_EQ(ReadBytes(dir / "hidden.cfg"), "new");

    // Files as a user or an installer may have made them, and what the
    // system says of each before and after its save: the file is the same
    // one, and every name it has shows the new text.
    const struct {
        const char *saved, *otherName, *makeIt, *ask, *says;
    } kept[] = {
        {"link.cfg", "real.cfg", "echo old > real.cfg && ln -s real.cfg link.cfg", "stat -c %F link.cfg",
         "symbolic link\n"},
        {"shared.cfg", "other.cfg", "echo old > shared.cfg && ln shared.cfg other.cfg", "stat -c %h shared.cfg",
         "2\n"},
        {"rcon.cfg", "rcon.cfg", "echo old > rcon.cfg && chmod 600 rcon.cfg", "stat -c %a rcon.cfg", "600\n"},
    };
    for (const auto& file : kept) {
        SCOPED_TRACE(file.saved);
        if (!UnixShell(dir.path(), file.makeIt))
            GTEST_SKIP() << "no Unix shell at Z:\\bin\\sh: links and modes are made and seen through it";
        ASSERT_EQ(UnixShell(dir.path(), file.ask), std::string(file.says));
        ASSERT_TRUE(fs.writeFile(dir / file.saved, "new"));
        EXPECT_EQ(ReadBytes(dir / file.otherName), "new");
        EXPECT_EQ(UnixShell(dir.path(), file.ask), std::string(file.says));
    }
    EXPECT_EQ(fs.list(dir / "~*", ListFilter::NormalFiles), Names{});

    // Names that an earlier program of our process number left behind (a
    // safety copy of a save that was killed) are passed over, and left alone.
    for (unsigned n = 0; n < 64; ++n) {
        char name[24];
        const unsigned serial = static_cast<unsigned>(GetCurrentProcessId() << 8) + n;
        snprintf(name, sizeof name, "~vantry-%04x.tmp", serial & 0xFFFFu);
        Make(name);
    }
    ASSERT_TRUE(fs.writeFile(dir / "server.cfg", "saved"));
    ASSERT_TRUE(fs.writeFile(dir / "server.cfg", "saved again"));
    EXPECT_EQ(ReadBytes(dir / "server.cfg"), "saved again");
    EXPECT_EQ(fs.list(dir / "~*", ListFilter::NormalFiles).size(), 64u);
}




TEST_F(Win32ProcessesTest, AServerIsWatchedFromItsStartToItsEnd) {
    const UINT ownMode = GetErrorMode();
    const auto server = start("-game valve -standin-title \"HLDS - watched\"");
    ASSERT_TRUE(server);
    EXPECT_EQ(GetErrorMode(), ownMode) << "the program's own error mode comes back";
    EXPECT_EQ(processes.status(*server).state, ProcessState::Running);
    HWND window = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (window = FindWindowA("tty", "HLDS - watched")) != nullptr; }));
    // Another's window is not its (ARealConsole...); the folder it starts in
    // is told end to end (EndToEnd.TheLauncherAlone...).
    EXPECT_TRUE(processes.ownsWindow(*server, Id(window)));

    // The id with another start time is another process, one that reused it.
    EXPECT_EQ(processes.status({server->pid, server->startTime + 1}).state, ProcessState::Gone);
    // A later run knows the server by its record alone, and holds it from then on.
    win::Win32Processes later;
    EXPECT_EQ(later.status(*server).state, ProcessState::Running);

    // Its end, told by its exit code (a crash's too: the watchdog's log, end to end).
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return later.status(*server).state == ProcessState::Ended; }));
    EXPECT_EQ(later.status(*server).exitCode, 0u);
    EXPECT_EQ(processes.status(*server).state, ProcessState::Ended) << "held all along, whatever was asked";
    processes.release(*server);
    later.release(*server);
    EXPECT_EQ(processes.status(*server).state, ProcessState::Gone) << "nobody holds it any more";
}

TEST_F(Win32ProcessesTest, ARealConsoleIsTheProgramsInItAndIsLetGo) {
    // This test program is a console program; HLDS Vantry is not, and only a
    // process without a console of its own can look into another's.
    FreeConsole();
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    ChildProcess console("cmd.exe /k title HLDS - real", dir.path(), CREATE_NEW_CONSOLE);
    ChildProcess other("cmd.exe /k title HLDS - other", dir.path(), CREATE_NEW_CONSOLE);
    HWND window = nullptr, otherWindow = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        return (window = FindWindowA(nullptr, "HLDS - real")) && (otherWindow = FindWindowA(nullptr, "HLDS - other"));
    }));
    DWORD host = 0;
    GetWindowThreadProcessId(window, &host);
    if (UnderWine()) {
        EXPECT_NE(host, console.pid()) << "under Wine a console window is the console host's";
    }

    const ProcessId cmd{console.pid(), 0};
    EXPECT_TRUE(processes.ownsWindow(cmd, Id(window)));
    EXPECT_FALSE(processes.ownsWindow(cmd, Id(otherWindow)));
    EXPECT_EQ(GetConsoleWindow(), nullptr) << "never left attached";
    EXPECT_EQ(GetStdHandle(STD_OUTPUT_HANDLE), output);
}

// Held alone or shared with reuse, the port is taken; an address that is none
// of this machine's in dotted form is probed as any.
TEST(Win32Network, APortAnotherSocketHoldsIsNotFree) {
    WSADATA data;
    ASSERT_EQ(WSAStartup(MAKEWORD(2, 2), &data), 0);
    for (const auto& [held, probed, reuse] : {std::tuple{"0.0.0.0", "", FALSE}, {"127.0.0.1", "127.0.0.1", FALSE},
                                              {"0.0.0.0", "", TRUE}, {"0.0.0.0", "my.server", FALSE}}) {
        SCOPED_TRACE(std::string(probed) + (reuse ? " reuse" : ""));
        const SOCKET socket = ::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
        setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&reuse), sizeof reuse);
        sockaddr_in at{AF_INET};
        inet_pton(AF_INET, held, &at.sin_addr);
        int size = sizeof at;
        ASSERT_EQ(bind(socket, reinterpret_cast<sockaddr*>(&at), sizeof at), 0);
        ASSERT_EQ(getsockname(socket, reinterpret_cast<sockaddr*>(&at), &size), 0);
        EXPECT_FALSE(win::Win32Network().udpPortFree(probed, ntohs(at.sin_port)));
        closesocket(socket);
        EXPECT_TRUE(win::Win32Network().udpPortFree(probed, ntohs(at.sin_port)));
    }
    WSACleanup();
}
