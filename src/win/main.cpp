// HLDS Vantry: the program's entry point.
#include <windows.h>
#include <commctrl.h>

#include "win/Program.h"
#include "win/platform/WideText.h"
#include "win/ui/TrayIcon.h"

namespace {

// A crash must not leave a dead icon in the notification area.
LONG WINAPI OnCrash(EXCEPTION_POINTERS*) {
    vantry::win::TrayIcon::removeAll();
    return EXCEPTION_CONTINUE_SEARCH;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    SetUnhandledExceptionFilter(OnCrash);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    vantry::win::Program program;
    return program.run(vantry::win::Narrow(GetCommandLineW()));
}
