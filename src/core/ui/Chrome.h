#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vantry {

// The pictures of a frame's caption buttons for one look.
struct ChromePictures {
    std::string exit, minimize, help;
};

// The activity look of a framed window: the title's colour follows every
// activity change, the button pictures only a change from active to inactive
// or back, and a window that starts inactive keeps its normal pictures until it
// has once been active. The hover pictures are not part of the look.
class ActivityLook {
public:
    struct Update {
        std::uint32_t titleColour;
        std::optional<ChromePictures> pictures;  // only when they change
    };

    Update onActivity(bool active);
    bool wasActive() const { return wasActive_; }

    static ChromePictures ActivePictures();
    static ChromePictures InactivePictures();

private:
    bool wasActive_ = false;
};

// Mouse buttons as the frame's events report them.
namespace mouse {
inline constexpr int Left = 1;
inline constexpr int Right = 2;
inline constexpr int Middle = 4;
}  // namespace mouse

// Only the left button drags a window by its background, labels or panels.
inline bool StartsDrag(int button) { return button == mouse::Left; }

// Left and top that centre a window on the screen (any unit, twips in practice).
struct Position {
    int left;
    int top;
};
Position Centred(int screenWidth, int screenHeight, int width, int height);

// The tray menu of a tool window running alone.
inline constexpr char TrayMenuMinimize[] = "Minimize";
inline constexpr char TrayMenuRestore[] = "Restore";
inline constexpr char TrayMenuExit[] = "Exit";

std::string TrayMenuMinCaption(bool windowVisible);

enum class TrayMinAction { Hide, Show, None };
TrayMinAction TrayMenuMinChosen(const std::string& caption);

// A window of the program that End program can unload.
class ProgramWindow {
public:
    virtual ~ProgramWindow() = default;
    virtual void Unload() = 0;
};

// The program's loaded windows in the order they were loaded. End program
// hides the title window, then unloads every loaded window, the most recently
// loaded first; the program ends when the last one is gone.
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
