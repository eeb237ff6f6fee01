#include "core/servers/Watchdog.h"

#include <algorithm>
#include <charconv>

#include "core/servers/ServerList.h"
#include "core/text/Text.h"

namespace vantry {

namespace watchdog {
namespace {

// An exit code that tells of a crash: an exception's status, 0xC0000000 and
// above, other than the one a closed console gives its program.
bool IsCrash(std::uint32_t exitCode) { return exitCode >= 0xC0000000u && exitCode != 0xC000013Au; }

std::string RestartedNotice(const std::string& title, std::uint32_t exitCode) {
    return title + " crashed (" + ExitCodeText(exitCode) + ") and was restarted.";
}

std::string GaveUpNotice(const std::string& title) {
    return title + " crashed " + std::to_string(CrashesToGiveUp) + " times in 10 minutes and was not restarted.";
}

// The system refused to start it again.
std::string NotRestartedNotice(const std::string& title, std::uint32_t exitCode) {
    return title + " crashed (" + ExitCodeText(exitCode) + ") and could not be started again.";
}

}  // namespace
}  // namespace watchdog

namespace {
std::string KeyOf(const ServerRecord& record) { return std::to_string(record.process.pid); }

// Digits and nothing else, as the program writes them.
template <typename Number>
std::optional<Number> Whole(const std::string& text) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string RecordText(const ServerRecord& r) {
    return std::to_string(r.process.startTime) + "\t" + (r.watched ? "1" : "0") + "\t" + r.port + "\t" + r.directory +
           "\t" + r.commandLine;
}

std::optional<ServerRecord> ParseRecord(const std::string& key, const std::string& text) {
    // The command line is last and whole: it may hold a tab of its own.
    std::vector<std::string> fields;
    std::size_t at = 0;
    for (int i = 0; i < 4; ++i) {
        const std::size_t tab = text.find('\t', at);
        if (tab == std::string::npos)
            return std::nullopt;
        fields.push_back(text.substr(at, tab - at));
        at = tab + 1;
    }
    const auto pid = Whole<std::uint32_t>(key);
    const auto start = Whole<std::uint64_t>(fields[0]);
    if (!pid || *pid == 0 || !start || (fields[1] != "0" && fields[1] != "1"))
        return std::nullopt;
    ServerRecord record;
    record.process = {*pid, *start};
    record.watched = fields[1] == "1";
    record.port = fields[2];
    record.directory = fields[3];
    record.commandLine = text.substr(at);
    return record;
}

}  // namespace

void RecordServerStart(Settings& settings, FileSystem& fs, Clock& clock, const ServerRecord& record) {
    settings.setServer(KeyOf(record), RecordText(record));
    AppendServerLog(fs, settings, clock, ServerEvent::Start, std::nullopt, record.port, record.commandLine);
}

void PruneServerRecords(WatchdogServices& s) {
    for (const std::string& key : s.settings.serverKeys()) {
        const auto record = ParseRecord(key, s.settings.server(key).value_or(""));
        if (record && s.processes.status(record->process).state == ProcessState::Running)
            continue;
        if (record)
            AppendServerLog(s.fs, s.settings, s.clock, ServerEvent::End, std::nullopt, record->port,
                            record->commandLine);
        s.settings.removeServer(key);
    }
}

void Watchdog::sync(std::int64_t now) {
    std::vector<ServerRecord> stored;
    for (const std::string& key : s_.settings.serverKeys())
        if (const auto record = ParseRecord(key, s_.settings.server(key).value_or("")))
            stored.push_back(*record);
    // Taken by another copy of the program, or by the launcher's own end: no
    // longer this one's to watch.
    std::erase_if(servers_, [&](Server& server) {
        const auto it = std::find_if(stored.begin(), stored.end(),
                                     [&](const ServerRecord& r) { return r.process == server.record.process; });
        if (it == stored.end()) {
            s_.processes.release(server.record.process);
            return true;
        }
        server.record.watched = it->watched;
        return false;
    });
    for (const ServerRecord& record : stored) {
        const bool known = std::any_of(servers_.begin(), servers_.end(),
                                       [&](const Server& server) { return server.record.process == record.process; });
        if (!known) {
            Server server;
            server.record = record;
            server.runningSince = now;
            servers_.push_back(std::move(server));
        }
    }
}

void Watchdog::onConsoleFound(DesktopWindow console, std::string& title) {
    // The launcher may have recorded its server since the last tick.
    sync(s_.clock.steadyMilliseconds());
    for (Server& server : servers_) {
        if (server.console || server.restartAt || !s_.processes.ownsWindow(server.record.process, console))
            continue;
        server.console = console;
        if (!server.restored) {
            server.restored = true;
            if (!server.title.empty() && title != server.title && s_.desktop.setTitle(console, server.title))
                title = server.title;
            if (server.hidden)
                s_.desktop.setVisible(console, false);
        }
        server.title = title;
        return;
    }
}

void Watchdog::tick() {
    const std::int64_t now = s_.clock.steadyMilliseconds();
    sync(now);
    std::erase_if(servers_, [&](Server& server) { return !check(server, now); });
}

bool Watchdog::check(Server& server, std::int64_t now) {
    using namespace watchdog;
    if (server.restartAt)
        return now < *server.restartAt || restart(server, now);
    const ProcessStatus status = s_.processes.status(server.record.process);
    if (status.state == ProcessState::Running) {
        if (server.console) {
            const std::string title = s_.desktop.title(server.console);
            if (!title.empty()) {
                server.title = title;
                server.hidden = !s_.desktop.isVisible(server.console);
            }
        }
        if (now - server.runningSince >= SteadyRunMs)
            server.backoffMs = FirstBackoffMs;
        return true;
    }
    const std::optional<std::uint32_t> exitCode =
        status.state == ProcessState::Ended ? std::optional(status.exitCode) : std::nullopt;
    if (!server.record.watched || !exitCode || !IsCrash(*exitCode)) {
        finish(server, ServerEvent::End, exitCode);
        return false;
    }
    std::erase_if(server.crashes, [&](std::int64_t at) { return now - at >= CrashWindowMs; });
    server.crashes.push_back(now);
    if (server.crashes.size() >= CrashesToGiveUp) {
        finish(server, ServerEvent::GiveUp, exitCode);
        notices_.notify(GaveUpNotice(titleOf(server)), true);
        return false;
    }
    log(server, ServerEvent::Crash, exitCode);
    server.crashCode = *exitCode;
    server.restartAt = now + server.backoffMs;
    server.backoffMs = std::min(server.backoffMs * 2, LongestBackoffMs);
    return true;
}

bool Watchdog::restart(Server& server, std::int64_t now) {
    using namespace watchdog;
    const std::string key = KeyOf(server.record);
    s_.processes.release(server.record.process);
    const auto started = s_.processes.start(server.record.commandLine, server.record.directory);
    if (!started) {
        finish(server, ServerEvent::GiveUp, server.crashCode);
        notices_.notify(NotRestartedNotice(titleOf(server), server.crashCode), true);
        return false;
    }
    s_.settings.removeServer(key);
    server.record.process = *started;
    s_.settings.setServer(KeyOf(server.record), RecordText(server.record));
    log(server, ServerEvent::Restart, std::nullopt);
    notices_.notify(RestartedNotice(titleOf(server), server.crashCode), false);
    server.restartAt.reset();
    server.runningSince = now;
    server.console = 0;
    server.restored = false;
    return true;
}

void Watchdog::finish(Server& server, ServerEvent event, std::optional<std::uint32_t> exitCode) {
    log(server, event, exitCode);
    s_.settings.removeServer(KeyOf(server.record));
    s_.processes.release(server.record.process);
}

void Watchdog::log(const Server& server, ServerEvent event, std::optional<std::uint32_t> exitCode) {
    AppendServerLog(s_.fs, s_.settings, s_.clock, event, exitCode, server.record.port, server.record.commandLine);
}

std::string Watchdog::titleOf(const Server& server) const {
    return server.title.empty() ? std::string(mainwin::ConsolePrefix) : server.title;
}

std::optional<bool> Watchdog::watched(DesktopWindow console) const {
    for (const Server& server : servers_)
        if (console && server.console == console)
            return server.record.watched;
    return std::nullopt;
}

void Watchdog::toggleWatched(DesktopWindow console) {
    for (Server& server : servers_) {
        if (!console || server.console != console)
            continue;
        server.record.watched = !server.record.watched;
        s_.settings.setServer(KeyOf(server.record), RecordText(server.record));
        return;
    }
}

}  // namespace vantry
