#include <memory>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "Actions/ActionSwitchMechanism.h"
#include "Actions/HeadAction.h"
#include "Actions/Kick.h"
#include "Actions/Say.h"
#include "MotionTestText.h"
#include "WorldModel/WorldModel.h"

namespace {

const char* const kFiles[6] = {"KickRMove1.txt", "KickRHold1.txt", "KickRMove2.txt",
                               "KickRHold2.txt", "KickRMove3.txt", "KickRHold3.txt"};

// Number at a position of file f (1 = KickRMove1 .. 6 = KickRHold3).
int recorded(int f, int position) { return 1000 * f + position; }

constexpr int kPostureCommands = 22 + 16;
constexpr int kFrameCommands = 22 + 12;

// The frame text of kick type t at frame k, as the kick must send it.
std::string expectedFrame(int t, bool leftHold, int k)
{
    const int move = 2 * t + 1;
    const int hold = 2 * t + 2;
    std::string out = fixText();
    for (int j = 1; j <= 6; ++j)
    {
        const int sign = (!leftHold && (j == 2 || j == 6)) ? -1 : 1;
        const std::string support = leftHold ? "lle" : "rle";
        const std::string kicking = leftHold ? "rle" : "lle";
        out += "(" + support + std::to_string(j) + " " + std::to_string(sign * recorded(hold, 6 * k + j - 1)) + ")";
        out += "(" + kicking + std::to_string(j) + " " + std::to_string(sign * recorded(move, 6 * k + j - 1)) + ")";
    }
    return out;
}

class KickTest : public testing::Test
{
protected:
    void SetUp() override
    {
        WorldModel::deleteT();
        Kick::deleteT();
        wm = WorldModel::instance();
        for (int f = 1; f <= 6; ++f)
        {
            std::string text;
            for (int pos = 0; pos < 252; ++pos) text += std::to_string(recorded(f, pos)) + (pos % 6 == 5 ? "\n" : " ");
            acts.write(kFiles[f - 1], text);
        }
        kick = makeKick();
    }
    void TearDown() override
    {
        kick.reset();
        Kick::deleteT();
        HeadAction::deleteT();
        Say::deleteT();
        WorldModel::deleteT();
    }

    std::unique_ptr<Kick> makeKick() const { return std::make_unique<Kick>(acts.dir()); }

    // Joint angles at the kick-ready posture of the given support leg.
    void standAtPosture(bool leftHold) const
    {
        const double side = leftHold ? 1.0 : -1.0;
        wm->setJointAngle(JID_LARM_1, -60.0);
        wm->setJointAngle(JID_RARM_1, -60.0);
        wm->setJointAngle(JID_LARM_2, side * 30.0);
        wm->setJointAngle(JID_RARM_2, side * 30.0);
        for (JointID leg : {JID_LLEG_1, JID_RLEG_1}) wm->setJointAngle(leg, 0.0);
        for (JointID leg : {JID_LLEG_2, JID_RLEG_2}) wm->setJointAngle(leg, -side * 8.1303);
        for (JointID leg : {JID_LLEG_3, JID_RLEG_3}) wm->setJointAngle(leg, 12.9947);
        for (JointID leg : {JID_LLEG_4, JID_RLEG_4}) wm->setJointAngle(leg, -28.5677);
        for (JointID leg : {JID_LLEG_5, JID_RLEG_5}) wm->setJointAngle(leg, 15.573);
        for (JointID leg : {JID_LLEG_6, JID_RLEG_6}) wm->setJointAngle(leg, side * 8.1303);
    }

    // One server cycle in which the kick is requested again.
    std::string step()
    {
        wm->updateCurrentCycle();
        return kick->execute("normal");
    }

    // Posture reached in one call; the next step plays frame 0.
    void startKicking(bool leftHold, KickType type)
    {
        standAtPosture(leftHold);
        kick->setIsLeftHold(leftHold);
        kick->setKickType(type);
        ASSERT_EQ(commandCount(step()), kPostureCommands);
    }

