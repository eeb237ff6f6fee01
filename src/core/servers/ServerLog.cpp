#include "core/servers/ServerLog.h"

#include <cstdio>
#include <cstdlib>

namespace vantry {

namespace {
const char* EventName(ServerEvent event) {
    switch (event) {
    case ServerEvent::Start:
        return "start";
    case ServerEvent::End:
        return "end";
    case ServerEvent::Crash:
        return "crash";
    case ServerEvent::Restart:
        return "restart";
    case ServerEvent::GiveUp:
        return "give-up";
    }
    return "";
}

// "2026-12-07T03:12:45+01:00"
std::string IsoTime(const LocalTime& t) {
    const int offset = std::abs(t.offsetMinutes);
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second, t.offsetMinutes < 0 ? '-' : '+', offset / 60, offset % 60);
    return text;
}

}  // namespace

std::string ExitCodeText(std::uint32_t exitCode) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(exitCode));
    return text;
}

namespace {

// One line of the log: the time, the event, the exit code ("-" for none),
// the port and the command line, separated by tabs, ended with CR LF.
std::string LogLine(const LocalTime& time, ServerEvent event, std::optional<std::uint32_t> exitCode,
                    const std::string& port, const std::string& commandLine) {
    return IsoTime(time) + "\t" + EventName(event) + "\t" + (exitCode ? ExitCodeText(*exitCode) : "-") + "\t" +
           port + "\t" + commandLine + "\r\n";
}

// The newer half of a log, from the first line that starts in it.
std::string_view NewerHalf(std::string_view log) {
    const std::size_t middle = log.size() / 2;
    // The line that the middle falls in is cut off; the next one starts whole.
    const std::size_t end = middle == 0 ? std::string_view::npos : log.find('\n', middle - 1);
    return end == std::string_view::npos ? std::string_view() : log.substr(end + 1);
}

}  // namespace

void AppendServerLog(FileSystem& fs, const Settings& settings, Clock& clock, ServerEvent event,
                     std::optional<std::uint32_t> exitCode, const std::string& port, const std::string& commandLine) {
    const std::string path = settings.HLDSdir() + serverlog::FileName;
    if (!fs.appendFile(path, LogLine(clock.localNow(), event, exitCode, port, commandLine)))
        return;
    const auto log = fs.readFile(path);
    if (log && log->size() > serverlog::MaxBytes)
        fs.writeFile(path, std::string(NewerHalf(*log)));
}

}  // namespace vantry
