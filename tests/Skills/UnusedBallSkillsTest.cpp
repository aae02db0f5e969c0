// The ball skills that nothing calls yet: their main paths.
#include <cmath>
#include <functional>
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

struct BallRow
{
    float x, y;
    Outcome want;
    bool toBall;  // a walk whose target is the ball
};

class UnusedBallSkill : public SkillTest
{
protected:
    void runRows(const std::vector<BallRow>& rows, const std::function<std::string(Skills&)>& skill)
    {
        for (const BallRow& row : rows)
        {
            SCOPED_TRACE(::testing::Message() << row.x << ", " << row.y);
            deleteSkillSingletons();
            sceneWithBall(row.x, row.y);
            EXPECT_FALSE(skill(*Skills::instance()).empty());
            expectOutcome(0, row.want);
            if (row.toBall)
            {
                EXPECT_EQ(GetWalkOmniType::instance()->getTargetPos(), WorldModel::instance()->getBallPos());
            }
        }
    }

    static void expectWalkTarget(float x, float y)
    {
        const salt::Vector3f target = GetWalkOmniType::instance()->getTargetPos();
        EXPECT_NEAR(target.x(), x, 1e-5);
        EXPECT_NEAR(target.y(), y, 1e-5);
    }
};

// A ball close in front of the feet steps back as one behind them.
TEST_F(UnusedBallSkill, KickRightLeft)
{
    const Outcome any = walkOut(WALK_OMNI_FORWARD, -1);
    runRows({
        {1.1f, 0, any, true},
        {1.0f, 0, walkOut(WALK_OMNI_FORWARD, 0.5), false},
        {0.2f, -0.3f, motionOut(KICKRIGHT90), false},
        {0.2f, -0.38f, motionOut(KICKRIGHT90), false},
        {0.2f, 0, walkOut(WALK_OMNI_LEFT, 0.28), false},
        {0.2f, -0.4f, walkOut(WALK_OMNI_RIGHT, 0.4), false},
        {0.2f, 0.3f, motionOut(KICKLEFT90), false},
        {0.2f, 0.1f, walkOut(WALK_OMNI_RIGHT, 0.18, 1e-6), false},
        {0.2f, 0.45f, walkOut(WALK_OMNI_LEFT, 0.4), false},
        {0.8f, 0, walkOut(WALK_OMNI_FORWARD, 0.5), false},
        {0.4f, 0.1f, motionOut(SLOW_TURN_R), false},
        {0.4f, -0.1f, motionOut(SLOW_TURN_L), false},
        {0.1f, 0, walkOut(WALK_OMNI_BACKWARD, 0.25), false},
        {0.0f, 0, walkOut(WALK_OMNI_BACKWARD, 0.25), false},
        {-0.2f, 0.1f, walkOut(WALK_OMNI_BACKWARD, 0.25), false},
    }, [](Skills& s) { return s.KickRightLeft(); });
}

TEST_F(UnusedBallSkill, NoDirKickBallLeft45)
{
    runRows({
        {0.3f, 0, motionOut(WAIT), false},
        {0.3f, 0.04f, motionOut(WAIT), false},
        {0.3f, 0.05f, walkOut(WALK_OMNI_LEFT, 0.2), false},
        {0.3f, 0.25f, walkOut(WALK_OMNI_LEFT, 0.7), false},
        {0.3f, 0.35f, walkOut(WALK_OMNI_LEFT, 1.0), false},
        {0.3f, -0.1f, walkOut(WALK_OMNI_RIGHT, 0.2), false},
        {0.3f, -0.25f, walkOut(WALK_OMNI_RIGHT, 0.7), false},
        {0.3f, -0.35f, walkOut(WALK_OMNI_RIGHT, 1.0), false},
        {0.5f, 0, walkOut(WALK_OMNI_FORWARD, 0.4), false},
        {0.6f, 0.3f, walkOut(WALK_OMNI_LEFT, 0.7), false},
        {0.6f, -0.3f, walkOut(WALK_OMNI_RIGHT, 0.7), false},
        {0.6f, 0, walkOut(WALK_OMNI_FORWARD, -1), true},
        {0.2f, 0, walkOut(WALK_OMNI_FORWARD, 1.0), false},
        {0.2f, 0.3f, walkOut(WALK_OMNI_TURN_L, 1.0), false},
        {0.1f, -0.3f, walkOut(WALK_OMNI_TURN_R, 1.0), false},
    }, [](Skills& s) { return s.noDirKickBallLeft45(); });
}

