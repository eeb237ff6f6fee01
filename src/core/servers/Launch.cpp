#include "servers/Launch.h"

#include "text/Text.h"

namespace vantry {

std::string LaunchCommandLine(const std::string& game, const std::string& map,
                              const std::string& port, const std::string& params) {
    std::string line = " -game " + game;
    if (const std::string m = TrimSpaces(map); !m.empty())
        line += " +map " + m;
    if (const std::string p = TrimSpaces(port); !p.empty())
        line += " +port " + p;
    if (const std::string extra = TrimSpaces(params); !extra.empty())
        line = extra + " " + line;
    return line;
}

bool PortFieldAccepts(int ch) { return (ch >= '0' && ch <= '9') || ch == 8; }

std::string LaunchRefusedMessage(const std::string& path) {
    return "Could not start '" + path + "'.";
}

}  // namespace vantry
