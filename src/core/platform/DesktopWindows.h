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
    // Whether the window belongs to this very process.
    virtual bool ofThisProcess(DesktopWindow window) = 0;
    // The title; empty when the window has none or no longer exists.
    virtual std::string title(DesktopWindow window) = 0;
    virtual bool isVisible(DesktopWindow window) = 0;
    // Shows or hides without waiting on the window's own thread.
    virtual void setVisible(DesktopWindow window, bool visible) = 0;
    // Retitles; gives up (false) when the window's thread does not answer in time.
    virtual bool setTitle(DesktopWindow window, const std::string& title) = 0;
};

}  // namespace vantry
