#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/ui/ListControl.h"
#include "win/ui/FramedControl.h"

namespace vantry::win {

// cmbGame: a pick-only drop-down list of one fixed size, black with orange
// Tahoma text and a flat orange frame. The frame is four thin strips lying over
// the edges of an inner COMBOBOX, inside a black window of the control's own.
class GameCombo : public FramedControl, public ListControl {
public:
    bool create(HWND parent, int id, int x, int y, bool tabStop = true);

    // The selected entry's text, "" with none. Hosts select with setCurrent.
    std::string text() const { return text(current()); }
    // Never sorted: a new entry is the last.
    int add(const std::string& text) override;
    void insert(int row, const std::string& text) override;
    void fill(const std::vector<std::string>& texts) override;
    void clear() override;
    void remove(int row) override;
    std::string text(int row) const override;
    int count() const override;
    int current() const override;
    void setCurrent(int row) override;  // -1: none; raises onClick every time

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
