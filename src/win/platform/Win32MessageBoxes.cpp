#include "win/platform/Win32MessageBoxes.h"

#include <windows.h>

namespace vantry::win {

int Win32MessageBoxes::show(WindowHandle owner, const std::string& text, const std::string& title,
                            unsigned style) {
    return MessageBoxA(static_cast<HWND>(owner), text.c_str(), title.c_str(), style);
}

}  // namespace vantry::win
