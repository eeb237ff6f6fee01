#pragma once

#include <functional>
#include <string>

#include "core/ui/Colours.h"
#include "core/ui/Geometry.h"
#include "win/ui/Control.h"
#include "win/ui/ToolTip.h"

namespace vantry::win {

struct LabelArgs {
    int id = 0;
    std::string text;
    Rect rect;  // pixels
    COLORREF colour = colour::Orange;
    int pointSize = 8;
    bool bold = false;
    bool link = false;    // underlined, with the hand cursor
    bool centred = false;
    bool wrap = false;
    HICON icon = nullptr; // shows this icon instead of text (32 x 32 at 96 DPI, scaled)
};

// A text label on black: orange Tahoma by default. It reports the mouse button
// pressed on it (the windows drag by their labels) and its clicks (links).
class Label : public Control {
public:
    bool create(HWND parent, const LabelArgs& args);

    std::string text() const;
    void setText(const std::string& text);
    COLORREF colour() const { return colour_; }
    void setColour(COLORREF colour);
    void setVisible(bool visible);
    // For a label made with an icon: shows another; the caller keeps it alive.
    void setIcon(HICON icon);
    // Its caption as its tooltip, for a caption the label may cut off.
    void showCaptionAsTip() { captionTip_ = true; }

    std::function<void(int button)> onMouseDown;  // 1 left, 2 right, 4 middle
    std::function<void()> onClick;

    bool onReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    LRESULT subclassed(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;

    void setFont(bool redraw);

    COLORREF colour_ = colour::Orange;
    int pointSize_ = 8;
    bool bold_ = false;
    bool link_ = false;
    bool captionTip_ = false;
    ToolTip tip_;
};

}  // namespace vantry::win
