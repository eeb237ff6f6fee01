#pragma once

#include <functional>
#include <string>

#include "core/ui/WindowSet.h"
#include "win/ui/Window.h"

namespace vantry::win {

// A captioned window just off the screen's top left corner that exists to give
// the program its taskbar button, with the program's name and icon. The main
// window is shown owned by it, so the main window has no button of its own.
class TitleWindow : public Window, public ProgramWindow {
public:
    explicit TitleWindow(WindowSet& windows) : windows_(windows) {}
    ~TitleWindow() override;

    bool load(const std::string& caption);
    void hide();
    void setMinimized(bool minimized);

    // Whenever the title window itself becomes active while not minimized, the
    // focus goes on to the main window.
    std::function<void()> onHandFocus;
    // The user closed it from its taskbar button.
    std::function<void()> onUserClose;

    void unload() override;

protected:
    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override;
    void onDestroyed() override { windows_.unloaded(this); }

private:
    WindowSet& windows_;
    bool unloading_ = false;
};

}  // namespace vantry::win
