#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vantry {

// A top-level window of any process (an HWND on Windows); 0 is none.
using DesktopWindow = std::uintptr_t;

// The desktop's top-level windows, of this and other processes.
class DesktopWindows {
public:
    virtual ~DesktopWindows() = default;

    // Every top-level window, from the top of the window order down, as it
    // stands at the call: windows that come, go or move meanwhile cannot make
    // a walk over them skip, repeat or never end.
    virtual std::vector<DesktopWindow> topLevel() = 0;
    // Whether the window belongs to a running copy of this program, this
    // process or another: its windows, message boxes and dialogs alike.
    virtual bool ofThisProgram(DesktopWindow window) = 0;
    // The title; empty when the window has none or no longer exists. Read
    // without asking the window, which may be hung or on a thread that never
    // answers.
    virtual std::string title(DesktopWindow window) = 0;
    virtual bool isVisible(DesktopWindow window) = 0;
    // Asks the window to show or hide, and waits a moment at most for it to
    // have done so; not at all for one the system knows as hung. Whether it
    // did is isVisible's to say, then or later.
    virtual void setVisible(DesktopWindow window, bool visible) = 0;
    // Retitles; gives up (false) when the window's thread does not answer in time.
    virtual bool setTitle(DesktopWindow window, const std::string& title) = 0;
};

}  // namespace vantry
