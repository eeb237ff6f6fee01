#pragma once

#include <cstddef>
#include <functional>
#include <vector>

namespace vantry {

// A window of the program that End program can unload.
class ProgramWindow {
public:
    virtual ~ProgramWindow() = default;
    virtual void unload() = 0;
    // Closes the window as its exit button does, with its question; false
    // while it stays open.
    virtual bool closeAsExitButton() {
        unload();
        return true;
    }
};

// The window the tool windows open over: the main window, which may be made
// anew while one is open.
class ToolOwner {
public:
    virtual ~ToolOwner() = default;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool visible() = 0;
    virtual void activate() = 0;
};

// The program's lifetime: its loaded windows in the order they were loaded.
// End program hides the title window, then unloads every loaded window, the
// most recently loaded first; the program ends when the last one is gone.
//
// It also keeps the tool windows' rule: at most one is open at a time, over
// the owner or alone. While one is open over the owner, the owner is
// disabled; it is given back when the tool window did not load, and as the
// tool window goes it is enabled first, so the system hands it the
// activation, and activated unless it waits hidden in the tray.
class WindowSet {
public:
    void loaded(ProgramWindow* window);
    void unloaded(ProgramWindow* window);
    bool isLoaded(const ProgramWindow* window) const;
    std::size_t count() const { return windows_.size(); }

    void EndProgram(const std::function<void()>& hideTitleWindow);

    // Called once the last window has been unloaded.
    std::function<void()> onEmpty;

    void setToolOwner(ToolOwner* owner) { owner_ = owner; }
    bool toolOpen() const { return tool_ != nullptr && isLoaded(tool_); }
    // Runs the tool window's load step, over the owner or alone, unless a
    // tool window is open already. False when it did not open.
    bool openTool(ProgramWindow& tool, bool overOwner, const std::function<void()>& load);
    // The open tool window goes, back to its owner.
    void closeTool();
    // Closes the open tool window as its exit button does; false while it stays open.
    bool closeToolAsExitButton() { return !toolOpen() || tool_->closeAsExitButton(); }
    // The owner was made anew while a tool window is open over it.
    void toolOwnerRenewed();

private:
    std::vector<ProgramWindow*> windows_;
    ToolOwner* owner_ = nullptr;
    ProgramWindow* tool_ = nullptr;
    bool overOwner_ = false;
};

}  // namespace vantry
