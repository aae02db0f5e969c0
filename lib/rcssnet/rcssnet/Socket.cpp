#include "rcssnet/Socket.h"

#include <cerrno>

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "rcssnet/Addr.h"
#include "rcssnet/Errors.h"

namespace rcss::net {

Socket::Socket(int type) : mFD(::socket(AF_INET, type | SOCK_CLOEXEC, 0))
{
    if (mFD < 0) throw OpenErr(errnoText(errno));
}

Socket::~Socket()
{
    close();
}

void Socket::bind(const Addr& addr)
{
    const sockaddr_in& sa = addr.sockAddr();
    if (::bind(mFD, reinterpret_cast<const sockaddr*>(&sa), sizeof sa) != 0) throw BindErr(errnoText(errno));
}

void Socket::connect(const Addr& addr)
{
    const sockaddr_in& sa = addr.sockAddr();
    if (::connect(mFD, reinterpret_cast<const sockaddr*>(&sa), sizeof sa) == 0) return;
    if (errno != EINTR) throw ConnectErr(errnoText(errno));
    awaitConnect();
}

// An interrupted connect goes on in the background: wait for its outcome.
void Socket::awaitConnect()
{
    pollfd pfd{mFD, POLLOUT, 0};
    int ready;
    do ready = ::poll(&pfd, 1, -1);
    while (ready < 0 && errno == EINTR);
    if (ready < 0) throw ConnectErr(errnoText(errno));
    int err = 0;
    socklen_t len = sizeof err;
    if (::getsockopt(mFD, SOL_SOCKET, SO_ERROR, &err, &len) != 0) err = errno;
    if (err != 0) throw ConnectErr(errnoText(err));
}

void Socket::close()
{
    if (mFD < 0) return;
    ::close(mFD);
    mFD = -1;
}

ssize_t Socket::send(const void* data, std::size_t len, int flags)
{
    ssize_t n;
    do n = ::send(mFD, data, len, flags);
    while (n < 0 && errno == EINTR);
    return n;
}

ssize_t Socket::recv(void* data, std::size_t len, int flags)
{
    ssize_t n;
    do n = ::recv(mFD, data, len, flags);
    while (n < 0 && errno == EINTR);
    return n;
}

} // namespace rcss::net
