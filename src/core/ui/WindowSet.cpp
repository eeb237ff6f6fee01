#include "core/ui/WindowSet.h"

#include <algorithm>

namespace vantry {

void WindowSet::loaded(ProgramWindow* window) {
    if (!isLoaded(window))
        windows_.push_back(window);
}

void WindowSet::unloaded(ProgramWindow* window) {
    const auto it = std::find(windows_.begin(), windows_.end(), window);
    if (it == windows_.end())
        return;
    windows_.erase(it);
    if (window == tool_)
        tool_ = nullptr;
    if (windows_.empty() && onEmpty)
        onEmpty();
}

bool WindowSet::isLoaded(const ProgramWindow* window) const {
    return std::find(windows_.begin(), windows_.end(), window) != windows_.end();
}

void WindowSet::EndProgram(const std::function<void()>& hideTitleWindow) {
    if (hideTitleWindow)
        hideTitleWindow();
    // A window's unload may load or unload others; take the newest each time.
    while (!windows_.empty()) {
        ProgramWindow* newest = windows_.back();
        newest->unload();
        unloaded(newest);  // in case its unload did not say so itself
    }
}

bool WindowSet::openTool(ProgramWindow& tool, bool overOwner, const std::function<void()>& load) {
    if (toolOpen())
        return false;
    tool_ = &tool;
    overOwner_ = overOwner && owner_;
    ToolOwner* const owner = overOwner_ ? owner_ : nullptr;
    if (owner)
        owner->setEnabled(false);
    load();
    if (isLoaded(&tool))
        return true;
    if (tool_ == &tool)
        tool_ = nullptr;
    if (owner)
        owner->setEnabled(true);
    return false;
}

void WindowSet::closeTool() {
    ProgramWindow* const tool = tool_;
    ToolOwner* const owner = overOwner_ ? owner_ : nullptr;
    if (!tool)
        return;
    if (owner)
        owner->setEnabled(true);
    tool->unload();
    unloaded(tool);
    if (owner && owner->visible())
        owner->activate();
}

void WindowSet::toolOwnerRenewed() {
    if (toolOpen() && overOwner_ && owner_)
        owner_->setEnabled(false);
}

}  // namespace vantry
