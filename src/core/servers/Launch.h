#pragma once

#include <string>

#include "platform/MessageBoxes.h"

namespace vantry {

namespace launcher {
inline constexpr char Title[] = "Launch Half-Life Dedicated Server ";
inline constexpr char TrayTooltip[] = "Launch Server";
inline constexpr char RefusedTitle[] = "Start Server";
inline constexpr unsigned RefusedStyle = mb::OkOnly | mb::Information;
inline constexpr int StandalonePort = 27015;
inline constexpr double StartPauseSeconds = 0.5;
}  // namespace launcher

// The server's command line: the additional parameters (trimmed) first, then
// " -game " and the game, then " +map " and " +port " when those are given.
std::string LaunchCommandLine(const std::string& game, const std::string& map,
                              const std::string& port, const std::string& params);

// The port field takes digits and backspace when typed; anything else is swallowed.
bool PortFieldAccepts(int ch);

// What the user reads when the system refuses to start the server.
std::string LaunchRefusedMessage(const std::string& path);

}  // namespace vantry
