#include <cmath>
#include <ostream>
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

const salt::Vector3f kGoal(15, 0, 0);

// Where the dribble walked or turned: a walk target, or a turn.
enum class Went { BALL, POINT, LEFT, RIGHT };

struct Pose
{
    float x, y;
    double heading;
};

class DribbleTest : public SkillTest
{
protected:
    static DribbleState& state() { return Skills::instance()->dribbleState(); }

    // One call in a fresh world: robot, ball, target; phase and latch set first.
    static void runFresh(Pose me, float ballX, float ballY, salt::Vector3f target, int phase, bool turnToBall = false)
    {
        deleteSkillSingletons();
        SkillScene().me(me.x, me.y, me.heading).ball(ballX, ballY).apply();
        state().drriblePhase = phase;
        state().turnToBall = turnToBall;
        Skills::instance()->fastDribbleToPoint(target);
    }

    // The last request: a walk to the ball or to `point`, or a fast turn.
    static void expectWent(Went went, salt::Vector3f point = salt::Vector3f())
    {
        const SwitchCall last = SwitchRecord::actions().back();
        EXPECT_EQ(last.head, HEAD_FOCUS_ON_OBJECT);
        EXPECT_EQ(last.obj, BALL);
        if (went == Went::LEFT || went == Went::RIGHT)
        {
            EXPECT_EQ(last.action, went == Went::LEFT ? FAST_TURN_L : FAST_TURN_R);
            return;
        }
        const salt::Vector3f target = GetWalkOmniType::instance()->getTargetPos();
        const salt::Vector3f want = went == Went::BALL ? WorldModel::instance()->getBallPos() : point;
        EXPECT_NEAR(target.x(), want.x(), 1e-5);
        EXPECT_NEAR(target.y(), want.y(), 1e-5);
        EXPECT_TRUE(std::isfinite(target.z()));
    }
};

struct PhaseRow
{
    const char* name;
    Pose me;
    float ballX, ballY;
    salt::Vector3f target;
    int phase;
    bool turnToBall;
    Went went;
    salt::Vector3f point;  // for Went::POINT
    int nextPhase;
    bool nextTurnToBall;
};

std::ostream& operator<<(std::ostream& os, const PhaseRow& r) { return os << r.name; }

