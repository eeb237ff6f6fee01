#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/Clock.h"
#include "core/platform/DesktopWindows.h"
#include "core/platform/FileSystem.h"
#include "core/platform/Processes.h"
#include "core/servers/ServerLog.h"
#include "core/settings/Settings.h"

namespace vantry {

namespace watchdog {
inline constexpr char MenuCaption[] = "Restart If It Crashes";
inline constexpr char NoticeTitle[] = "HLDS Vantry";
// The wait before a restart: this, then twice the last, up to the longest.
inline constexpr std::int64_t FirstBackoffMs = 5'000, LongestBackoffMs = 300'000;
// A run this long puts the wait back to the first.
inline constexpr std::int64_t SteadyRunMs = 600'000;
// This many crashes within the window, and the server is not started again.
inline constexpr std::size_t CrashesToGiveUp = 5;
inline constexpr std::int64_t CrashWindowMs = 600'000;
}  // namespace watchdog

// A server the launcher started, as its settings value holds it: its start
// time, whether it is watched, its port, its directory and its command line,
// tab-separated, the command line last and whole. The key is its process id.
struct ServerRecord {
    ProcessId process;
    bool watched = false;
    std::string port, directory, commandLine;
};

// A start from the launcher: its record, unwatched, and its line in the log.
void RecordServerStart(Settings& settings, FileSystem& fs, Clock& clock, const ServerRecord& record);

struct WatchdogServices {
    Settings& settings;
    FileSystem& fs;
    Processes& processes;
    Clock& clock;
    DesktopWindows& desktop;
};

// The program's start: a record whose server no longer runs goes, with an
// end in the log; how it ended is not known, so it is not started again.
void PruneServerRecords(WatchdogServices& services);

// What the watchdog tells the admin: a restart (a warning) or a give-up (an error).
class WatchdogNotices {
public:
    virtual ~WatchdogNotices() = default;
    virtual void notify(const std::string& text, bool error) = 0;
};

// The servers the launcher started, while the main window runs: a watched
// one that crashes is started again after a back-off, with the name its
// console had and hidden if it was, until it crashes too often; every other
// end is final. The records in the settings are the truth: another copy of
// the program, or the launcher alone, may add, change or take one.
class Watchdog {
public:
    Watchdog(WatchdogNotices& notices, WatchdogServices services) : notices_(notices), s_(services) {}

    // A console just found, before it is listed: it is claimed by its
    // server's record, and a restarted server's gets the old one's name
    // (title then says it) and hidden state.
    void onConsoleFound(DesktopWindow console, std::string& title);
    // The poll's tick.
    void tick();
    // Whether the console's server is watched; nothing where it has no record.
    std::optional<bool> watched(DesktopWindow console) const;
    void toggleWatched(DesktopWindow console);

private:
    struct Server {
        ServerRecord record;
        DesktopWindow console = 0;
        std::string title;  // the console's, as last seen
        bool hidden = false;
        bool restored = true;  // a restarted server's console has its old name and state
        std::int64_t runningSince = 0;
        std::int64_t backoffMs = watchdog::FirstBackoffMs;
        std::vector<std::int64_t> crashes;
        std::optional<std::int64_t> restartAt;
        std::uint32_t crashCode = 0;
    };

    void sync(std::int64_t now);
    // False when the server leaves the watch.
    bool check(Server& server, std::int64_t now);
    bool restart(Server& server, std::int64_t now);
    void finish(Server& server, ServerEvent event, std::optional<std::uint32_t> exitCode);
    void log(const Server& server, ServerEvent event, std::optional<std::uint32_t> exitCode);
    std::string titleOf(const Server& server) const;

    WatchdogNotices& notices_;
    WatchdogServices s_;
    std::vector<Server> servers_;
};

}  // namespace vantry
