// The delivered motions played against a joint-only robot: each cycle's
// speeds (rad/s) are integrated over 0.02 s within the hinge limits and fed
// back as the perceived angles. No physics: this catches data that drives a
// joint into its stop, never finishes, or ends away from the stand.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <map>
#include <memory>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "Actions/GetUpBack.h"
#include "Actions/KeyFrameMotions.h"
#include "Actions/Kick.h"
#include "Actions/KickL.h"
#include "Actions/KickLeft45.h"
#include "Actions/KickLeft90.h"
#include "Actions/KickR.h"
#include "Actions/KickRight45.h"
#include "Actions/KickRight90.h"
#include "Actions/PeriodicFade.h"
#include "Actions/PeriodicMotions.h"
#include "WorldModel/Types.h"
#include "WorldModel/WorldModel.h"
#include "support/NaoJointLimits.h"

namespace {

constexpr double kCycle = 0.02;
constexpr double kDegPerRad = 180.0 / 3.14159265358979323846;
// A motion that asks for more than this beyond a limit is pressing into the stop.
constexpr double kStopTolerance = 1.0;
constexpr int kMaxCycles = 1000;


typedef std::array<double, JID_MAX> Pose;

// The robot's joints: integrates the commands and keeps the world model's
// perceived angles in step.
class JointRobot
{
public:
    explicit JointRobot(const Pose& start) : mAngle(start) { publish(); }

    void apply(const std::string& text)
    {
        std::size_t at = 0;
        while ((at = text.find('(', at)) != std::string::npos)
        {
            const std::size_t blank = text.find(' ', at);
            if (blank == std::string::npos) break;
            const auto joint = effectors().find(text.substr(at + 1, blank - at - 1));
            at = blank;
            if (joint != effectors().end()) move(joint->second, std::strtod(text.c_str() + blank, nullptr));
        }
        publish();
    }

    const Pose& pose() const { return mAngle; }
    // The worst push past a limit so far, and where it happened.
    double worstPush() const { return mWorstPush; }
    std::string worstJoint() const { return Types::instance()->effectorName(mWorstJoint); }

private:
    static const std::map<std::string, JointID>& effectors()
    {
        static const std::map<std::string, JointID> names = [] {
            std::map<std::string, JointID> m;
            for (int j = 0; j < JID_MAX; ++j)
                m[Types::instance()->effectorName(static_cast<JointID>(j))] = static_cast<JointID>(j);
            return m;
        }();
        return names;
    }

    void move(JointID jid, double radPerSecond)
    {
        const double wanted = mAngle[jid] + radPerSecond * kCycle * kDegPerRad;
        const double push = std::max(wanted - kNaoJointLimit[jid].hi, kNaoJointLimit[jid].lo - wanted);
        if (push > mWorstPush)
        {
            mWorstPush = push;
            mWorstJoint = jid;
        }
        mAngle[jid] = std::clamp(wanted, kNaoJointLimit[jid].lo, kNaoJointLimit[jid].hi);
    }

    void publish() const
    {
        for (int j = 0; j < JID_MAX; ++j) WorldModel::instance()->setJointAngle(static_cast<JointID>(j), mAngle[j]);
    }

    Pose mAngle;
    double mWorstPush = 0.0;
    JointID mWorstJoint = JID_HEAD_1;
};

// Plays motion until it answers "" (its run is over); the number of cycles.
int playToEnd(Action& motion, JointRobot& robot, const std::string& phase = "normal")
{
    for (int cycle = 0; cycle < kMaxCycles; ++cycle)
    {
        const std::string text = motion.execute(phase);
        if (text.empty()) return cycle;
        robot.apply(text);
    }
    return kMaxCycles;
}

double largestDifference(const Pose& a, const Pose& b, int& where)
{
    double worst = 0.0;
    for (int j = 0; j < JID_MAX; ++j)
        if (std::fabs(a[j] - b[j]) > worst)
        {
            worst = std::fabs(a[j] - b[j]);
            where = j;
        }
    return worst;
}

class LiveMotions : public ::testing::Test
{
protected:
    void SetUp() override
    {
        WorldModel::deleteT();
        PeriodicFade::deleteT();
    }
    void TearDown() override
    {
        WorldModel::deleteT();
        PeriodicFade::deleteT();
    }

