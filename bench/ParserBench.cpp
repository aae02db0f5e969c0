// Perception parsing over every recorded server message: the S-expression
// split alone (throughput) and the whole parse into the world model (time per
// message, for all messages and for the vision messages alone). One message
// is parsed per iteration, so the time column is the time per message.

#include <benchmark/benchmark.h>

#include <iostream>
#include <streambuf>
#include <string>
#include <vector>

#include "support/Recording.h"
#include "sexpparser/sexpparser.h"
#include "WorldModel/Parser.h"
#include "WorldModel/WorldModel.h"

namespace {

const char* const kRecordings[] = {"left-unum1", "left-unum2", "right-unum1", "solo-left"};

const std::vector<std::string>& allMessages()
{
    static const std::vector<std::string> messages = [] {
        std::vector<std::string> all;
        for (const char* name : kRecordings)
            for (std::string& m : readRecording(name)) all.push_back(std::move(m));
        return all;
    }();
    return messages;
}

const std::vector<std::string>& visionMessages()
{
    static const std::vector<std::string> messages = [] {
        std::vector<std::string> vision;
        for (const std::string& m : allMessages())
            if (m.find("(See ") != std::string::npos) vision.push_back(m);
        return vision;
    }();
    return messages;
}

// The own team message prints a line per message; keep it off the report.
class SilencedStderr
{
public:
    SilencedStderr() : mOld(std::cerr.rdbuf(&mNull)) {}
    ~SilencedStderr() { std::cerr.rdbuf(mOld); }

private:
    struct NullBuffer : std::streambuf
    {
        int overflow(int c) override { return traits_type::not_eof(c); }
    } mNull;
    std::streambuf* mOld;
};

void BM_SexpParserParse(benchmark::State& state)
{
    const std::vector<std::string>& messages = allMessages();
    if (messages.empty())
    {
        state.SkipWithError("no recorded messages");
        return;
    }
    SexpParser parser;
    std::size_t bytes = 0, i = 0;
    for (auto _ : state)
    {
        const std::string& m = messages[i];
        benchmark::DoNotOptimize(parser.Parse(m).size());
        bytes += m.size();
        if (++i == messages.size()) i = 0;
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
    state.SetLabel("one message per iteration");
}
BENCHMARK(BM_SexpParserParse);

void parseIntoWorldModel(benchmark::State& state, const std::vector<std::string>& messages)
{
    if (messages.empty())
    {
        state.SkipWithError("no recorded messages");
        return;
    }
    SilencedStderr silence;
    WorldModel::deleteT();
    WorldModel::instance()->setNum(1);
    Parser parser;
    std::size_t bytes = 0, i = 0;
    for (auto _ : state)
    {
        const std::string& m = messages[i];
        parser.doParse(m);
        benchmark::ClobberMemory();
        bytes += m.size();
        if (++i == messages.size()) i = 0;
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
    state.SetLabel("time per message");
    WorldModel::deleteT();
}

void BM_ParserDoParseAll(benchmark::State& state) { parseIntoWorldModel(state, allMessages()); }
BENCHMARK(BM_ParserDoParseAll)->Unit(benchmark::kMicrosecond);

void BM_ParserDoParseVision(benchmark::State& state) { parseIntoWorldModel(state, visionMessages()); }
BENCHMARK(BM_ParserDoParseVision)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
