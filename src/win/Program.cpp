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
    TrayIcon::RemoveAll();
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
    if (windows.Count() == 0)
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

}  // namespace vantry::win

namespace vantry::win {

void Program::EndProgramNow() {
    TrayIcon::RemoveAll();
    ExitProcess(0);
}

void Program::openLauncher(bool standalone) {
    if (launcher_ && launcher_->hwnd())
        return;
    HWND owner = !standalone && main_ ? main_->hwnd() : nullptr;
    launcher_ = std::make_unique<LauncherWindow>(
        windows,
        LauncherServices{catalogue, gameLists, processes, network, clock, messageBoxes, LastPort, standalone});
    launcher_->onFinished = [this, owner](LauncherOutcome outcome) { finishLauncher(outcome, owner); };
    if (owner)
        EnableWindow(owner, FALSE);
    const LauncherOutcome outcome = launcher_->load(owner);
    if (outcome != LauncherOutcome::StayOpen)
        finishLauncher(outcome, owner);
}

void Program::finishLauncher(LauncherOutcome outcome, HWND owner) {
    switch (outcome) {
    case LauncherOutcome::Close:
        CloseToOwner(*launcher_, owner);
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

void Program::openCfgEditor(CfgEditorMode mode, const std::string& path) {
    if (cfgEditor_ && cfgEditor_->hwnd())
        return;
    HWND owner = mode == CfgEditorMode::FromMain && main_ ? main_->hwnd() : nullptr;
    cfgEditor_ = std::make_unique<CfgEditorWindow>(
        windows, CfgEditorServices{catalogue, gameLists, clipboard, mode, path});
    cfgEditor_->onEndProgram = [this] { EndProgram(); };
    cfgEditor_->onClosedToMain = [this, owner] { CloseToOwner(*cfgEditor_, owner); };
    if (owner)
        EnableWindow(owner, FALSE);
    if (cfgEditor_->load(owner) == LocateResult::EndNow)
        EndProgramNow();
    if (owner && !cfgEditor_->hwnd())
        EnableWindow(owner, TRUE);
}

bool Program::closeToolWindows() {
    // Each is modal over the main window, so at most one is open.
    Frame* const tools[] = {about_.get(),     launcher_.get(),   options_.get(),
                            cfgEditor_.get(), motdEditor_.get(), mapCycleEditor_.get()};
    for (Frame* tool : tools)
        if (tool && tool->hwnd() && !tool->closeAsExitButton())
            return false;
    return true;
}

void Program::CloseToOwner(Frame& window, HWND owner) {
    // Enabled before the window goes, so Windows hands it the activation.
    if (owner)
        EnableWindow(owner, TRUE);
    window.Unload();
    // A main window hidden in the tray stays there.
    if (owner && IsWindowVisible(owner))
        SetForegroundWindow(owner);
}

namespace {

// Opens an editor of one file per game, modal over the main window or alone.
template <typename Window>
void OpenGameFileEditor(Program& program, std::unique_ptr<Window>& editor, HWND owner, bool standalone,
                        const std::function<void(Frame&, HWND)>& closeToOwner) {
    if (editor && editor->hwnd())
        return;
    editor = std::make_unique<Window>(program.windows,
                                      GameFileServices{program.catalogue, program.gameLists, standalone});
    Window& window = *editor;
    window.onEndProgram = [&program] { program.EndProgram(); };
    window.onClosedToMain = [&window, owner, closeToOwner] { closeToOwner(window, owner); };
    if (owner)
        EnableWindow(owner, FALSE);
    if (window.load(owner) == LocateResult::EndNow)
        Program::EndProgramNow();
    if (owner && !window.hwnd())
        EnableWindow(owner, TRUE);
}

}  // namespace

void Program::openMotdEditor(bool standalone) {
    OpenGameFileEditor(*this, motdEditor_, !standalone && main_ ? main_->hwnd() : nullptr, standalone,
                       CloseToOwner);
}

void Program::openMapCycleEditor(bool standalone) {
    OpenGameFileEditor(*this, mapCycleEditor_, !standalone && main_ ? main_->hwnd() : nullptr, standalone,
                       CloseToOwner);
}

void Program::openOptions() {
    if (!main_ || !main_->hwnd() || (options_ && options_->hwnd()))
        return;
    HWND owner = main_->hwnd();
    options_ = std::make_unique<OptionsWindow>(
        windows, OptionsServices{catalogue, gameLists, shell, association.programPath});
    // The main window may have been made anew meanwhile (a change of ShowIn).
    options_->onClosed = [this] { CloseToOwner(*options_, main_ ? main_->hwnd() : nullptr); };
    options_->onShowInChanged = [this] { showMainWindowAgain(); };
    options_->onEndProgramNow = [] { EndProgramNow(); };
    EnableWindow(owner, FALSE);
    options_->load(owner);
    if (!options_->hwnd())
        EnableWindow(owner, TRUE);
}

void Program::showMainWindowAgain() {
    HWND options = options_ ? options_->hwnd() : nullptr;
    // An owned window goes with its owner: the options window is let go first.
    if (options)
        SetWindowLongPtrW(options, GWLP_HWNDPARENT, 0);
    if (main_)
        main_->Unload();
    if (title_)
        title_->Unload();
    ShowMainWindow();
    if (options && main_->hwnd()) {
        SetWindowLongPtrW(options, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(main_->hwnd()));
        EnableWindow(main_->hwnd(), FALSE);
        SetForegroundWindow(options);
    }
}

}  // namespace vantry::win
