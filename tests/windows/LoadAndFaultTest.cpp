// The program under load and when things go wrong around it: consoles that
// come and go by the hundred or stop answering, a save killed half-way or
// cut short by a full disk.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <mutex>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "EndToEnd.h"

using namespace vantry::testutil;
using namespace std::chrono_literals;

namespace {

// Every name in the folder, hidden and system files too, as a user's file
// manager set to show everything lists them.
std::vector<std::string> EverythingIn(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    return names;
}

bool IsSafetyCopy(const std::string& name) { return name.rfind("~vantry-", 0) == 0; }

// Stops the program (one thread) once `seen` holds, and leaves it stopped if
// `seen` still holds then; false if that never comes about. A state that
// lasts only milliseconds is met this way every time, where a kill on sight
// could land after it.
bool StopWhile(const ChildProcess& program, const std::function<bool()>& seen) {
    const auto end = std::chrono::steady_clock::now() + 20s;
    while (std::chrono::steady_clock::now() < end) {
        if (!seen())
            continue;
        SuspendThread(program.mainThread());
        // Its context is only there once the thread has really stopped.
        CONTEXT context{};
        context.ContextFlags = CONTEXT_CONTROL;
        GetThreadContext(program.mainThread(), &context);
        if (seen())
            return true;
        ResumeThread(program.mainThread());
    }
    return false;
}

// A file of one save or a part of one, told without its megabytes.
std::string Letters(const std::string& bytes) {
    const auto as = std::count(bytes.begin(), bytes.end(), 'a');
    return std::to_string(as) + " a, " + std::to_string(bytes.size() - as) + " other";
}

}  // namespace

// Killed while a save is under way, again and again, as soon as the safety
// copy appears or while the file is being rewritten: the file is always one
// whole save, the old or the new, or it is part-written and the safety copy
// beside it holds the old save whole. Nothing else is left beside it.
TEST(KilledSave, LeavesTheOldOrTheNewFileWholeOrTheOldOneInItsSafetyCopy) {
    constexpr std::size_t size = 8u << 20;
    const std::string a(size, 'a'), b(size, 'b');
    const struct {
        const char* what;
        const char* makeIt;  // in the folder, where the old file is "real.cfg"
    } files[] = {
        {"a new file, then saved over", nullptr},
        {"a symbolic link", "ln -s real.cfg server.cfg"},
        {"a file of mode 0600", "mv real.cfg server.cfg && chmod 600 server.cfg"},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.what);
        // A folder of its own each time: under Wine a killed program may
        // still finish the write under way after its kill has returned.
        for (int round = 0; round < 4; ++round) {
            SCOPED_TRACE(round);
            TempDir dir;
            const std::string target = dir / "server.cfg";
            if (file.makeIt) {
                WriteBytes(dir / "real.cfg", b);
                if (!UnixShell(dir.path(), file.makeIt))
                    GTEST_SKIP() << "no Unix shell at Z:\\bin\\sh to make " << file.what;
            }
            const auto others = [&] {
                std::vector<std::string> names;
                for (const auto& name : EverythingIn(dir.path()))
                    if (name != "server.cfg" && name != "real.cfg")
                        names.push_back(name);
                return names;
            };
            ChildProcess saver('"' + BinDir() + "\\save-loop.exe\" \"" + target + "\" 8");
            ASSERT_TRUE(saver.started());
            // Even rounds are killed as soon as the safety copy shows a save
            // under way, odd ones while the file itself is being rewritten.
            const auto partWritten = [&] {
                WIN32_FILE_ATTRIBUTE_DATA data;
                return GetFileAttributesExA(target.c_str(), GetFileExInfoStandard, &data) &&
                       data.nFileSizeHigh == 0 && data.nFileSizeLow < size;
            };
            if (round % 2) {
                ASSERT_TRUE(StopWhile(saver, partWritten));
            } else {
                ASSERT_TRUE(WaitFor([&] {
                    const auto beside = others();
                    return GetFileAttributesA(target.c_str()) != INVALID_FILE_ATTRIBUTES &&
                           std::any_of(beside.begin(), beside.end(), IsSafetyCopy);
                }));
            }
            saver.kill();

            // A copy that was still being written goes with the killed
            // program's last handle, once the system has closed it; one that
            // outlives it holds a whole save, or nothing where the kill came
            // between its making and its mark.
            std::vector<std::string> left;
            std::string copy;
            WaitFor([&] {
                left = others();
                copy = left.size() == 1 && IsSafetyCopy(left[0]) ? ReadBytes(dir / left[0]) : "";
                return left.empty() || copy == a || copy == b;
            }, 3s);
            ASSERT_LE(left.size(), 1u);
            if (!left.empty()) {
                EXPECT_TRUE(IsSafetyCopy(left[0])) << left[0];
                EXPECT_TRUE(copy.empty() || copy == a || copy == b) << "a half copy: " << Letters(copy);
            }

            // The saves alternate, each over the other's letter.
            const std::string bytes = ReadBytes(target);
            if (bytes.size() == size && round % 2 == 0) {
                EXPECT_TRUE(bytes == a || bytes == b) << "a mix of two saves: " << Letters(bytes);
            } else {
                ASSERT_EQ(copy.size(), size) << "part-written, with no copy of the old save";
                EXPECT_TRUE(bytes == std::string(bytes.size(), copy[0] == 'a' ? 'b' : 'a'))
                    << "not the start of the save after the copy's: " << Letters(bytes) << "; the copy "
                    << Letters(copy);
            }
        }
    }
}

