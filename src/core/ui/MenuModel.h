#pragma once

#include <string>
#include <utility>
#include <vector>

namespace vantry {

// A popup menu as data: the presenters decide its entries, the windows draw it
// and hand back the command of the chosen entry.
struct MenuItem {
    MenuItem() = default;
    MenuItem(int command, std::string caption) : command(command), caption(std::move(caption)) {}

    int command = 0;  // 0 for a separator and for the entry that opens a submenu
    std::string caption;
    bool enabled = true;
    bool checked = false;
    std::vector<MenuItem> submenu;

    bool isSeparator() const { return caption.empty() && submenu.empty(); }
};
using Menu = std::vector<MenuItem>;

inline MenuItem Separator() { return {}; }

}  // namespace vantry
