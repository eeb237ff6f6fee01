#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <string>

#include "win/ui/Control.h"
#include "core/ui/Look.h"
#include "win/ui/KeyEvents.h"

namespace vantry::win {

// cmbGame: a pick-only drop-down list of one fixed size, black with orange
// Tahoma text and a flat orange frame. The frame is four thin strips lying over
// the edges of an inner COMBOBOX, inside a black window of the control's own.
class GameCombo : public Control {
public:
    GameCombo() = default;
    ~GameCombo() override;

    bool create(HWND parent, int id, int x, int y, bool tabStop = true);

    COLORREF foreColor() const { return foreColor_; }
    void setForeColor(COLORREF colour);
    bool enabled() const;
    void setEnabled(bool enabled);
    void refresh();

    // The selected entry's text, "" with none. Hosts select with setListIndex.
    std::string text() const;
    void addItem(const std::string& item, int position = -1);  // -1: at the end
    void clear();
    std::string list(int position) const;
    void setList(int position, const std::string& text);
    int listCount() const;
    int listIndex() const;
    void setListIndex(int index);  // -1: none; raises onClick every time
    void removeItem(int position);
    bool sorted() const { return false; }  // entries stay in the order they came in

    HWND combo() const { return combo_; }

    std::function<void()> onDropDown;  // the list is about to open
    std::function<void()> onClick;     // the selection changed, by hand or by setListIndex
    KeyHandler onKeyDown;              // before the list sees the key; 0 swallows it
    CharHandler onKeyPress;
    KeyHandler onKeyUp;

    bool onReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    LRESULT frameMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT comboMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void layOut();
    void drawItem(const DRAWITEMSTRUCT& item) const;
    bool isStrip(HWND hwnd) const;

    HWND combo_ = nullptr;
    WNDPROC comboProc_ = nullptr;
    std::array<HWND, 4> strips_{};
    COLORREF foreColor_ = colour::Orange;
};

}  // namespace vantry::win
