#include "win/ui/ToolTray.h"

namespace vantry::win {

void ToolTray::show(const std::string& tooltip, const std::function<void()>& onActivate,
                    const std::function<void()>& onMenuRequest) {
    if (!icon_) {
        icon_ = std::make_unique<TrayIcon>();
        icon_->onActivate = onActivate;
        icon_->onMenuRequest = onMenuRequest;
    }
    icon_->setTooltip(tooltip);
    icon_->setShown(true);
}

void ToolTray::showFromTray() {
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
}

}  // namespace vantry::win