// Ball at the centre unless a row says otherwise; zone rows stand beyond x 6.
// The pre-ball point of a ball at (bx, 0) toward the goal from behind is
// (bx - 0.5, 0): 0.3 m behind the ball, pulled 0.2 m toward the robot.
TEST_F(DribbleTest, PhaseTable)
{
    const salt::Vector3f none;
    const PhaseRow rows[] = {
        {"1: at the pre-ball point", {0, 0.4f, 0}, 0, 0, salt::Vector3f(0, -15, 0), 1, false, Went::BALL, none, 4, false},
        {"1: behind the ball", {-1, 1, 0}, 0, 0, kGoal, 1, false, Went::BALL, none, 4, false},
        {"1: at the near-ball point", {-0.8f, 0.65f, 0}, 0, 0, kGoal, 1, false, Went::BALL, none, 4, false},
        {"1: ahead of the ball", {1, 1, 0}, 0, 0, kGoal, 1, false, Went::POINT, salt::Vector3f(-0.8f, 0.6f, 0), 1, false},
        {"1: ahead, right of the ball", {1, -1, 0}, 0, 0, kGoal, 1, false, Went::POINT, salt::Vector3f(-0.8f, -0.6f, 0), 1, false},
        {"2: behind the pre-ball point", {-0.6f, 0, 0}, 0, 0, kGoal, 2, false, Went::POINT, salt::Vector3f(-0.5f, 0, 0), 3, false},
        {"2: ahead of the ball", {0.2f, 0, 0}, 0, 0, kGoal, 2, false, Went::POINT, salt::Vector3f(-0.1f, 0, 0), 1, false},
        {"2: on the way", {-1, 0, 0}, 0, 0, kGoal, 2, false, Went::POINT, salt::Vector3f(-0.5f, 0, 0), 2, false},
        {"3: far from the pre-ball point", {-1, 0, 0}, 0, 0, kGoal, 3, false, Went::POINT, salt::Vector3f(-0.5f, 0, 0), 2, false},
        {"3: ahead of the ball", {0.15f, 0, 0}, 0, 0, kGoal, 3, false, Went::POINT, salt::Vector3f(-0.1f, 0, 0), 2, false},
        {"3: zone, target to the right", {7.6f, 0, 30}, 8, 0, kGoal, 3, false, Went::RIGHT, none, 3, false},
        {"3: zone, target to the left", {7.6f, 0, -30}, 8, 0, kGoal, 3, false, Went::LEFT, none, 3, false},
        {"3: zone, lined up", {7.6f, 0, 20}, 8, 0, kGoal, 3, false, Went::BALL, none, 4, false},
        {"3: wide zone, lined up", {-0.6f, 5.8f, 0}, 0, 5.8f, salt::Vector3f(15, 5.8f, 0), 3, false, Went::BALL, none, 4, false},
        {"3: ball 40 left", {-0.6f, 0, -40}, 0, 0, kGoal, 3, false, Went::LEFT, none, 3, true},
        {"3: ball 40 right", {-0.6f, 0, 40}, 0, 0, kGoal, 3, false, Went::RIGHT, none, 3, true},
        {"3: ball 30 left, latch clear", {-0.6f, 0, -30}, 0, 0, kGoal, 3, false, Went::BALL, none, 4, false},
        {"3: ball 30 left, latch set", {-0.6f, 0, -30}, 0, 0, kGoal, 3, true, Went::LEFT, none, 3, true},
        {"3: ball 20 left, latch set", {-0.6f, 0, -20}, 0, 0, kGoal, 3, true, Went::BALL, none, 4, false},
        {"3: lined up", {-0.6f, 0, 0}, 0, 0, kGoal, 3, false, Went::BALL, none, 4, false},
        {"4: zone, target beyond 45", {7.6f, 0, 46}, 8, 0, kGoal, 4, false, Went::POINT, salt::Vector3f(7.5f, 0, 0), 2, false},
        {"4: zone, target at 44", {7.6f, 0, 44}, 8, 0, kGoal, 4, false, Went::BALL, none, 4, false},
        {"4: turned away", {-0.6f, 0, 86}, 0, 0, kGoal, 4, false, Went::POINT, salt::Vector3f(-0.5f, 0, 0), 2, false},
        {"4: turned 85", {-0.6f, 0, 85}, 0, 0, kGoal, 4, false, Went::BALL, none, 4, false},
        {"4: 0.15 ahead of the ball", {0.15f, 0, 0}, 0, 0, kGoal, 4, false, Went::POINT, salt::Vector3f(-0.1f, 0, 0), 2, false},
        {"4: pushing", {-0.6f, 0, 0}, 0, 0, kGoal, 4, false, Went::BALL, none, 4, false},
    };
    for (const PhaseRow& row : rows)
    {
        SCOPED_TRACE(row);
        runFresh(row.me, row.ballX, row.ballY, row.target, row.phase, row.turnToBall);
        expectWent(row.went, row.point);
        EXPECT_EQ(state().drriblePhase, row.nextPhase);
        EXPECT_EQ(state().turnToBall, row.nextTurnToBall);
    }
}

// More than two cycles without a call: phase 4 again.
TEST_F(DribbleTest, ContinuityAcrossCycles)
{
    struct Row { int gap; int phase; Went went; };
    for (const Row& row : {Row{2, 2, Went::POINT}, Row{4, 4, Went::BALL}, Row{3, 4, Went::BALL}})
    {
        SCOPED_TRACE(row.gap);
        runFresh({-1, 0, 0}, 0, 0, kGoal, 2);
        for (int i = 0; i < row.gap; ++i) WorldModel::instance()->updateCurrentCycle();
        Skills::instance()->fastDribbleToPoint(kGoal);
        expectWent(row.went, salt::Vector3f(-0.5f, 0, 0));
        EXPECT_EQ(state().drriblePhase, row.phase);
    }
}

// Wide ball near the goal line: the touch-line width by x decides the mode
// (a walk to the pre-ball point in state 1, where phase 4 walks to the ball).
TEST_F(DribbleTest, WideModeByBoundWidth)
{
    struct Row { float x, y; bool wide; };
    const Row rows[] = {
        {11.0f, 6.0f, false}, {11.01f, 6.0f, true}, {12.5f, 5.0f, false}, {12.5f, 6.0f, true},
        {13.0f, 3.0f, false}, {13.01f, 3.0f, true}, {13.99f, 2.0f, false}, {14.0f, 2.0f, true},
        {14.0f, 1.5f, false}, {14.0f, -1.6f, true},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(::testing::Message() << row.x << ", " << row.y);
        runFresh({row.x - 1.0f, row.y, 0}, row.x, row.y, salt::Vector3f(15, row.y, 0), 4);
        const salt::Vector3f target = GetWalkOmniType::instance()->getTargetPos();
        EXPECT_EQ(target != WorldModel::instance()->getBallPos(), row.wide);
        EXPECT_EQ(state().drriblePhase, 4);
    }
}

