#pragma once

#include "core/platform/DesktopWindows.h"

namespace vantry::win {

// The desktop's top-level windows through user32. The console windows belong to
// other processes that may hang: nothing here waits on them for long.
class Win32DesktopWindows : public DesktopWindows {
public:
    std::vector<DesktopWindow> topLevel() override;
    bool ofThisProgram(DesktopWindow window) override;
    std::string title(DesktopWindow window) override;
    bool isVisible(DesktopWindow window) override;
    void setVisible(DesktopWindow window, bool visible) override;
    bool setTitle(DesktopWindow window, const std::string& title) override;
};

}  // namespace vantry::win
