#include "core/servers/LauncherPresenter.h"

#include "core/servers/Watchdog.h"
#include "core/startup/StartUp.h"
#include "core/text/Text.h"

#include <algorithm>

namespace vantry {

bool PortFieldAccepts(int ch) { return (ch >= '0' && ch <= '9') || ch == 8; }

namespace {

// The server's command line: the additional parameters (trimmed) first, then
// " -game " and the game, then " +map " and " +port " when those are given.
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

// Whether the server's own commands can load a game or map of that name: one
// holding a space, a double quote, a semicolon or a control character, or
// beginning with "+" or "-", would split or add commands on its command line.
bool ServerCanLoad(const std::string& name) {
    if (!name.empty() && (name.front() == '+' || name.front() == '-'))
        return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b < 0x20 || b == 0x7F || c == ' ' || c == '"' || c == ';';
    });
}

// What the user reads when the system refuses to start the server.
std::string LaunchRefusedMessage(const std::string& path) {
    return "Could not start '" + path + "'.";
}

std::string PortInUseQuestion(int port) {
    return "Port " + std::to_string(port) + " is already in use by another program. Start the server anyway?";
}

// The address the parameters' "+ip" gives the server, empty for none.
std::string ServerAddress(const std::string& params) {
    const auto words = SplitAt(params, ' ');
    for (std::size_t i = 0; i + 1 < words.size(); ++i)
        if (EqualsIgnoreCase(words[i], "+ip"))
            for (std::size_t k = i + 1; k < words.size(); ++k)
                if (!words[k].empty())
                    return words[k];
    return {};
}

}  // namespace

LauncherOutcome LauncherPresenter::onLoad() {
    ++s_.lastPort;
    view_.setPortText(std::to_string(s_.lastPort));
    view_.setParamsText(s_.catalogue.settings.Params());
    const int fills = mapFills_;
    if (FillGameSelector(s_.catalogue, s_.lists, view_.windowHandle(), view_.gameSelector(), ServerCanLoad) ==
        LocateResult::EndNow)
        return LauncherOutcome::EndProgramNow;
    view_.centre();
    // Selecting the game has filled the maps already, unless no game was
    // selected; a second fill would only read the folder again, and 10,000
    // maps take a user-visible moment to list.
    if (mapFills_ == fills)
        refillMaps();
    if (s_.standalone) {
        view_.showTrayIcon(launcher::TrayTooltip);
        s_.lastPort = launcher::StandalonePort;
        view_.setPortText(std::to_string(launcher::StandalonePort));
    }
    return LauncherOutcome::StayOpen;
}

void LauncherPresenter::onGameClick() { refillMaps(); }

void LauncherPresenter::refillMaps() {
    ++mapFills_;
    const ListControl& games = view_.gameSelector();
    const int selected = games.current();
    FillMapList(view_.maps(), selected >= 0 ? games.text(selected) : std::string(),
                s_.catalogue.settings, s_.catalogue.fs, ServerCanLoad);
    view_.insertNoMapEntry();
}

void LauncherPresenter::onStart() {
    view_.setStartEnabled(false);
    view_.setWindowEnabled(false);
    const ListControl& games = view_.gameSelector();
    const int selected = games.current();
    const std::string params = view_.paramsText();
    const std::string port = TrimSpaces(view_.portText());
    // A server on a port another program holds would not come up; the
    // proposals themselves know nothing of other programs.
    if (const auto number = ParseNumber<long>(port); number && *number >= 1 && *number <= 65535 &&
        !s_.network.udpPortFree(ServerAddress(params), static_cast<int>(*number)) &&
        s_.boxes.show(view_.windowHandle(), PortInUseQuestion(static_cast<int>(*number)), launcher::RefusedTitle,
                      launcher::PortInUseStyle) != mb::Yes) {
        view_.setWindowEnabled(true);
        view_.setStartEnabled(true);
        return;
    }
    Settings& settings = s_.catalogue.settings;
    settings.setParams(params);
    const std::string dir = settings.HLdir();
    const std::string exe = dir + settings.HLexe();
    // The program quoted and the parameters after a space, as the shell
    // always ran it.
    const std::string commandLine =
        "\"" + exe + "\" " +
        LaunchCommandLine(selected >= 0 ? games.text(selected) : std::string(), view_.mapText(), port, params);
    const auto started = s_.processes.start(commandLine, dir);
    if (!started) {
        // A silent failure would close the launcher as if the server ran.
        s_.boxes.show(view_.windowHandle(), LaunchRefusedMessage(exe), launcher::RefusedTitle,
                      launcher::RefusedStyle);
        view_.setWindowEnabled(true);
        view_.setStartEnabled(true);
        return;
    }
    RecordServerStart(settings, s_.catalogue.fs, s_.clock, {*started, false, port, dir, commandLine});
    view_.startPause(launcher::StartPauseMilliseconds);
}

LauncherOutcome LauncherPresenter::onPauseElapsed() {
    return s_.standalone ? LauncherOutcome::EndProgramNow : leave(LauncherOutcome::Close);
}

LauncherOutcome LauncherPresenter::onCancel() {
    --s_.lastPort;
    return leave(s_.standalone ? LauncherOutcome::EndProgram : LauncherOutcome::Close);
}

LauncherOutcome LauncherPresenter::leave(LauncherOutcome outcome) {
    ClearGameLists(s_.lists);
    return outcome;
}

}  // namespace vantry
