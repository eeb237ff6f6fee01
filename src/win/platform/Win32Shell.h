#pragma once

#include "core/platform/Shell.h"

namespace vantry::win {

class Win32Shell : public Shell {
public:
    bool execute(WindowHandle owner, const std::string& verb, const std::string& file,
                 const std::string& parameters, const std::string& directory,
                 int showCommand) override;
    void associationsChanged() override;
};

}  // namespace vantry::win
