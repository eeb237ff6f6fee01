#pragma once

#include <string>

#include "platform/WindowHandle.h"

namespace vantry {

inline constexpr int ShowNormal = 1;

class Shell {
public:
    virtual ~Shell() = default;

    // Starts a program or opens a document; false when the platform refused.
    virtual bool execute(WindowHandle owner, const std::string& verb, const std::string& file,
                         const std::string& parameters, const std::string& directory,
                         int showCommand) = 0;
    // Opens a web or mail address with the user's own handler.
    virtual bool openAddress(const std::string& address) = 0;
};

}  // namespace vantry