TEST_F(DribbleTest, LiningUpBearingsByBallPosition)
{
    struct Row { float x, y; double in, out; };
    const Row rows[] = {
        {13.0f, 0.5f, 20, 45}, {13.01f, 0.5f, 35, 40}, {14.0f, 0.5f, 35, 40}, {14.01f, 0.5f, 40, 60},
        {14.01f, 0.99f, 40, 60}, {14.01f, -0.99f, 40, 60}, {14.01f, 1.0f, 20, 45}, {13.5f, -1.0f, 20, 45},
        {14.2f, 0.5f, 40, 60},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(::testing::Message() << row.x << ", " << row.y);
        runFresh({row.x - 1.0f, 0, 0}, row.x, row.y, kGoal, 4);
        EXPECT_EQ(state().inDoorMidRelAngle, row.in);
        EXPECT_EQ(state().outDoorMidRelAngle, row.out);
    }
}

// The pre-ball point, read where phase 2 walks to it or wide mode's state 1 does.
TEST_F(DribbleTest, PreBallPoint)
{
    struct Row
    {
        const char* name;
        Pose me;
        float ballX, ballY;
        salt::Vector3f target;
        salt::Vector3f point;
    };
    const Row rows[] = {
        {"0.3 m behind, pulled 0.2 m", {-2, 0, 0}, 0, 0, kGoal, salt::Vector3f(-0.5f, 0, 0)},
        {"pull in the plane, robot higher", {-1.3f, 0, 0}, 0, 0, kGoal, salt::Vector3f(-0.5f, 0, 0)},
        {"|y| 7 keeps 0.3", {-2, 7, 0}, 0, 7, salt::Vector3f(15, 7, 0), salt::Vector3f(-0.5f, 7, 0)},
        {"|y| beyond 7: 0.5", {-2, -7.5f, 0}, 0, -7.5f, salt::Vector3f(15, -7.5f, 0), salt::Vector3f(-0.7f, -7.5f, 0)},
        {"wide, robot nearer the middle", {12, 0, 0}, 12.5f, 6, kGoal, salt::Vector3f(12, 6.3f, 0)},
        {"wide, robot nearer the middle and ahead", {13, 0, 0}, 12.5f, 6, kGoal, salt::Vector3f(13, 6.3f, 0)},
        {"wide, right touch line", {12, 0, 0}, 12.5f, -6, kGoal, salt::Vector3f(12, -6.3f, 0)},
        {"wide, robot nearer the touch line", {12.48f, 9, 0}, 12.5f, 6, kGoal, salt::Vector3f(12.48f, 6.45f, 0)},
        {"wide, before x 12: the line", {9, 6, 0}, 11.5f, 6, salt::Vector3f(15, 6, 0), salt::Vector3f(11, 6, 0)},
        {"near the goal line", {12, 0, 0}, 14.5f, 0, salt::Vector3f(15, 3, 0), salt::Vector3f(14, 0, 0)},
        {"near the goal line at 14.2", {12, 0.5f, 0}, 14.2f, 0.5f, kGoal, salt::Vector3f(13.7f, 0.5f, 0)},
        {"wide wins over the goal line", {14, 0, 0}, 14.5f, 2, kGoal, salt::Vector3f(14, 2.3f, 0)},
        {"ball on the target", {3, 0, 0}, 5, 0, salt::Vector3f(5, 0, 0), salt::Vector3f(4.5f, 0, 0)},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        runFresh(row.me, row.ballX, row.ballY, row.target, 2);
        expectWent(Went::POINT, row.point);
    }
}

// A robot standing on the pre-ball point is not pulled toward (no NaN).
TEST_F(DribbleTest, RobotOnThePreBallPoint)
{
    runFresh({-0.3f, 0, 0}, 0, 0, kGoal, 2);
    expectWent(Went::POINT, salt::Vector3f(-0.3f, 0, 0));
    EXPECT_EQ(state().drriblePhase, 3);
    EXPECT_TRUE(std::isfinite(state().preBallBodyRelPos.x()));
    EXPECT_TRUE(std::isfinite(state().preBallBodyRelPos.y()));
}

