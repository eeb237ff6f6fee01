#pragma once

#include <windows.h>

#include "core/platform/Clipboard.h"
#include "win/platform/Handles.h"

namespace vantry::win {

// The system clipboard's Unicode text. A clipboard that another program
// keeps open is given up on after a few short tries: text() then answers
// nothing and setText changes nothing, and both say so.
class Win32Clipboard : public Clipboard {
public:
    std::optional<std::string> text() override;
    bool setText(const std::string& text) override;

private:
    // A message-only window of our own owns what we put on the clipboard,
    // since a clipboard emptied without an owner refuses new data.
    HWND owner();

    UniqueWindow owner_;
};

}  // namespace vantry::win
