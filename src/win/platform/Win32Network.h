#pragma once

#include "core/platform/Network.h"

namespace vantry::win {

// Port probes through Winsock, which is found on the first probe: most runs
// never need it, and it is not loaded before the first window.
class Win32Network : public Network {
public:
    bool udpPortFree(const std::string& address, int port) override;
};

}  // namespace vantry::win
