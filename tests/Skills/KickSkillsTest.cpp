#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Skills/GetWalkOmniType.h"
#include "Skills/Skills.h"
#include "support/RecordingActionSwitch.h"
#include "support/SkillOutcome.h"
#include "support/SkillScene.h"
#include "support/SkillTest.h"

namespace {

// The kick requests since `from`: support leg, kick type, then KICK.
void expectKick(std::size_t from, bool leftHold, KickType type)
{
    const std::vector<SwitchCall> calls = callsSince(from);
    ASSERT_EQ(calls.size(), 3u);
    ASSERT_EQ(calls[0].kind, SwitchCall::LEFT_HOLD);
    EXPECT_EQ(calls[0].leftHold, leftHold);
    ASSERT_EQ(calls[1].kind, SwitchCall::KICK_TYPE);
    EXPECT_EQ(calls[1].kickType, type);
    expectOutcome(from, motionOut(KICK));
}

struct BandRow
{
    float x, y;
    int countBefore;
    Outcome want;
    int countAfter;
};

std::ostream& operator<<(std::ostream& os, const BandRow& r)
{
    return os << "(" << r.x << ", " << r.y << ") count " << r.countBefore;
}

class CountedKickTest : public SkillTest
{
protected:
    // One call of the kick in the scene; the count read after it.
    void runRow(const BandRow& row, bool kickOff)
    {
        SCOPED_TRACE(row);
        deleteSkillSingletons();
        sceneWithBall(row.x, row.y);
        Skills& skills = *Skills::instance();
        CountedKickState& state = kickOff ? skills.kickOffState() : skills.noDirKickState();
        state.kickCount = row.countBefore;
        const std::size_t from = SwitchRecord::calls().size();
        const std::string out = kickOff ? skills.KickOff(salt::Vector3f(15, 0, 0)) : skills.NoDirkickBall();
        EXPECT_FALSE(out.empty());
        expectOutcome(from, row.want);
        EXPECT_EQ(state.kickCount, row.countAfter);
    }

