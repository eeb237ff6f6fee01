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

StartPlan PlanStart(const std::string& commandLineText, const Settings& settings, FileSystem& fs) {
    StartPlan plan;
    plan.registerCfgAssociation = settings.RegOnStart() == 1;

    const std::string sw = CommandSwitch(commandLineText);
    if (sw.empty())
        plan.window = StartWindow::Main;
    else if (sw == "/s")
        plan.window = StartWindow::ServerRun;
    else if (sw == "/c")
        plan.window = StartWindow::Cfg;
    else if (sw == "/m")
        plan.window = StartWindow::MapCycle;
    else if (sw == "/o")
        plan.window = StartWindow::Motd;
    else {
        const std::string path = TrimSpaces(commandLineText);
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
