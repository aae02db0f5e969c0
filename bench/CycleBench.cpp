// One full cycle over loopback: the recorded messages are framed and written
// by a bare server socket, then read, parsed, answered and sent by the agent.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "Agent/Agent.h"
#include "Agent/Connection.h"

namespace {

std::vector<std::string> recordedFrames()
{
    std::vector<std::string> all;
    for (const char* file : {"solo-left.txt", "left-unum1.txt", "left-unum2.txt", "right-unum1.txt"})
    {
        std::ifstream in(std::string(ROVAN_FIXTURE_DIR) + "/perception/" + file);
        for (std::string line; std::getline(in, line);)
        {
            if (line.empty()) continue;
            const uint32_t len = htonl(static_cast<uint32_t>(line.size()));
            all.push_back(std::string(reinterpret_cast<const char*>(&len), 4) + line);
        }
    }
    return all;
}

// Listens on a free loopback port and accepts the agent's connection.
class LoopbackServer
{
public:
    LoopbackServer()
    {
        mListen = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof addr;
        if (::bind(mListen, reinterpret_cast<sockaddr*>(&addr), len) != 0 || ::listen(mListen, 1) != 0
            || ::getsockname(mListen, reinterpret_cast<sockaddr*>(&addr), &len) != 0)
            throw std::runtime_error("cannot listen on loopback");
        mPort = ntohs(addr.sin_port);
    }
    ~LoopbackServer()
    {
        ::close(mClient);
        ::close(mListen);
    }
    int port() const { return mPort; }
    void accept()
    {
        mClient = ::accept(mListen, nullptr, nullptr);
        const int on = 1;
        ::setsockopt(mClient, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    }
    void send(const std::string& frame) { (void)::send(mClient, frame.data(), frame.size(), 0); }
    void drain()
    {
        while (::recv(mClient, mSink, sizeof mSink, MSG_DONTWAIT) > 0) {}
    }

private:
    int mListen = -1, mClient = -1, mPort = 0;
    char mSink[65536];
};

void FullCycle(benchmark::State& state)
{
    // The benchmark library calls this several times; connect only once.
    static const std::vector<std::string> frames = recordedFrames();
    static LoopbackServer server;
    static bool connected = false;
    if (!connected)
    {
        connected = true;
        Connection::instance()->setPort(server.port());
        if (!Connection::instance()->init()) throw std::runtime_error("cannot connect");
        server.accept();
    }
    Agent* agent = Agent::instance();
    std::string message;
    std::size_t i = 0;
    for (auto _ : state)
    {
        server.send(frames[i]);
        agent->Sense(message);
        agent->Think(message);
        agent->Act(message);
        server.drain();
        i = (i + 1) % frames.size();
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(FullCycle)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
