#pragma once

#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"

namespace vantry::win {

class Win32MessageBoxes : public MessageBoxes {
public:
    int show(WindowHandle owner, const std::string& text, const std::string& title,
             unsigned style) override;
};

class Win32Shell : public Shell {
public:
    bool execute(WindowHandle owner, const std::string& verb, const std::string& file,
                 const std::string& parameters, const std::string& directory,
                 int showCommand) override;
    bool openAddress(const std::string& address) override;
};

class Win32Clock : public Clock {
public:
    std::uint64_t milliseconds() override;
    bool processEvents(std::uint64_t maxWaitMs) override;
};

}  // namespace vantry::win
