// The match goalie on the wire: rovan as player 1 against a scripted server
// replaying its recorded session, with the play mode rewritten after the
// beam phase. Every cycle must get a command.
#include <chrono>
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

std::string withPlayMode(const std::string& message, const std::string& pm)
{
    return std::regex_replace(message, std::regex(R"(\(pm [A-Za-z_]+\))"), "(pm " + pm + ")");
}

TEST(PlayerGoalie, AnswersEveryCycleOfOurKickInAndOfOpenPlay)
{
    ScriptedServer server;
    PlayerProcess player("rovan", {"--port", std::to_string(server.port()), "--unum", "1"});
    ASSERT_TRUE(server.accept());
    ASSERT_EQ(server.readFrame(), "(scene rsg/agent/nao/nao.rsg)");
    const std::vector<std::string> messages = readRecording("left-unum1");
    ASSERT_GE(messages.size(), 251u);
    ASSERT_NE(messages[0].find("(pm BeforeKickOff)"), std::string::npos);
    server.sendFrame(messages[0]);
    ASSERT_EQ(server.readFrame(), "(init (unum 1)(teamname Kestro3D))");

    // The beam phase, answered as it comes.
    std::string beamPhase;
    for (std::size_t i = 1; i <= 150; ++i) beamPhase += ScriptedServer::frame(messages[i]);
    server.sendRaw(beamPhase);
    bool beamed = false;
    while (!server.silentFor(500ms)) beamed |= server.readFrame().value_or("").rfind("(beam ", 0) == 0;
    ASSERT_TRUE(beamed);

    struct Phase
    {
        const char* pm;
        std::size_t first;
    };
    for (const Phase& phase : {Phase{"KickIn_Left", 151}, Phase{"PlayOn", 201}})
    {
        for (std::size_t i = phase.first; i < phase.first + 50; ++i)
        {
            SCOPED_TRACE(::testing::Message() << phase.pm << ", message " << i);
            server.sendFrame(withPlayMode(messages[i], phase.pm));
            const std::optional<std::string> command = server.readFrame(2s);
            ASSERT_TRUE(command.has_value());
            EXPECT_NE(command->find("(he2 "), std::string::npos) << *command;
        }
    }
    server.closeClient();
    EXPECT_EQ(player.wait(), 0);
}

} // namespace