    // Where Wait leads from the zero pose: the stand every get-up must end in.
    static Pose stand()
    {
        JointRobot robot(Pose{});
        Wait wait;
        playToEnd(wait, robot);
        return robot.pose();
    }

    void expectStanding(const Pose& pose)
    {
        int where = 0;
        EXPECT_LT(largestDifference(pose, stand(), where), 3.0)
            << "farthest joint from the stand: " << Types::instance()->effectorName(static_cast<JointID>(where));
    }
};

void expectNoStopPush(const JointRobot& robot)
{
    EXPECT_LT(robot.worstPush(), kStopTolerance) << "pushes " << robot.worstJoint() << " into its stop";
}

struct KeyFrameCase
{
    const char* name;
    std::unique_ptr<Action> (*make)();
    bool endsStanding;
};

void PrintTo(const KeyFrameCase& c, std::ostream* os) { *os << c.name; }

template <class Motion>
std::unique_ptr<Action> make()
{
    return std::make_unique<Motion>();
}

class LiveKeyFrameMotion : public LiveMotions, public ::testing::WithParamInterface<KeyFrameCase>
{
};

} // namespace

TEST_F(LiveMotions, WaitReachesTheStandAndHoldsIt)
{
    JointRobot robot(Pose{});
    Wait wait;
    EXPECT_LT(playToEnd(wait, robot), kMaxCycles);
    const Pose first = robot.pose();
    playToEnd(wait, robot);
    int where = 0;
    EXPECT_LT(largestDifference(first, robot.pose(), where), 1.5) << "a second run still moves the robot";
    EXPECT_LT(first[JID_LLEG_4], -30.0) << "the stand is a crouch";
    expectNoStopPush(robot);
}

TEST_P(LiveKeyFrameMotion, FinishesWithinTheLimits)
{
    JointRobot robot(stand());
    std::unique_ptr<Action> motion = GetParam().make();
    const int cycles = playToEnd(*motion, robot);
    EXPECT_GT(cycles, 0);
    EXPECT_LT(cycles, kMaxCycles);
    expectNoStopPush(robot);
    if (GetParam().endsStanding) expectStanding(robot.pose());
}

