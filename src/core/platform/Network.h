#pragma once

#include <string>

namespace vantry {

class Network {
public:
    virtual ~Network() = default;

    // Whether a UDP socket could be bound to the port on this machine now, at
    // the address (a dotted IPv4 address; empty for any), without taking an
    // address that another program holds (no address reuse).
    virtual bool udpPortFree(const std::string& address, int port) = 0;
};

}  // namespace vantry
