#include "win/platform/Win32MessageBoxes.h"

#include <windows.h>

#include "win/platform/WideText.h"

namespace vantry::win {

int Win32MessageBoxes::show(WindowHandle owner, const std::string& text, const std::string& title,
                            unsigned style) {
    return MessageBoxW(static_cast<HWND>(owner), Widen(text).c_str(), Widen(title).c_str(), style);
}

}  // namespace vantry::win
