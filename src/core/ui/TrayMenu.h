#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "core/ui/MenuModel.h"

namespace vantry {

// The first entry of a tray menu hides a visible window and shows a hidden one.
enum class TrayMinAction { Minimize, Restore };
inline const char* CaptionOf(TrayMinAction action) {
    return action == TrayMinAction::Minimize ? "Minimize" : "Restore";
}

// Every tray menu's rule. While a question or a modal window holds the window,
// the menu waits and that comes forward instead: the tray has taken the
// activation to open its menu, and an invisible window would keep it, with
// the keys going nowhere. Otherwise the menu opens, its first entry as the
// window's visibility says.
std::optional<TrayMinAction> TrayMenuTurn(bool windowEnabled, bool windowVisible,
                                          const std::function<void()>& bringHolderForward);

// The tray menu of a tool window running alone: Minimize or Restore, and its exit.
class ToolTrayMenu {
public:
    enum : int { MinCommand = 1, ExitCommand = 2 };

    class View {
    public:
        virtual ~View() = default;
        virtual bool windowEnabled() = 0;
        virtual bool windowVisible() = 0;
        // The question or modal window that holds this one comes forward.
        virtual void activateModalWindow() = 0;
        virtual int popupMenu(const Menu& menu) = 0;  // the chosen command, 0 for none
        virtual void showWindow(bool shown) = 0;
        virtual void exit() = 0;  // as the window's exit button
    };

    ToolTrayMenu(View& view, std::string exitCaption) : view_(view), exitCaption_(std::move(exitCaption)) {}
    void onMenuRequest();

private:
    View& view_;
    std::string exitCaption_;
};

}  // namespace vantry
