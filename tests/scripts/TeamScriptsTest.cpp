// The start and stop scripts with real player processes against scripted
// servers on 127.0.0.1, each test with its own log folder.
#include <sys/prctl.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "support/PlayerProcess.h"
#include "support/ScriptedListener.h"
#include "support/ScriptedServer.h"

using namespace std::chrono_literals;
namespace fs = std::filesystem;

namespace {

const std::string kScene = "(scene rsg/agent/nao/nao.rsg)";
const std::string kFirstPerception = "(time (now 0.36))(GS (sl 0) (sr 0) (t 0.00) (pm BeforeKickOff))";

struct ScriptRun
{
    int status;
    std::string out, err;
};

// Runs one of the scripts with bash and waits for it.
ScriptRun runScript(const std::string& script, const std::vector<std::string>& args)
{
    std::vector<std::string> command{"/bin/bash", std::string(ROVAN_SOURCE_DIR) + "/scripts/" + script};
    command.insert(command.end(), args.begin(), args.end());
    PlayerProcess run(command);
    const int status = run.wait(30s);
    return {status, run.out(), run.err()};
}

// Started and not yet ended (an unreaped process that has ended is no longer running).
bool running(int pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line)) return false;
    const std::size_t close = line.rfind(')');
    return close != std::string::npos && close + 2 < line.size() && line[close + 2] != 'Z';
}

std::vector<int> readPids(const fs::path& file)
{
    std::ifstream in(file);
    std::vector<int> pids;
    for (int pid; in >> pid;) pids.push_back(pid);
    return pids;
}

void writeLines(const fs::path& file, const std::vector<std::string>& lines)
{
    std::ofstream out(file);
    for (const std::string& line : lines) out << line << "\n";
}

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// The test process adopts the players the scripts leave behind, so that it
// can reap them and learn how they ended. Whatever a failed test leaves
// running is killed at the end.
class TeamScripts : public ::testing::Test
{
protected:
    static constexpr int kReapedElsewhere = -2;

