// The three programs run as real processes against a scripted server on
// 127.0.0.1: start-up order, framing, the end of a session and exit statuses.
#include <chrono>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Actions/KeyFrameMotions.h"
#include "support/PlayerProcess.h"
#include "support/Recording.h"
#include "support/ScriptedServer.h"

using namespace std::chrono_literals;

namespace {

const std::string kScene = "(scene rsg/agent/nao/nao.rsg)";
const std::string kFirstPerception = "(time (now 0.36))(GS (sl 0) (sr 0) (t 0.00) (pm BeforeKickOff))";

std::vector<std::string> matchArgs(int port, int unum = 7)
{
    return {"--port", std::to_string(port), "--unum", std::to_string(unum)};
}

bool startsWith(const std::string& text, const std::string& head)
{
    return text.compare(0, head.size(), head) == 0;
}

// A player connected to the scripted server, past its scene command.
class ConnectedPlayer : public ::testing::Test
{
protected:
    void start(const std::string& program = "rovan", int unum = 7)
    {
        player.emplace(program, matchArgs(server.port(), unum));
        ASSERT_TRUE(server.accept());
        ASSERT_EQ(server.readFrame(), kScene);
    }

    void expectCleanEnd()
    {
        EXPECT_EQ(player->wait(), 0);
        EXPECT_NE(player->out().find("closed connection to 127.0.0.1:" + std::to_string(server.port())),
                  std::string::npos)
            << player->out();
    }

    ScriptedServer server;
    std::optional<PlayerProcess> player;
};

} // namespace

TEST_F(ConnectedPlayer, SceneThenInitWithNumberAndTeam)
{
    start("rovan", 7);
    server.sendFrame(kFirstPerception);
    EXPECT_EQ(server.readFrame(), "(init (unum 7)(teamname Kestro3D))");
    server.closeClient();
    expectCleanEnd();
}

TEST_F(ConnectedPlayer, MessagesSplitIntoSingleBytesAreAssembled)
{
    start();
    server.sendFrame(kFirstPerception, 1);
    EXPECT_EQ(server.readFrame(), "(init (unum 7)(teamname Kestro3D))");
    server.closeClient();
    expectCleanEnd();
}

TEST_F(ConnectedPlayer, ServerClosingMidHeaderEndsTheSession)
{
    start();
    server.sendRaw(std::string("\0\0", 2));
    server.closeClient();
    expectCleanEnd();
}

TEST_F(ConnectedPlayer, ServerClosingMidPayloadEndsWithoutThinking)
{
    start();
    server.sendRaw(ScriptedServer::frame(kFirstPerception).substr(0, 20));
    server.closeClient();
    expectCleanEnd();
}

TEST_F(ConnectedPlayer, OverlongLengthAbortsWithStatusOne)
{
    start();
    server.sendRaw(std::string("\0\x20\0\0", 4)); // 2 MiB announced
    EXPECT_EQ(player->wait(), 1);
    EXPECT_NE(player->err().find("too long message; aborting"), std::string::npos) << player->err();
}

TEST_F(ConnectedPlayer, EveryProgramStartsTheSameWay)
{
    for (const char* program : {"rovan-penalty", "rovan-keeper"})
    {
        SCOPED_TRACE(program);
        ScriptedServer own;
        PlayerProcess p(program, matchArgs(own.port(), 1));
        ASSERT_TRUE(own.accept());
        EXPECT_EQ(own.readFrame(), kScene);
        own.sendFrame(kFirstPerception);
        EXPECT_EQ(own.readFrame(), "(init (unum 1)(teamname Kestro3D))");
        own.closeClient();
        EXPECT_EQ(p.wait(), 0);
    }
}

// The recorded session of player 1 on the left: after the init and the
// half-second wait the player beams to its kick-off place.
TEST_F(ConnectedPlayer, RecordedSessionBeamsToTheHomePlace)
{
    start("rovan", 1);
    const std::vector<std::string> messages = readRecording("left-unum1");
    ASSERT_GT(messages.size(), 40u);
    server.sendFrame(messages[0]);
    ASSERT_EQ(server.readFrame(), "(init (unum 1)(teamname Kestro3D))");

    std::string rest;
    for (std::size_t i = 1; i < messages.size(); ++i) rest += ScriptedServer::frame(messages[i]);
    server.sendRaw(rest);
    const std::optional<std::string> firstCommand = server.readFrame();
    ASSERT_TRUE(firstCommand.has_value());
    EXPECT_TRUE(startsWith(*firstCommand, "(beam -14.5 -0.3 0)")) << *firstCommand;
    server.closeClient();
    expectCleanEnd();
}

