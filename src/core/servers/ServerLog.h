#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/platform/Clock.h"
#include "core/platform/FileSystem.h"
#include "core/settings/Settings.h"

namespace vantry {

// What happened to a server the program started: a start from the launcher,
// an end it will not be started again after, a crash it will be, its
// restart, or giving up on it.
enum class ServerEvent { Start, End, Crash, Restart, GiveUp };

namespace serverlog {
inline constexpr char FileName[] = "HLDS Vantry.log";
// Past this, the log keeps its newer half.
inline constexpr std::size_t MaxBytes = 1 << 20;
}  // namespace serverlog

// "0xC0000005": eight upper-case hexadecimal digits.
std::string ExitCodeText(std::uint32_t exitCode);

// Appends the line to the log beside the program. Past MaxBytes the log is
// rewritten, through the program's own save, with its newer half. A log that
// cannot be written stops nothing.
void AppendServerLog(FileSystem& fs, const Settings& settings, Clock& clock, ServerEvent event,
                     std::optional<std::uint32_t> exitCode, const std::string& port, const std::string& commandLine);

}  // namespace vantry