// A hundred consoles come and go at random for a minute while the main
// window polls: it never lists one twice or one that never was, and once
// the churn is over its list is the consoles open, each entry's tick box
// working on the console it names.
TEST(ConsoleChurn, TheListFollowsAHundredConsolesComingAndGoingAndEndsAsTheLiveSet) {
    Installation installation;
    ChildProcess program(ProgramLine(""));
    HWND main = program.waitForShownWindow("HLDSVantryMain");
    HWND list = GetDlgItem(main, IdList);

    // Consoles of the test's own making: top-level windows of class "tty"
    // titled "HLDS - c<slot>.<life>", a quarter of them hidden, that a thread
    // of their own opens and closes while the program watches from its
    // process. Once the churn is over, those left stay open until the end.
    std::mutex mutex;
    std::map<std::string, HWND> live;
    std::set<std::string> opened;
    std::atomic<bool> churning{true};
    const std::jthread churn([&](std::stop_token stop) {
        WNDCLASSA cls = {};
        cls.lpfnWndProc = DefWindowProcA;
        cls.hInstance = GetModuleHandleA(nullptr);
        cls.lpszClassName = "tty";
        RegisterClassA(&cls);
        std::mt19937 random(20240607);
        std::vector<HWND> windows(100);
        std::vector<int> lives(windows.size());
        const auto toggle = [&](std::size_t slot) {
            std::lock_guard lock(mutex);
            if (HWND w = std::exchange(windows[slot], nullptr)) {
                live.erase(WindowText(w));
                DestroyWindow(w);
                return;
            }
            const std::string title = "HLDS - c" + std::to_string(slot) + "." + std::to_string(++lives[slot]);
            windows[slot] = live[title] = CreateWindowExA(0, "tty", title.c_str(), WS_OVERLAPPED | (random() % 4 ? WS_VISIBLE : 0),
                                                          10 + 5 * static_cast<int>(slot), 10, 200, 60, nullptr, nullptr,
                                                          cls.hInstance, nullptr);
            opened.insert(title);
        };
        for (std::size_t slot = 0; slot < windows.size(); slot += 2)
            toggle(slot);
        for (const auto end = std::chrono::steady_clock::now() + 60s; !stop.stop_requested();) {
            if (churning && std::chrono::steady_clock::now() >= end)
                churning = false;
            if (churning)
                toggle(random() % windows.size());
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&msg);
            std::this_thread::sleep_for(churning ? 40ms : 10ms);
        }
        for (HWND w : windows)
            if (w)
                DestroyWindow(w);
    });
    const auto titles = [](const std::vector<Entry>& entries) {
        std::set<std::string> titles;
        for (const auto& e : entries)
            titles.insert(e.text);
        return titles;
    };

    for (; churning; std::this_thread::sleep_for(250ms)) {
        const auto entries = Entries(list);
        std::lock_guard lock(mutex);
        EXPECT_EQ(titles(entries).size(), entries.size()) << "a console listed twice";
        for (const auto& e : entries)
            EXPECT_TRUE(opened.count(e.text)) << "never a console: " << e.text;
    }
    std::set<std::string> liveTitles;
    for (const auto& [title, window] : live)
        liveTitles.insert(title);
    ASSERT_TRUE(WaitFor([&] { return titles(Entries(list)) == liveTitles; }, 10s))
        << titles(Entries(list)).size() << " listed, " << liveTitles.size() << " open";

    // In step: each entry's mark is its console's state, and its tick box
    // hides and shows that console.
    const auto entries = Entries(list);
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        HWND console = live.at(entries[i].text);
        SCOPED_TRACE(entries[i].text);
        EXPECT_EQ(entries[i].ticked, IsWindowVisible(console) != FALSE);
        SendMessageA(list, LB_SETTOPINDEX, i, 0);  // scrolled into view first
        for (const bool shown : {!entries[i].ticked, entries[i].ticked}) {
            ClickEntry(list, i, 3);
            EXPECT_TRUE(WaitFor([&] { return (IsWindowVisible(console) != FALSE) == shown; }, 3s));
        }
    }
    Click(main, IdExit);
}

