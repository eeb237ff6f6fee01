#include "core/servers/LauncherPresenter.h"

#include "core/startup/StartUp.h"
#include "core/text/Text.h"

#include <algorithm>

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

bool ServerCanLoad(const std::string& name) {
    if (!name.empty() && (name.front() == '+' || name.front() == '-'))
        return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b < 0x20 || b == 0x7F || c == ' ' || c == '"' || c == ';';
    });
}

bool PortFieldAccepts(int ch) { return (ch >= '0' && ch <= '9') || ch == 8; }

std::string LaunchRefusedMessage(const std::string& path) {
    return "Could not start '" + path + "'.";
}


LauncherOutcome LauncherPresenter::onLoad() {
    ++s_.lastPort;
    view_.setPortText(std::to_string(s_.lastPort));
    view_.setParamsText(s_.catalogue.settings.Params());
    if (FillGameSelector(s_.catalogue, s_.lists, view_.windowHandle(), view_.gameSelector(), ServerCanLoad) ==
        LocateResult::EndNow)
        return LauncherOutcome::EndProgramNow;
    view_.centre();
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
    const ListControl& games = view_.gameSelector();
    const int selected = games.ListIndex();
    FillMapList(view_.maps(), selected >= 0 ? games.List(selected) : std::string(),
                s_.catalogue.settings, s_.catalogue.fs, ServerCanLoad);
    view_.insertNoMapEntry();
}

void LauncherPresenter::onStart() {
    view_.setStartEnabled(false);
    view_.setWindowEnabled(false);
    const ListControl& games = view_.gameSelector();
    const int selected = games.ListIndex();
    const std::string params = view_.paramsText();
    const std::string commandLine =
        LaunchCommandLine(selected >= 0 ? games.List(selected) : std::string(), view_.mapText(),
                          view_.portText(), params);
    Settings& settings = s_.catalogue.settings;
    settings.SetParams(params);
    const std::string dir = settings.HLdir();
    const std::string exe = dir + settings.HLexe();
    if (!s_.shell.execute(view_.windowHandle(), "Open", exe, commandLine, dir, ShowNormal)) {
        // A silent failure would close the launcher as if the server ran.
        s_.boxes.show(view_.windowHandle(), LaunchRefusedMessage(exe), launcher::RefusedTitle,
                      launcher::RefusedStyle);
        view_.setWindowEnabled(true);
        view_.setStartEnabled(true);
        return;
    }
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
