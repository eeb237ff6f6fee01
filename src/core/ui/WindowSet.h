#pragma once

#include <cstddef>
#include <functional>
#include <vector>

namespace vantry {

// A window of the program that End program can unload.
class ProgramWindow {
public:
    virtual ~ProgramWindow() = default;
    virtual void Unload() = 0;
};

// The program's lifetime: its loaded windows in the order they were loaded.
// End program hides the title window, then unloads every loaded window, the
// most recently loaded first; the program ends when the last one is gone.
class WindowSet {
public:
    void Loaded(ProgramWindow* window);
    void Unloaded(ProgramWindow* window);
    bool IsLoaded(const ProgramWindow* window) const;
    std::size_t Count() const { return windows_.size(); }

    void EndProgram(const std::function<void()>& hideTitleWindow);

    // Called once the last window has been unloaded.
    std::function<void()> onEmpty;

private:
    std::vector<ProgramWindow*> windows_;
};

}  // namespace vantry
