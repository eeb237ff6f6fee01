#pragma once

#include <cstdint>
#include <optional>
#include <string>

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

    static ChromePictures activePictures();
    static ChromePictures inactivePictures();

private:
    bool wasActive_ = false;
};

}  // namespace vantry