    void SetUp() override
    {
        ASSERT_EQ(::prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
        std::string pattern = (fs::path(testing::TempDir()) / "rovan-logs-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        logs = pattern;
    }

    void TearDown() override
    {
        for (const int pid : adopted)
        {
            if (::waitpid(pid, nullptr, WNOHANG) != 0) continue;
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
        std::error_code ignored;
        fs::remove_all(logs, ignored);
    }

    // Runs a script on this test's log folder, the start scripts also with
    // this build's programs and the given port; args come after the side of
    // start-penalty.sh.
    ScriptRun run(const std::string& script, int port = 0, std::vector<std::string> args = {}) const
    {
        std::vector<std::string> common{"--logs", logs.string()};
        if (script != "kill-team.sh")
            common.insert(common.end(), {"--port", std::to_string(port), "--build", ROVAN_BINARY_DIR});
        const auto at = args.begin() + (script == "start-penalty.sh" && !args.empty() ? 1 : 0);
        args.insert(at, common.begin(), common.end());
        return runScript(script, args);
    }

    // The pids of a pid file, taken over for clean-up.
    std::vector<int> adopt(const fs::path& pidFile)
    {
        const std::vector<int> pids = readPids(pidFile);
        adopted.insert(adopted.end(), pids.begin(), pids.end());
        return pids;
    }

    // Exit status, or 128 + signal; kReapedElsewhere when pid ended as the
    // child of another process (the script reaps those that end early); -1
    // when it still runs after timeout.
    int reap(int pid, std::chrono::milliseconds timeout = 5s)
    {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        for (;;)
        {
            int status = 0;
            const int reaped = ::waitpid(pid, &status, WNOHANG);
            if (reaped == pid || (reaped < 0 && !running(pid)))
            {
                adopted.erase(std::remove(adopted.begin(), adopted.end(), pid), adopted.end());
                if (reaped < 0) return kReapedElsewhere;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            if (std::chrono::steady_clock::now() > deadline) return -1;
            std::this_thread::sleep_for(10ms);
        }
    }

    // The connections of count players, each past its scene command.
    std::vector<ScriptedConnection> acceptPlayers(ScriptedListener& listener, std::size_t count)
    {
        std::vector<ScriptedConnection> players;
        for (std::size_t i = 0; i < count; ++i)
        {
            std::optional<ScriptedConnection> player = listener.accept(10s);
            if (!player) break;
            EXPECT_EQ(player->readFrame(), kScene) << "player " << i + 1;
            players.push_back(std::move(*player));
        }
        return players;
    }

    fs::path logs;
    std::vector<int> adopted;
};

} // namespace

TEST_F(TeamScripts, StartTeamStartsElevenAndKillTeamStopsExactlyThem)
{
    ScriptedListener listener;
    const ScriptRun start = run("start-team.sh", listener.port());
    const std::vector<int> pids = adopt(logs / "team.pids");
    ASSERT_EQ(start.status, 0) << start.out << start.err;
    EXPECT_TRUE(contains(start.out, "started 11 players")) << start.out;

    std::vector<ScriptedConnection> team = acceptPlayers(listener, 11);
    EXPECT_EQ(team.size(), 11u);
    EXPECT_FALSE(listener.accept(200ms)) << "a twelfth player";
    ASSERT_EQ(pids.size(), 11u);
    EXPECT_EQ(std::set<int>(pids.begin(), pids.end()).size(), 11u);
    for (const int pid : pids) EXPECT_TRUE(running(pid)) << pid;
    for (int unum = 1; unum <= 11; ++unum)
        EXPECT_TRUE(fs::exists(logs / ("rovan-" + std::to_string(unum) + ".log"))) << unum;

    const ScriptRun again = run("start-team.sh", listener.port());
    EXPECT_EQ(again.status, 1);
    EXPECT_TRUE(contains(again.err, "still run")) << again.err;
    EXPECT_FALSE(listener.accept(300ms)) << "a second team";
    EXPECT_EQ(readPids(logs / "team.pids"), pids);

    ScriptedServer own;
    PlayerProcess bystander("rovan", {"--port", std::to_string(own.port()), "--unum", "5"});
    ASSERT_TRUE(own.accept());
    ASSERT_EQ(own.readFrame(), kScene);

    const ScriptRun stop = run("kill-team.sh");
    EXPECT_EQ(stop.status, 0) << stop.out << stop.err;
    EXPECT_TRUE(contains(stop.out, "stopped pids")) << stop.out;
    for (const int pid : pids) EXPECT_EQ(reap(pid), 128 + SIGTERM) << pid;
    EXPECT_FALSE(fs::exists(logs / "team.pids"));

    own.sendFrame(kFirstPerception);
    EXPECT_EQ(own.readFrame(), "(init (unum 5)(teamname Kestro3D))") << "the player outside the team still runs";
    own.closeClient();
    EXPECT_EQ(bystander.wait(), 0);
}

TEST_F(TeamScripts, PlayersThatCannotConnectMakeTheStartFail)
{
    int port = 0;
    {
        ScriptedListener closed;
        port = closed.port();
    }
    const ScriptRun start = run("start-team.sh", port);
    const std::vector<int> pids = adopt(logs / "team.pids");
    EXPECT_EQ(start.status, 1);
    EXPECT_TRUE(contains(start.err, "ended at once: rovan --unum 1, log " + (logs / "rovan-1.log").string())) << start.err;
    EXPECT_EQ(pids.size(), 11u);
    for (const int pid : pids)
    {
        const int end = reap(pid);
        EXPECT_TRUE(end == 1 || end == kReapedElsewhere) << pid << " ended with " << end;
    }

    const ScriptRun stop = run("kill-team.sh");
    EXPECT_EQ(stop.status, 0) << stop.err;
    EXPECT_TRUE(contains(stop.out, "none of its 11 pids is a running player")) << stop.out;
    EXPECT_FALSE(fs::exists(logs / "team.pids"));
}

// Listed processes that are not our players started from this repository are
// left alone: another program, another program named like ours, our program
// run in another folder, an ended process and lines that are no pid.
TEST_F(TeamScripts, KillTeamLeavesOtherProcessesAlone)
{
    PlayerProcess sleeper({"/bin/sleep", "30"});
    const fs::path lookalike = logs / "rovan";
    fs::create_symlink("/bin/sleep", lookalike);
    PlayerProcess namedLikeOurs({lookalike.string(), "30"});
    fs::create_directory(logs / "elsewhere");
    fs::create_directory_symlink(fs::path(ROVAN_SOURCE_DIR) / "Acts", logs / "elsewhere" / "Acts");
    ScriptedServer own;
    PlayerProcess outsider({"/bin/bash", "-c", "cd \"$1\" && exec \"$0\" --port \"$2\" --unum 4",
                            std::string(ROVAN_BINARY_DIR) + "/rovan", (logs / "elsewhere").string(),
                            std::to_string(own.port())});
    ASSERT_TRUE(own.accept());
    ASSERT_EQ(own.readFrame(), kScene);
    PlayerProcess ended({"/bin/true"});
    ASSERT_EQ(ended.wait(), 0);

    writeLines(logs / "penalty.pids", {std::to_string(sleeper.pid()), std::to_string(namedLikeOurs.pid()),
                                       std::to_string(outsider.pid()), std::to_string(ended.pid()), "0", "-1",
                                       "abc"});
    const ScriptRun stop = run("kill-team.sh");
    EXPECT_EQ(stop.status, 0) << stop.err;
    EXPECT_TRUE(contains(stop.out, "none of its 7 pids is a running player")) << stop.out;
    EXPECT_FALSE(fs::exists(logs / "penalty.pids"));
    for (const PlayerProcess* p : {&sleeper, &namedLikeOurs, &outsider}) EXPECT_TRUE(running(p->pid())) << p->pid();

    own.sendFrame(kFirstPerception);
    EXPECT_EQ(own.readFrame(), "(init (unum 4)(teamname Kestro3D))");
}

// A player that ignores SIGTERM (a stand-in program of the same name, run in
// the repository root) gets SIGKILL a few seconds later.
TEST_F(TeamScripts, KillTeamForcesAPlayerThatIgnoresSigterm)
{
    const fs::path stubborn = logs / "rovan";
    fs::copy_file("/bin/sleep", stubborn);
    PlayerProcess player({"/bin/bash", "-c", "trap '' TERM && exec \"$0\" 30", stubborn.string()});
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (fs::read_symlink("/proc/" + std::to_string(player.pid()) + "/exe") != stubborn &&
           std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(10ms);
    writeLines(logs / "team.pids", {std::to_string(player.pid())});

    const ScriptRun stop = run("kill-team.sh");
    EXPECT_EQ(stop.status, 0) << stop.err;
    EXPECT_TRUE(contains(stop.out, "after SIGKILL")) << stop.out;
    EXPECT_EQ(player.wait(1s), 128 + SIGKILL);
    EXPECT_FALSE(fs::exists(logs / "team.pids"));
}

TEST_F(TeamScripts, KillTeamWithoutPidFilesDoesNothing)
{
    const ScriptRun stop = run("kill-team.sh");
    EXPECT_EQ(stop.status, 0) << stop.err;
    EXPECT_TRUE(contains(stop.out, "nothing to stop")) << stop.out;
}

struct PenaltySide
{
    std::vector<std::string> args;
    std::string log;
    std::string init;
};

void PrintTo(const PenaltySide& c, std::ostream* os) { *os << c.log; }

class PenaltyScript : public TeamScripts, public ::testing::WithParamInterface<PenaltySide>
{
};

TEST_P(PenaltyScript, StartsOnePlayerThatKillTeamStops)
{
    ScriptedListener listener;
    const ScriptRun start = run("start-penalty.sh", listener.port(), GetParam().args);
    const std::vector<int> pids = adopt(logs / "penalty.pids");
    ASSERT_EQ(start.status, 0) << start.out << start.err;
    ASSERT_EQ(pids.size(), 1u);
    EXPECT_TRUE(fs::exists(logs / GetParam().log));

    std::vector<ScriptedConnection> side = acceptPlayers(listener, 1);
    ASSERT_EQ(side.size(), 1u);
    EXPECT_FALSE(listener.accept(200ms)) << "a second player";
    side[0].sendFrame(kFirstPerception);
    EXPECT_EQ(side[0].readFrame(), GetParam().init);

    const ScriptRun stop = run("kill-team.sh");
    EXPECT_EQ(stop.status, 0) << stop.out << stop.err;
    EXPECT_EQ(reap(pids[0]), 128 + SIGTERM);
    EXPECT_FALSE(fs::exists(logs / "penalty.pids"));
}

INSTANTIATE_TEST_SUITE_P(
    Sides, PenaltyScript,
    ::testing::Values(PenaltySide{{"keeper"}, "rovan-keeper-1.log", "(init (unum 1)(teamname Kestro3D))"},
                      PenaltySide{{"taker"}, "rovan-penalty-9.log", "(init (unum 9)(teamname Kestro3D))"},
                      PenaltySide{{"taker", "--unum", "3"}, "rovan-penalty-3.log",
                                  "(init (unum 3)(teamname Kestro3D))"}));

struct RefusedStart
{
    const char* name;
    const char* script;
    std::vector<std::string> args;
    int status;
    const char* message;
};

void PrintTo(const RefusedStart& c, std::ostream* os) { *os << c.name; }

class RefusedScript : public TeamScripts, public ::testing::WithParamInterface<RefusedStart>
{
};

TEST_P(RefusedScript, StartsNothing)
{
    ScriptedListener listener;
    const std::string script = GetParam().script;
    const ScriptRun refused = run(script, listener.port(), GetParam().args);
    EXPECT_EQ(refused.status, GetParam().status);
    EXPECT_TRUE(contains(refused.err, GetParam().message)) << refused.err;
    if (GetParam().status == 2)
    {
        EXPECT_TRUE(contains(refused.err, "Usage: scripts/" + script)) << refused.err;
    }
    EXPECT_FALSE(listener.accept(100ms));
    EXPECT_FALSE(fs::exists(logs / "team.pids"));
    EXPECT_FALSE(fs::exists(logs / "penalty.pids"));
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, RefusedScript,
    ::testing::Values(
        RefusedStart{"TeamPortNotANumber", "start-team.sh", {"--port", "31o0"}, 2, "--port needs a number"},
        RefusedStart{"TeamPortTooLarge", "start-team.sh", {"--port", "65536"}, 2, "--port needs a number"},
        RefusedStart{"TeamPortWithoutValue", "start-team.sh", {"--port"}, 2, "--port needs a value"},
        RefusedStart{"TeamUnknownOption", "start-team.sh", {"--unum", "3"}, 2, "unknown option '--unum'"},
        RefusedStart{"TeamNoProgram", "start-team.sh", {"--build", "/nonexistent"}, 1, "no program /nonexistent/rovan"},
        RefusedStart{"PenaltyNoSide", "start-penalty.sh", {}, 2, "keeper or taker"},
        RefusedStart{"PenaltyOtherSide", "start-penalty.sh", {"goalie"}, 2, "keeper or taker, not 'goalie'"},
        RefusedStart{"TakerNumberTwo", "start-penalty.sh", {"taker", "--unum", "2"}, 2, "from 3 to 11, not '2'"},
        RefusedStart{"TakerNumberTwelve", "start-penalty.sh", {"taker", "--unum", "12"}, 2, "from 3 to 11, not '12'"},
        RefusedStart{"TakerNumberMissing", "start-penalty.sh", {"taker", "--unum"}, 2, "from 3 to 11, not ''"},
        RefusedStart{"KeeperWithNumber", "start-penalty.sh", {"keeper", "--unum", "3"}, 2, "for the taker only"},
        RefusedStart{"KillUnknownOption", "kill-team.sh", {"--port", "3100"}, 2, "unknown option '--port'"}),
    [](const ::testing::TestParamInfo<RefusedStart>& info) { return std::string(info.param.name); });
