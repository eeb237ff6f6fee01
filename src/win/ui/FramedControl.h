#pragma once

#include <windows.h>

#include <string>

#include "core/ui/Geometry.h"
#include "win/ui/Control.h"
#include "win/ui/KeyEvents.h"
#include "win/ui/Window.h"

namespace vantry::win {

// A control built as a frame window of the program's own around one system
// control (an EDIT, a COMBOBOX). The frame passes the focus on and is enabled
// with the inner control; the inner control raises the key events. Screen
// readers hear the frame and the inner control named by the control's label.
class FramedControl : public Window {
public:
    ~FramedControl() override;

    bool enabled() const;
    void setEnabled(bool enabled);
    // The text of the label that names the control for screen readers.
    void setLabel(const std::string& text) { label_ = text; }

    // Shift state: 1 Shift, 2 Ctrl, 4 Alt, added up. A key or character set to 0
    // by a handler never reaches the control; a changed character is typed instead.
    KeyHandler onKeyDown;
    CharHandler onKeyPress;
    KeyHandler onKeyUp;

protected:
    struct Args {
        const wchar_t* className;
        LPCWSTR cursor;
        COLORREF background;
        Rect place;  // in the parent, pixels
        const wchar_t* innerClass;
        DWORD innerStyle;
        Rect inner;  // in the frame, pixels
    };

    // The inner control gets the program's Tahoma at the frame's DPI, now and
    // whenever the DPI changes.
    bool create(HWND parent, int id, bool tabStop, const Args& args);
    HWND inner() const { return inner_.hwnd(); }

    // After a DPI change: the frame's size and the inner control's place.
    virtual void layOut() = 0;

    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override;
    // The inner control's messages; the default raises the key events.
    virtual LRESULT innerMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT innerDefault(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) const {
        return inner_.original(hwnd, msg, wp, lp);
    }

private:
    class Inner final : public Control {
    public:
        explicit Inner(FramedControl& owner) : owner_(owner) {}
        using Control::original;

    private:
        LRESULT subclassed(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override {
            return owner_.innerMessage(hwnd, msg, wp, lp);
        }
        FramedControl& owner_;
    };

    void setFont(bool redraw);
    // WM_GETOBJECT, for the frame or the inner control: 0 to answer as usual.
    LRESULT accessibleObject(HWND hwnd, WPARAM wp, LPARAM lp) const;

    Inner inner_{*this};
    std::string label_;
};

}  // namespace vantry::win
