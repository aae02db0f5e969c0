#ifndef CONNECTION_H
#define CONNECTION_H

#include <cstdint>
#include <string>
#include <vector>

#include "rcssnet/TCPSocket.h"
#include "WorldModel/Singleton.h"

// The one TCP connection to the simulation server. Every message in both
// directions is a 4-byte big-endian length followed by that many bytes.
class Connection : public Singleton<Connection>
{
public:
    // Longest payload accepted; a longer length word means a corrupt stream.
    static constexpr std::uint32_t kMaxMessageLength = 1u << 20;

    Connection();

    // Binds to any local port and connects to the server; false (with a
    // line on standard error) when that fails.
    bool init();
    void setServer(std::string host) { mHost = std::move(host); }
    void setPort(int port) { mPort = port; }
    const std::string& getServer() const { return mHost; }
    int getPort() const { return mPort; }

    // Frames and sends msg; false for an empty text or a failed send.
    bool sendMessage(const std::string& msg);
    // Waits for one framed message and puts its text (up to a first zero
    // byte) into msg. False, with msg unchanged, when the connection is lost;
    // the socket is then closed. Throws std::runtime_error on a length word
    // beyond kMaxMessageLength.
    bool getMessage(std::string& msg);
    // Waits until the socket has input; false when it cannot.
    bool selectInput();
    // Closes the socket and reports it on standard output.
    void done();
    bool isOpen() const { return mSocket.isOpen(); }

private:
    bool receiveAll(char* data, std::size_t len, bool& closedByPeer);
    void reportReadError(bool closedByPeer, int err);

    std::string mHost = "127.0.0.1";
    int mPort = 3100;
    rcss::net::TCPSocket mSocket;
    std::vector<char> mBuffer;
    std::string mSendBuffer;
    int mLastError = 0;
};

#endif
