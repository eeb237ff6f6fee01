#pragma once

#include <string>

#include "core/catalogue/ListControl.h"
#include "win/ui/GameCombo.h"

namespace vantry::win {

// A cmbGame as the catalogue and the map lists reach it.
class GameComboList final : public ListControl {
public:
    explicit GameComboList(GameCombo& combo) : combo_(combo) {}

    void Clear() override { combo_.clear(); }
    int AddItem(const std::string& item) override {
        combo_.addItem(item);
        // The combo never sorts, so a new entry is always the last.
        return combo_.listCount() - 1;
    }
    std::string List(int row) const override { return combo_.list(row); }
    int ListCount() const override { return combo_.listCount(); }
    int ListIndex() const override { return combo_.listIndex(); }
    void SetListIndex(int row) override { combo_.setListIndex(row); }

private:
    GameCombo& combo_;
};

}  // namespace vantry::win