    std::string kick(bool kickOff)
    {
        Skills& skills = *Skills::instance();
        return kickOff ? skills.KickOff(salt::Vector3f(15, 0, 0)) : skills.NoDirkickBall();
    }
};

// Speeds and counts of NoDirkickBall by band. The float ball position is
// compared with double bounds: 0.1f, 0.2f, 0.3f and 0.55f lie above them,
// 0.42f and 0.45f below.
TEST_F(CountedKickTest, NoDirkickBallBands)
{
    const BandRow rows[] = {
        {0, 0, 5, walkOut(WALK_OMNI_RIGHT, 0.4), 0},
        {-0.1f, 0.29f, 5, walkOut(WALK_OMNI_RIGHT, 0.4), 0},
        {-0.1f, -0.1f, 5, walkOut(WALK_OMNI_LEFT, 0.4), 0},
        {-0.1f, -0.29f, 5, walkOut(WALK_OMNI_LEFT, 0.4), 0},
        {-0.1f, 0.31f, 5, walkOut(WALK_OMNI_BACKWARD, 0.7), 0},
        {-0.1f, -0.31f, 5, walkOut(WALK_OMNI_BACKWARD, 0.7), 0},
        // Close in front of the feet: step back, never an empty command.
        {0.1f, 0, 5, walkOut(WALK_OMNI_BACKWARD, 0.4), 0},
        {0.2f, -0.29f, 5, walkOut(WALK_OMNI_BACKWARD, 0.4), 0},
        {0.2f, 0.31f, 5, walkOut(WALK_OMNI_BACKWARD, 0.4), 0},
        {below(0.25f), 0, 5, walkOut(WALK_OMNI_BACKWARD, 0.4), 0},
        // Kicking band: wait and count with the ball centred.
        {0.25f, 0, 5, motionOut(WAIT), 6},
        {0.3f, 0.05f, 5, motionOut(WAIT), 6},
        {0.3f, below(0.1f), 5, motionOut(WAIT), 6},
        {0.3f, above(-0.1f), 5, motionOut(WAIT), 6},
        {0.418f, 0, 5, motionOut(WAIT), 6},
        {0.42f, 0, 5, motionOut(WAIT), 6},
        {0.3f, 0.1f, 5, walkOut(WALK_OMNI_LEFT, 0.2), 5},
        {0.3f, 0.16f, 5, walkOut(WALK_OMNI_LEFT, 0.2), 5},
        {0.3f, below(0.2f), 5, walkOut(WALK_OMNI_LEFT, 0.2), 5},
        {0.3f, 0.2f, 5, walkOut(WALK_OMNI_LEFT, 0.7), 0},
        {0.3f, 0.3f, 5, walkOut(WALK_OMNI_LEFT, 1.0), 0},
        {0.3f, below(0.3f), 5, walkOut(WALK_OMNI_LEFT, 0.7), 0},
        {0.3f, -0.1f, 5, walkOut(WALK_OMNI_RIGHT, 0.2), 5},
        {0.3f, -0.16f, 5, walkOut(WALK_OMNI_RIGHT, 0.2), 5},
        {0.3f, above(-0.2f), 5, walkOut(WALK_OMNI_RIGHT, 0.2), 5},
        {0.3f, -0.2f, 5, walkOut(WALK_OMNI_RIGHT, 0.7), 0},
        {0.3f, -0.3f, 5, walkOut(WALK_OMNI_RIGHT, 1.0), 0},
        // Near band (0.42 < x <= 0.55); 0.55f lies above 0.55.
        {0.43f, 0, 5, walkOut(WALK_OMNI_FORWARD, 0.4), 5},
        {0.45f, 0, 5, walkOut(WALK_OMNI_FORWARD, 0.4), 5},
        {0.46f, 0, 5, walkOut(WALK_OMNI_FORWARD, 0.4), 0},
        {0.5f, 0.3f, 5, walkOut(WALK_OMNI_LEFT, 1.0), 0},
        {0.5f, -0.3f, 5, walkOut(WALK_OMNI_RIGHT, 1.0), 0},
        {0.5f, below(0.3f), 5, walkOut(WALK_OMNI_FORWARD, 0.4), 0},
        {below(0.55f), 0, 5, walkOut(WALK_OMNI_FORWARD, 0.4), 0},
        {0.55f, 0, 5, walkOut(WALK_OMNI_FORWARD, 0.7), 0},
        {0.6f, 0.3f, 5, walkOut(WALK_OMNI_LEFT, 0.8), 0},
        {0.6f, -0.3f, 5, walkOut(WALK_OMNI_RIGHT, 0.8), 0},
        {0.7f, 0, 5, walkOut(WALK_OMNI_FORWARD, 0.7), 0},
        {0.71f, 0, 5, walkOut(WALK_OMNI_FORWARD, 1.0), 0},
        {2.99f, 0, 5, walkOut(WALK_OMNI_FORWARD, 1.0), 0},
    };
    for (const BandRow& row : rows) runRow(row, false);
}

TEST_F(CountedKickTest, KickOffBands)
{
    const BandRow rows[] = {
        {0, 0, 5, walkOut(WALK_OMNI_RIGHT, 0.4), 0},
        {-0.1f, 0.31f, 5, walkOut(WALK_OMNI_BACKWARD, 0.7), 0},
        {-0.1f, -0.1f, 5, walkOut(WALK_OMNI_LEFT, 0.4), 0},
        {0.1f, 0, 5, walkOut(WALK_OMNI_BACKWARD, 0.4), 0},
        {0.2f, -0.29f, 5, walkOut(WALK_OMNI_BACKWARD, 0.4), 0},
        {0.25f, 0, 5, motionOut(WAIT), 6},
        {0.41f, 0, 5, motionOut(WAIT), 6},
        {0.3f, 0.1f, 5, walkOut(WALK_OMNI_LEFT, 0.2), 5},
        {0.3f, 0.16f, 5, walkOut(WALK_OMNI_LEFT, 0.2), 5},
        {0.3f, above(0.16f), 5, walkOut(WALK_OMNI_LEFT, 0.5), 5},
        {0.3f, 0.2f, 5, walkOut(WALK_OMNI_LEFT, 0.5), 0},
        {0.3f, 0.3f, 5, walkOut(WALK_OMNI_LEFT, 0.8), 0},
        {0.3f, -0.16f, 5, walkOut(WALK_OMNI_RIGHT, 0.2), 5},
        {0.3f, below(-0.16f), 5, walkOut(WALK_OMNI_RIGHT, 0.5), 5},
        {0.3f, -0.3f, 5, walkOut(WALK_OMNI_RIGHT, 0.8), 0},
        {0.411f, 0, 5, walkOut(WALK_OMNI_FORWARD, 0.3), 5},
        {0.418f, 0, 5, walkOut(WALK_OMNI_FORWARD, 0.3), 5},
        {0.5f, 0.3f, 5, walkOut(WALK_OMNI_LEFT, 0.5), 0},
        {0.5f, -0.3f, 5, walkOut(WALK_OMNI_RIGHT, 0.5), 0},
        {0.6f, 0, 5, walkOut(WALK_OMNI_FORWARD, 0.4), 0},
        {0.6f, 0.3f, 5, walkOut(WALK_OMNI_LEFT, 0.5), 0},
        {0.6f, -0.3f, 5, walkOut(WALK_OMNI_RIGHT, 0.5), 0},
        {0.7f, 0, 5, walkOut(WALK_OMNI_FORWARD, 0.4), 0},
        {0.71f, 0, 5, walkOut(WALK_OMNI_FORWARD, 0.5), 0},
    };
    for (const BandRow& row : rows) runRow(row, true);
}

// Waits counted, then the kick with the type of the first kick-phase call.
TEST_F(CountedKickTest, WaitsThenKicksWithTheTypeAndSupportLegOfTheBall)
{
    struct Case { bool kickOff; float x, y; bool leftHold; KickType type; };
    const Case cases[] = {
        {false, 0.3f, 0.05f, false, KICK_TYPE_1},
        {false, 0.38f, -0.05f, true, KICK_TYPE_2},
        {false, 0.41f, 0, false, KICK_TYPE_3},
        {true, 0.3f, 0.05f, false, KICK_TYPE_1},
        {true, 0.38f, -0.05f, true, KICK_TYPE_2},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(::testing::Message() << c.kickOff << " " << c.x << ", " << c.y);
        deleteSkillSingletons();
        sceneWithBall(c.x, c.y);
        const int waits = c.kickOff ? 40 : 30;
        for (int i = 0; i < waits; ++i)
        {
            const std::size_t from = SwitchRecord::calls().size();
            kick(c.kickOff);
            expectOutcome(from, motionOut(WAIT));
        }
        for (int i = 0; i < 3; ++i)
        {
            const std::size_t from = SwitchRecord::calls().size();
            kick(c.kickOff);
            expectKick(from, c.leftHold, c.type);
        }
    }
}

TEST_F(CountedKickTest, DriftOutOfTheWindowResetsCountAndType)
{
    sceneWithBall(0.3f, 0);
    for (int i = 0; i < 31; ++i) kick(false);
    EXPECT_EQ(Skills::instance()->noDirKickState().mkick1, 1);
    ASSERT_TRUE(SkillScene::ballAt(0.38f, 0.21f));
    std::size_t from = SwitchRecord::calls().size();
    kick(false);
    expectOutcome(from, walkOut(WALK_OMNI_LEFT, 0.7));
    EXPECT_EQ(Skills::instance()->noDirKickState().kickCount, 0);
    ASSERT_TRUE(SkillScene::ballAt(0.38f, 0));
    for (int i = 0; i < 30; ++i) kick(false);
    from = SwitchRecord::calls().size();
    kick(false);
    expectKick(from, false, KICK_TYPE_2);
}

TEST_F(CountedKickTest, TypeStaysWhenTheBallMovesInsideTheWindow)
{
    sceneWithBall(0.3f, 0);
    for (int i = 0; i < 31; ++i) kick(false);
    ASSERT_TRUE(SkillScene::ballAt(0.44f, -0.15f));
    const std::size_t from = SwitchRecord::calls().size();
    kick(false);
    expectKick(from, true, KICK_TYPE_1);
}

// At the check count another running motion starts the count again.
TEST_F(CountedKickTest, CheckCountWithAnotherMotionRunningResets)
{
    for (bool kickOff : {false, true})
        for (bool waiting : {true, false})
        {
            SCOPED_TRACE(::testing::Message() << kickOff << " " << waiting);
            deleteSkillSingletons();
            sceneWithBall(0.3f, 0);
            const int check = kickOff ? 30 : 20;
            for (int i = 0; i < check; ++i) kick(kickOff);
            if (!waiting) SwitchRecord::fixRunning(WALK_OMNI);
            const std::size_t from = SwitchRecord::calls().size();
            kick(kickOff);
            expectOutcome(from, motionOut(WAIT));
            Skills& skills = *Skills::instance();
            EXPECT_EQ((kickOff ? skills.kickOffState() : skills.noDirKickState()).kickCount, waiting ? check + 1 : 1);
        }
}

TEST_F(CountedKickTest, FarBallWalksToTheBall)
{
    for (bool kickOff : {false, true})
    {
        deleteSkillSingletons();
        sceneWithBall(3.0f, 0);
        const std::size_t from = SwitchRecord::calls().size();
        kick(kickOff);
        expectOutcome(from, walkOut(WALK_OMNI_FORWARD, -1));
        EXPECT_EQ(GetWalkOmniType::instance()->getTargetPos(), WorldModel::instance()->getBallPos());
        Skills& skills = *Skills::instance();
        EXPECT_EQ((kickOff ? skills.kickOffState() : skills.noDirKickState()).kickCount, 0);
    }
}

// The ball is re-read at a ball confidence of 9.8f and above.
TEST_F(CountedKickTest, BallGate)
{
    struct Row { double confidence; Outcome want; };
    for (const Row& row : {Row{9.8000002, walkOut(WALK_OMNI_FORWARD, 0.4)}, Row{9.8, motionOut(WAIT)}})
    {
        SCOPED_TRACE(row.confidence);
        deleteSkillSingletons();
        sceneWithBall(0.3f, 0);
        kick(false);
        ASSERT_TRUE(SkillScene::ballAt(0.5f, 0));
        SkillScene::setGlobalConfidence(BALL, row.confidence);
        const std::size_t from = SwitchRecord::calls().size();
        kick(false);
        expectOutcome(from, row.want);
    }
}

TEST_F(CountedKickTest, KickOffAimsFirst)
{
    struct Row { double heading; Outcome want; };
    const Row rows[] = {
        {-10.0, motionOut(WAIT)},
        {-10.1, walkOut(WALK_OMNI_TURN_L, 1.0)},
        {10.1, walkOut(WALK_OMNI_TURN_R, 1.0)},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.heading);
        deleteSkillSingletons();
        sceneWithBall(0.3f, 0, row.heading);
        Skills::instance()->kickOffState().kickCount = 5;
        const std::size_t from = SwitchRecord::calls().size();
        kick(true);
        expectOutcome(from, row.want);
        EXPECT_EQ(Skills::instance()->kickOffState().kickCount, row.want.action == WAIT ? 6 : 5);
    }
}

