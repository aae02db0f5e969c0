#ifndef RCSSNET_SOCKET_H
#define RCSSNET_SOCKET_H

#include <cstddef>

#include <sys/types.h>

namespace rcss::net {

class Addr;

// Owns one socket descriptor and closes it on destruction. Calls interrupted
// by a signal are repeated.
class Socket
{
public:
    virtual ~Socket();
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;

    bool isOpen() const { return mFD >= 0; }
    int getFD() const { return mFD; }

    // Throws BindErr.
    void bind(const Addr& addr);
    // Throws ConnectErr.
    void connect(const Addr& addr);
    // Closing twice is harmless.
    void close();

    // As send(2) and recv(2): the byte count, or -1 with errno set.
    ssize_t send(const void* data, std::size_t len, int flags = 0);
    ssize_t recv(void* data, std::size_t len, int flags = 0);

protected:
    // Opens a socket of the given type (SOCK_STREAM, ...); throws OpenErr.
    explicit Socket(int type);

private:
    void awaitConnect();

    int mFD = -1;
};

} // namespace rcss::net

#endif
