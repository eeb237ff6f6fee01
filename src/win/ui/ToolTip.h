#pragma once

#include <windows.h>

#include <string>

#include "win/platform/Handles.h"

namespace vantry::win {

// A tooltip over one control, made on first use rather than with the
// control: a tooltip is a top-level window, and making them cost the main
// window a visible part of its start-up.
class ToolTip {
public:
    // The text shown over the control (a child of the window that owns the tip).
    void setText(HWND control, const std::string& text);
    const std::string& text() const { return text_; }
    // The control's mouse messages, from which the tip knows when to show.
    void relay(HWND control, UINT msg, WPARAM wp, LPARAM lp) const;
    HWND hwnd() const { return window_.get(); }
    // Owned by the top-level window, the tip would outlive a control that goes on its own.
    void destroy() { window_.reset(); }

private:
    UniqueWindow window_;
    std::string text_;
};

}  // namespace vantry::win