class KickBallTest : public SkillTest {};

// Bearing of the target exactly 10 degrees goes on to the kick; beyond it turns.
TEST_F(KickBallTest, TurnsBeyondTenDegrees)
{
    struct Row { double heading; Outcome want; };
    const Row rows[] = {
        {-10.0, motionOut(WAIT)},
        {10.0, motionOut(WAIT)},
        {-10.1, walkOut(WALK_OMNI_TURN_L, 1.0)},
        {10.1, walkOut(WALK_OMNI_TURN_R, 1.0)},
    };
    for (bool withTarget : {false, true})
        for (const Row& row : rows)
        {
            SCOPED_TRACE(::testing::Message() << withTarget << " " << row.heading);
            deleteSkillSingletons();
            sceneWithBall(0.3f, 0, row.heading);
            const std::size_t from = SwitchRecord::calls().size();
            if (withTarget) Skills::instance()->kickBall(salt::Vector3f(15, 0, 0));
            else Skills::instance()->kickBall();
            expectOutcome(from, row.want);
        }
}

// kickBall(target) keeps its bearing below an own confidence of 9.6f.
TEST_F(KickBallTest, TargetBearingGate)
{
    struct Row { double confidence; Outcome want; };
    for (const Row& row : {Row{9.6000004, motionOut(WAIT)}, Row{9.6, walkOut(WALK_OMNI_TURN_L, 1.0)}})
    {
        SCOPED_TRACE(row.confidence);
        deleteSkillSingletons();
        sceneWithBall(0.3f, 0, -10.1);
        Skills::instance()->kickBall(salt::Vector3f(15, 0, 0));
        WorldModel::instance()->setMyAngle(0.0);
        SkillScene::setGlobalConfidence(WorldModel::instance()->getMyObject(), row.confidence);
        const std::size_t from = SwitchRecord::calls().size();
        Skills::instance()->kickBall(salt::Vector3f(15, 0, 0));
        expectOutcome(from, row.want);
    }
}

