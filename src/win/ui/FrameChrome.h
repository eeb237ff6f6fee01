#pragma once

#include <windows.h>

#include <string>

#include "core/ui/ActivityLook.h"
#include "win/ui/FlatButton.h"
#include "win/ui/Label.h"
#include "win/ui/Placement.h"

namespace vantry::win {

// Starts a system move of the window when the button is the left one.
void DragWindow(HWND hwnd, int button);

// The part of a frame that stands in for a system title bar: the title label
// lbTitle(0), the exit button picEx (and picMin, picHelp on the main window)
// and the look that dims them while another window is active.
class FrameChrome {
public:
    struct Args {
        std::string title;
        int widthTwips = 0;
        int titleIndentTwips = 0;  // room left of the title, for the main window's icon
        bool captionButtons = false;
    };
    void create(HWND frame, Placement& placement, const Args& args);
    void applyLook(bool active);

    Label& titleLabel() { return lbTitle_; }
    FlatButton& picEx() { return picEx_; }
    FlatButton& picMin() { return picMin_; }
    FlatButton& picHelp() { return picHelp_; }

private:
    ActivityLook look_;
    Label lbTitle_;
    FlatButton picEx_, picMin_, picHelp_;
    bool captionButtons_ = false;
};

}  // namespace vantry::win
