// A player that lies on the ground gets up: rovan and rovan-penalty run
// against a scripted server, one message in, one command out, every message
// carrying the lying readings from the first on.
#include <cstdio>
#include <fstream>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Actions/GetUpBack.h"
#include "Actions/KeyFrameMotions.h"
#include "support/PlayerProcess.h"
#include "support/Recording.h"
#include "support/ScriptedServer.h"
#include "WorldModel/WorldModel.h"

namespace {

const char* const kFinish = "*********getupback finish************";
const char* const kGetUpError = "Skills::getUp Error";

std::size_t count(const std::string& text, const std::string& what)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

bool startsWith(const std::string& text, const std::string& head)
{
    return text.compare(0, head.size(), head) == 0;
}

// The stored command lines of the back get-up.
std::vector<std::string> getUpBackLines()
{
    std::ifstream in(std::string(ROVAN_SOURCE_DIR) + "/Acts/GetUpBack.txt");
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] == '(') lines.push_back(line);
    return lines;
}

// Cycles with text in one run of the front get-up.
int getUpFrontLength()
{
    GetUpFront motion;
    int cycles = 0;
    while (!motion.execute("").empty() && cycles < 10000) ++cycles;
    WorldModel::deleteT();
    return cycles;
}

// The joint commands at the head of a frame: up to its 22nd closing parenthesis.
std::string jointPart(const std::string& frame)
{
    std::size_t at = 0;
    for (int i = 0; i < 22 && at != std::string::npos; ++i) at = frame.find(')', at + 1);
    return at == std::string::npos ? frame : frame.substr(0, at + 1);
}

// A recorded PlayOn message turned into one of a robot lying still: the
// given accelerometer, a still gyroscope, no foot contact, the given time.
class LyingMessages
{
public:
    explicit LyingMessages(const char* acc)
    {
        const std::vector<std::string> recording = readRecording("solo-left");
        for (const std::string& m : recording)
            if (m.find("(pm PlayOn)") != std::string::npos)
            {
                mTemplate = m;
                break;
            }
        mTemplate = std::regex_replace(mTemplate, std::regex(R"(\(ACC \(n torso\) \(a [^)]*\)\))"),
                                       std::string("(ACC (n torso) (a ") + acc + "))");
        mTemplate = std::regex_replace(mTemplate, std::regex(R"(\(GYR \(n torso\) \(rt [^)]*\)\))"),
                                       "(GYR (n torso) (rt 0.00 0.00 0.00))");
        mTemplate = std::regex_replace(mTemplate, std::regex(R"(\(FRP \(n [lr]f\) \(c [^)]*\) \(f [^)]*\)\))"), "");
    }

    bool valid() const
    {
        return mTemplate.find("(pm PlayOn)") != std::string::npos && mTemplate.find("FRP") == std::string::npos &&
               mTemplate.find("(rt 0.00 0.00 0.00)") != std::string::npos;
    }

    // The message of cycle i, at 4 s + 0.02 s i.
    std::string at(int i) const
    {
        char now[32];
        std::snprintf(now, sizeof now, "(now %.2f)", 4.0 + 0.02 * i);
        return std::regex_replace(mTemplate, std::regex(R"(\(now [^)]*\))"), now);
    }

private:
    std::string mTemplate;
};

class LyingPlayer : public ::testing::TestWithParam<const char*>
{
protected:
    // Starts the program and answers its scene command; the init message
    // goes out for the first lying message.
    void start(const LyingMessages& messages)
    {
        ASSERT_TRUE(messages.valid());
        player.emplace(GetParam(), std::vector<std::string>{"--port", std::to_string(server.port()), "--unum", "1"});
        ASSERT_TRUE(server.accept());
        ASSERT_EQ(server.readFrame(), "(scene rsg/agent/nao/nao.rsg)");
        server.sendFrame(messages.at(0));
        ASSERT_EQ(server.readFrame(), "(init (unum 1)(teamname Kestro3D))");
    }

    // Lying cycle i: one message in, its command out.
    std::string cycle(const LyingMessages& messages, int i)
    {
        server.sendFrame(messages.at(i));
        const std::optional<std::string> frame = server.readFrame();
        return frame.value_or("");
    }

    std::string finish()
    {
        server.closeClient();
        EXPECT_EQ(player->wait(), 0);
        EXPECT_EQ(count(player->out(), kGetUpError), 0u) << player->out();
        return player->out();
    }

    ScriptedServer server;
    std::optional<PlayerProcess> player;
};

// 36 approach cycles, then the stored lines, then the finish and a new approach.
TEST_P(LyingPlayer, OnItsBackRunsTheBackGetUp)
{
    const std::vector<std::string> lines = getUpBackLines();
    ASSERT_FALSE(lines.empty());
    const int approach = GetUpBack::kApproachCycles;
    const int n = static_cast<int>(lines.size());
    const LyingMessages messages("0.00 9.81 0.00");
    start(messages);
    for (int i = 1; i <= approach + n + 1; ++i)
    {
        SCOPED_TRACE("lying cycle " + std::to_string(i));
        const std::string frame = cycle(messages, i);
        ASSERT_FALSE(frame.empty());
        if (i <= approach || i == approach + n + 1)
            EXPECT_TRUE(startsWith(frame, " (he1 ")) << frame.substr(0, 80);
        else
            EXPECT_TRUE(startsWith(frame, lines[i - approach - 1])) << frame.substr(0, 80);
    }
    EXPECT_EQ(count(finish(), kFinish), 1u);
}

// A run of the front get-up, then its restart with the same first frame.
TEST_P(LyingPlayer, OnItsFrontRunsTheFrontGetUp)
{
    const int length = getUpFrontLength();
    ASSERT_GT(length, 0);
    const LyingMessages messages("0.00 -9.81 0.00");
    start(messages);
    std::string first;
    for (int i = 1; i <= length + 1; ++i)
    {
        SCOPED_TRACE("lying cycle " + std::to_string(i));
        const std::string frame = cycle(messages, i);
        ASSERT_FALSE(frame.empty());
        EXPECT_TRUE(startsWith(frame, "(he1 ") && frame.find("(lle1 ") != std::string::npos) << frame.substr(0, 80);
        if (i == 1) first = jointPart(frame);
        if (i == length + 1)
        {
            EXPECT_EQ(jointPart(frame), first);
        }
    }
    EXPECT_EQ(count(finish(), kFinish), 0u);
}

INSTANTIATE_TEST_SUITE_P(Programs, LyingPlayer, ::testing::Values("rovan", "rovan-penalty"),
                         [](const auto& info) {
                             std::string name = info.param;
                             for (char& c : name)
                                 if (c == '-') c = '_';
                             return name;
                         });

} // namespace
