#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/ui/ListControl.h"
#include "win/ui/Control.h"

namespace vantry::win {

// A list with a tick box in front of every entry, orange on black: the main
// window's servers and the options window's games. The mark is the entry's
// item data (1 ticked, 0 not), so it can be read like the text from outside
// the program. A click on a tick box or Space toggles it. Screen readers hear
// each entry as a check box named by its text, checked while ticked.
class CheckListBox : public Control, public CheckListControl {
public:
    bool create(HWND parent, int id, int x, int y, int width, int height);

    void clear() override;
    int add(const std::string& text) override;
    using CheckListControl::add;
    void fill(const std::vector<std::string>& texts) override;
    void insert(int row, const std::string& text) override;
    void remove(int row) override;
    void setText(int row, const std::string& text) override;
    std::string text(int row) const override;
    int count() const override;
    int current() const override;
    void setCurrent(int row) override;
    bool ticked(int row) const override;
    void setTicked(int row, bool ticked) override;
    // The text of the label that names the list for screen readers.
    void setLabel(const std::string& text) { label_ = text; }

    std::function<void()> onClick;  // the current entry or its mark changed
    std::function<void(int index)> onToggle;  // the user changed the entry's mark
    std::function<void()> onKeyUp;
    std::function<void(int button)> onMouseUp;  // 1 left, 2 right, 4 middle

    bool onReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    // Font and row height at the window's DPI.
    void scale(bool redraw);
    LRESULT subclassed(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void draw(const DRAWITEMSTRUCT& item) const;
    int boxWidth() const;
    void toggle(int index);
    void raiseClick();

    std::string label_;
};

}  // namespace vantry::win