// The mirrored window; the last speeds differ.
TEST_F(UnusedBallSkill, NoDirKickBallRight45)
{
    runRows({
        {0.3f, 0.05f, motionOut(WAIT), false},
        {0.3f, -0.05f, walkOut(WALK_OMNI_RIGHT, 0.2), false},
        {0.3f, 0.1f, walkOut(WALK_OMNI_LEFT, 0.2), false},
        {0.3f, -0.25f, walkOut(WALK_OMNI_RIGHT, 0.7), false},
        {0.5f, 0, walkOut(WALK_OMNI_FORWARD, 0.4), false},
        {0.6f, 0, walkOut(WALK_OMNI_FORWARD, 0.7), false},
        {0.2f, 0, walkOut(WALK_OMNI_FORWARD, 0.8), false},
    }, [](Skills& s) { return s.noDirKickBallRight45(); });
}

// Forty counted waits, then each its own angled kick. A side step toward the
// left resets the count in both; toward the right only in the left kick.
TEST_F(UnusedBallSkill, AngledKicksCountThenKick)
{
    struct Case { bool right; float stepY; int waitsAfterStep; };
    const Case cases[] = {{false, 0.05f, 40}, {false, -0.15f, 40}, {true, 0.15f, 40}, {true, -0.05f, 30}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(::testing::Message() << c.right << " " << c.stepY);
        deleteSkillSingletons();
        Skills& skills = *Skills::instance();
        auto kick = [&] { return c.right ? skills.noDirKickBallRight45() : skills.noDirKickBallLeft45(); };
        sceneWithBall(0.35f, 0);
        for (int i = 0; i < 10; ++i) kick();
        ASSERT_TRUE(SkillScene::ballAt(0.35f, c.stepY));
        kick();
        ASSERT_TRUE(SkillScene::ballAt(0.35f, 0));
        for (int i = 0; i < c.waitsAfterStep; ++i)
        {
            const std::size_t from = SwitchRecord::calls().size();
            kick();
            expectOutcome(from, motionOut(WAIT));
        }
        const std::size_t from = SwitchRecord::calls().size();
        kick();
        expectOutcome(from, motionOut(c.right ? KICKRIGHT45 : KICKLEFT45));
    }
}

TEST_F(UnusedBallSkill, KickBallToPoint)
{
    struct Row { double heading; float x; Outcome want; };
    const Row rows[] = {
        {0, 1.0f, walkOut(WALK_OMNI_FORWARD, -1)},
        {0, -0.2f, motionOut(WALK_BACKWARD)},
        {-30, 0.3f, motionOut(FAST_TURN_L)},
        {30, 0.3f, motionOut(FAST_TURN_R)},
        {0, 0.3f, motionOut(WAIT)},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(::testing::Message() << row.heading << " " << row.x);
        deleteSkillSingletons();
        // A sighting straight behind reads y a hair off 0; 0.01 is exact.
        sceneWithBall(row.x, row.x < 0 ? 0.01f : 0.0f, row.heading);
        Skills::instance()->kickBallToPoint(salt::Vector3f(15, 0, 0));
        expectOutcome(0, row.want);
    }
    // The kick at the end is NoDirkickBall's, with its count.
    EXPECT_EQ(Skills::instance()->noDirKickState().kickCount, 1);
}

