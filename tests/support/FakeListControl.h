#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "core/catalogue/ListControl.h"
#include "core/text/Text.h"

namespace vantry::fakes {

// A list control in memory. A sorted one inserts each row in order without
// regard to case, after the rows that compare equal, as a sorted list box does.
class FakeListControl : public CheckListControl {
public:
    explicit FakeListControl(bool sorted = false) : sorted_(sorted) {}

    void Clear() override {
        rows.clear();
        index = -1;
    }
    int AddItem(const std::string& item) override {
        auto at = rows.end();
        if (sorted_) {
            const std::string key = ToLowerAscii(item);
            at = std::upper_bound(rows.begin(), rows.end(), key,
                                  [](const std::string& k, const Row& r) { return k < r.key; });
        }
        const auto row = at - rows.begin();
        rows.insert(at, Row{item, ToLowerAscii(item), false});
        return static_cast<int>(row);
    }
    std::string List(int row) const override { return valid(row) ? rows[static_cast<std::size_t>(row)].text : ""; }
    int ListCount() const override { return static_cast<int>(rows.size()); }
    int ListIndex() const override { return index; }
    void SetListIndex(int row) override {
        index = valid(row) ? row : -1;
        clicks.push_back(List(index));
        if (onClick)
            onClick();
    }
    bool Checked(int row) const override { return valid(row) && rows[static_cast<std::size_t>(row)].checked; }
    void SetChecked(int row, bool checked) override {
        if (valid(row))
            rows[static_cast<std::size_t>(row)].checked = checked;
    }

    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& r : rows)
            out.push_back(r.text);
        return out;
    }

    struct Row {
        std::string text;
        std::string key;  // the text lower-cased: where a sorted list puts it
        bool checked;
    };
    std::vector<Row> rows;
    int index = -1;
    std::vector<std::string> clicks;  // the selected text at every SetListIndex
    // Raised by every SetListIndex, as a real selector raises its Click.
    std::function<void()> onClick;

private:
    bool valid(int row) const { return row >= 0 && row < ListCount(); }
    bool sorted_;
};

}  // namespace vantry::fakes
