#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace vantry::win {

// The messages that empty, size and extend a list box or a combo box.
struct ListMessages {
    UINT reset, initStorage, insert;
};
inline constexpr ListMessages ListBoxMessages{LB_RESETCONTENT, LB_INITSTORAGE, LB_INSERTSTRING};
inline constexpr ListMessages ComboBoxMessages{CB_RESETCONTENT, CB_INITSTORAGE, CB_INSERTSTRING};

// Replaces the control's rows with these, in this order, with its drawing off
// and its storage taken at once: row by row, a list recomputes its scroll bar
// and grows its arrays on every row, which made ten thousand maps take
// seconds.
void FillList(HWND control, const ListMessages& messages, const std::vector<std::string>& texts);

// The rows in the order a sorted list box gives them added one by one. It finds
// each new row's place by a binary search with its locale's case-blind
// collation, and puts the row before the first one it meets that compares
// equal; the same collation's sort keys, made once a row, give that order.
std::vector<std::string> SortedAsListBox(HWND listBox, const std::vector<std::string>& texts);

}  // namespace vantry::win
