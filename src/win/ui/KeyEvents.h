#pragma once

#include <windows.h>

#include <functional>

namespace vantry::win {

using KeyHandler = std::function<void(int& keyCode, int& shift)>;
using CharHandler = std::function<void(int& ch)>;

// The key events of the program's own controls, raised from the inner control's
// procedure before it sees the message. False when a handler swallowed the key
// or character (set it to 0); a changed one is written back into wp.
bool RaiseKeyEvent(UINT msg, WPARAM& wp, const KeyHandler& onKeyDown, const CharHandler& onKeyPress,
                   const KeyHandler& onKeyUp);

}  // namespace vantry::win
