#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <string>

#include "win/ui/FramedControl.h"

namespace vantry::win {

// cmbGame: a pick-only drop-down list of one fixed size, black with orange
// Tahoma text and a flat orange frame. The frame is four thin strips lying over
// the edges of an inner COMBOBOX, inside a black window of the control's own.
class GameCombo : public FramedControl {
public:
    bool create(HWND parent, int id, int x, int y, bool tabStop = true);

    // The selected entry's text, "" with none. Hosts select with setListIndex.
    std::string text() const;
    void addItem(const std::string& item, int position = -1);  // -1: at the end
    void clear();
    std::string list(int position) const;
    int listCount() const;
    int listIndex() const;
    void setListIndex(int index);  // -1: none; raises onClick every time

    HWND combo() const { return inner(); }

    std::function<void()> onDropDown;  // the list is about to open
    std::function<void()> onClick;     // the selection changed, by hand or by setListIndex

private:
    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override;
    LRESULT innerMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void onDestroyed() override { strips_.fill(nullptr); }
    void layOut() override;
    void drawItem(const DRAWITEMSTRUCT& item) const;
    bool isStrip(HWND hwnd) const;

    // Children of the frame, which goes with them.
    std::array<HWND, 4> strips_{};
};

}  // namespace vantry::win