class SideKickTest : public SkillTest
{
protected:
    // One call of the chosen form in the current world; whether it dribbled.
    static bool sideKick(bool withTarget, salt::Vector3f target = salt::Vector3f(15, 0, 0))
    {
        Skills& skills = *Skills::instance();
        skills.dribbleState().primed = false;
        if (withTarget) skills.SideKick(target);
        else skills.SideKick();
        return skills.dribbleState().primed;
    }
};

// Steps 3 to 5: dribble when the ball lies beyond a goal line or behind the robot.
TEST_F(SideKickTest, DribblesBeyondTheGoalLinesAndBehindTheRobot)
{
    struct Row { float meX, ballX; bool dribbles; };
    const Row rows[] = {
        {14.0f, 15.0f, true}, {14.0f, 14.9f, false},
        {-14.0f, -15.1f, true}, {-15.5f, -15.0f, false},
        {5.0f, 4.89f, true}, {5.0f, 4.9f, false},
    };
    for (bool withTarget : {true, false})
        for (const Row& row : rows)
        {
            SCOPED_TRACE(::testing::Message() << withTarget << " " << row.meX << " " << row.ballX);
            deleteSkillSingletons();
            SkillScene().me(row.meX, 0, 0).ball(row.ballX, 0).apply();
            EXPECT_EQ(sideKick(withTarget), row.dribbles);
        }
}

