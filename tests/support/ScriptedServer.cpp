#include "support/ScriptedServer.h"

bool ScriptedServer::accept(std::chrono::milliseconds timeout)
{
    std::optional<ScriptedConnection> client = mListener.accept(timeout);
    if (!client) return false;
    mClient = std::move(*client);
    return true;
}
