#pragma once

#include "core/platform/MessageBoxes.h"

namespace vantry::win {

class Win32MessageBoxes : public MessageBoxes {
public:
    int show(WindowHandle owner, const std::string& text, const std::string& title,
             unsigned style) override;
};

}  // namespace vantry::win
