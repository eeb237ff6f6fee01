#include "core/startup/StartUp.h"

#include "core/text/Paths.h"
#include "core/text/Text.h"

namespace vantry {

std::string CommandLineText(const std::string& fullCommandLine) {
    std::size_t at = 0;
    const std::size_t size = fullCommandLine.size();
    while (at < size && (fullCommandLine[at] == ' ' || fullCommandLine[at] == '\t'))
        ++at;
    if (at < size && fullCommandLine[at] == '"') {
        const auto close = fullCommandLine.find('"', at + 1);
        at = close == std::string::npos ? size : close + 1;
    } else {
        while (at < size && fullCommandLine[at] != ' ' && fullCommandLine[at] != '\t')
            ++at;
    }
    while (at < size && (fullCommandLine[at] == ' ' || fullCommandLine[at] == '\t'))
        ++at;
    return fullCommandLine.substr(at);
}

std::string CommandSwitch(const std::string& commandLineText) {
    return ToLowerAscii(commandLineText.substr(0, 2));
}

int ShowInMode(const Settings& settings) {
    const long showIn = settings.ShowIn();
    return showIn == 1 || showIn == 2 ? static_cast<int>(showIn) : 0;
}

namespace {

// A path as the user gave it, without the spaces around it and without the
// quotes the shell puts around a path with spaces (a file dropped on the
// program): no file name holds a quote.
std::string PathOf(const std::string& text) {
    std::string path = TrimSpaces(text);
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"')
        path = TrimSpaces(path.substr(1, path.size() - 2));
    return path;
}

}  // namespace

StartPlan PlanStart(const std::string& commandLineText, const Settings& settings, FileSystem& fs) {
    StartPlan plan;
    plan.registerCfgAssociation = settings.RegOnStart() == 1;

    const std::string sw = CommandSwitch(commandLineText);
    if (sw.empty())
        plan.window = StartWindow::Main;
    else if (sw == "/s")
        plan.window = StartWindow::ServerRun;
    else if (sw == "/c") {
        plan.window = StartWindow::Cfg;
        plan.filePath = PathOf(commandLineText.size() > 3 ? commandLineText.substr(3) : std::string());
    }
    else if (sw == "/m")
        plan.window = StartWindow::MapCycle;
    else if (sw == "/o")
        plan.window = StartWindow::Motd;
    else {
        const std::string path = PathOf(commandLineText);
        if (FileExists(fs, path)) {
            plan.window = StartWindow::CfgOpenFile;
            plan.filePath = path;
        } else {
            plan.window = StartWindow::Main;
        }
    }
    return plan;
}

}  // namespace vantry
