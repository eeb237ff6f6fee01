#include "ui/Chrome.h"

#include <algorithm>

#include "ui/Look.h"

namespace vantry {

ChromePictures ActivityLook::ActivePictures() { return {"EX1", "MIN1", "HELP1"}; }
ChromePictures ActivityLook::InactivePictures() { return {"EXD", "MIND", "HELPD"}; }

ActivityLook::Update ActivityLook::onActivity(bool active) {
    Update update{active ? colour::Orange : colour::DimOrange, std::nullopt};
    if (active != wasActive_)
        update.pictures = active ? ActivePictures() : InactivePictures();
    wasActive_ = active;
    return update;
}

Position Centred(int screenWidth, int screenHeight, int width, int height) {
    return {(screenWidth - width) / 2, (screenHeight - height) / 2};
}

std::string TrayMenuMinCaption(bool windowVisible) {
    return windowVisible ? TrayMenuMinimize : TrayMenuRestore;
}

TrayMinAction TrayMenuMinChosen(const std::string& caption) {
    if (caption == TrayMenuMinimize)
        return TrayMinAction::Hide;
    if (caption == TrayMenuRestore)
        return TrayMinAction::Show;
    return TrayMinAction::None;
}

void WindowSet::Loaded(ProgramWindow* window) {
    if (!IsLoaded(window))
        windows_.push_back(window);
}

void WindowSet::Unloaded(ProgramWindow* window) {
    const auto it = std::find(windows_.begin(), windows_.end(), window);
    if (it == windows_.end())
        return;
    windows_.erase(it);
    if (windows_.empty() && onEmpty)
        onEmpty();
}

bool WindowSet::IsLoaded(const ProgramWindow* window) const {
    return std::find(windows_.begin(), windows_.end(), window) != windows_.end();
}

void WindowSet::EndProgram(const std::function<void()>& hideTitleWindow) {
    if (hideTitleWindow)
        hideTitleWindow();
    // A window's unload may load or unload others; take the newest each time.
    while (!windows_.empty()) {
        ProgramWindow* newest = windows_.back();
        newest->Unload();
        Unloaded(newest);  // in case its unload did not say so itself
    }
}

}  // namespace vantry
