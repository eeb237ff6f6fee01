#pragma once

#include <string>

#include "core/platform/WindowHandle.h"

namespace vantry {

inline constexpr int ShowNormal = 1;

class Shell {
public:
    virtual ~Shell() = default;

    // Starts a program or opens a document; false when the platform refused.
    virtual bool execute(WindowHandle owner, const std::string& verb, const std::string& file,
                         const std::string& parameters, const std::string& directory,
                         int showCommand) = 0;
    // Tells the shell that file associations changed, so the new document
    // icon shows at once.
    virtual void associationsChanged() = 0;
};

}  // namespace vantry
