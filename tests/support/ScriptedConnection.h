#ifndef SCRIPTEDCONNECTION_H
#define SCRIPTEDCONNECTION_H

#include <chrono>
#include <optional>
#include <string>

// The server's end of one player's connection: sends chosen bytes and reads
// the player's framed messages. Every wait is bounded, so a silent player
// fails a test instead of hanging it. A default one has no player: sends
// throw, reads time out.
class ScriptedConnection
{
public:
    ScriptedConnection() = default;
    explicit ScriptedConnection(int fd);
    ~ScriptedConnection();
    ScriptedConnection(ScriptedConnection&& other) noexcept;
    ScriptedConnection& operator=(ScriptedConnection&& other) noexcept;
    ScriptedConnection(const ScriptedConnection&) = delete;
    ScriptedConnection& operator=(const ScriptedConnection&) = delete;

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
    void close();

private:
    bool readExactly(char* data, std::size_t len, std::chrono::milliseconds timeout);

    int mFD = -1;
};

#endif
