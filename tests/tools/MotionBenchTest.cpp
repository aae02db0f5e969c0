// The motion bench: its mode lines, and the program against a scripted server.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <unistd.h>

#include "Actions/ActionSwitchMechanism.h"
#include "Actions/HeadAction.h"
#include "Actions/KeyFrameMotions.h"
#include "Actions/Say.h"
#include "MotionBench.h"
#include "MotionRequest.h"
#include "WorldModel/WorldModel.h"
#include "support/PlayerProcess.h"
#include "support/ScriptedServer.h"

namespace {

bool startsWith(const std::string& text, const std::string& head)
{
    return text.compare(0, head.size(), head) == 0;
}

// The first command text of a key-frame motion, as the action switch sends it.
template <class Motion>
std::string firstStep()
{
    Motion motion;
    return motion.execute("");
}

struct GoodLine
{
    const char* line;
    MotionRequest::Kind kind;
    int number;      // action type, walk type or kick type
    double speed;    // walk speed
    bool leftHold;
    bool getUp;
};

std::ostream& operator<<(std::ostream& os, const GoodLine& c) { return os << c.line; }

class MotionRequestGood : public ::testing::TestWithParam<GoodLine> {};

TEST_P(MotionRequestGood, Parses)
{
    const GoodLine& c = GetParam();
    MotionRequest r;
    std::string error;
    ASSERT_TRUE(MotionRequest::parse(c.line, r, error)) << error;
    EXPECT_EQ(r.kind, c.kind);
    EXPECT_EQ(r.getUpWhenDown, c.getUp);
    switch (c.kind)
    {
    case MotionRequest::ACT: EXPECT_EQ(r.action, c.number); break;
    case MotionRequest::OMNI:
        EXPECT_EQ(r.walk.walkType, c.number);
        EXPECT_DOUBLE_EQ(r.walk.maxSpeed, c.speed);
        EXPECT_DOUBLE_EQ(r.walk.relTheta, WalkOmniPara().relTheta);
        break;
    case MotionRequest::KICK_REQUEST:
        EXPECT_EQ(r.kickType, c.number);
        EXPECT_EQ(r.leftHold, c.leftHold);
        break;
    case MotionRequest::RAW: break;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, MotionRequestGood, ::testing::Values(
    GoodLine{"act:42", MotionRequest::ACT, WAIT, 0, true, false},
    GoodLine{"act:1\n", MotionRequest::ACT, DIVE_FRONT, 0, true, false},
    GoodLine{"g+act:42", MotionRequest::ACT, WAIT, 0, true, true},
    GoodLine{"omni:1:1.0", MotionRequest::OMNI, WALK_OMNI_FORWARD, 1.0, true, false},
    GoodLine{"omni:8:0.5 \r\n", MotionRequest::OMNI, WALK_OMNI_WAIT, 0.5, true, false},
    GoodLine{"g+omni:2:0.4", MotionRequest::OMNI, WALK_OMNI_BACKWARD, 0.4, true, true},
    GoodLine{"kick:0:1", MotionRequest::KICK_REQUEST, KICK_TYPE_1, 0, true, false},
    GoodLine{"kick:2:0", MotionRequest::KICK_REQUEST, KICK_TYPE_3, 0, false, false}));

TEST(MotionRequest, RawTextIsKeptWithItsColons)
{
    MotionRequest r;
    std::string error;
    ASSERT_TRUE(MotionRequest::parse("raw:(lle3 6)(say a:b)\n", r, error));
    EXPECT_EQ(r.kind, MotionRequest::RAW);
    EXPECT_EQ(r.raw, "(lle3 6)(say a:b)");
}

class MotionRequestBad : public ::testing::TestWithParam<const char*> {};

TEST_P(MotionRequestBad, IsRefusedAndLeavesTheRequest)
{
    MotionRequest r;
    r.action = STEP;
    std::string error;
    EXPECT_FALSE(MotionRequest::parse(GetParam(), r, error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(r.action, STEP);
}

INSTANTIATE_TEST_SUITE_P(Table, MotionRequestBad, ::testing::Values(
    "", "walk:1:1.0", "act:", "act:0", "act:43", "act:-1", "act:4x", "act:99999999999999999999",
    "omni:0:1.0", "omni:9:1.0", "omni:1", "omni:1:0", "omni:1:1.5", "omni:1:nan", "omni:1:inf",
    "omni:1:1.0:3", "kick:3:1", "kick:0:2", "kick:0", "kick:0:1:0", "raw:", "g+", "g+g+act:42"),
    [](const auto& info) { return "Line" + std::to_string(info.index); });

// A switch whose table holds only the wait: other action types are bad lines.
TEST(MotionBench, ActionTypeWithoutMotionIsReportedAndAnsweredWithTheWait)
{
    char path[] = "/tmp/rovan-bench-mode-XXXXXX";
    const int fd = ::mkstemp(path);
    ASSERT_GE(fd, 0);
    ::close(fd);
    std::ofstream(path) << "act:5\n";
    Wait wait;
    ActionSwitchMechanism::MotionTable table{};
    table[WAIT] = &wait;
    ActionSwitchMechanism actions(table);
    MotionBench bench(path, actions);
    ::testing::internal::CaptureStderr();
    const std::string first = bench.command();
    bench.command();
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_TRUE(startsWith(first, firstStep<Wait>())) << first;
    EXPECT_NE(err.find("no motion for action type 5"), std::string::npos) << err;
    EXPECT_EQ(err.find('\n'), err.size() - 1) << "reported once: " << err;
    std::remove(path);
    HeadAction::deleteT();
    Say::deleteT();
    WorldModel::deleteT();
}

// --- The program against a scripted server ---

const char* kStanding = "(ACC (n torso) (a 0 0 9.81))(FRP (n lf) (c 0 0 0) (f 0 0 15))(FRP (n rf) (c 0 0 0) (f 0 0 15))";
const char* kLyingOnFront = "(ACC (n torso) (a 0 -9.81 0))";

std::string playOn(int cycle, const char* body)
{
    std::ostringstream m;
    m << "(time (now " << 10.0 + 0.02 * cycle << "))(GS (sl 0) (sr 0) (t " << 0.02 * cycle
      << ") (pm PlayOn))(GYR (n torso) (rt 0 0 0))" << body;
    return m.str();
}

class BenchProgram : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char dir[] = "/tmp/rovan-bench-XXXXXX";
        ASSERT_NE(::mkdtemp(dir), nullptr);
        mDir = dir;
        mModeFile = mDir + "/mode";
    }
    void TearDown() override
    {
        std::remove(mModeFile.c_str());
        std::remove(mDir.c_str());
    }

    void setMode(const std::string& line) { std::ofstream(mModeFile) << line << "\n"; }

    // Starts the bench with the mode file (or none) and reads past scene and
    // init. The fall detector fills its history from the first message.
    void start(bool withModeFile = true, const char* firstBody = kStanding)
    {
        if (withModeFile) ::setenv("MOTION_MODE_FILE", mModeFile.c_str(), 1);
        else ::unsetenv("MOTION_MODE_FILE");
        mBench.emplace("motion-bench", std::vector<std::string>{"--port", std::to_string(mServer.port()),
                                                                "--unum", "1"});
        ::unsetenv("MOTION_MODE_FILE");
        ASSERT_TRUE(mServer.accept());
        ASSERT_EQ(mServer.readFrame(), "(scene rsg/agent/nao/nao.rsg)");
        mServer.sendFrame(playOn(0, firstBody));
        ASSERT_EQ(mServer.readFrame(), "(init (unum 1)(teamname Kestro3D))");
    }

    // One message in, one command out.
    std::string step(const char* body)
    {
        mServer.sendFrame(playOn(++mCycle, body));
        return mServer.readFrame().value_or("<nothing>");
    }

    std::string end()
    {
        mServer.closeClient();
        EXPECT_EQ(mBench->wait(), 0);
        return mBench->err();
    }

    std::string mDir, mModeFile;
    ScriptedServer mServer;
    std::optional<PlayerProcess> mBench;
    int mCycle = 0;
};

TEST_F(BenchProgram, WaitRequestAnswersTheWaitMotion)
{
    setMode("act:42");
    start();
    EXPECT_TRUE(startsWith(step(kStanding), firstStep<Wait>()));
    EXPECT_EQ(end(), "");
}

TEST_F(BenchProgram, WalkRequestAnswersTheWalkOnEveryLegJoint)
{
    setMode("omni:1:1.0");
    start();
    std::string frame;
    for (int i = 0; i < 10; ++i) frame = step(kStanding);
    EXPECT_FALSE(startsWith(frame, firstStep<Wait>()));
    for (const char* leg : {"(lle1 ", "(lle2 ", "(lle3 ", "(lle4 ", "(lle5 ", "(lle6 ", "(rle1 ", "(rle2 ", "(rle3 ",
                            "(rle4 ", "(rle5 ", "(rle6 "})
        EXPECT_NE(frame.find(leg), std::string::npos) << leg << " in " << frame;
    EXPECT_EQ(end(), "");
}

TEST_F(BenchProgram, GetUpFirstWhileLyingThenTheRequest)
{
    setMode("g+act:42");
    start(true, kLyingOnFront);
    EXPECT_TRUE(startsWith(step(kLyingOnFront), firstStep<GetUpFront>()));
    EXPECT_EQ(end(), "");
}

TEST_F(BenchProgram, GetUpRequestIsIgnoredWhileStanding)
{
    setMode("g+act:42");
    start();
    EXPECT_TRUE(startsWith(step(kStanding), firstStep<Wait>()));
    EXPECT_EQ(end(), "");
}

TEST_F(BenchProgram, BadLineIsReportedOnceAndAnsweredWithTheWait)
{
    setMode("act:19x");
    start();
    const std::string wait = firstStep<Wait>();
    EXPECT_TRUE(startsWith(step(kStanding), wait));
    for (int i = 0; i < 3; ++i) EXPECT_NE(step(kStanding), "<nothing>");
    const std::string err = end();
    EXPECT_NE(err.find("\"act:19x\""), std::string::npos) << err;
    EXPECT_EQ(err.find('\n'), err.size() - 1) << "reported once: " << err;
}

TEST_F(BenchProgram, MissingModeFileMeansTheWait)
{
    start(false);
    EXPECT_TRUE(startsWith(step(kStanding), firstStep<Wait>()));
    EXPECT_NE(step(kStanding), "<nothing>");
    const std::string err = end();
    EXPECT_NE(err.find("mode file"), std::string::npos) << err;
    EXPECT_EQ(err.find('\n'), err.size() - 1) << "reported once: " << err;
}

TEST_F(BenchProgram, RawTextIsSentAsItIs)
{
    setMode("raw:(lle3 6)(rle3 6)");
    start();
    EXPECT_EQ(step(kStanding), "(lle3 6)(rle3 6)");
    EXPECT_EQ(end(), "");
}

} // namespace
