#pragma once

#include <windows.h>

namespace vantry::win {

// Keyboard navigation for the program's windows, which are not dialogs: Tab,
// the arrow keys, Enter for the default button, Space on a focused button and
// Alt+letter mnemonics. True when the message was used up.
bool PreTranslate(MSG& msg);

// The program's one message loop; returns the code given to PostQuitMessage.
int RunMessageLoop();

}  // namespace vantry::win
