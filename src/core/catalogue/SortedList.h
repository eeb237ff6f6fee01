#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "core/catalogue/ListControl.h"

namespace vantry {

// A list nobody sees that keeps its rows sorted without regard to case, a new
// row after the rows that compare equal, as a sorted list box does.
class SortedList final : public ListControl {
public:
    void Clear() override { rows_.clear(); }
    int AddItem(const std::string& item) override {
        const auto at = std::upper_bound(rows_.begin(), rows_.end(), item, [](const std::string& a, const std::string& b) {
            return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
                return static_cast<unsigned char>(Lower(x)) < static_cast<unsigned char>(Lower(y));
            });
        });
        return static_cast<int>(rows_.insert(at, item) - rows_.begin());
    }
    std::string List(int row) const override {
        return row >= 0 && row < ListCount() ? rows_[static_cast<std::size_t>(row)] : std::string();
    }
    int ListCount() const override { return static_cast<int>(rows_.size()); }
    int ListIndex() const override { return -1; }
    void SetListIndex(int) override {}

    const std::vector<std::string>& rows() const { return rows_; }

private:
    static char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

    std::vector<std::string> rows_;
};

}  // namespace vantry
