#include "support/ScriptedConnection.h"

#include <arpa/inet.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>
#include <stdexcept>
#include <thread>
#include <utility>

ScriptedConnection::ScriptedConnection(int fd) : mFD(fd) {}

ScriptedConnection::~ScriptedConnection() { close(); }

ScriptedConnection::ScriptedConnection(ScriptedConnection&& other) noexcept : mFD(std::exchange(other.mFD, -1)) {}

ScriptedConnection& ScriptedConnection::operator=(ScriptedConnection&& other) noexcept
{
    if (this != &other)
    {
        close();
        mFD = std::exchange(other.mFD, -1);
    }
    return *this;
}

void ScriptedConnection::sendRaw(const std::string& bytes, std::size_t chunk)
{
    if (chunk == 0) chunk = bytes.size();
    for (std::size_t at = 0; at < bytes.size(); at += chunk)
    {
        const std::size_t n = std::min(chunk, bytes.size() - at);
        if (::send(mFD, bytes.data() + at, n, MSG_NOSIGNAL) != static_cast<ssize_t>(n))
            throw std::runtime_error("send");
        // Separate writes so that the player sees the pieces one by one.
        if (n < bytes.size()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

std::string ScriptedConnection::frame(const std::string& payload)
{
    const std::uint32_t len = htonl(static_cast<std::uint32_t>(payload.size()));
    std::string out(4, '\0');
    std::memcpy(out.data(), &len, 4);
    return out + payload;
}

void ScriptedConnection::sendFrame(const std::string& payload, std::size_t chunk)
{
    sendRaw(frame(payload), chunk);
}

bool ScriptedConnection::readExactly(char* data, std::size_t len, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    std::size_t got = 0;
    while (got < len)
    {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd pfd{mFD, POLLIN, 0};
        if (left.count() <= 0 || ::poll(&pfd, 1, static_cast<int>(left.count())) <= 0) return false;
        const ssize_t n = ::recv(mFD, data + got, len - got, 0);
        if (n <= 0) return false;
        got += static_cast<std::size_t>(n);
    }
    return true;
}

std::optional<std::string> ScriptedConnection::readFrame(std::chrono::milliseconds timeout)
{
    char header[4];
    if (!readExactly(header, 4, timeout)) return std::nullopt;
    std::uint32_t len;
    std::memcpy(&len, header, 4);
    std::string payload(ntohl(len), '\0');
    if (!readExactly(payload.data(), payload.size(), timeout)) return std::nullopt;
    return payload;
}

bool ScriptedConnection::silentFor(std::chrono::milliseconds timeout)
{
    pollfd pfd{mFD, POLLIN, 0};
    if (::poll(&pfd, 1, static_cast<int>(timeout.count())) <= 0) return true;
    char c;
    return ::recv(mFD, &c, 1, MSG_PEEK) == 0;
}

void ScriptedConnection::discardInput()
{
    char sink[65536];
    while (::recv(mFD, sink, sizeof sink, MSG_DONTWAIT) > 0) {}
}

void ScriptedConnection::close()
{
    if (mFD >= 0) ::close(mFD);
    mFD = -1;
}
