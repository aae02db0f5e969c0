#include "rcssnet/TCPSocket.h"

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

namespace rcss::net {

TCPSocket::TCPSocket() : Socket(SOCK_STREAM) {}

bool TCPSocket::setNoDelay(bool on)
{
    const int flag = on ? 1 : 0;
    return ::setsockopt(getFD(), IPPROTO_TCP, TCP_NODELAY, &flag, sizeof flag) == 0;
}

} // namespace rcss::net
