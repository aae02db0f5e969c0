#include "support/ScriptedListener.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

ScriptedListener::ScriptedListener()
{
    mListenFD = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (mListenFD < 0) throw std::runtime_error("socket");
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    if (::bind(mListenFD, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || ::listen(mListenFD, 16) != 0)
    {
        ::close(mListenFD);
        throw std::runtime_error("bind/listen");
    }
    socklen_t len = sizeof addr;
    ::getsockname(mListenFD, reinterpret_cast<sockaddr*>(&addr), &len);
    mPort = ntohs(addr.sin_port);
}

ScriptedListener::~ScriptedListener()
{
    if (mListenFD >= 0) ::close(mListenFD);
}

std::optional<ScriptedConnection> ScriptedListener::accept(std::chrono::milliseconds timeout)
{
    pollfd pfd{mListenFD, POLLIN, 0};
    if (::poll(&pfd, 1, static_cast<int>(timeout.count())) <= 0) return std::nullopt;
    const int fd = ::accept4(mListenFD, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) return std::nullopt;
    // Each write goes out at once, as the real server's do.
    const int on = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    return ScriptedConnection(fd);
}
