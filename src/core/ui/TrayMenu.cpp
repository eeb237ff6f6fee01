#include "core/ui/TrayMenu.h"

namespace vantry {

std::optional<TrayMinAction> TrayMenuTurn(TrayMenuWindow& window) {
    if (!window.windowEnabled()) {
        window.activateModalWindow();
        return std::nullopt;
    }
    return window.windowVisible() ? TrayMinAction::Minimize : TrayMinAction::Restore;
}

void ToolTrayMenu::onMenuRequest() {
    const auto action = TrayMenuTurn(view_);
    if (!action)
        return;
    const int chosen = view_.popupMenu({{MinCommand, CaptionOf(*action)}, {ExitCommand, exitCaption_}});
    if (chosen == MinCommand)
        view_.showWindow(*action == TrayMinAction::Restore);
    else if (chosen == ExitCommand)
        view_.exit();
}

}  // namespace vantry
