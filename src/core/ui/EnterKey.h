#pragma once

#include <functional>
#include <vector>

namespace vantry {

// Enter in a window of the program, as in a dialog box: a focused button
// presses itself; in a field with a button that takes what is typed there,
// that button, while it is enabled; anywhere else the window's default button
// (0: none). Controls go by their ids.
struct EnterKey {
    struct FieldButton {
        int field = 0;
        int button = 0;
    };
    std::vector<FieldButton> fieldButtons;
    int defaultButton = 0;

    // The button Enter presses, 0 for none. focused is the control that holds
    // the focus, focusedButton whether that is an enabled button.
    int pressed(int focused, bool focusedButton, const std::function<bool(int button)>& enabled) const;
};

}  // namespace vantry
