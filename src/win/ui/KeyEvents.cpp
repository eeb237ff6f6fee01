#include "win/ui/KeyEvents.h"

namespace vantry::win {

bool RaiseKeyEvent(UINT msg, WPARAM& wp, const KeyHandler& onKeyDown, const CharHandler& onKeyPress,
                   const KeyHandler& onKeyUp) {
    int code = static_cast<int>(wp);
    switch (msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP: {
        const KeyHandler& handler = (msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN) ? onKeyDown : onKeyUp;
        if (!handler)
            return true;
        int shift = (GetKeyState(VK_SHIFT) < 0 ? 1 : 0) + (GetKeyState(VK_CONTROL) < 0 ? 2 : 0) +
                    (GetKeyState(VK_MENU) < 0 ? 4 : 0);
        handler(code, shift);
        break;
    }
    case WM_CHAR:
        if (!onKeyPress)
            return true;
        onKeyPress(code);
        break;
    default:
        return true;
    }
    wp = static_cast<WPARAM>(code);
    return code != 0;
}

}  // namespace vantry::win