// The walk to the ball latches from beyond 0.9 m until within 0.7 m.
TEST_F(UnusedBallSkill, KickBallToPointWalkLatch)
{
    struct Step { float x; Outcome want; };
    const Step steps[] = {
        {1.0f, walkOut(WALK_OMNI_FORWARD, -1)}, {0.8f, walkOut(WALK_OMNI_FORWARD, -1)},
        {0.65f, walkOut(WALK_OMNI_FORWARD, -1)}, {0.8f, walkOut(WALK_OMNI_FORWARD, 1.0)},
    };
    sceneWithBall(1.0f, 0);
    for (const Step& step : steps)
    {
        SCOPED_TRACE(step.x);
        ASSERT_TRUE(SkillScene::ballAt(step.x, 0));
        const std::size_t from = SwitchRecord::calls().size();
        Skills::instance()->kickBallToPoint(salt::Vector3f(15, 0, 0));
        expectOutcome(from, step.want);
    }
}

// 0.03 m from the ball toward a point 60 degrees off the line from the robot;
// a robot standing on the ball walks to the ball.
TEST_F(UnusedBallSkill, StraightDribble)
{
    struct Row { float meX; double heading; float x, y; };
    const float s = static_cast<float>(0.03 * std::sqrt(3.0) / 2);
    const Row rows[] = {
        {0, 0, 1.015f, s},
        {0, 10, 1.015f, -s},
        {1, 0, 1, 0},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(::testing::Message() << row.meX << " " << row.heading);
        deleteSkillSingletons();
        SkillScene().me(row.meX, 0, row.heading).ball(1, 0).apply();
        Skills::instance()->straightDribble();
        EXPECT_EQ(SwitchRecord::actions().back().action, WALK_OMNI);
        expectWalkTarget(row.x, row.y);
    }
}

TEST_F(UnusedBallSkill, NewFastDribbleToPoint)
{
    struct Row
    {
        const char* name;
        float meX, meY;
        double heading;
        salt::Vector3f point;
        bool opponentNearBall;
        ActionType action;
        bool toBall;
        float x, y;  // walk target unless toBall
    };
    const salt::Vector3f far(5, 0, 0);
    const Row rows[] = {
        {"ball behind the back", 0, 0, 170, far, false, FAST_TURN_R, false, 0, 0},
        {"free, lined up", 0, 0, 0, far, false, WALK_OMNI, true, 0, 0},
        {"free, near the point", 0, 0, 0, salt::Vector3f(1.5f, 0, 0), false, WALK_OMNI, false, 1.5f, 0},
        {"free, ball 30 to the side", 0, 0, -30, salt::Vector3f(2, 0, 0), false, FAST_TURN_L, false, 0, 0},
        {"free, point well to the side", 0, 0, 0, salt::Vector3f(1, 5, 0), false, WALK_OMNI, false, 1, -0.3f},
        {"opponent near, behind point close", 0.5f, 0, 0, far, true, WALK_OMNI, false, 0.7f, 0},
        {"opponent near, behind point far", 0, 0, 0, far, true, WALK_OMNI, true, 0, 0},
        {"ball behind the robot", 1.2f, 0.1f, 180, far, false, WALK_OMNI, false, 0.7f, 0.4f},
        {"ball on the point", 0.5f, 0, 0, salt::Vector3f(1, 0, 0), true, WALK_OMNI, false, 0.7f, 0},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        deleteSkillSingletons();
        SkillScene scene;
        scene.me(row.meX, row.meY, row.heading).ball(1, 0);
        if (row.opponentNearBall) scene.opponent(1, 1.2f, 0);
        scene.apply();
        Skills::instance()->newFastDribbleToPoint(row.point);
        EXPECT_EQ(SwitchRecord::actions().back().action, row.action);
        if (row.action != WALK_OMNI) continue;
        if (row.toBall)
        {
            EXPECT_EQ(GetWalkOmniType::instance()->getTargetPos(), WorldModel::instance()->getBallPos());
        }
        else
        {
            expectWalkTarget(row.x, row.y);
        }
    }
}

}  // namespace
