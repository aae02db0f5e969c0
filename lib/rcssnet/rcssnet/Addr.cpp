#include "rcssnet/Addr.h"

#include <arpa/inet.h>
#include <netdb.h>

#include <memory>

#include "rcssnet/Errors.h"

namespace rcss::net {

Addr::Addr(PortType port)
{
    mAddr.sin_family = AF_INET;
    mAddr.sin_port = htons(port);
    mAddr.sin_addr.s_addr = htonl(INADDR_ANY);
}

Addr::Addr(PortType port, const std::string& host)
{
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const int err = getaddrinfo(host.c_str(), nullptr, &hints, &found);
    if (err != 0 || found == nullptr)
        throw HostNotFound("host not found: '" + host + "' (" + (err != 0 ? gai_strerror(err) : "no address") + ")");
    std::unique_ptr<addrinfo, decltype(&freeaddrinfo)> owner(found, &freeaddrinfo);
    mAddr = *reinterpret_cast<const sockaddr_in*>(found->ai_addr);
    mAddr.sin_port = htons(port);
}

Addr::PortType Addr::getPort() const
{
    return ntohs(mAddr.sin_port);
}

std::string Addr::getHostAddress() const
{
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &mAddr.sin_addr, text, sizeof text);
    return text;
}

} // namespace rcss::net
