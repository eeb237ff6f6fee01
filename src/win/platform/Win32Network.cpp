#include "win/platform/Win32Network.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include "win/platform/Handles.h"
#include "win/platform/LateBound.h"
#include "win/platform/WideText.h"

namespace vantry::win {

namespace {

// The few Winsock functions a probe needs, with Winsock started once for the
// rest of the run; all null when it cannot be had.
struct Winsock {
    decltype(&::socket) socket = nullptr;
    decltype(&::setsockopt) setsockopt = nullptr;
    decltype(&::bind) bind = nullptr;
    decltype(&::closesocket) closesocket = nullptr;
    decltype(&::InetPtonW) inetPton = nullptr;

    static const Winsock& get() {
        static const Winsock winsock = [] {
            Winsock w;
            const auto startup = LateBound<decltype(&::WSAStartup)>("ws2_32.dll", "WSAStartup");
            WSADATA data;
            if (!startup || startup(MAKEWORD(2, 2), &data) != 0)
                return w;
            w.socket = LateBound<decltype(&::socket)>("ws2_32.dll", "socket");
            w.setsockopt = LateBound<decltype(&::setsockopt)>("ws2_32.dll", "setsockopt");
            w.bind = LateBound<decltype(&::bind)>("ws2_32.dll", "bind");
            w.closesocket = LateBound<decltype(&::closesocket)>("ws2_32.dll", "closesocket");
            w.inetPton = LateBound<decltype(&::InetPtonW)>("ws2_32.dll", "InetPtonW");
            if (!w.socket || !w.setsockopt || !w.bind || !w.closesocket || !w.inetPton)
                w = Winsock{};
            return w;
        }();
        return winsock;
    }
};

struct SocketTraits {
    using Handle = SOCKET;
    static Handle empty() { return INVALID_SOCKET; }
    static bool valid(Handle s) { return s != INVALID_SOCKET; }
    static void close(Handle s) { Winsock::get().closesocket(s); }
};
using UniqueSocket = UniqueHandle<SocketTraits>;

}  // namespace

bool Win32Network::udpPortFree(const std::string& address, int port) {
    const Winsock& ws = Winsock::get();
    if (!ws.socket || port < 0 || port > 65535)
        return false;
    sockaddr_in at{};
    at.sin_family = AF_INET;
    // In network order, written by hand: htons would import Winsock.
    auto* portBytes = reinterpret_cast<unsigned char*>(&at.sin_port);
    portBytes[0] = static_cast<unsigned char>(port >> 8);
    portBytes[1] = static_cast<unsigned char>(port & 0xFF);
    // What is no address of this machine's form is probed as any address,
    // where the server's own bind would go.
    if (address.empty() || ws.inetPton(AF_INET, Widen(address).c_str(), &at.sin_addr) != 1)
        at.sin_addr.s_addr = INADDR_ANY;  // zero in any byte order

    UniqueSocket probe(ws.socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP));
    if (!probe)
        return false;
    // Without address reuse a port another socket holds refuses the bind;
    // exclusive use asks the stricter question, whether the port could be
    // had alone, as a server needs it.
    const BOOL exclusive = TRUE;
    ws.setsockopt(probe.get(), SOL_SOCKET, SO_EXCLUSIVEADDRUSE, reinterpret_cast<const char*>(&exclusive),
                  sizeof exclusive);
    return ws.bind(probe.get(), reinterpret_cast<const sockaddr*>(&at), sizeof at) == 0;
}

}  // namespace vantry::win
