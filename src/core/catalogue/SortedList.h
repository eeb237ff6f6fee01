#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "core/catalogue/ListControl.h"
#include "core/text/Text.h"

namespace vantry {

// A list nobody sees that keeps its rows sorted without regard to case, a new
// row after the rows that compare equal, as a sorted list box does.
class SortedList final : public ListControl {
public:
    void Clear() override { rows_.clear(); }
    int AddItem(const std::string& item) override {
        const std::string key = ToLowerAscii(item);
        const auto at = std::upper_bound(rows_.begin(), rows_.end(), key,
                                         [](const std::string& k, const std::string& row) { return k < ToLowerAscii(row); });
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
    std::vector<std::string> rows_;
};

}  // namespace vantry
