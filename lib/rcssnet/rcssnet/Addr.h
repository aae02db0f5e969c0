#ifndef RCSSNET_ADDR_H
#define RCSSNET_ADDR_H

#include <cstdint>
#include <string>

#include <netinet/in.h>

namespace rcss::net {

// An IPv4 address and port.
class Addr
{
public:
    typedef std::uint16_t PortType;

    // Any local address (INADDR_ANY) on port; port 0 lets the system choose.
    explicit Addr(PortType port = 0);
    // The first IPv4 address of host (a name or a dotted address); throws
    // HostNotFound when it has none.
    Addr(PortType port, const std::string& host);

    PortType getPort() const;
    // The address in dotted form.
    std::string getHostAddress() const;
    const sockaddr_in& sockAddr() const { return mAddr; }

private:
    sockaddr_in mAddr{};
};

} // namespace rcss::net

#endif
