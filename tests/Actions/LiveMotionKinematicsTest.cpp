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
                                           GaitCase{"SlowTurnR", make<SlowTurnR>, JID_RLEG_1}),
                         [](const auto& info) { return std::string(info.param.name); });
