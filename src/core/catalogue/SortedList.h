#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "core/ui/ListControl.h"

namespace vantry {

// A list nobody sees that keeps its rows sorted without regard to ASCII case,
// a new row after the rows that compare equal.
class SortedList final : public ListControl {
public:
    void clear() override { rows_.clear(); }
    int add(const std::string& text) override {
        const auto at = std::upper_bound(rows_.begin(), rows_.end(), text, before);
        const auto row = at - rows_.begin();
        rows_.insert(at, text);
        return static_cast<int>(row);
    }
    // A stable sort keeps equal rows in the order given, as adding them one
    // by one does.
    void fill(const std::vector<std::string>& texts) override {
        rows_ = texts;
        std::stable_sort(rows_.begin(), rows_.end(), before);
    }
    void insert(int row, const std::string& text) override {
        rows_.insert(rows_.begin() + std::clamp(row, 0, count()), text);
    }
    void remove(int row) override {
        if (valid(row))
            rows_.erase(rows_.begin() + row);
    }
    std::string text(int row) const override { return valid(row) ? rows_[static_cast<std::size_t>(row)] : std::string(); }
    int count() const override { return static_cast<int>(rows_.size()); }
    int current() const override { return -1; }
    void setCurrent(int) override {}

    const std::vector<std::string>& rows() const { return rows_; }

private:
    static char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
    static bool before(const std::string& a, const std::string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return static_cast<unsigned char>(lower(x)) < static_cast<unsigned char>(lower(y));
        });
    }
    bool valid(int row) const { return row >= 0 && row < count(); }

    std::vector<std::string> rows_;
};

}  // namespace vantry
