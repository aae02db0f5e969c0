// Whole programs in open play against the scripted server: the recorded
// session of a player alone on the left, answered cycle by cycle.
#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Actions/Say.h"
#include "support/PlayerProcess.h"
#include "support/Recording.h"
#include "support/ScriptedServer.h"

using namespace std::chrono_literals;

namespace {

struct Player
{
    const char* program;
    int unum;
    // Alone on the field a field player chases the ball.
    bool walks;
};

void PrintTo(const Player& p, std::ostream* os) { *os << p.program << " --unum " << p.unum; }

double serverTime(const std::string& message)
{
    const std::string head = "(time (now ";
    const std::size_t at = message.find(head);
    return at == std::string::npos ? -1.0 : static_cast<double>(std::strtof(message.c_str() + at + head.size(), nullptr));
}

bool isPlayOn(const std::string& message)
{
    return message.find("(pm PlayOn)") != std::string::npos;
}

// The leg joint commands of a reply, in order.
std::string legCommands(const std::string& reply)
{
    std::string legs;
    for (std::size_t at = reply.find('('); at != std::string::npos; at = reply.find('(', at + 1))
    {
        if (reply.compare(at + 2, 2, "le") == 0 && (reply[at + 1] == 'l' || reply[at + 1] == 'r'))
            legs += reply.substr(at, reply.find(')', at) - at + 1);
    }
    return legs;
}

// The text said at the end of a reply, or nothing when it ends otherwise.
std::optional<std::string> said(const std::string& reply)
{
    const std::size_t at = reply.rfind("(say ");
    if (at == std::string::npos || reply.find(')', at) != reply.size() - 1) return std::nullopt;
    return reply.substr(at + 5, reply.size() - at - 6);
}

class PlayerInPlay : public ::testing::TestWithParam<Player> {};

TEST_P(PlayerInPlay, AnswersEveryCycleOnceAndSpeaksInItsSlot)
{
    const Player& p = GetParam();
    const std::vector<std::string> messages = readRecording("solo-left");
    std::size_t firstPlayOn = 0;
    while (firstPlayOn < messages.size() && !isPlayOn(messages[firstPlayOn])) ++firstPlayOn;
    ASSERT_LT(firstPlayOn + 50, messages.size());

    ScriptedServer server;
    PlayerProcess player(p.program, {"--port", std::to_string(server.port()), "--unum", std::to_string(p.unum)});
    ASSERT_TRUE(server.accept());
    ASSERT_EQ(server.readFrame(), "(scene rsg/agent/nao/nao.rsg)");
    std::string burst;
    for (std::size_t i = 0; i < firstPlayOn; ++i) burst += ScriptedServer::frame(messages[i]);
    server.sendRaw(burst);
    ASSERT_EQ(server.readFrame(), "(init (unum " + std::to_string(p.unum) + ")(teamname Kestro3D))");
    while (!server.silentFor(1s)) server.readFrame();

    const Object me = static_cast<Object>(TEAMMATE_1 + p.unum - 1);
    std::string lastLegs;
    int sameLegs = 0;
    int longestSame = 0;
    for (std::size_t i = firstPlayOn; i < messages.size() && isPlayOn(messages[i]); ++i)
    {
        SCOPED_TRACE(::testing::Message() << "message " << i);
        server.sendFrame(messages[i]);
        const std::optional<std::string> reply = server.readFrame();
        ASSERT_TRUE(reply.has_value()) << player.out();
        // Outside its slot a player says nothing (no say command or an empty one).
        const std::optional<std::string> say = said(*reply);
        if (Say::speakerAt(serverTime(messages[i])) == me)
        {
            ASSERT_TRUE(say.has_value()) << *reply;
            EXPECT_EQ(say->size(), Say::kPositionFormLength) << *reply;
        }
        else
        {
            EXPECT_EQ(say.value_or(""), "") << *reply;
        }
        if (!p.walks) continue;
        const std::string legs = legCommands(*reply);
        EXPECT_NE(legs.find("(lle"), std::string::npos) << *reply;
        EXPECT_NE(legs.find("(rle"), std::string::npos) << *reply;
        sameLegs = legs == lastLegs ? sameLegs + 1 : 0;
        longestSame = std::max(longestSame, sameLegs);
        lastLegs = legs;
    }
    EXPECT_TRUE(server.silentFor(300ms)) << "one reply per message";
    EXPECT_LE(longestSame, 3) << "the legs keep moving";
    server.closeClient();
    EXPECT_EQ(player.wait(), 0);
    EXPECT_EQ(player.out().find("Role Error"), std::string::npos) << player.out();
}

INSTANTIATE_TEST_SUITE_P(Table, PlayerInPlay,
                         ::testing::Values(Player{"rovan", 3, true}, Player{"rovan", 7, true},
                                           Player{"rovan", 11, true}, Player{"rovan", 1, false},
                                           Player{"rovan-penalty", 9, false}, Player{"rovan-keeper", 1, false}),
                         [](const ::testing::TestParamInfo<Player>& info) {
                             std::string name = std::string(info.param.program) + "_unum" + std::to_string(info.param.unum);
                             for (char& c : name)
                                 if (c == '-') c = '_';
                             return name;
                         });

} // namespace
