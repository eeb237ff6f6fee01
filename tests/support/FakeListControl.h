#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "core/text/Text.h"
#include "core/ui/ListControl.h"

namespace vantry::fakes {

// A list control in memory. A sorted one inserts each row in order without
// regard to case, after the rows that compare equal, as a sorted list box does.
class FakeListControl : public CheckListControl {
public:
    explicit FakeListControl(bool sorted = false) : sorted_(sorted) {}

    void clear() override {
        rows.clear();
        index = -1;
    }
    int add(const std::string& text) override {
        auto at = rows.end();
        if (sorted_)
            at = std::upper_bound(rows.begin(), rows.end(), ToLowerAscii(text),
                                  [](const std::string& key, const Row& r) { return key < ToLowerAscii(r.text); });
        const auto row = at - rows.begin();
        rows.insert(at, Row{text, false});
        return static_cast<int>(row);
    }
    void fill(const std::vector<std::string>& texts) override {
        ++fills;
        clear();
        for (const auto& text : texts)
            add(text);
    }
    void insert(int row, const std::string& text) override {
        rows.insert(rows.begin() + std::clamp(row, 0, count()), Row{text, false});
    }
    // As a list box does: the selection stays with its row, and goes with it.
    void remove(int row) override {
        if (!valid(row))
            return;
        rows.erase(rows.begin() + row);
        index = row == index ? -1 : row < index ? index - 1 : index;
    }
    void setText(int row, const std::string& text) override {
        if (valid(row))
            rows[static_cast<std::size_t>(row)].text = text;
    }
    std::string text(int row) const override { return valid(row) ? rows[static_cast<std::size_t>(row)].text : ""; }
    int count() const override { return static_cast<int>(rows.size()); }
    int current() const override { return index; }
    void setCurrent(int row) override {
        index = valid(row) ? row : -1;
        clicks.push_back(text(index));
        if (onClick)
            onClick();
    }
    bool ticked(int row) const override { return valid(row) && rows[static_cast<std::size_t>(row)].ticked; }
    void setTicked(int row, bool ticked) override {
        if (valid(row))
            rows[static_cast<std::size_t>(row)].ticked = ticked;
    }

    // Selects the row with this text, as a click does, but raises nothing.
    void pick(const std::string& t) {
        const auto all = texts();
        index = static_cast<int>(std::find(all.begin(), all.end(), t) - all.begin());
    }
    // The rows' texts, with their marks as "text [x]" or "text [ ]" when asked.
    std::vector<std::string> texts(bool marks = false) const {
        std::vector<std::string> out;
        for (const auto& r : rows)
            out.push_back(r.text + (!marks ? "" : r.ticked ? " [x]" : " [ ]"));
        return out;
    }

    struct Row {
        std::string text;
        bool ticked;
    };
    std::vector<Row> rows;
    int index = -1;
    std::vector<std::string> clicks;  // the selected text at every setCurrent
    // Raised by every setCurrent, as a real selector raises its Click.
    std::function<void()> onClick;
    int fills = 0;

private:
    bool valid(int row) const { return row >= 0 && row < count(); }
    bool sorted_;
};

}  // namespace vantry::fakes
