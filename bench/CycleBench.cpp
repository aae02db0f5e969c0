// One full cycle over loopback: the recorded messages are framed and written
// by the scripted test server, then read, parsed, answered and sent by the agent.
#include <stdexcept>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "Agent/Agent.h"
#include "Agent/Connection.h"
#include "support/Recording.h"
#include "support/ScriptedServer.h"

namespace {

std::vector<std::string> recordedFrames()
{
    std::vector<std::string> all;
    for (const char* name : {"solo-left", "left-unum1", "left-unum2", "right-unum1"})
        for (const std::string& message : readRecording(name)) all.push_back(ScriptedServer::frame(message));
    return all;
}

void FullCycle(benchmark::State& state)
{
    // The benchmark library calls this several times; connect only once.
    static const std::vector<std::string> frames = recordedFrames();
    static ScriptedServer server;
    static bool connected = false;
    if (!connected)
    {
        connected = true;
        Connection::instance()->setPort(server.port());
        if (!Connection::instance()->init()) throw std::runtime_error("cannot connect");
        if (!server.accept()) throw std::runtime_error("no connection");
    }
    Agent* agent = Agent::instance();
    std::string message;
    std::size_t i = 0;
    for (auto _ : state)
    {
        server.sendRaw(frames[i]);
        agent->Sense(message);
        agent->Think(message);
        agent->Act(message);
        server.discardInput();
        i = (i + 1) % frames.size();
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(FullCycle)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