namespace {

// A message that the program has handled within five seconds, as a program
// that answers does; a frozen one never does, and the test goes on.
bool Handled(HWND window, UINT msg, WPARAM wp = 0, LPARAM lp = 0) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, msg, wp, lp, SMTO_NORMAL, 5000, &result) != 0;
}

}  // namespace

// A console that has stopped answering, renamed, hidden and shown from the
// list: the program answers every click within seconds, does not list the
// console under a name it did not take, and goes on working on the others.
TEST(HungConsole, RenamingHidingAndShowingItNeverFreezesTheProgram) {
    Installation installation;
    ChildProcess program(ProgramLine(""));
    HWND main = program.waitForShownWindow("HLDSVantryMain");
    HWND list = GetDlgItem(main, IdList);
    const std::string server = '"' + (installation.hl / "hlds.exe") + "\" ";
    ChildProcess frozen(server + "-standin-hang -standin-title \"HLDS - frozen\"");
    ChildProcess fine(server + "-standin-title \"HLDS - fine\"");
    HWND frozenConsole = frozen.waitForWindow("tty"), fineConsole = fine.waitForWindow("tty");
    ASSERT_TRUE(WaitFor([&] { return Entries(list).size() == 2; }));

    // Renamed: picked, a name typed, Rename pressed, again and again.
    HWND name = Inner(main, IdName2, "Edit");
    for (int attempt = 0; attempt < 3; ++attempt) {
        SCOPED_TRACE(attempt);
        ASSERT_TRUE(ClickEntry(list, IndexOf(list, WindowText(frozenConsole)), 60));
        ASSERT_TRUE(Handled(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Renamed")));
        ASSERT_TRUE(Handled(GetDlgItem(main, IdRename), BM_CLICK));
        EXPECT_EQ(IndexOf(list, "HLDS - Renamed"), -1) << "listed under a name the console does not have";
        EXPECT_NE(IndexOf(list, WindowText(frozenConsole)), -1);
    }

    // Hidden by its tick box and by the Hide button, it stays shown, and
    // ticked: the list says what the console does, not what it was asked.
    for (int step = 0; step < 4; ++step) {
        SCOPED_TRACE(step);
        const int index = IndexOf(list, WindowText(frozenConsole));
        ASSERT_NE(index, -1);
        ASSERT_TRUE(step % 2 ? Handled(GetDlgItem(main, Main::IdHide), BM_CLICK) : ClickEntry(list, index, 3));
        EXPECT_TRUE(IsWindowVisible(frozenConsole));
        EXPECT_TRUE(Entries(list)[static_cast<std::size_t>(index)].ticked);
    }

    // The other console is still hidden and shown at once.
    ASSERT_TRUE(ClickEntry(list, IndexOf(list, "HLDS - fine"), 3));
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(fineConsole); }));
    ASSERT_TRUE(ClickEntry(list, IndexOf(list, "HLDS - fine"), 3));
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(fineConsole) != FALSE; }));
}

