#pragma once

#include <string>

#include "core/catalogue/GameCatalogue.h"
#include "core/ui/ListControl.h"
#include "core/catalogue/MapLists.h"
#include "core/platform/Clock.h"
#include "core/platform/MessageBoxes.h"
#include "core/platform/Network.h"
#include "core/platform/Processes.h"

namespace vantry {

namespace launcher {
inline constexpr char Title[] = "Launch Half-Life Dedicated Server ";
inline constexpr char TrayTooltip[] = "Launch Server";
inline constexpr char RefusedTitle[] = "Start Server";
inline constexpr unsigned RefusedStyle = mb::OkOnly | mb::Information;
inline constexpr unsigned PortInUseStyle = mb::YesNo | mb::Exclamation;
inline constexpr int StandalonePort = 27015;
// The pause after a start, while the new console comes up.
inline constexpr int StartPauseMilliseconds = 500;
}  // namespace launcher

// The port field takes digits and backspace when typed; anything else is swallowed.
bool PortFieldAccepts(int ch);

// What frmServerRun shows; the window implements it over its controls.
class LauncherView {
public:
    virtual ~LauncherView() = default;
    virtual std::string portText() = 0;
    virtual void setPortText(const std::string& text) = 0;
    virtual std::string paramsText() = 0;
    virtual void setParamsText(const std::string& text) = 0;
    virtual ListControl& gameSelector() = 0;  // cmbGame
    virtual MapList& maps() = 0;              // lstMaps
    // An empty entry at the top of lstMaps, selected: no map unless one is picked.
    virtual void insertNoMapEntry() = 0;
    virtual std::string mapText() = 0;
    // The Start button, with its caption white while enabled and black while not.
    virtual void setStartEnabled(bool enabled) = 0;
    virtual void setWindowEnabled(bool enabled) = 0;
    // onPauseElapsed follows once, after this long.
    virtual void startPause(int milliseconds) = 0;
    virtual void centre() = 0;
    virtual void showTrayIcon(const std::string& tooltip) = 0;
    virtual WindowHandle windowHandle() = 0;
};

struct LauncherServices {
    CatalogueServices& catalogue;
    GameLists& lists;
    Processes& processes;
    Network& network;
    Clock& clock;
    MessageBoxes& boxes;
    int& lastPort;     // the program-wide port counter
    bool standalone;   // started alone with "/s"
};

// How a step leaves the launcher.
enum class LauncherOutcome {
    StayOpen,
    Close,           // enable the main window and unload the launcher
    EndProgram,      // the End program operation
    EndProgramNow    // end at once, without unloading any window
};

class LauncherPresenter {
public:
    LauncherPresenter(LauncherView& view, LauncherServices services)
        : view_(view), s_(services) {}

    // EndProgramNow when the user gave up locating hlds.exe or the program.
    LauncherOutcome onLoad();
    void onGameClick();
    // Starts the server, and records it; once it runs, the window waits
    // disabled for the pause. A port another program holds asks first.
    void onStart();
    LauncherOutcome onPauseElapsed();
    LauncherOutcome onCancel();

private:
    void refillMaps();
    // The launcher goes: the game lists it filled are of no use any more.
    LauncherOutcome leave(LauncherOutcome outcome);

    LauncherView& view_;
    LauncherServices s_;
    int mapFills_ = 0;
};

}  // namespace vantry
