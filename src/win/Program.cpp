#include "win/Program.h"

#include <algorithm>

#include "core/startup/StartUp.h"
#include "win/platform/WideText.h"
#include "win/ui/Dpi.h"
#include "win/ui/MessageLoop.h"
#include "win/ui/TrayIcon.h"

namespace vantry::win {

namespace {

std::string ModulePath() {
    // A path that fills the buffer was cut short: the buffer grows until the
    // whole path fits, and the longest the system allows is 32,767 characters.
    std::wstring path(MAX_PATH, L'\0');
    DWORD n = 0;
    while ((n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) == path.size() &&
           path.size() <= 32767)
        path.resize(path.size() * 2);
    path.resize(std::min<std::size_t>(n, path.size()));
    return Narrow(path);
}

// The directory the running program was started from, with its backslash.
std::string ProgramDirectory() {
    const std::string path = ModulePath();
    return path.substr(0, path.rfind('\\') + 1);
}

}  // namespace

Program::Program()
    : catalogue{settings, fileSystem, registry, fileDialogs, messageBoxes, ProgramDirectory()},
      association{settings, registry, shell, RegisteredProgramPath(ModulePath())} {
    windows.onEmpty = [] { PostQuitMessage(0); };
    windows.setToolOwner(&mainOwner_);
}

Program::~Program() {
    about_.reset();
    launcher_.reset();
    cfgEditor_.reset();
    motdEditor_.reset();
    mapCycleEditor_.reset();
    options_.reset();
    main_.reset();
    title_.reset();
    TrayIcon::removeAll();
}

int Program::run(const std::string& fullCommandLine) {
    const StartPlan plan = PlanStart(CommandLineText(fullCommandLine), settings, fileSystem);
    // Records of servers that ended while the program was closed go: how
    // they ended is not known, so none is started again.
    WatchdogServices watch{settings, fileSystem, processes, clock, desktop};
    PruneServerRecords(watch);
    if (plan.registerCfgAssociation)
        RegisterCfgAssociation(association);
    switch (plan.window) {
    case StartWindow::Main:
        ShowMainWindow();
        break;
    case StartWindow::ServerRun:
        openLauncher(true);
        break;
    case StartWindow::Cfg:
        openCfgEditor(CfgEditorMode::Alone, plan.filePath);
        break;
    case StartWindow::CfgOpenFile:
        openCfgEditor(CfgEditorMode::AloneHidden, plan.filePath);
        break;
    case StartWindow::Motd:
        openMotdEditor(true);
        break;
    case StartWindow::MapCycle:
        openMapCycleEditor(true);
        break;
    }
    if (windows.count() == 0)
        return 0;  // nothing could be opened
    return RunMessageLoop();
}

void Program::ShowMainWindow() {
    const int mode = ShowInMode(settings);
    const bool taskbar = MinimizesByTitleWindow(mode);
    // The title window owns the main window, so it must exist first.
    if (taskbar && (!title_ || !title_->hwnd())) {
        title_ = std::make_unique<TitleWindow>(windows);
        title_->load(ProgramTitle);
        title_->onHandFocus = [this] {
            if (!main_ || !main_->hwnd())
                return;
            // While the launcher or the About box is open, they take the focus.
            HWND target = IsWindowEnabled(main_->hwnd()) ? main_->hwnd()
                                                         : GetLastActivePopup(main_->hwnd());
            SetForegroundWindow(target);
        };
        // The taskbar button's Close is the main window's exit, with its questions.
        title_->onUserClose = [this] {
            if (main_ && main_->hwnd())
                main_->presenter().exit();
            else
                EndProgram();
        };
    }
    if (!main_ || !main_->hwnd()) {
        main_ = std::make_unique<MainWindow>(windows,
                                             MainServices{settings, desktop, messageBoxes, shell, LastPort, fileSystem, processes, clock});
        main_->onEndProgram = [this] { EndProgram(); };
        main_->onAbout = [this] { return openAbout(); };
        main_->onStartServer = [this] { openLauncher(false); };
        main_->onCfgEditor = [this] { openCfgEditor(CfgEditorMode::FromMain); };
        main_->onMotdEditor = [this] { openMotdEditor(false); };
        main_->onMapCycleEditor = [this] { openMapCycleEditor(false); };
        main_->onOptions = [this] { openOptions(); };
        main_->onCloseToolWindows = [this] { return closeToolWindows(); };
        main_->onTitleWindowState = [this](bool minimized) {
            if (title_ && title_->hwnd())
                title_->setMinimized(minimized);
        };
        main_->load(taskbar ? title_->hwnd() : nullptr);
    }
    main_->setTitle(ProgramTitle);
    main_->startPolling();

    HWND hwnd = main_->hwnd();
    main_->moveTo(MainWindowPlace(settings, main_->screenWidthTwips(), main_->placeTwips()));

    ShowWindow(hwnd, SW_SHOW);
    if (taskbar)
        ShowWindow(title_->hwnd(), SW_SHOWNA);
    SetForegroundWindow(hwnd);
}

void Program::EndProgram() {
    windows.EndProgram([this] {
        if (title_ && title_->hwnd())
            title_->hide();
    });
}

bool Program::openAbout() {
    if (!main_)
        return false;
    if (about_ && about_->hwnd())
        return true;
    about_ = std::make_unique<AboutWindow>(windows, shell);
    about_->onClosed = [this] {
        if (main_)
            main_->presenter().onAboutClosed();
    };
    return about_->load(main_->hwnd());
}

void Program::EndProgramNow() {
    TrayIcon::removeAll();
    ExitProcess(0);
}

void Program::openLauncher(bool standalone) {
    if (windows.toolOpen())
        return;
    const HWND owner = standalone ? nullptr : mainOwner_.hwnd();
    launcher_ = std::make_unique<LauncherWindow>(
        windows,
        LauncherServices{catalogue, gameLists, processes, network, clock, messageBoxes, LastPort, standalone});
    launcher_->onFinished = [this](LauncherOutcome outcome) { finishLauncher(outcome); };
    windows.openTool(*launcher_, owner != nullptr, [this, owner] {
        const LauncherOutcome outcome = launcher_->load(owner);
        if (outcome != LauncherOutcome::StayOpen)
            finishLauncher(outcome);
    });
}

void Program::finishLauncher(LauncherOutcome outcome) {
    switch (outcome) {
    case LauncherOutcome::Close:
        windows.closeTool();
        break;
    case LauncherOutcome::EndProgram:
        EndProgram();
        break;
    case LauncherOutcome::EndProgramNow:
        EndProgramNow();
    case LauncherOutcome::StayOpen:
        break;
    }
}

template <typename Editor, typename Services>
void Program::openEditor(std::unique_ptr<Editor>& editor, bool overMain, const Services& services) {
    if (windows.toolOpen())
        return;
    const HWND owner = overMain ? mainOwner_.hwnd() : nullptr;
    editor = std::make_unique<Editor>(windows, services);
    editor->onEndProgram = [this] { EndProgram(); };
    editor->onClosedToMain = [this] { windows.closeTool(); };
    windows.openTool(*editor, owner != nullptr, [&editor, owner] {
        if (editor->load(owner) == LocateResult::EndNow)
            EndProgramNow();
    });
}

void Program::openCfgEditor(CfgEditorMode mode, const std::string& path) {
    openEditor(cfgEditor_, mode == CfgEditorMode::FromMain,
               CfgEditorServices{catalogue, gameLists, clipboard, mode, path});
}

void Program::openMotdEditor(bool standalone) {
    openEditor(motdEditor_, !standalone, GameFileServices{catalogue, gameLists, standalone});
}

void Program::openMapCycleEditor(bool standalone) {
    openEditor(mapCycleEditor_, !standalone, GameFileServices{catalogue, gameLists, standalone});
}

bool Program::closeToolWindows() {
    // The About box is modal over the main window as the tool windows are, so
    // at most one of them is open.
    if (about_ && about_->hwnd() && !about_->closeAsExitButton())
        return false;
    return windows.closeToolAsExitButton();
}

void Program::openOptions() {
    const HWND owner = mainOwner_.hwnd();
    if (!owner || windows.toolOpen())
        return;
    options_ = std::make_unique<OptionsWindow>(
        windows, OptionsServices{catalogue, gameLists, shell, association.programPath});
    options_->onClosed = [this] { windows.closeTool(); };
    options_->onShowInChanged = [this] { showMainWindowAgain(); };
    options_->onEndProgramNow = [] { EndProgramNow(); };
    windows.openTool(*options_, true, [this, owner] { options_->load(owner); });
}

void Program::showMainWindowAgain() {
    HWND options = options_ ? options_->hwnd() : nullptr;
    // An owned window goes with its owner: the options window is let go first.
    if (options)
        SetWindowLongPtrW(options, GWLP_HWNDPARENT, 0);
    if (main_)
        main_->unload();
    if (title_)
        title_->unload();
    ShowMainWindow();
    if (options && main_->hwnd()) {
        SetWindowLongPtrW(options, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(main_->hwnd()));
        windows.toolOwnerRenewed();
        SetForegroundWindow(options);
    }
}

}  // namespace vantry::win
