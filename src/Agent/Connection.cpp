#include "Agent/Connection.h"

#include <arpa/inet.h>
#include <sys/select.h>
#include <sys/socket.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <stdexcept>

#include "rcssnet/Addr.h"
#include "rcssnet/Errors.h"

using rcss::net::Addr;

Connection::Connection() = default;

bool Connection::init()
{
    try
    {
        mSocket.bind(Addr(0));
    }
    catch (const rcss::net::BindErr& e)
    {
        std::cerr << "failed to bind socket with '" << e.what() << "'" << std::endl;
        mSocket.close();
        return false;
    }
    try
    {
        if (mPort < 1 || mPort > 65535) throw rcss::net::ConnectErr("port out of range");
        mSocket.connect(Addr(static_cast<Addr::PortType>(mPort), mHost));
    }
    catch (const rcss::net::NetError& e)
    {
        std::cerr << "connection failed with: '" << e.what() << "'" << std::endl;
        mSocket.close();
        return false;
    }
    mSocket.setNoDelay(true);
    return true;
}

bool Connection::sendMessage(const std::string& msg)
{
    if (msg.empty()) return false;
    const std::uint32_t len = htonl(static_cast<std::uint32_t>(msg.size()));
    std::string& frame = mSendBuffer;
    frame.assign(reinterpret_cast<const char*>(&len), sizeof len);
    frame += msg;
    std::size_t sent = 0;
    while (sent < frame.size())
    {
        const ssize_t n = mSocket.send(frame.data() + sent, frame.size() - sent, MSG_NOSIGNAL);
        if (n < 0)
        {
            std::cerr << "(sendMessage) ERROR: " << " send returned error '" << std::strerror(errno) << "' "
                      << std::endl;
            return false;
        }
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

bool Connection::selectInput()
{
    if (!mSocket.isOpen()) return false;
    const int fd = mSocket.getFD();
    int ready;
    do
    {
        fd_set readfds;
        FD_ZERO(&readfds);
        FD_SET(fd, &readfds);
        ready = ::select(fd + 1, &readfds, nullptr, nullptr, nullptr);
    } while (ready < 0 && errno == EINTR);
    return ready > 0;
}

// Reads exactly len bytes; false on end of stream or error.
bool Connection::receiveAll(char* data, std::size_t len, bool& closedByPeer)
{
    std::size_t got = 0;
    while (got < len)
    {
        if (!selectInput())
        {
            mLastError = errno;
            return false;
        }
        const ssize_t n = mSocket.recv(data + got, len - got);
        if (n <= 0)
        {
            closedByPeer = (n == 0);
            mLastError = errno;
            return false;
        }
        got += static_cast<std::size_t>(n);
    }
    return true;
}

void Connection::reportReadError(bool closedByPeer, int err)
{
    std::cerr << "(getMessage) ERROR: " << " read returned errors '"
              << (closedByPeer ? "connection closed by the server" : std::strerror(err)) << "' " << std::endl;
}

bool Connection::getMessage(std::string& msg)
{
    if (!mSocket.isOpen()) return false;
    char header[4];
    bool closedByPeer = false;
    if (!receiveAll(header, sizeof header, closedByPeer))
    {
        done();
        return false;
    }
    std::uint32_t len;
    std::memcpy(&len, header, sizeof len);
    len = ntohl(len);
    if (len > kMaxMessageLength)
    {
        mSocket.close();
        throw std::runtime_error("too long message; aborting");
    }
    if (mBuffer.size() < len) mBuffer.resize(len);
    if (!receiveAll(mBuffer.data(), len, closedByPeer))
    {
        reportReadError(closedByPeer, mLastError);
        done();
        return false;
    }
    if (len == 0) msg.clear();
    else msg.assign(mBuffer.data(), ::strnlen(mBuffer.data(), len));
    return true;
}

void Connection::done()
{
    mSocket.close();
    std::cout << "closed connection to " << mHost << ":" << mPort << "\n";
}
