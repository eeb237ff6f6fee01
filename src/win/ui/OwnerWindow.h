#pragma once

#include <windows.h>

#include <functional>
#include <utility>

#include "core/ui/WindowSet.h"

namespace vantry::win {

// The Win32 half of the tool windows' rule: the window they open over, as
// whichever window the function names at the time, since it may be made anew.
class OwnerWindow final : public ToolOwner {
public:
    explicit OwnerWindow(std::function<HWND()> hwnd) : hwnd_(std::move(hwnd)) {}

    HWND hwnd() const { return hwnd_(); }
    void setEnabled(bool enabled) override {
        if (HWND owner = hwnd())
            EnableWindow(owner, enabled);
    }
    bool visible() override { return IsWindowVisible(hwnd()) != FALSE; }
    void activate() override { SetForegroundWindow(hwnd()); }

private:
    std::function<HWND()> hwnd_;
};

}  // namespace vantry::win