    ScratchActs acts;
    WorldModel* wm = nullptr;
    std::unique_ptr<Kick> kick;
};

TEST_F(KickTest, PostureCommandThenFrameZero)
{
    standAtPosture(true);
    kick->setIsLeftHold(true);
    wm->setJointAngle(JID_LARM_1, -57.0); // 3 degrees off, within the step and the tolerance
    EXPECT_EQ(step(), fixText() +
                          "(lae1 -0.916298)(rae1 0)(lle1 0)(rle1 0)(lle3 0)(rle3 0)(lle4 0)(rle4 0)(lle5 0)(rle5 0)"
                          "(lae2 0)(rae2 0)(lle2 0)(rle2 0)(lle6 0)(rle6 0)");
    EXPECT_EQ(step(), expectedFrame(0, true, 0));
}

TEST_F(KickTest, FarPostureStepIsLimited)
{
    kick->setIsLeftHold(false); // all joints at 0
    const std::string text = step();
    // arm pitch: 4 degrees per cycle at Kp 0.35; leg roll toward +8.1303 by 2 degrees
    EXPECT_NE(text.find("(lae1 -1.22173)"), std::string::npos) << text;
    EXPECT_NE(text.find("(lle2 0.610865)"), std::string::npos) << text;
    EXPECT_NE(text.find("(lae2 -1.22173)"), std::string::npos) << text;
    EXPECT_EQ(commandCount(step()), kPostureCommands);
}

struct ReadyCase
{
    const char* name;
    bool leftHold;
    JointID joint;
    double angle;
    bool ready;
};

std::ostream& operator<<(std::ostream& os, const ReadyCase& c) { return os << c.name; }

class KickReadyTest : public KickTest, public testing::WithParamInterface<ReadyCase>
{
};

TEST_P(KickReadyTest, ReadyTestIsStrict)
{
    const ReadyCase& c = GetParam();
    standAtPosture(c.leftHold);
    kick->setIsLeftHold(c.leftHold);
    wm->setJointAngle(c.joint, c.angle);
    EXPECT_EQ(commandCount(step()), kPostureCommands);
    EXPECT_EQ(commandCount(step()), c.ready ? kFrameCommands : kPostureCommands);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, KickReadyTest,
    testing::Values(ReadyCase{"ArmPitchJustInside", true, JID_RARM_1, -69.9, true},
                    ReadyCase{"ArmPitchAtTolerance", true, JID_RARM_1, -70.0, false},
                    ReadyCase{"ArmPitchAboveJustInside", true, JID_LARM_1, -50.1, true},
                    ReadyCase{"ArmPitchAboveAtTolerance", true, JID_LARM_1, -50.0, false},
                    ReadyCase{"ArmRollIgnored", true, JID_LARM_2, -90.0, true},
                    ReadyCase{"HipYawJustInside", true, JID_LLEG_1, 1.999, true},
                    ReadyCase{"HipYawAtTolerance", true, JID_LLEG_1, 2.0, false},
                    ReadyCase{"HipYawBelowAtTolerance", true, JID_RLEG_1, -2.0, false},
                    ReadyCase{"KneeJustInside", true, JID_RLEG_4, -28.5677 - 1.99, true},
                    ReadyCase{"KneeOutside", true, JID_RLEG_4, -28.5677 - 2.01, false},
                    ReadyCase{"RollOfOtherSupportLeg", false, JID_LLEG_2, -8.1303, false},
                    ReadyCase{"AnkleRollOfSupportLeg", false, JID_RLEG_6, -8.1303 + 1.9, true}),
    [](const testing::TestParamInfo<ReadyCase>& info) { return std::string(info.param.name); });

struct FrameCase
{
    KickType type;
    bool leftHold;
};

std::ostream& operator<<(std::ostream& os, const FrameCase& c)
{
    return os << "Type" << c.type + 1 << (c.leftHold ? "LeftHold" : "RightHold");
}

class KickFrameTest : public KickTest, public testing::WithParamInterface<FrameCase>
{
};

TEST_P(KickFrameTest, PlaysEveryFrameThenStops)
{
    const FrameCase& c = GetParam();
    startKicking(c.leftHold, c.type);
    for (int k = 0; k <= 40; ++k) ASSERT_EQ(step(), expectedFrame(c.type, c.leftHold, k)) << "frame " << k;
    EXPECT_EQ(step(), Kick::kStopCommand);
    EXPECT_EQ(step(), "");
    EXPECT_EQ(commandCount(step()), kPostureCommands);
}

INSTANTIATE_TEST_SUITE_P(Recordings, KickFrameTest,
                         testing::Values(FrameCase{KICK_TYPE_1, true}, FrameCase{KICK_TYPE_1, false},
                                         FrameCase{KICK_TYPE_2, true}, FrameCase{KICK_TYPE_2, false},
                                         FrameCase{KICK_TYPE_3, true}, FrameCase{KICK_TYPE_3, false}),
                         testing::PrintToStringParamName());

TEST_F(KickTest, StopCommandIsTheFixedText)
{
    const std::string expected = "(lle1 0.000000)(rle1 0.000000)(lle2 0.000000)(rle2 0.000000)(lle3 0.000000)"
                                 "(rle3 0.000000)(lle4 0.000000)(rle4 0.000000)(lle5 0.000000)(rle5 0.000000)"
                                 "(lle6 0.000000)(rle6 0.000000)(lae1 -0.001000)(rae1 -0.001000)(lae2 0.279000)"
                                 "(rae2 -0.279000)(lae3 -0.726000)(rae3 0.726000)(lae4 0.000000)(rae4 0.000000)"
                                 "(he2 0.000000)(he1 2.801000)";
    EXPECT_EQ(expected.size(), 332u);
    EXPECT_EQ(Kick::kStopCommand, expected);
}

TEST_F(KickTest, EmptyPhaseWordChangesNothing)
{
    std::unique_ptr<Kick> twin = makeKick();
    standAtPosture(true);
    kick->setIsLeftHold(true);
    twin->setIsLeftHold(true);
    // Idle, kicking at several frames, the stop, finished, idle again.
    for (int i = 0; i < 46; ++i)
    {
        EXPECT_EQ(kick->execute(""), "") << "call " << i;
        wm->updateCurrentCycle();
        ASSERT_EQ(kick->execute("normal"), twin->execute("normal")) << "call " << i;
    }
}

TEST_F(KickTest, InterruptedKickStartsAgainFromThePosture)
{
    startKicking(true, KICK_TYPE_2);
    for (int k = 0; k <= 10; ++k) ASSERT_EQ(step(), expectedFrame(1, true, k));
    wm->updateCurrentCycle(); // another motion ran in this cycle
    EXPECT_EQ(commandCount(step()), kPostureCommands);
    EXPECT_EQ(step(), expectedFrame(1, true, 0));
}

TEST_F(KickTest, KickRequestedInEveryCycleIsNotRestarted)
{
    startKicking(true, KICK_TYPE_2);
    for (int k = 0; k <= 10; ++k) ASSERT_EQ(step(), expectedFrame(1, true, k));
    EXPECT_EQ(kick->execute(""), ""); // the probe of the next cycle
    EXPECT_EQ(step(), expectedFrame(1, true, 11));
}

// A motion that has nothing to send.
class StillMotion : public Action
{
public:
    std::string execute(const std::string&) override { return ""; }
};

// Through the action switch: the cycle that turns to KICK calls it with the
// empty word, so a kick left for one other request is a missed cycle.
TEST_F(KickTest, SwitchRequestsRunOnOrRestartTheKick)
{
    StillMotion still;
    ActionSwitchMechanism::MotionTable table{};
    table[KICK] = kick.get();
    table[WAIT] = &still;
    ActionSwitchMechanism sw(table);
    const auto cycle = [&](ActionType type) {
        wm->updateCurrentCycle();
        // The motion's part: it starts with fix(); the head commands follow it.
        const std::string text = sw.doAction(type, HEAD_FOCUS_ON_OBJECT, BALL);
        return text.compare(0, fixText().size(), fixText()) == 0 ? text.substr(0, text.find("(he1", 1)) : "";
    };
    standAtPosture(true);
    kick->setIsLeftHold(true);
    EXPECT_EQ(cycle(KICK), "");  // the empty word
    EXPECT_EQ(commandCount(cycle(KICK)), kPostureCommands);
    for (int k = 0; k <= 10; ++k) ASSERT_EQ(cycle(KICK), expectedFrame(0, true, k)) << "frame " << k;
    EXPECT_EQ(cycle(WAIT), "");
    EXPECT_EQ(cycle(KICK), "");
    EXPECT_EQ(commandCount(cycle(KICK)), kPostureCommands);
    EXPECT_EQ(cycle(KICK), expectedFrame(0, true, 0));
}

TEST_F(KickTest, InterruptedAfterTheStopStartsWithThePosture)
{
    startKicking(false, KICK_TYPE_1);
    for (int k = 0; k <= 40; ++k) step();
    EXPECT_EQ(step(), Kick::kStopCommand);
    wm->updateCurrentCycle();
    EXPECT_EQ(commandCount(step()), kPostureCommands);
}

TEST_F(KickTest, SupportLegAndTypeAreLatchedDuringTheKick)
{
    startKicking(true, KICK_TYPE_1);
    EXPECT_EQ(step(), expectedFrame(0, true, 0));
    kick->setIsLeftHold(false);
    kick->setKickType(KICK_TYPE_3);
    for (int k = 1; k <= 40; ++k) ASSERT_EQ(step(), expectedFrame(0, true, k)) << "frame " << k;
    EXPECT_EQ(step(), Kick::kStopCommand);
    EXPECT_EQ(step(), "");
    // The next kick takes the new choice: the left-hold posture is not ready for it.
    EXPECT_EQ(commandCount(step()), kPostureCommands);
    EXPECT_EQ(commandCount(step()), kPostureCommands);
    standAtPosture(false);
    EXPECT_EQ(commandCount(step()), kPostureCommands);
    EXPECT_EQ(step(), expectedFrame(2, false, 0));
}

TEST_F(KickTest, ChoiceDuringThePostureTakesEffect)
{
    standAtPosture(false);
    kick->setIsLeftHold(true);
    EXPECT_EQ(commandCount(step()), kPostureCommands); // not ready for the left leg
    kick->setIsLeftHold(false);
    kick->setKickType(KICK_TYPE_2);
    EXPECT_EQ(commandCount(step()), kPostureCommands);
    EXPECT_EQ(step(), expectedFrame(1, false, 0));
}

TEST_F(KickTest, ShortRecordingHoldsStillAfterItsEnd)
{
    std::string err;
    kick = buildFromFile<Kick>(acts, "KickRMove1.txt", "1 2 3 4 5 6 7", err, acts.dir());
    expectReportedOnce(err, acts.path("KickRMove1.txt"));
    startKicking(true, KICK_TYPE_1);
    EXPECT_NE(step().find("(rle1 1)(lle2 2001)(rle2 2)"), std::string::npos);
    EXPECT_NE(step().find("(lle1 2006)(rle1 7)(lle2 2007)(rle2 0)"), std::string::npos);
    for (int k = 2; k <= 40; ++k) EXPECT_NE(step().find("(rle6 0)"), std::string::npos);
    EXPECT_EQ(step(), Kick::kStopCommand);
}

TEST_F(KickTest, SingletonOutlivesOtherKicks)
{
    testing::internal::CaptureStderr(); // the repository's files may be missing here
    Kick* single = Kick::instance();
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(Kick::instance(), single);
    standAtPosture(true);
    single->setIsLeftHold(true);
    wm->updateCurrentCycle();
    ASSERT_EQ(commandCount(single->execute("normal")), kPostureCommands);
    kick.reset(); // destroying another kick leaves the singleton alone
    EXPECT_EQ(Kick::instance(), single);
    EXPECT_EQ(commandCount(single->execute("normal")), kFrameCommands);
}

} // namespace
