// Think time of one cycle: every recorded message digested into the world
// model and answered, without the socket.
#include <fstream>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "Agent/Agent.h"

namespace {

std::vector<std::string> recordedMessages()
{
    std::vector<std::string> all;
    for (const char* file : {"solo-left.txt", "left-unum1.txt", "left-unum2.txt", "right-unum1.txt"})
    {
        std::ifstream in(std::string(ROVAN_FIXTURE_DIR) + "/perception/" + file);
        for (std::string line; std::getline(in, line);)
            if (!line.empty()) all.push_back(line);
    }
    return all;
}

void DigestAndThink(benchmark::State& state)
{
    const std::vector<std::string> messages = recordedMessages();
    Agent* agent = Agent::instance();
    std::string command;
    std::size_t i = 0;
    for (auto _ : state)
    {
        agent->Digest(messages[i]);
        agent->Think(command);
        benchmark::DoNotOptimize(command.data());
        i = (i + 1) % messages.size();
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(DigestAndThink)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
