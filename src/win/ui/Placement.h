#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "core/ui/Geometry.h"
#include "win/ui/FlatButton.h"
#include "win/ui/Label.h"
#include "win/ui/Window.h"

namespace vantry::win {

// The part of a frame that places it and its controls: twips to the window's
// pixels at its DPI, its place on the screen, and the controls placed in twips,
// which go to their places again when the DPI changes.
class Placement {
public:
    explicit Placement(const Window& window) : window_(window) {}

    int px(double twips) const;
    Rect px(const Rect& twips) const;
    // A control created at px(twips), kept there at every DPI.
    void keepPlaced(HWND control, const Rect& twips);
    bool addLabel(Label& label, const Rect& twips, LabelArgs args);
    bool addButton(FlatButton& button, const Rect& twips, FlatButtonArgs args);

    void sizeTwips(int widthTwips, int heightTwips);
    // The window's place on the screen, and the screen's size, in twips.
    Rect placeTwips() const;
    int screenWidthTwips() const;
    int screenHeightTwips() const;
    void moveTo(const Rect& twips);
    // Moves and sizes the window in pixels. A place that no monitor shows
    // (stored while a monitor since unplugged was there, or a damaged
    // setting) would leave the window where nobody can reach it: it goes onto
    // the nearest monitor instead.
    void placePixels(const Rect& pixels);
    void centre();
    void makeTopmost();

    // WM_DPICHANGED: the window keeps its size in twips at the place the
    // system suggests, and every kept control goes to its place again.
    void changeDpi(int dpi, const RECT& suggested);

private:
    HWND hwnd() const { return window_.hwnd(); }
    // Creates the control at px(twips) and keeps it there.
    template <class Control, class Args>
    bool add(Control& control, const Rect& twips, Args& args);

    const Window& window_;
    std::vector<std::pair<HWND, Rect>> placed_;  // in twips
};

}  // namespace vantry::win