namespace {

// Takes all the room there is on a volume but the given bytes.
void Fill(const std::string& path, LONGLONG leave) {
    vantry::win::UniqueKernelHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    const std::string chunk(4096, 'f');
    DWORD written = 0;
    LARGE_INTEGER size{};
    while (WriteFile(file.get(), chunk.data(), static_cast<DWORD>(chunk.size()), &written, nullptr) && written)
        size.QuadPart += written;
    size.QuadPart = std::max<LONGLONG>(size.QuadPart - leave, 0);
    SetFilePointerEx(file.get(), size, nullptr, FILE_BEGIN);
    SetEndOfFile(file.get());
}

}  // namespace

// The disk fills up half-way through a save: the editor says it could not
// save and keeps the text, and the old file is whole, with nothing beside it.
TEST(FullDisk, ASaveThatRunsOutOfRoomSaysSoAndKeepsTheOldFile) {
    const std::string volume = VolumesDir() + "\\full";
    ULARGE_INTEGER total{};
    if (!GetDiskFreeSpaceExA((volume + "\\").c_str(), nullptr, &total, nullptr) || total.QuadPart > (1u << 20))
        GTEST_SKIP() << "no small volume at " << volume << ": tests/windows/volumes.sh mounts it, as root";
    Installation installation;
    TempDir hl(volume);
    WriteBytes(hl / "hlds.exe", "");
    MakeDirectory(hl / "valve");
    const std::string old = "Welcome to the old server.\r\nRules: none.\r\n";
    WriteBytes(hl / "valve\\motd.txt", old);
    SetSetting("Options", "HLdir", hl.path() + "\\");
    std::string message;
    for (int line = 0; line < 2000; ++line)
        message += "Line " + std::to_string(line) + " of the new message of the day\r\n";
    Fill(hl / "filler", 8192);  // far less than the message needs; gone with the folder

    ChildProcess program(ProgramLine("/o"));
    HWND editor = program.waitForShownWindow("HLDSVantryMotdEditor");
    HWND text = GetDlgItem(editor, MotdEditor::IdDocument);
    SendMessageA(text, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(message.c_str()));
    SendMessageA(text, WM_CHAR, '!', 1);
    Click(editor, IdExit);
    HWND question = program.waitForWindow("#32770", "Exit");
    Answer(question, IDYES);

    HWND box = program.waitForWindow("#32770", "Error Saving File");
    EXPECT_EQ(BoxText(box), "Error saving file '" + (hl / "valve\\motd.txt") + "'");
    Answer(box, IDOK);
    EXPECT_FALSE(program.waitExit(300)) << "closed, and the text lost";
    EXPECT_EQ(SendMessageA(text, WM_GETTEXTLENGTH, 0, 0), static_cast<LRESULT>(message.size() + 1));
    EXPECT_EQ(FilesIn(hl / "valve"), (Files{{"motd.txt", Fingerprint(old)}}));
}
