#include "core/ui/WindowSet.h"

#include <algorithm>

namespace vantry {

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
