#ifndef RCSSNET_TCPSOCKET_H
#define RCSSNET_TCPSOCKET_H

#include "rcssnet/Socket.h"

namespace rcss::net {

// An IPv4 stream socket, opened on construction (throws OpenErr).
class TCPSocket : public Socket
{
public:
    TCPSocket();

    // Sends small writes at once instead of gathering them (TCP_NODELAY);
    // false when the option could not be set.
    bool setNoDelay(bool on);
};

} // namespace rcss::net

#endif