INSTANTIATE_TEST_SUITE_P(Files, LiveKeyFrameMotion,
                         ::testing::Values(KeyFrameCase{"GetUpFront", make<GetUpFront>, true},
                                           KeyFrameCase{"DiveHandL", make<DiveHandL>, false},
                                           KeyFrameCase{"DiveHandR", make<DiveHandR>, false},
                                           KeyFrameCase{"DiveLegR", make<DiveLegR>, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LiveMotions, GetUpFrontStandsUpFromLyingFlat)
{
    JointRobot robot(Pose{});
    GetUpFront getUp;
    EXPECT_LT(playToEnd(getUp, robot), kMaxCycles);
    expectNoStopPush(robot);
    expectStanding(robot.pose());
}

TEST_F(LiveMotions, GetUpBackStandsUpFromLyingFlat)
{
    JointRobot robot(Pose{});
    GetUpBack getUp;
    // The fixed approach posture asks for shoulder rolls past their stops;
    // the stored lines start from where the arms stopped.
    for (int i = 0; i < GetUpBack::kApproachCycles; ++i) robot.apply(getUp.execute(""));
    JointRobot lines(robot.pose());
    EXPECT_LT(playToEnd(getUp, lines), kMaxCycles);
    expectNoStopPush(lines);
    expectStanding(lines.pose());
}

struct GaitCase
{
    const char* name;
    std::unique_ptr<Action> (*make)();
    JointID swinging;  // a joint the gait must visibly move
};

void PrintTo(const GaitCase& c, std::ostream* os) { *os << c.name; }

class LiveGait : public LiveMotions, public ::testing::WithParamInterface<GaitCase>
{
};

// The turns rest toes-out; Wait after the wind-down brings back the stand.
TEST_P(LiveGait, SwingsWithinTheLimitsAndWaitRestoresTheStand)
{
    JointRobot robot(stand());
    std::unique_ptr<Action> gait = GetParam().make();
    double lo = 1e9, hi = -1e9;
    std::string phase = "start";
    for (int cycle = 0; cycle < 150; ++cycle)
    {
        const std::string text = gait->execute(phase);
        phase = "normal";
        robot.apply(text);
        lo = std::min(lo, robot.pose()[GetParam().swinging]);
        hi = std::max(hi, robot.pose()[GetParam().swinging]);
    }
    EXPECT_GT(hi - lo, 3.0) << Types::instance()->effectorName(GetParam().swinging) << " hardly moves";
    EXPECT_LT(playToEnd(*gait, robot, "end"), kMaxCycles);
    expectNoStopPush(robot);
    Wait wait;
    playToEnd(wait, robot);
    expectStanding(robot.pose());
}

INSTANTIATE_TEST_SUITE_P(Files, LiveGait,
                         ::testing::Values(GaitCase{"Step", make<Step>, JID_LLEG_4},
                                           GaitCase{"WalkForward", make<WalkForward>, JID_LLEG_3},
                                           GaitCase{"WalkBackward", make<WalkBackward>, JID_LLEG_3},
                                           GaitCase{"WalkLeft", make<WalkLeft>, JID_LLEG_2},
                                           GaitCase{"WalkRight", make<WalkRight>, JID_RLEG_2},
                                           GaitCase{"FastTurnL", make<FastTurnL>, JID_LLEG_1},
                                           GaitCase{"FastTurnR", make<FastTurnR>, JID_RLEG_1},
                                           GaitCase{"SlowTurnL", make<SlowTurnL>, JID_LLEG_1},
                                           GaitCase{"SlowTurnR", make<SlowTurnR>, JID_RLEG_1},
                                           GaitCase{"TurnL", make<TurnL>, JID_LLEG_1},
                                           GaitCase{"TurnR", make<TurnR>, JID_RLEG_1},
                                           GaitCase{"LargeTurnL", make<LargeTurnL>, JID_LLEG_1},
                                           GaitCase{"LargeTurnR", make<LargeTurnR>, JID_RLEG_1}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- kicks ---------------------------------------------------------------------------
// Each kick first drives the joints to a fixed posture of its own, whose arm
// roll targets lie past a shoulder's stop on one side; the data is played
// from where that posture left the robot.

namespace {

int commandCount(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '(')); }

// Calls motion until it gives a text of frameCommands commands (its first
// frame, returned) or "" (returned too); every earlier text moves robot.
std::string driveToPosture(Action& motion, JointRobot& robot, int frameCommands)
{
    for (int cycle = 0; cycle < kMaxCycles; ++cycle)
    {
        const std::string text = motion.execute("normal");
        if (text.empty() || commandCount(text) == frameCommands) return text;
        robot.apply(text);
    }
    return "";
}

// Every speed of a command text is zero.
bool allStill(const std::string& text)
{
    for (std::size_t at = text.find(' '); at != std::string::npos; at = text.find(' ', at + 1))
        if (std::strtod(text.c_str() + at, nullptr) != 0.0) return false;
    return true;
}

// Every leg joint ends within a degree of where the kick's data began.
void expectLegsBackAt(const Pose& began, const Pose& ended)
{
    Pose legsBegan{}, legsEnded{};
    for (int j = JID_LLEG_1; j <= JID_RLEG_6; ++j)
    {
        legsBegan[j] = began[j];
        legsEnded[j] = ended[j];
    }
    int where = 0;
    EXPECT_LT(largestDifference(legsBegan, legsEnded, where), 1.0)
        << "farthest leg joint: " << Types::instance()->effectorName(static_cast<JointID>(where));
}

struct GeneralKickCase
{
    KickType type;
    bool leftHold;
};

void PrintTo(const GeneralKickCase& c, std::ostream* os)
{
    *os << "Type" << c.type + 1 << (c.leftHold ? "LeftHold" : "RightHold");
}

class LiveGeneralKick : public LiveMotions, public ::testing::WithParamInterface<GeneralKickCase>
{
protected:
    void SetUp() override
    {
        LiveMotions::SetUp();
        Kick::deleteT();
    }
    void TearDown() override
    {
        Kick::deleteT();
        LiveMotions::TearDown();
    }
};

} // namespace

// Posture, 41 frames and the stop command: no stop is pressed and the legs
// end where the frames began.
TEST_P(LiveGeneralKick, FramesStayInRangeAndReturnToTheReadyStance)
{
    JointRobot robot(stand());
    Kick kick;
    kick.setIsLeftHold(GetParam().leftHold);
    kick.setKickType(GetParam().type);
    const std::string first = driveToPosture(kick, robot, JID_MAX + 12);
    ASSERT_FALSE(first.empty()) << "the kick-ready posture is never reached";
    JointRobot frames(robot.pose());
    frames.apply(first);
    EXPECT_EQ(playToEnd(kick, frames), 41);  // frames 1..40 and the stop command
    expectNoStopPush(frames);
    expectLegsBackAt(robot.pose(), frames.pose());
}

INSTANTIATE_TEST_SUITE_P(Files, LiveGeneralKick,
                         ::testing::Values(GeneralKickCase{KICK_TYPE_1, true}, GeneralKickCase{KICK_TYPE_1, false},
                                           GeneralKickCase{KICK_TYPE_2, true}, GeneralKickCase{KICK_TYPE_2, false},
                                           GeneralKickCase{KICK_TYPE_3, true}, GeneralKickCase{KICK_TYPE_3, false}),
                         [](const auto& info) {
                             return "Type" + std::to_string(info.param.type + 1) +
                                    (info.param.leftHold ? "LeftHold" : "RightHold");
                         });

namespace {

struct SideKickCase
{
    const char* name;
    std::unique_ptr<Action> (*make)();
};

void PrintTo(const SideKickCase& c, std::ostream* os) { *os << c.name; }

class LiveSideKick : public LiveMotions, public ::testing::WithParamInterface<SideKickCase>
{
};

} // namespace

// The 25 approach cycles, then the stored lines: within the limits, ending
// at rest on both feet where the approach put them.
TEST_P(LiveSideKick, LinesStayInRangeAndEndAtRest)
{
    JointRobot robot(stand());
    std::unique_ptr<Action> kick = GetParam().make();
    for (int cycle = 0; cycle < 25; ++cycle) robot.apply(kick->execute(""));
    JointRobot lines(robot.pose());
    std::string last;
    int count = 0;
    for (std::string text; !(text = kick->execute("")).empty(); last = text, ++count) lines.apply(text);
    EXPECT_GT(count, 0);
    EXPECT_LE(count, 300);
    expectNoStopPush(lines);
    EXPECT_TRUE(allStill(last)) << "still moving: " << last;
    expectLegsBackAt(robot.pose(), lines.pose());
}

INSTANTIATE_TEST_SUITE_P(Files, LiveSideKick,
                         ::testing::Values(SideKickCase{"KickL", make<KickL>}, SideKickCase{"KickR", make<KickR>}),
                         [](const auto& info) { return std::string(info.param.name); });

namespace {

struct AngledKickCase
{
    const char* name;
    std::unique_ptr<Action> (*make)();
    int frameSteps;
    bool reachesPosture;
};

void PrintTo(const AngledKickCase& c, std::ostream* os) { *os << c.name; }

class LiveAngledKick : public LiveMotions, public ::testing::WithParamInterface<AngledKickCase>
{
};

} // namespace

// The frames hold the posture, the settling steps lead toward zero; no stop
// is pressed. KickRight45's posture asks the right shoulder roll for +30,
// past its stop: the kick gives up instead of freezing the player.
TEST_P(LiveAngledKick, FramesAndSettlingStayInRange)
{
    JointRobot robot(stand());
    std::unique_ptr<Action> kick = GetParam().make();
    testing::internal::CaptureStderr();
    const std::string first = driveToPosture(*kick, robot, 12);
    const std::string err = testing::internal::GetCapturedStderr();
    if (!GetParam().reachesPosture)
    {
        EXPECT_EQ(first, "");
        EXPECT_NE(err.find(GetParam().name), std::string::npos) << err;
        return;
    }
    ASSERT_FALSE(first.empty()) << "the kick-ready posture is never reached: " << err;
    JointRobot steps(robot.pose());
    steps.apply(first);
    EXPECT_EQ(playToEnd(*kick, steps), GetParam().frameSteps - 1 + 10);
    expectNoStopPush(steps);
}

INSTANTIATE_TEST_SUITE_P(Files, LiveAngledKick,
                         ::testing::Values(AngledKickCase{"KickLeft45", make<KickLeft45>, 20, true},
                                           AngledKickCase{"KickRight45", make<KickRight45>, 20, false},
                                           AngledKickCase{"KickLeft90", make<KickLeft90>, 31, true},
                                           AngledKickCase{"KickRight90", make<KickRight90>, 31, true}),
                         [](const auto& info) { return std::string(info.param.name); });
