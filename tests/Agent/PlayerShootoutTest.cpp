// The three programs told apart on the wire: each runs against the scripted
// server replaying player 1's recorded session (standing about 10 m out of
// its goal), with the play mode rewritten after the beam phase.
#include <chrono>
#include <functional>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/PlayerProcess.h"
#include "support/Recording.h"
#include "support/ScriptedServer.h"

using namespace std::chrono_literals;

namespace {

using Rewrite = std::function<std::string(const std::string&)>;

const char* const kGoalieLines[] = {"Near_true", "Near_false", "treueuue", "我要起身了", "扑球等待", "我要扑球",
                                    "我到了哦", "回家喽", "阻球条件成立", "我是阻球人", "我fast", "球在我前方",
                                    "我是非阻球人"};

struct Session
{
    std::size_t answered = 0;
    std::vector<std::string> commands;
    std::string out;
};

std::string withPlayMode(const std::string& message, const std::string& pm)
{
    return std::regex_replace(message, std::regex(R"(\(pm [A-Za-z_]+\))"), "(pm " + pm + ")");
}

// Sixty messages after the beam phase in play mode pm, each first rewritten.
Session play(const std::string& program, int unum, const std::string& pm, const Rewrite& rewrite = nullptr)
{
    Session s;
    ScriptedServer server;
    PlayerProcess player(program, {"--port", std::to_string(server.port()), "--unum", std::to_string(unum)});
    EXPECT_TRUE(server.accept());
    EXPECT_EQ(server.readFrame(), "(scene rsg/agent/nao/nao.rsg)");
    const std::vector<std::string> messages = readRecording("left-unum1");
    EXPECT_GE(messages.size(), 211u);
    server.sendFrame(messages[0]);
    EXPECT_EQ(server.readFrame(), "(init (unum " + std::to_string(unum) + ")(teamname Kestro3D))");
    std::string beamPhase;
    for (std::size_t i = 1; i <= 150; ++i) beamPhase += ScriptedServer::frame(messages[i]);
    server.sendRaw(beamPhase);
    while (!server.silentFor(500ms)) server.readFrame();

    for (std::size_t i = 151; i < 211 && i < messages.size(); ++i)
    {
        const std::string message = withPlayMode(messages[i], pm);
        server.sendFrame(rewrite ? rewrite(message) : message);
        const std::optional<std::string> command = server.readFrame(2s);
        if (!command) break;
        ++s.answered;
        s.commands.push_back(*command);
    }
    server.closeClient();
    EXPECT_EQ(player.wait(), 0);
    s.out = player.out();
    return s;
}

bool writesGoalieLines(const std::string& out)
{
    for (const char* line : kGoalieLines)
        if (out.find(line) != std::string::npos) return true;
    return false;
}

// The ball seen about 0.35 m straight ahead of the body (against the head's
// yaw) in every vision message.
std::string ballJustAhead(const std::string& message)
{
    const std::size_t see = message.find("(See ");
    if (see == std::string::npos) return message;
    std::smatch yaw;
    std::string headYaw = "0";
    if (std::regex_search(message, yaw, std::regex(R"(\(HJ \(n hj1\) \(ax ([-0-9.]+)\)\))"))) headYaw = yaw[1];
    const std::string ball = "(B (pol 0.6 " + std::to_string(-std::stod(headYaw)) + " -54)) ";
    const std::string seen = std::regex_replace(message, std::regex(R"(\(B \(pol [^)]*\)\) ?)"), "");
    return seen.substr(0, see + 5) + ball + seen.substr(see + 5);
}

TEST(PlayerShootout, PenaltyGoalieWalksHomeWritingItsLines)
{
    const Session s = play("rovan-penalty", 1, "PlayOn");
    EXPECT_EQ(s.answered, 60u);
    EXPECT_NE(s.out.find("回家喽\n"), std::string::npos) << s.out;
}

TEST(PlayerShootout, KeeperIsSilentInPlayButNotAtFreeKicks)
{
    const Session playOn = play("rovan-keeper", 1, "PlayOn");
    EXPECT_EQ(playOn.answered, 60u);
    EXPECT_FALSE(writesGoalieLines(playOn.out)) << playOn.out;
    const Session freeKick = play("rovan-keeper", 1, "free_kick_left");
    EXPECT_EQ(freeKick.answered, 60u);
    EXPECT_NE(freeKick.out.find("回家喽\n"), std::string::npos) << freeKick.out;
}

TEST(PlayerShootout, MatchGoalieWritesNoLines)
{
    for (const char* pm : {"PlayOn", "free_kick_left"})
    {
        SCOPED_TRACE(pm);
        const Session s = play("rovan", 1, pm);
        EXPECT_EQ(s.answered, 60u);
        EXPECT_FALSE(writesGoalieLines(s.out)) << s.out;
    }
}

TEST(PlayerShootout, PenaltyTakerPlaysOtherwiseThanTheMatchForward)
{
    const Session taker = play("rovan-penalty", 7, "PlayOn");
    EXPECT_EQ(taker.answered, 60u);
    EXPECT_FALSE(writesGoalieLines(taker.out)) << taker.out;

    const Session takerAtBall = play("rovan-penalty", 7, "PlayOn", ballJustAhead);
    const Session forwardAtBall = play("rovan", 7, "PlayOn", ballJustAhead);
    EXPECT_EQ(takerAtBall.answered, 60u);
    EXPECT_EQ(forwardAtBall.answered, 60u);
    EXPECT_NE(takerAtBall.commands, forwardAtBall.commands);
}

} // namespace
