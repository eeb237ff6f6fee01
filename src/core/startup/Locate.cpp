#include "core/startup/Locate.h"

#include <functional>
#include <optional>

#include "core/text/Paths.h"
#include "core/text/Text.h"

namespace vantry {

namespace {

struct LocateTexts {
    const char* prompt;
    const char* title;
    const char* dialogTitle;
    const char* filter;
    const char* retry;
};

struct Location {
    std::string dir;
    std::string file;
};

// The prompt, then the dialog until it gives a usable path or the user gives up.
std::optional<Location> AskForLocation(FileDialogs& dialogs, MessageBoxes& boxes, WindowHandle owner,
                                       const LocateTexts& texts,
                                       const std::function<std::string()>& initialDir) {
    boxes.show(owner, texts.prompt, texts.title, mb::OkOnly);
    for (;;) {
        const std::string chosen = dialogs.showOpen(owner, texts.filter, texts.dialogTitle, initialDir());
        // A path with no directory and file name in it is as good as no choice:
        // storing it would only bring the question back at the next window.
        const auto pieces = SplitAt(SplitPath(chosen), '|');
        if (pieces.size() >= 2)
            return Location{pieces[0], pieces[1]};
        // Anything but OK ends, so a box that cannot be shown never loops for ever.
        if (boxes.show(owner, texts.retry, texts.title, locate::RetryStyle) != mb::Ok)
            return std::nullopt;
    }
}

}  // namespace

LocateResult LocateServerExe(Settings& settings, FileSystem& fs, Registry& registry,
                             FileDialogs& dialogs, MessageBoxes& boxes, WindowHandle owner) {
    if (FileExists(fs, TrimSpaces(settings.HLdir()) + TrimSpaces(settings.HLexe())))
        return LocateResult::Known;
    static constexpr LocateTexts texts{locate::ServerPrompt, locate::ServerTitle,
                                       locate::ServerDialogTitle, locate::ServerFilter,
                                       locate::ServerRetry};
    const auto chosen = AskForLocation(dialogs, boxes, owner, texts, [&] {
        // The game's installer is a 32-bit program: on 64-bit Windows its key
        // lives in the 32-bit view, which this program does not see by default.
        const std::string path = registry.GetRegString(RegRoot::LocalMachine32, locate::InstallKey, locate::InstallValue);
        return path.empty() ? registry.GetRegString(RegRoot::LocalMachine, locate::InstallKey, locate::InstallValue)
                            : path;
    });
    if (!chosen)
        return LocateResult::EndNow;
    settings.setHLdir(chosen->dir);
    settings.setHLexe(chosen->file);
    return LocateResult::Known;
}

LocateResult LocateOwnExe(Settings& settings, FileSystem& fs, FileDialogs& dialogs,
                          MessageBoxes& boxes, WindowHandle owner, const std::string& startDir) {
    if (FileExists(fs, settings.HLDSdir() + settings.HLDSexe()))
        return LocateResult::Known;
    static constexpr LocateTexts texts{locate::OwnPrompt, locate::OwnTitle, locate::OwnDialogTitle,
                                       locate::OwnFilter, locate::OwnRetry};
    const auto chosen = AskForLocation(dialogs, boxes, owner, texts, [&] { return startDir; });
    if (!chosen)
        return LocateResult::EndNow;
    settings.setHLDSdir(chosen->dir);
    settings.setHLDSexe(chosen->file);
    return LocateResult::Known;
}

}  // namespace vantry
