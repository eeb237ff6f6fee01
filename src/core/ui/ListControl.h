#pragma once

#include <string>
#include <vector>

namespace vantry {

// A list as the core reaches it: the game selectors, the sorted map lists,
// the options window's games, the main window's servers, and a test's fake.
// Rows count from 0; outside the rows a row reads "". A sorted control puts
// each new row in its own place instead of at the end.
class ListControl {
public:
    virtual ~ListControl() = default;

    virtual void clear() = 0;
    // The row the text landed on.
    virtual int add(const std::string& text) = 0;
    // The rows replaced by these at once, in the order the control would have
    // given them added one by one. A long list fills this way: a control that
    // sorts places each row it is given in turn, which costs more the longer
    // the list grows.
    virtual void fill(const std::vector<std::string>& texts) = 0;
    // At this row, whether the control sorts or not.
    virtual void insert(int row, const std::string& text) = 0;
    virtual void remove(int row) = 0;
    virtual std::string text(int row) const = 0;
    virtual int count() const = 0;
    virtual int current() const = 0;  // -1 with no selection
    // A game selector raises its Click here, on which its window changes game.
    virtual void setCurrent(int row) = 0;
};

// Which names a list is filled with; null for every one.
using NameFilter = bool (*)(const std::string& name);

// Selects the first row that reads exactly the text; nothing when none does.
inline void SelectRow(ListControl& list, const std::string& text) {
    for (int row = 0; row < list.count(); ++row)
        if (list.text(row) == text)
            return list.setCurrent(row);
}

// A list with a tick box on every row: the main window's servers and the
// options window's games.
class CheckListControl : public ListControl {
public:
    virtual void setText(int row, const std::string& text) = 0;  // where it stands
    virtual bool ticked(int row) const = 0;
    virtual void setTicked(int row, bool ticked) = 0;

    using ListControl::add;
    int add(const std::string& text, bool ticked) {
        const int row = add(text);
        setTicked(row, ticked);
        return row;
    }
};

}  // namespace vantry
