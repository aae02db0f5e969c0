#ifndef SCRIPTEDSERVER_H
#define SCRIPTEDSERVER_H

#include <chrono>
#include <optional>
#include <string>

// A stand-in simulation server on 127.0.0.1: listens on a free port, accepts
// one player, sends chosen bytes and reads the player's framed messages.
// Every wait is bounded, so a silent player fails a test instead of hanging it.
class ScriptedServer
{
public:
    ScriptedServer();
    ~ScriptedServer();
    ScriptedServer(const ScriptedServer&) = delete;
    ScriptedServer& operator=(const ScriptedServer&) = delete;

    int port() const { return mPort; }
    bool accept(std::chrono::milliseconds timeout = std::chrono::seconds(5));

    // Writes raw bytes; with chunk > 0, in pieces of that size.
    void sendRaw(const std::string& bytes, std::size_t chunk = 0);
    void sendFrame(const std::string& payload, std::size_t chunk = 0);
    static std::string frame(const std::string& payload);

    // The next framed message of the player, or nothing on time-out or end of stream.
    std::optional<std::string> readFrame(std::chrono::milliseconds timeout = std::chrono::seconds(5));
    // True when the player sends nothing more within timeout (end of stream included).
    bool silentFor(std::chrono::milliseconds timeout);
    // Throws away whatever the player has sent so far, without waiting.
    void discardInput();
    // Closes the player's connection.
    void closeClient();

private:
    bool readExactly(char* data, std::size_t len, std::chrono::milliseconds timeout);

    int mListenFD = -1;
    int mClientFD = -1;
    int mPort = 0;
};

#endif
