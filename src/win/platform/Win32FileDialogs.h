#pragma once

#include "core/platform/FileDialogs.h"

namespace vantry::win {

class Win32FileDialogs : public FileDialogs {
public:
    std::string showOpen(WindowHandle owner, const std::string& filter, const std::string& title,
                         const std::string& initialDir) override;
    std::string showSave(WindowHandle owner, const std::string& filter, const std::string& title,
                         const std::string& initialDir) override;
};

}  // namespace vantry::win
