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

// The first entry of a tray menu hides a visible window and shows a hidden one.
enum class TrayMinAction { Minimize, Restore };
inline TrayMinAction TrayMinActionFor(bool windowVisible) {
    return windowVisible ? TrayMinAction::Minimize : TrayMinAction::Restore;
}
inline const char* CaptionOf(TrayMinAction action) {
    return action == TrayMinAction::Minimize ? "Minimize" : "Restore";
}

// The tray menu of a tool window running alone.
namespace toolTray {
enum : int { MinCommand = 1, ExitCommand = 2 };
inline Menu MenuFor(TrayMinAction action, const std::string& exitCaption) {
    return {{MinCommand, CaptionOf(action)}, {ExitCommand, exitCaption}};
}
}  // namespace toolTray

}  // namespace vantry
