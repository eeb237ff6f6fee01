#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>

#include "core/ui/FlatButtonLook.h"
#include "core/ui/Geometry.h"
#include "win/platform/Handles.h"
#include "win/ui/Control.h"

namespace vantry::win {

struct FlatButtonArgs {
    int id = 0;
    std::string caption;  // may hold "&" for a mnemonic, e.g. "&Start Server"
    Rect rect;  // pixels
    COLORREF textColor = RGB(255, 255, 255);
    COLORREF backColor = RGB(0, 0, 0);
    std::string picture, pictureOver;  // bitmap resource names; empty = none
    bool enabled = true;
    bool tabStop = true;
};

// The program's flat button: a real BUTTON (owner-drawn) so that focus, Space,
// mnemonics and screen readers work as for any button, painted as a caption
// and/or a bitmap on a flat background, with a second bitmap under the mouse.
class FlatButton : public Control {
public:
    bool create(HWND parent, const FlatButtonArgs& args);

    // Bitmap resource names ("EX1"...); each is loaded once and kept.
    void setPicture(const std::string& name);
    const std::string& shownPicture() const;

    void setTextColor(COLORREF colour);
    void setEnabled(bool enabled);
    // Enabled or not, and showing which by its caption's colour.
    void showEnabled(bool enabled, EnabledLook look) {
        setTextColor(CaptionColour(look, enabled));
        setEnabled(enabled);
    }
    bool enabled() const;
    void setCaption(const std::string& caption);
    std::string caption() const;
    // Back to the resting look, not pressed and not under the mouse: a menu
    // popped up from the button took the mouse and never told it it left.
    void reset();

    std::function<void()> onClick;  // mouse, Space, or the mnemonic through IsDialogMessage
    std::function<void()> onPress;  // pressed down (left button or Space); always before the click

    bool onReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    void paint(HDC dc, const RECT& rc, bool pressed, bool focusCue, bool disabled, bool hidePrefix) const;
    LRESULT subclassed(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void load(const std::string& name);
    HBITMAP bitmap(const std::string& name) const;
    void setHovering(bool hovering);
    void raisePress();
    void repaint() const;

    std::string picture_, pictureOver_;
    COLORREF textColor_ = RGB(255, 255, 255);
    COLORREF backColor_ = RGB(0, 0, 0);
    bool hovering_ = false;
    std::map<std::string, UniqueGdiObject> bitmaps_;
};

}  // namespace vantry::win
