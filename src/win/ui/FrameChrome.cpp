#include "win/ui/FrameChrome.h"

#include "win/ui/FrameIds.h"

namespace vantry::win {

using namespace frame;

namespace {
// Caption geometry, in twips: the title at the top left, the buttons at the top right.
constexpr int TitleLeft = 90, TitleTop = 45, TitleHeight = 240;
constexpr int ButtonSize = 240, ButtonTop = 30, ButtonGap = 15;
}  // namespace

void DragWindow(HWND hwnd, int button) {
    if (!StartsDrag(button))
        return;
    ReleaseCapture();
    // The caption hit-test code added to SC_MOVE: the system moves the window
    // with the mouse as if its caption were dragged.
    SendMessageW(hwnd, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
}

void FrameChrome::create(HWND frame, Placement& placement, const Args& args) {
    captionButtons_ = args.captionButtons;
    const int titleLeft = TitleLeft + args.titleIndentTwips;
    placement.addLabel(
        lbTitle_, {titleLeft, TitleTop, args.widthTwips - titleLeft - 3 * (ButtonSize + ButtonGap) - 60, TitleHeight},
        {.id = IdTitle, .text = args.title, .bold = true});
    lbTitle_.onMouseDown = [frame](int button) { DragWindow(frame, button); };

    // The caption is not drawn: it names the picture for screen readers.
    auto button = [&](FlatButton& b, int id, int slot, const char* caption, const char* picture, const char* over) {
        const int left = args.widthTwips - 60 - (slot + 1) * ButtonSize - slot * ButtonGap;
        placement.addButton(b, {left, ButtonTop, ButtonSize, ButtonSize},
                            {.id = id, .caption = caption, .picture = picture, .pictureOver = over, .tabStop = false});
    };
    button(picEx_, IdExit, 0, "Close", "EX1", "EX2");
    if (captionButtons_) {
        button(picMin_, IdMinimize, 1, "Minimize", "MIN1", "MIN2");
        button(picHelp_, IdHelp, 2, "About", "HELP1", "HELP2");
    }
}

void FrameChrome::applyLook(bool active) {
    const auto update = look_.onActivity(active);
    lbTitle_.setColour(update.titleColour);
    if (update.pictures) {
        picEx_.setPicture(update.pictures->exit);
        if (captionButtons_) {
            picMin_.setPicture(update.pictures->minimize);
            picHelp_.setPicture(update.pictures->help);
        }
    }
}

}  // namespace vantry::win
