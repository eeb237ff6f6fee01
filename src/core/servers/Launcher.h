#pragma once

#include <string>

#include "catalogue/GameCatalogue.h"
#include "catalogue/ListControl.h"
#include "catalogue/MapLists.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"
#include "servers/Launch.h"

namespace vantry {

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
    virtual void centre() = 0;
    virtual void showTrayIcon(const std::string& tooltip) = 0;
    virtual WindowHandle windowHandle() = 0;
};

struct LauncherServices {
    CatalogueServices& catalogue;
    GameLists& lists;
    Shell& shell;
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
    LauncherOutcome onStart();
    LauncherOutcome onCancel();

private:
    void refillMaps();

    LauncherView& view_;
    LauncherServices s_;
};

}  // namespace vantry
