#include "core/ui/TrayMenu.h"

namespace vantry {

std::optional<TrayMinAction> TrayMenuTurn(bool windowEnabled, bool windowVisible,
                                          const std::function<void()>& bringHolderForward) {
    if (!windowEnabled) {
        bringHolderForward();
        return std::nullopt;
    }
    return windowVisible ? TrayMinAction::Minimize : TrayMinAction::Restore;
}

void ToolTrayMenu::onMenuRequest() {
    const auto action =
        TrayMenuTurn(view_.windowEnabled(), view_.windowVisible(), [this] { view_.activateModalWindow(); });
    if (!action)
        return;
    const int chosen = view_.popupMenu({{MinCommand, CaptionOf(*action)}, {ExitCommand, exitCaption_}});
    if (chosen == MinCommand)
        view_.showWindow(*action == TrayMinAction::Restore);
    else if (chosen == ExitCommand)
        view_.exit();
}

}  // namespace vantry