// Wide mode with the ball at (12.5, 6): on the pre-ball point (12.48, 6.45)
// or 0.98 m from it; the heading sets the ball's bearing.
class WideModeTest : public DribbleTest
{
protected:
    static void run(bool far, int state0, double ballBearing)
    {
        const float x = far ? 11.5f : 12.48f, y = 6.45f;
        const double heading = std::atan2(6.0 - y, 12.5 - x) * 180.0 / M_PI - ballBearing;
        deleteSkillSingletons();
        SkillScene().me(x, y, heading).ball(12.5f, 6).apply();
        state().drriblePhase = 3;
        state().si_qu_daiqiu = state0;
        Skills::instance()->fastDribbleToPoint(kGoal);
    }

    // The pre-ball point (12.48, 6.25) pulled 0.2 m toward the robot.
    static salt::Vector3f preBall(bool far)
    {
        if (!far) return salt::Vector3f(12.48f, 6.45f, 0);
        const double dx = 11.5 - 12.48, dy = 6.45 - 6.25, len = std::hypot(dx, dy);
        return salt::Vector3f(static_cast<float>(12.48 + 0.2 * dx / len), static_cast<float>(6.25 + 0.2 * dy / len), 0);
    }
};

TEST_F(WideModeTest, Transitions)
{
    enum Result { PRE_BALL, BALL_WALK, STEP_LEFT, STEP_RIGHT, MOTION };
    struct Row
    {
        const char* name;
        bool far;
        int from;
        double ballBearing;
        int to;
        Result result;
        ActionType motion;  // for MOTION
    };
    const Row rows[] = {
        {"1: behind, facing the ball", false, 1, 0, 3, PRE_BALL, UNKNOWN},
        {"1: behind, ball 20 to the side", false, 1, 20, 2, PRE_BALL, UNKNOWN},
        {"1: far", true, 1, 20, 1, PRE_BALL, UNKNOWN},
        {"2: facing the ball", false, 2, 5, 3, MOTION, WAIT},
        {"2: turning", false, 2, 20, 2, MOTION, FAST_TURN_L},
        {"2: too far", true, 2, -20, 1, MOTION, FAST_TURN_R},
        {"3: ball 30 left, side step", false, 3, 30, 3, STEP_LEFT, UNKNOWN},
        {"3: ball 30 right, side step", false, 3, -30, 3, STEP_RIGHT, UNKNOWN},
        {"3: ball ahead, push", false, 3, 0, 3, BALL_WALK, UNKNOWN},
        {"3: ball 40 left, back to 1 and steps", false, 3, 40, 1, STEP_LEFT, UNKNOWN},
        {"3: far, back to 1 and pushes", true, 3, -36, 1, BALL_WALK, UNKNOWN},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        run(row.far, row.from, row.ballBearing);
        switch (row.result)
        {
        case PRE_BALL: expectWent(Went::POINT, preBall(row.far)); break;
        case BALL_WALK: expectWent(Went::BALL); break;
        case STEP_LEFT: expectOutcome(0, walkOut(WALK_OMNI_LEFT, 1.0)); break;
        case STEP_RIGHT: expectOutcome(0, walkOut(WALK_OMNI_RIGHT, 1.0)); break;
        case MOTION: expectOutcome(0, motionOut(row.motion)); break;
        }
        EXPECT_EQ(state().si_qu_daiqiu, row.to);
        EXPECT_EQ(state().drriblePhase, 3);
    }
}

// The seen values are re-read only at exactly 10 (ball seen now, own position
// worked out now); the pre-ball point's relative position from 9.99f
// (9.9899997711) on.
TEST_F(DribbleTest, RefreshGates)
{
    struct Row { double ballLocal, own; bool ballRead, targetRead, preBallRead; };
    const Row rows[] = {
        {10.0, 10.0, true, true, true},
        {9.98, 9.9899998, false, false, true},
        {9.98, 9.9899997, false, false, false},
        {10.0, 9.98, true, false, false},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(::testing::Message() << row.ballLocal << " " << row.own);
        runFresh({-2, 0, 0}, 0, 0, kGoal, 2);
        const DribbleState before = state();
        SkillScene().me(-2, 0.5f, 20).ball(0.5f, 0.3f).apply();
        SkillScene::setLocalConfidence(BALL, row.ballLocal);
        SkillScene::setGlobalConfidence(WorldModel::instance()->getMyObject(), row.own);
        Skills::instance()->fastDribbleToPoint(kGoal);
        EXPECT_EQ(state().angBall != before.angBall, row.ballRead);
        EXPECT_EQ(state().ballRelPos != before.ballRelPos, row.ballRead);
        EXPECT_EQ(state().targetRelAngle != before.targetRelAngle, row.targetRead);
        EXPECT_EQ(state().preBallBodyRelPos != before.preBallBodyRelPos, row.preBallRead);
    }
}

}  // namespace