// Behind the own goal line the dribble latches until the ball is beyond -15.
TEST_F(SideKickTest, OwnGoalLineLatch)
{
    SkillScene().me(-15.5f, 0, 0).ball(-15.1f, 0).apply();
    EXPECT_TRUE(sideKick(true));
    SkillScene().me(-15.5f, 0, 0).ball(-15.0f, 0).apply();
    EXPECT_TRUE(sideKick(true));
    SkillScene().me(-15.5f, 0, 0).ball(-14.9f, 0).apply();
    EXPECT_TRUE(sideKick(true));
    EXPECT_FALSE(sideKick(true));
}

// Walks to the point 0.25 m behind the ball from beyond 0.7 m until within
// 0.39 m, slowing down over the last metre only in the target form.
TEST_F(SideKickTest, WalkToThePreBallPointLatch)
{
    struct Step { float meX; bool walks; };
    const Step steps[] = {{4.25f, false}, {3.95f, true}, {4.25f, true}, {4.4f, true}, {4.25f, false}};
    for (bool withTarget : {true, false})
    {
        SCOPED_TRACE(withTarget);
        deleteSkillSingletons();
        for (const Step& step : steps)
        {
            SCOPED_TRACE(step.meX);
            SkillScene().me(step.meX, 0, 0).ball(5.0f, 0).apply();
            const std::size_t from = SwitchRecord::calls().size();
            sideKick(withTarget);
            const salt::Vector3f p(4.75f, 0, 0.04f);
            if (!step.walks)
            {
                // Aims, or kicks by walking to the ball.
                if (callsSince(from).back().action == WALK_OMNI)
                {
                    EXPECT_NE(GetWalkOmniType::instance()->getTargetPos(), p);
                }
                continue;
            }
            const double e = 4.75 - step.meX;
            expectOutcome(from, walkOut(WALK_OMNI_FORWARD, withTarget ? e : 1.0, 1e-6));
            EXPECT_EQ(GetWalkOmniType::instance()->getTargetPos(), p);
        }
    }
}

