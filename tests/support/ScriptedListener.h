#ifndef SCRIPTEDLISTENER_H
#define SCRIPTEDLISTENER_H

#include <chrono>
#include <optional>

#include "support/ScriptedConnection.h"

// A stand-in simulation server's listening socket on a free port of
// 127.0.0.1. Its queue holds a whole team, so eleven players can connect
// before the first is accepted.
class ScriptedListener
{
public:
    ScriptedListener();
    ~ScriptedListener();
    ScriptedListener(const ScriptedListener&) = delete;
    ScriptedListener& operator=(const ScriptedListener&) = delete;

    int port() const { return mPort; }
    // The next player's connection, or nothing when none comes within timeout.
    std::optional<ScriptedConnection> accept(std::chrono::milliseconds timeout = std::chrono::seconds(5));

private:
    int mListenFD = -1;
    int mPort = 0;
};

#endif
