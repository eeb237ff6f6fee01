#pragma once

#include <windows.h>

#include "core/platform/Clipboard.h"
#include "win/platform/Handles.h"

namespace vantry::win {

// The system clipboard's CF_TEXT, in the system code page. A clipboard that
// another program keeps open is given up on after a few short tries: text()
// then answers the empty text and setText changes nothing and says so.
class Win32Clipboard : public Clipboard {
public:
    std::string text() override;
    bool setText(const std::string& text) override;

private:
    // A message-only window of our own owns what we put on the clipboard,
    // since a clipboard emptied without an owner refuses new data.
    HWND owner();

    UniqueWindow owner_;
};

}  // namespace vantry::win
