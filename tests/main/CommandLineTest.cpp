#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Agent/Connection.h"
#include "CommandLine.h"
#include "WorldModel/WorldModel.h"

namespace {

enum class Outcome { Run, Stop, Reject };

struct OptionsCase
{
    const char* name;
    std::vector<const char*> args;
    Outcome outcome;
    std::string host;
    int port;
    int unum;
    const char* stdoutText;
};

std::ostream& operator<<(std::ostream& os, const OptionsCase& c) { return os << c.name; }

const std::string kUsage =
    "\nUsage: rovan [OPTIONS]\nOptions:\n\t--help: show this screen\n"
    "\t--host <hostname>: set host name of the server\n"
    "\t--port <port_no>: set the port number to connect to\n"
    "\t--unum <number>: set the uniform number of the player (1 to 11)\n\n";

class CheckOptionsTable : public ::testing::TestWithParam<OptionsCase>
{
protected:
    void SetUp() override
    {
        Connection::deleteT();
        WorldModel::deleteT();
    }
    void TearDown() override { SetUp(); }
};

} // namespace

TEST_P(CheckOptionsTable, Outcome)
{
    const OptionsCase& c = GetParam();
    std::vector<const char*> argv{"rovan"};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    ::testing::internal::CaptureStdout();
    Outcome got = Outcome::Run;
    try
    {
        got = CheckOptions(static_cast<int>(argv.size()), argv.data()) ? Outcome::Run : Outcome::Stop;
    }
    catch (const CommandLineError&)
    {
        got = Outcome::Reject;
    }
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(got, c.outcome);
    EXPECT_EQ(out, c.stdoutText);
    EXPECT_EQ(Connection::instance()->getServer(), c.host);
    EXPECT_EQ(Connection::instance()->getPort(), c.port);
    EXPECT_EQ(WorldModel::instance()->getNum(), c.unum);
}

INSTANTIATE_TEST_SUITE_P(Table, CheckOptionsTable, ::testing::Values(
    OptionsCase{"UnumOnly", {"--unum", "7"}, Outcome::Run, "127.0.0.1", 3100, 7, ""},
    OptionsCase{"HostPrintsTwoLines", {"--host", "sim.local", "--unum", "1"}, Outcome::Run, "sim.local", 3100, 1,
                "--host--host\nsim.local\n"},
    OptionsCase{"PortAndUnum", {"--port", "3200", "--unum", "11"}, Outcome::Run, "127.0.0.1", 3200, 11, ""},
    OptionsCase{"UnknownSkipped", {"--teamname", "Other", "-v", "--unum", "3"}, Outcome::Run, "127.0.0.1", 3100, 3, ""},
    OptionsCase{"HelpFirst", {"--help", "--unum", "3"}, Outcome::Stop, "127.0.0.1", 3100, 0, kUsage.c_str()},
    OptionsCase{"HelpLastAfterOptions", {"--port", "3300", "--unum", "4", "--help"}, Outcome::Stop, "127.0.0.1", 3300, 4,
                kUsage.c_str()},
    OptionsCase{"HelpWithoutUnum", {"--help"}, Outcome::Stop, "127.0.0.1", 3100, 0, kUsage.c_str()},
    OptionsCase{"MissingUnum", {"--port", "3100"}, Outcome::Reject, "127.0.0.1", 3100, 0, ""},
    OptionsCase{"UnumZero", {"--unum", "0"}, Outcome::Reject, "127.0.0.1", 3100, 0, ""},
    OptionsCase{"UnumTwelve", {"--unum", "12"}, Outcome::Reject, "127.0.0.1", 3100, 0, ""},
    OptionsCase{"UnumNotANumber", {"--unum", "seven"}, Outcome::Reject, "127.0.0.1", 3100, 0, ""},
    OptionsCase{"UnumTrailingText", {"--unum", "7x"}, Outcome::Reject, "127.0.0.1", 3100, 0, ""},
    OptionsCase{"UnumLast", {"--unum"}, Outcome::Reject, "127.0.0.1", 3100, 0, ""},
    OptionsCase{"HostLast", {"--unum", "2", "--host"}, Outcome::Reject, "127.0.0.1", 3100, 2, ""},
    OptionsCase{"PortNotANumber", {"--port", "abc", "--unum", "2"}, Outcome::Reject, "127.0.0.1", 3100, 0, ""},
    OptionsCase{"PortZero", {"--port", "0", "--unum", "2"}, Outcome::Reject, "127.0.0.1", 3100, 0, ""},
    OptionsCase{"PortTooLarge", {"--port", "65536", "--unum", "2"}, Outcome::Reject, "127.0.0.1", 3100, 0, ""},
    OptionsCase{"PortNegative", {"--port", "-1", "--unum", "2"}, Outcome::Reject, "127.0.0.1", 3100, 0, ""}),
    [](const ::testing::TestParamInfo<OptionsCase>& info) { return std::string(info.param.name); });
