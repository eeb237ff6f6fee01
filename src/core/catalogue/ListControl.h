#pragma once

#include <string>

namespace vantry {

// The few list operations the catalogue needs from a window's control, so one
// piece of code fills a game selector, a sorted list box or a test's fake.
// Rows count from 0; a sorted control puts each new row in its place instead
// of at the end.
class ListControl {
public:
    virtual ~ListControl() = default;

    virtual void Clear() = 0;
    // The row the item landed on.
    virtual int AddItem(const std::string& item) = 0;
    virtual std::string List(int row) const = 0;  // "" outside the rows
    virtual int ListCount() const = 0;
    virtual int ListIndex() const = 0;  // -1 with no selection
    // A game selector raises its Click here, on which its window changes game.
    virtual void SetListIndex(int row) = 0;
};

// Which names a list is filled with; null for every one.
using NameFilter = bool (*)(const std::string& name);

// Selects the first row that reads exactly the text; nothing when none does.
inline void SelectRow(ListControl& list, const std::string& text) {
    for (int row = 0; row < list.ListCount(); ++row)
        if (list.List(row) == text)
            return list.SetListIndex(row);
}

// A list with a check box on every row, such as the options window's games.
class CheckListControl : public ListControl {
public:
    virtual bool Checked(int row) const = 0;
    virtual void SetChecked(int row, bool checked) = 0;
};

}  // namespace vantry