// While it is beamed a robot touches nothing and the server sends no foot
// force; standing upright it must not take itself for fallen afterwards.
TEST_F(ConnectedPlayer, NoGetUpAfterTheBeamPhase)
{
    start("rovan", 7);
    const auto message = [](int cycle, const char* pm, bool feet) {
        std::string m = "(time (now " + std::to_string(0.3 + 0.02 * cycle) + "))(GS (sl 0) (sr 0) (t 0) (pm " + pm +
                        "))(GYR (n torso) (rt 0 0 0))(ACC (n torso) (a 0 0 9.81))";
        if (feet) m += "(FRP (n lf) (c 0 0 0) (f 0 0 20))(FRP (n rf) (c 0 0 0) (f 0 0 20))";
        return m;
    };
    server.sendFrame(message(0, "BeforeKickOff", false));
    ASSERT_EQ(server.readFrame(), "(init (unum 7)(teamname Kestro3D))");
    std::string rest;
    for (int cycle = 1; cycle <= 170; ++cycle) rest += ScriptedServer::frame(message(cycle, "BeforeKickOff", cycle > 120));
    server.sendRaw(rest);
    std::vector<std::string> frames;
    while (!server.silentFor(500ms)) frames.push_back(server.readFrame().value_or(""));
    ASSERT_FALSE(frames.empty());
    EXPECT_TRUE(startsWith(frames.front(), "(beam ")) << frames.front();
    GetUpFront getUpFront;
    const std::string getUpStart = getUpFront.execute("");
    for (const std::string& frame : frames)
        EXPECT_FALSE(startsWith(frame, getUpStart)) << frame;
    server.closeClient();
    expectCleanEnd();
    EXPECT_EQ(player->out().find("getUp"), std::string::npos) << player->out();
}

// Whole recorded sessions, with the role assignment asked every cycle after
// the beam phase; a goal at the end makes the player beam once more, so
// its last answer shows it got through the recording.
struct RecordedSession
{
    const char* recording;
    int unum;
};

class PlayerRecordedSession : public ConnectedPlayer, public ::testing::WithParamInterface<RecordedSession> {};

TEST_P(PlayerRecordedSession, RunsToTheEndAndClosesCleanly)
{
    const RecordedSession& session = GetParam();
    start("rovan", session.unum);
    std::vector<std::string> messages = readRecording(session.recording);
    ASSERT_GT(messages.size(), 200u);
    messages.push_back("(time (now 600.00))(GS (sl 0) (sr 1) (t 300.00) (pm Goal_Left))");
    server.sendFrame(messages[0]);
    ASSERT_EQ(server.readFrame(), "(init (unum " + std::to_string(session.unum) + ")(teamname Kestro3D))");
    for (std::size_t i = 1; i < messages.size(); ++i)
    {
        server.sendFrame(messages[i]);
        server.discardInput();
    }
    std::string last;
    while (!server.silentFor(2s)) last = server.readFrame().value_or(last);
    EXPECT_TRUE(startsWith(last, "(beam ")) << last;
    server.closeClient();
    expectCleanEnd();
}

INSTANTIATE_TEST_SUITE_P(Table, PlayerRecordedSession,
                         ::testing::Values(RecordedSession{"solo-left", 1}, RecordedSession{"solo-left", 7},
                                           RecordedSession{"left-unum1", 1}, RecordedSession{"left-unum1", 7}),
                         [](const ::testing::TestParamInfo<RecordedSession>& info) {
                             std::string name = std::string(info.param.recording) + "_unum" +
                                                std::to_string(info.param.unum);
                             for (char& c : name)
                                 if (c == '-') c = '_';
                             return name;
                         });

TEST(PlayerStartUp, UnreachableServerExitsWithStatusOne)
{
    int port = 0;
    {
        ScriptedServer closed;
        port = closed.port();
    }
    PlayerProcess player("rovan", matchArgs(port));
    EXPECT_EQ(player.wait(), 1);
    EXPECT_FALSE(player.err().empty() && player.out().empty()) << "the failure is reported";
}

TEST(PlayerStartUp, HelpPrintsUsageAndDoesNotConnect)
{
    ScriptedServer server;
    PlayerProcess player("rovan", {"--port", std::to_string(server.port()), "--help", "--unum", "x"});
    EXPECT_EQ(player.wait(), 0);
    EXPECT_NE(player.out().find("Usage: rovan [OPTIONS]"), std::string::npos) << player.out();
    EXPECT_FALSE(server.accept(200ms));
}

struct BadCommandLine
{
    const char* name;
    std::vector<std::string> args;
};

void PrintTo(const BadCommandLine& c, std::ostream* os) { *os << c.name; }

class PlayerBadCommandLine : public ::testing::TestWithParam<BadCommandLine>
{
};

TEST_P(PlayerBadCommandLine, RefusedWithUsageBeforeConnecting)
{
    ScriptedServer server;
    std::vector<std::string> args = {"--port", std::to_string(server.port())};
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    PlayerProcess player("rovan", args);
    EXPECT_EQ(player.wait(), 2);
    EXPECT_NE(player.err().find("Usage: rovan [OPTIONS]"), std::string::npos) << player.err();
    EXPECT_FALSE(server.accept(100ms));
}

INSTANTIATE_TEST_SUITE_P(Table, PlayerBadCommandLine,
                         ::testing::Values(BadCommandLine{"NoUnum", {}},
                                           BadCommandLine{"UnumZero", {"--unum", "0"}},
                                           BadCommandLine{"UnumTwelve", {"--unum", "12"}},
                                           BadCommandLine{"UnumNotANumber", {"--unum", "7x"}},
                                           BadCommandLine{"ValueMissing", {"--unum"}}),
                         [](const auto& info) { return std::string(info.param.name); });