// Aiming by the target bearing (heading h gives bearing -h); within 5
// degrees the next call kicks, beyond 45 with the ball near it aims again.
TEST_F(SideKickTest, AimsThenKicks)
{
    struct Row { double heading; ActionType turn; bool kicksNext; };
    const Row rows[] = {
        {-40, FAST_TURN_L, false}, {-30, SLOW_TURN_L, false}, {-4.9, SLOW_TURN_L, true},
        {0, SLOW_TURN_R, true}, {4.9, SLOW_TURN_R, true}, {30, SLOW_TURN_R, false}, {40, FAST_TURN_R, false},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.heading);
        deleteSkillSingletons();
        SkillScene().me(4.7f, 0, row.heading).ball(5.0f, 0).apply();
        std::size_t from = SwitchRecord::calls().size();
        sideKick(true);
        expectOutcome(from, motionOut(row.turn));
        from = SwitchRecord::calls().size();
        sideKick(true);
        EXPECT_EQ(callsSince(from).back().action == WALK_OMNI, row.kicksNext);
    }
}

TEST_F(SideKickTest, KickingGoesBackToAimingBeyondFortyFiveDegreesNearTheBall)
{
    struct Row { float meX; bool aimsAgain; };
    for (const Row& row : {Row{4.7f, true}, Row{4.3f, false}})
    {
        SCOPED_TRACE(row.meX);
        deleteSkillSingletons();
        SkillScene().me(row.meX, 0, 0).ball(5.0f, 0).apply();
        sideKick(true);  // aims, within 5 degrees
        SkillScene().me(row.meX, 0, -50).ball(5.0f, 0).apply();
        std::size_t from = SwitchRecord::calls().size();
        sideKick(true);
        EXPECT_EQ(callsSince(from).back().action, WALK_OMNI);  // still kicking
        from = SwitchRecord::calls().size();
        sideKick(true);
        EXPECT_EQ(callsSince(from).back().action, row.aimsAgain ? FAST_TURN_L : WALK_OMNI);
    }
}

// Each call walks to the pre-ball point of its own target.
TEST_F(SideKickTest, EachCallUsesItsOwnTarget)
{
    SkillScene().me(2.0f, 0, 0).ball(5.0f, 2.0f).apply();
    sideKick(true, salt::Vector3f(7.5f, 0, 0));
    sideKick(true, salt::Vector3f(15.0f, 0, 0));
    const salt::Vector3f p = GetWalkOmniType::instance()->getTargetPos();
    const double len = std::hypot(-10.0, 2.0);
    EXPECT_NEAR(p.x(), 5.0 - 0.25 * 10.0 / len, 1e-6);
    EXPECT_NEAR(p.y(), 2.0 + 0.25 * 2.0 / len, 1e-6);
}

// A ball on the target: the pre-ball point lies 0.25 m toward -x, not NaN.
TEST_F(SideKickTest, BallOnTheTarget)
{
    SkillScene().me(2.0f, 0, 0).ball(7.5f, 0).apply();
    sideKick(true, salt::Vector3f(7.5f, 0, 0));
    EXPECT_EQ(GetWalkOmniType::instance()->getTargetPos(), salt::Vector3f(7.25f, 0, 0.04f));
}

