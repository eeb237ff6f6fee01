#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "win/ui/Control.h"
#include "win/ui/FramedControl.h"
#include "win/ui/ToolTip.h"

namespace vantry::win {

// txtText: a one-line field in a thin orange frame, black inside with orange
// Tahoma text. The frame is the control's own window; the field is an EDIT
// inside it. Whatever height a host gives it, the control keeps its own.
class TextField : public FramedControl {
public:
    bool create(HWND parent, int id, int x, int y, int widthPx, bool tabStop = true);
    void move(int x, int y, int widthPx, int heightPx);

    std::string text() const;
    void setText(const std::string& text);
    bool locked() const;
    void setLocked(bool locked);

    HWND field() const { return inner(); }
    HWND toolTip() const { return tip_.hwnd(); }

    std::function<void()> onChange;

private:
    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override;
    LRESULT innerMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void onDestroyed() override;
    void layOut() override;
    void placeField();

    ToolTip tip_;
};

}  // namespace vantry::win
