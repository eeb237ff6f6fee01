#pragma once

#include <windows.h>

#include "core/ui/Look.h"
#include "win/ui/Control.h"
#include "win/ui/KeyEvents.h"
#include "win/ui/Window.h"

namespace vantry::win {

// A control built as a frame window of the program's own around one system
// control (an EDIT, a COMBOBOX). The frame passes the focus on and is enabled
// with the inner control; the inner control raises the key events.
class FramedControl : public Window {
public:
    ~FramedControl() override;

    bool enabled() const;
    void setEnabled(bool enabled);

    // Shift state: 1 Shift, 2 Ctrl, 4 Alt, added up. A key or character set to 0
    // by a handler never reaches the control; a changed character is typed instead.
    KeyHandler onKeyDown;
    CharHandler onKeyPress;
    KeyHandler onKeyUp;

protected:
    struct Args {
        const char* className;
        LPCSTR cursor;
        COLORREF background;
        Rect place;  // in the parent, pixels
        const char* innerClass;
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

    Inner inner_{*this};
};

}  // namespace vantry::win
