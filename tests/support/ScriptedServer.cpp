#include "support/ScriptedServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>
#include <stdexcept>
#include <thread>

ScriptedServer::ScriptedServer()
{
    mListenFD = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (mListenFD < 0) throw std::runtime_error("socket");
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    if (::bind(mListenFD, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || ::listen(mListenFD, 4) != 0)
        throw std::runtime_error("bind/listen");
    socklen_t len = sizeof addr;
    ::getsockname(mListenFD, reinterpret_cast<sockaddr*>(&addr), &len);
    mPort = ntohs(addr.sin_port);
}

ScriptedServer::~ScriptedServer()
{
    closeClient();
    if (mListenFD >= 0) ::close(mListenFD);
}

bool ScriptedServer::accept(std::chrono::milliseconds timeout)
{
    pollfd pfd{mListenFD, POLLIN, 0};
    if (::poll(&pfd, 1, static_cast<int>(timeout.count())) <= 0) return false;
    mClientFD = ::accept4(mListenFD, nullptr, nullptr, SOCK_CLOEXEC);
    if (mClientFD < 0) return false;
    // Each write goes out at once, as the real server's do.
    const int on = 1;
    ::setsockopt(mClientFD, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    return true;
}

void ScriptedServer::sendRaw(const std::string& bytes, std::size_t chunk)
{
    if (chunk == 0) chunk = bytes.size();
    for (std::size_t at = 0; at < bytes.size(); at += chunk)
    {
        const std::size_t n = std::min(chunk, bytes.size() - at);
        if (::send(mClientFD, bytes.data() + at, n, MSG_NOSIGNAL) != static_cast<ssize_t>(n))
            throw std::runtime_error("send");
        // Separate writes so that the player sees the pieces one by one.
        if (n < bytes.size()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

std::string ScriptedServer::frame(const std::string& payload)
{
    const std::uint32_t len = htonl(static_cast<std::uint32_t>(payload.size()));
    std::string out(4, '\0');
    std::memcpy(out.data(), &len, 4);
    return out + payload;
}

void ScriptedServer::sendFrame(const std::string& payload, std::size_t chunk)
{
    sendRaw(frame(payload), chunk);
}

bool ScriptedServer::readExactly(char* data, std::size_t len, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    std::size_t got = 0;
    while (got < len)
    {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd pfd{mClientFD, POLLIN, 0};
        if (left.count() <= 0 || ::poll(&pfd, 1, static_cast<int>(left.count())) <= 0) return false;
        const ssize_t n = ::recv(mClientFD, data + got, len - got, 0);
        if (n <= 0) return false;
        got += static_cast<std::size_t>(n);
    }
    return true;
}

std::optional<std::string> ScriptedServer::readFrame(std::chrono::milliseconds timeout)
{
    char header[4];
    if (!readExactly(header, 4, timeout)) return std::nullopt;
    std::uint32_t len;
    std::memcpy(&len, header, 4);
    std::string payload(ntohl(len), '\0');
    if (!readExactly(payload.data(), payload.size(), timeout)) return std::nullopt;
    return payload;
}

bool ScriptedServer::silentFor(std::chrono::milliseconds timeout)
{
    pollfd pfd{mClientFD, POLLIN, 0};
    if (::poll(&pfd, 1, static_cast<int>(timeout.count())) <= 0) return true;
    char c;
    return ::recv(mClientFD, &c, 1, MSG_PEEK) == 0;
}

void ScriptedServer::discardInput()
{
    char sink[65536];
    while (::recv(mClientFD, sink, sizeof sink, MSG_DONTWAIT) > 0) {}
}

void ScriptedServer::closeClient()
{
    if (mClientFD >= 0) ::close(mClientFD);
    mClientFD = -1;
}
