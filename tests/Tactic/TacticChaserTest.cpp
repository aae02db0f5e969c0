#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "salt/gmath.h"
#include "Skills/GetWalkOmniType.h"
#include "support/RecordingActionSwitch.h"
#include "support/TacticTesting.h"

namespace {

// The walk request of the last skill and the target of the last point walk.
WalkOmniType lastWalkType()
{
    const std::vector<WalkOmniPara> requests = SwitchRecord::walkRequests();
    return requests.empty() ? WALK_OMNI_FORWARD : requests.back().walkType;
}

::testing::AssertionResult walkedTo(float x, float y)
{
    const salt::Vector3f t = GetWalkOmniType::instance()->getTargetPos();
    if (std::fabs(t.x() - x) < 1e-4f && std::fabs(t.y() - y) < 1e-4f) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "walked to (" << t.x() << ", " << t.y() << "), want (" << x << ", " << y
                                         << ")";
}

// Heading (degrees) at which `target` lies at `bearing` seen from `me`.
double headingFor(salt::Vector3f me, salt::Vector3f target, double bearing)
{
    return salt::gRadToDeg(std::atan2(target.y() - me.y(), target.x() - me.x())) - bearing;
}

class ChaserTest : public TacticTest {};

// Area of depth 4, half-width 1 at the ball widening by 2: edges of slope 1/2.
TEST_F(ChaserTest, DribbleAreaBoundariesAreOutside)
{
    struct Case
    {
        float x, y;
        bool in;
    };
    const Case cases[] = {{-2, 1.99f, true},  {-2, 2, false},   {-2, -1.99f, true}, {-2, -2, false},
                          {-3.99f, 0, true},  {-4, 0, false},   {0, 0, false},      {-0.01f, 0, true}};
    for (const Case& c : cases)
    {
        reset();
        SkillScene().ball(0, 0).object(TEAMMATE_8, c.x, c.y).apply();
        EXPECT_EQ(tactic().isInDribbleBallArea(4.0, 1.0, 2.0, TEAMMATE_8), c.in) << c.x << ", " << c.y;
    }
    SkillScene().ball(0, 0).object(TEAMMATE_8, -3.5f, 0).apply();
    EXPECT_FALSE(tactic().isInDribbleBallArea(3.5, 1.0, 1.5, TEAMMATE_8));
}

// I am first by distance; forward 8 stands in the dribble area behind the ball.
TEST_F(ChaserTest, BallBehindMeLeavesTheChaseToTheDribbler)
{
    struct Case
    {
        double ballBearing;
        bool dribbler, meFirst, chaser;
    };
    const Case cases[] = {
        {129.0, true, true, true},    // ball still ahead enough
        {130.0, true, true, false},   // behind: forward 8 dribbles
        {130.0, false, true, true},   // nobody dribbles: first by distance
        {0.0, false, false, false},   // neither
    };
    const salt::Vector3f me(0.5f, 0, 0);
    const salt::Vector3f ball(-0.5f, 0, 0);
    for (const Case& c : cases)
    {
        reset();
        SkillScene()
            .unum(7).me(me.x(), me.y(), headingFor(me, ball, c.ballBearing))
            .ball(ball.x(), ball.y())
            .object(TEAMMATE_8, -1.5f, c.dribbler ? 0.0f : 5.0f)
            .apply();
        tactic().ourAllDistToBall = objects({c.meFirst ? TEAMMATE_7 : TEAMMATE_8}, 11);
        tactic().ourForwardEquivalentDistToBall = {TEAMMATE_8, TEAMMATE_7, OBJECT_MAX, OBJECT_MAX, OBJECT_MAX};
        EXPECT_EQ(tactic().isMeMostCloseToBall(), c.chaser) << c.ballBearing << " " << c.dribbler << c.meFirst;
    }
}

// Fallen members before the dribbler are struck out for the rest of the cycle.
TEST_F(ChaserTest, FallenMembersAreStruckOutUpToTheDribbler)
{
    SkillScene()
        .unum(9).me(-1, 0, 0).ball(0, 0)
        .object(TEAMMATE_8, -1, 0.2f).fallen(TEAMMATE_8)
        .object(TEAMMATE_10, -5, 0).fallen(TEAMMATE_10)
        .apply();
    tactic().ourAllDistToBall = objects({TEAMMATE_8}, 11);
    tactic().ourForwardEquivalentDistToBall = {TEAMMATE_8, TEAMMATE_9, TEAMMATE_10, OBJECT_MAX, OBJECT_MAX};
    EXPECT_TRUE(tactic().isMeMostCloseToBall());
    EXPECT_EQ(tactic().ourForwardEquivalentDistToBall,
              (std::vector<Object>{OBJECT_MAX, TEAMMATE_9, TEAMMATE_10, OBJECT_MAX, OBJECT_MAX}));
    EXPECT_FALSE(tactic().isLastOfTheForward());
}

// The second defender goes when the ball has passed the first one.
TEST_F(ChaserTest, DefenderGoesWhenTheFirstIsPassed)
{
    struct Case
    {
        float firstX;
        bool chaser;
    };
    for (const Case& c : {Case{1.0f, true}, Case{-0.5f, false}})
    {
        reset();
        SkillScene().unum(4).me(-1, 3, 0).ball(0, 0).object(TEAMMATE_3, c.firstX, 3).apply();
        tactic().ourDefensiveEquivalentDistToBall = {TEAMMATE_3, TEAMMATE_4, TEAMMATE_5, TEAMMATE_6};
        EXPECT_EQ(tactic().isMeMostCloseToBallForDefender(), c.chaser) << c.firstX;
    }
    // A list too short for a second entry.
    tactic().ourDefensiveEquivalentDistToBall = {TEAMMATE_3};
    EXPECT_FALSE(tactic().isMeMostCloseToBallForDefender());
}

TEST_F(ChaserTest, DefenderInItsDribbleAreaGoes)
{
    SkillScene().unum(5).me(-1, 0, 180).ball(0, 0).object(TEAMMATE_3, -3, 5).apply();
    tactic().ourDefensiveEquivalentDistToBall = {TEAMMATE_3, TEAMMATE_4, TEAMMATE_5, TEAMMATE_6};
    EXPECT_TRUE(tactic().isMeMostCloseToBallForDefender());
}

class AvoidTest : public TacticTest
{
protected:
    // Teammate 8 seen now at a bearing; call on cycle `cycle`.
    static std::string avoidAt(double bearing, int cycle)
    {
        SkillScene().unum(9).me(0, 0, 0).ball(5, 0).object(TEAMMATE_8, 0.5f, 0.5f).apply();
        wm().mutableObjectVision(TEAMMATE_8).theta = bearing;
        while (wm().getCurrentCycle() < cycle) wm().updateCurrentCycle();
        ::testing::internal::CaptureStdout();
        tactic().avoidObstacle(wm().getMyPos(), salt::Vector3f(3, 4, 0), TEAMMATE_8);
        return ::testing::internal::GetCapturedStdout();
    }
};

// A side step once chosen goes on while the calls do.
TEST_F(AvoidTest, SideStepKeepsItsSideUntilACallIsMissed)
{
    EXPECT_EQ(avoidAt(45, 1), "angle--->45\n45  右拐\n");
    EXPECT_EQ(lastWalkType(), WALK_OMNI_RIGHT);
    EXPECT_DOUBLE_EQ(SwitchRecord::walkRequests().back().maxSpeed, 0.5);
    EXPECT_EQ(avoidAt(-10, 2), "angle--->-10\n-10  右拐\n");
    EXPECT_EQ(lastWalkType(), WALK_OMNI_RIGHT);
    EXPECT_EQ(avoidAt(-10, 4), "angle--->-10\n-10  右拐\n");
    EXPECT_EQ(avoidAt(-10, 7), "angle--->-10\n-10  左拐\n");
    EXPECT_EQ(lastWalkType(), WALK_OMNI_LEFT);
    EXPECT_EQ(avoidAt(45, 8), "angle--->45\n45  右拐\n");
}

TEST_F(AvoidTest, NoSideStepStraightAheadOrBeside)
{
    for (double bearing : {0.0, 90.0, -90.0, 135.0})
    {
        reset();
        EXPECT_EQ(avoidAt(bearing, 1), "angle--->" + ::testing::PrintToString(bearing) + "\n");
        EXPECT_TRUE(walkedTo(3, 4)) << bearing;
    }
}

TEST_F(AvoidTest, AbsentOrUnseenObstacleWalksToTheTargetSilently)
{
    SkillScene().unum(9).me(0, 0, 0).object(TEAMMATE_8, 0.5f, 0.5f, 6).apply();
    for (Object obstacle : {OBJECT_MAX, TEAMMATE_8})
    {
        ::testing::internal::CaptureStdout();
        tactic().avoidObstacle(wm().getMyPos(), salt::Vector3f(3, 4, 0), obstacle);
        EXPECT_EQ(::testing::internal::GetCapturedStdout(), "") << obstacle;
        EXPECT_TRUE(walkedTo(3, 4));
    }
}

TEST_F(TacticTest, KeepDirectionTurnsOnlyBeyondTwentyDegrees)
{
    struct Case
    {
        double bearing;
        WalkOmniType type;
    };
    for (const Case& c : {Case{20.0, WALK_OMNI_WAIT}, Case{-20.0, WALK_OMNI_WAIT}, Case{20.1, WALK_OMNI_TURN_L},
                          Case{-20.1, WALK_OMNI_TURN_R}})
    {
        reset();
        SkillScene().me(0, 0, -c.bearing).apply();
        EXPECT_EQ(tactic().keepDirToTarget(salt::Vector3f(10, 0, 0)), SwitchRecord::marker(WALK_OMNI));
        EXPECT_EQ(lastWalkType(), c.type) << c.bearing;
        EXPECT_EQ(SwitchRecord::actions().back().obj, BALL);
    }
}

// Forward 9 without the ball; ball at the centre spot.
class MovingTest : public TacticTest
{
protected:
    static SkillScene scene(float x, float y, double heading = 0.0)
    {
        SkillScene s;
        s.unum(9).me(x, y, heading).ball(0, 0);
        return s;
    }
    // Forward 7 is nearest the ball; I am the next forward.
    static void notTheChaser()
    {
        tactic().ourAllDistToBall = objects({TEAMMATE_7}, 11);
        tactic().ourForwardEquivalentDistToBall = {TEAMMATE_7, TEAMMATE_9, OBJECT_MAX, OBJECT_MAX, OBJECT_MAX};
    }
    static std::string move(std::string* printed = nullptr)
    {
        ::testing::internal::CaptureStdout();
        const std::string out = tactic().movingWithoutBall();
        const std::string text = ::testing::internal::GetCapturedStdout();
        if (printed) *printed = text;
        return out;
    }
};

// Standing in the ball's path: out to the side I am on, kept while near.
TEST_F(MovingTest, OutOfTheBallsPathToMySide)
{
    scene(0.3f, 0.3f).apply();
    notTheChaser();
    move();
    EXPECT_TRUE(walkedTo(0.5f, 2.0f));
    scene(1.5f, 1.4f).apply();
    move();
    EXPECT_TRUE(walkedTo(0.5f, 2.0f));

    reset();
    scene(0.3f, -0.3f).apply();
    notTheChaser();
    move();
    EXPECT_TRUE(walkedTo(0.5f, -2.0f));
}

TEST_F(MovingTest, AroundANearTeammate)
{
    scene(-5, 5).object(TEAMMATE_10, -5 + 0.5f, 5 + 0.5f).apply();
    notTheChaser();
    std::string printed;
    move(&printed);
    EXPECT_EQ(printed, "避障-->\nangle--->45\n45  右拐\n");
    EXPECT_EQ(lastWalkType(), WALK_OMNI_RIGHT);
}

TEST_F(MovingTest, ChaserWalksAtAnOpponentWithinOneMetre)
{
    scene(-3, 3).object(OPPONENT_3, -3, 3.8f).apply();
    tactic().ourAllDistToBall = objects({TEAMMATE_9}, 11);
    tactic().oppAllDistToBall = objects({OPPONENT_3}, 11);
    move();
    EXPECT_TRUE(walkedTo(-3, 3.8f));
}

// At the point, only a goal more than 30 degrees to my left turns me.
TEST_F(MovingTest, AtThePointFacesAGoalOnTheLeftOnly)
{
    struct Case
    {
        double goalBearing;
        WalkOmniType type;
    };
    const salt::Vector3f me(0, 5, 0);
    for (const Case& c : {Case{31.0, WALK_OMNI_TURN_L}, Case{-31.0, WALK_OMNI_WAIT}, Case{29.0, WALK_OMNI_WAIT}})
    {
        reset();
        scene(me.x(), me.y(), headingFor(me, salt::Vector3f(15, 0, 0), c.goalBearing)).ball(5, 0).apply();
        // Not in the group: my strategic point is where I stand.
        tactic().ourForwardEquivalentDistToBall = {TEAMMATE_9, OBJECT_MAX, OBJECT_MAX, OBJECT_MAX, OBJECT_MAX};
        move();
        EXPECT_EQ(lastWalkType(), c.type) << c.goalBearing;
    }
}

TEST_F(MovingTest, WalksToItsStrategicPoint)
{
    scene(-5, 5).apply();
    notTheChaser();
    move();
    EXPECT_TRUE(walkedTo(-1.5f, 0.8f));
}

} // namespace

namespace {

TEST_F(TacticTest, ZonesInFrontOfEachGoal)
{
    struct Case
    {
        float x, y;
        bool walkZone;
    };
    for (const Case& c : {Case{12, 0, true}, Case{11.99f, 0, false}, Case{14, 1.5f, true}, Case{14, 1.6f, false},
                          Case{14, -1.5f, true}, Case{14, -1.6f, false}})
    {
        SkillScene().ball(c.x, c.y).apply();
        EXPECT_EQ(tactic().isInWalk_OMINI_Zone(), c.walkZone) << c.x << ", " << c.y;
    }
    struct AreaCase
    {
        float x, y;
        bool in;
    };
    for (const AreaCase& c : {AreaCase{-13.01f, 1.99f, true}, AreaCase{-13, 0, false}, AreaCase{-14, 2, false},
                              AreaCase{-14, -1.99f, true}})
    {
        SkillScene().object(OPPONENT_2, c.x, c.y).apply();
        EXPECT_EQ(tactic().InGoalieDefensiveArea(OPPONENT_2), c.in) << c.x << ", " << c.y;
    }
}

} // namespace