class XNoDirkickBallTest : public SkillTest {};

TEST_F(XNoDirkickBallTest, Rows)
{
    struct Row { float x, y; Outcome want; int leftHold; };  // leftHold -1: not set
    const double xForward = static_cast<double>(0.5f) - 0.2;
    const Row rows[] = {
        {0.5f, 0, walkOut(WALK_OMNI_FORWARD, xForward), -1},
        {0.3f, -0.2f, walkOut(WALK_OMNI_RIGHT, 0.6), -1},
        {0.3f, -0.15f, walkOut(WALK_OMNI_RIGHT, 0.6), -1},
        {0.3f, above(-0.15f), motionOut(KICK_R), 1},
        {0.3f, -0.12f, motionOut(KICK_R), 1},
        {0.3f, -0.1f, motionOut(KICK_R), 1},
        {0.3f, above(-0.1f), walkOut(WALK_OMNI_LEFT, 0.015337686570547088, 1e-9), -1},
        {0.3f, 0, walkOut(WALK_OMNI_LEFT, 0.36939806251812923, 1e-9), -1},
        {0.3f, -0.005f, walkOut(WALK_OMNI_LEFT, 0.35307951691091516, 1e-9), -1},
        {0.3f, 0.005f, walkOut(WALK_OMNI_LEFT, 0.38520107117597474, 1e-9), -1},
        {0.3f, above(0.005f), walkOut(WALK_OMNI_RIGHT, 0.35307951536716214, 1e-9), -1},
        {0.3f, below(0.1f), walkOut(WALK_OMNI_RIGHT, 0.015337686570547088, 1e-9), -1},
        {0.3f, 0.1f, motionOut(KICK_L), 0},
        {0.3f, 0.12f, motionOut(KICK_L), 0},
        {0.3f, below(0.15f), motionOut(KICK_L), 0},
        {0.3f, 0.15f, walkOut(WALK_OMNI_LEFT, 0.6), -1},
        {0.25f, 0, walkOut(WALK_OMNI_BACKWARD, 0.6), -1},
        {0.0f, 0, walkOut(WALK_OMNI_BACKWARD, 0.6), -1},
        {-0.1f, 0.1f, walkOut(WALK_OMNI_RIGHT, 0.4), -1},
        {-0.2f, -0.1f, walkOut(WALK_OMNI_LEFT, 0.4), -1},
        {-0.2f, 0.25f, walkOut(WALK_OMNI_BACKWARD, 0.5), -1},
        {-0.2f, -0.25f, walkOut(WALK_OMNI_BACKWARD, 0.5), -1},
        {-0.2f, 0.3f, walkOut(WALK_OMNI_BACKWARD, 0.5), -1},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(::testing::Message() << row.x << ", " << row.y);
        deleteSkillSingletons();
        sceneWithBall(row.x, row.y);
        const std::size_t from = SwitchRecord::calls().size();
        EXPECT_FALSE(Skills::instance()->XNoDirkickBall().empty());
        expectOutcome(from, row.want);
        const std::vector<SwitchCall> calls = callsSince(from);
        EXPECT_EQ(calls.size(), row.leftHold < 0 && row.want.action != WALK_OMNI ? 1u : 2u);
        if (row.leftHold >= 0)
        {
            ASSERT_EQ(calls[0].kind, SwitchCall::LEFT_HOLD);
            EXPECT_EQ(calls[0].leftHold, row.leftHold == 1);
        }
    }
}

// From 0.6 m on it walks to the ball, slowing down.
TEST_F(XNoDirkickBallTest, FarBallWalksToItSlowly)
{
    sceneWithBall(0.6f, 0);
    const std::size_t from = SwitchRecord::calls().size();
    Skills::instance()->XNoDirkickBall();
    expectOutcome(from, walkOut(WALK_OMNI_FORWARD, 0.6, 1e-6));
    EXPECT_EQ(GetWalkOmniType::instance()->getTargetPos(), WorldModel::instance()->getBallPos());
}

}  // namespace
