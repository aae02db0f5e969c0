#ifndef SCRIPTEDSERVER_H
#define SCRIPTEDSERVER_H

#include <chrono>
#include <optional>
#include <string>

#include "support/ScriptedConnection.h"
#include "support/ScriptedListener.h"

// A stand-in simulation server on 127.0.0.1: listens on a free port, accepts
// one player, sends chosen bytes and reads the player's framed messages.
// Every wait is bounded, so a silent player fails a test instead of hanging it.
class ScriptedServer
{
public:
    int port() const { return mListener.port(); }
    bool accept(std::chrono::milliseconds timeout = std::chrono::seconds(5));

    // Writes raw bytes; with chunk > 0, in pieces of that size.
    void sendRaw(const std::string& bytes, std::size_t chunk = 0) { mClient.sendRaw(bytes, chunk); }
    void sendFrame(const std::string& payload, std::size_t chunk = 0) { mClient.sendFrame(payload, chunk); }
    static std::string frame(const std::string& payload) { return ScriptedConnection::frame(payload); }

    // The next framed message of the player, or nothing on time-out or end of stream.
    std::optional<std::string> readFrame(std::chrono::milliseconds timeout = std::chrono::seconds(5))
    {
        return mClient.readFrame(timeout);
    }
    // True when the player sends nothing more within timeout (end of stream included).
    bool silentFor(std::chrono::milliseconds timeout) { return mClient.silentFor(timeout); }
    // Throws away whatever the player has sent so far, without waiting.
    void discardInput() { mClient.discardInput(); }
    // Closes the player's connection.
    void closeClient() { mClient.close(); }

private:
    ScriptedListener mListener;
    ScriptedConnection mClient;
};

#endif
