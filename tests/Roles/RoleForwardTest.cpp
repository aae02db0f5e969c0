#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Math/MyMath.h"
#include "support/RoleTest.h"

namespace {

class ForwardRole : public RoleTest
{
protected:
    static Call forward9() { return forward(RT_ATTACKER_LEFT); }
};

// Number 9 in open play; number 7 another forward.
const RoleCase kPlayOnCases[] = {
    {"ball on the defensive line is attack: not the chaser, moves off the ball",
     [] { RoleTest::apply(SkillScene().unum(9).me(-3, 2, 0).teammate(7, -1.5f, 0).ball(-1.0f, 0)); },
     [] { return Tactic::instance()->movingWithoutBall(); }},
    {"ball just behind the line is defence: not the last forward, waits",
     [] { RoleTest::apply(SkillScene().unum(9).me(-3, 2, 0).teammate(7, -1.5f, 0).ball(-1.01f, 0)); },
     [] { return RoleTest::walkTo(Tactic::instance()->getForwardWaitPos()); }},
    {"shot from x 11.9",
     [] { RoleTest::apply(SkillScene().unum(9).me(11.9f, 2.3f, 0).ball(11.5f, 2)); },
     RoleTest::kickToGoal},
    {"no shot from x 12.0: dribbles",
     [] { RoleTest::apply(SkillScene().unum(9).me(12.0f, 2.3f, 0).ball(11.5f, 2)); },
     RoleTest::dribbleToGoal},
    {"no shot with an opponent within 1.5 m: dribbles",
     [] { RoleTest::apply(SkillScene().unum(9).me(11.9f, 2.3f, 0).ball(11.5f, 2).opponent(3, 12.5f, 3.5f)); },
     RoleTest::dribbleToGoal},
    {"ball beside the goal mouth: dribbles",
     [] { RoleTest::apply(SkillScene().unum(9).me(13.5f, 3.5f, 0).ball(14, 3)); },
     RoleTest::dribbleToGoal},
    {"ball far: walks to it", [] { RoleTest::apply(SkillScene().unum(9).me(0, 0, 0).ball(3, 2)); },
     RoleTest::walkToBall},
    {"opponent nearer the ball than I am: walks to it",
     [] { RoleTest::apply(SkillScene().unum(9).me(0, 0, 0).ball(0.8f, 0).opponent(3, 1.0f, 0.3f)); },
     RoleTest::walkToBall},
    {"ball at my feet, free: dribbles", [] { RoleTest::apply(SkillScene().unum(9).me(0, 0, 0).ball(-0.3f, 0.3f)); },
     RoleTest::dribbleToGoal},
    {"defence, last forward, the goalie nearest the ball: harries the opponent nearest the ball",
     [] {
         RoleTest::apply(
             SkillScene().unum(9).me(-9, 3, 0).teammate(1, -12.5f, 2).ball(-12, 2).opponent(3, -11, 2));
     },
     [] { return RoleTest::walkTo(RoleTest::at(-9.5f, 1)); }},
    {"the same with the ball at negative y: the other side of the opponent",
     [] {
         RoleTest::apply(
             SkillScene().unum(9).me(-9, -3, 0).teammate(1, -12.5f, -2).ball(-12, -2).opponent(3, -11, -2));
     },
     [] { return RoleTest::walkTo(RoleTest::at(-9.5f, -1)); }},
    {"defence, nearest the ball: walks to it", [] { RoleTest::apply(SkillScene().unum(9).me(-2, 2, 180).ball(-5, 2)); },
     RoleTest::walkToBall},
    {"defence, nearest, ball behind me at my feet: dribbles",
     [] { RoleTest::apply(SkillScene().unum(9).me(-5, 2, 180).ball(-5.3f, 2)); },
     RoleTest::dribbleToGoal},
};

TEST_F(ForwardRole, PlayOnBranches)
{
    for (const RoleCase& c : kPlayOnCases)
    {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(cycle(c.scene, forward9()), cycle(c.scene, c.expected));
    }
}

// Mend: with no opponent placed recently there is nobody to harry; the
// forward goes to the ball without the walk-type error line.
TEST_F(ForwardRole, DefenceWithoutAnOpponentWalksToTheBall)
{
    const Scene scene = [] { apply(SkillScene().unum(9).me(-9, 3, 0).teammate(1, -12.5f, 2).ball(-12, 2)); };
    ::testing::internal::CaptureStdout();
    const Cycle got = cycle(scene, forward9());
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(out.find("TargetPos ERROR"), std::string::npos) << out;
    EXPECT_EQ(tactic().oppAllDistToBall.front(), OBJECT_MAX);
    EXPECT_EQ(got, cycle(scene, [] { return walkTo(wm().getBallPos()); }));
}

// A shot once started goes on outside the window until an opponent comes
// within 0.8 m of me or the ball is more than 1.0 m away.
TEST_F(ForwardRole, ShotLatch)
{
    const Scene start = [] { apply(SkillScene().unum(9).me(11.9f, 2.3f, 0).ball(11.5f, 2)); };
    struct Row { const char* what; Scene then; Call expected; };
    const Row rows[] = {
        {"holds at x 12.5", [] { apply(SkillScene().unum(9).me(12.5f, 2.3f, 0).ball(12.1f, 2)); }, Call(kickToGoal)},
        {"holds with an opponent 0.9 m away",
         [] { apply(SkillScene().unum(9).me(12.5f, 2.3f, 0).ball(12.1f, 2).opponent(2, 12.5f, 3.2f)); }, Call(kickToGoal)},
        {"released by an opponent 0.7 m away",
         [] { apply(SkillScene().unum(9).me(12.5f, 2.3f, 0).ball(12.1f, 2).opponent(2, 12.5f, 3.0f)); }, Call(dribbleToGoal)},
        {"released by the ball 1.2 m away", [] { apply(SkillScene().unum(9).me(12.5f, 2.3f, 0).ball(11.3f, 2)); },
         walkToBall},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(run({start, row.then}, {forward9()}), run({start, row.then}, {Call(kickToGoal), row.expected}));
    }
}

TEST_F(ForwardRole, OurKickInBySideLine)
{
    struct Row { float y; Call expected; };
    const Row rows[] = {
        {8.5f, [] { return skills().SideKick(); }},
        {-8.5f, [] { return skills().SideKick(); }},
        {7.9f, [] { return skills().kickBall(); }},
        {8.0f, [] { return Tactic::instance()->keepDirToTarget(wm().getBallPos()); }},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.y);
        for (PlayMode pm : {PM_KickIn_Left, PM_KickIn_Right})
        {
            const TeamSide side = pm == PM_KickIn_Left ? TEAM_LEFT : TEAM_RIGHT;
            const float y = row.y;
            const float nearY = y > 0 ? y - 0.5f : y + 0.5f;
            const Scene scene = [=] { apply(SkillScene().unum(9).playMode(pm).me(2, nearY, 0).ball(2.3f, y), side); };
            EXPECT_EQ(cycle(scene, forward9()), cycle(scene, row.expected));
        }
    }
}

TEST_F(ForwardRole, OurKickInOthersFaceTheBall)
{
    const Scene scene = [] { apply(SkillScene().unum(9).playMode(PM_KickIn_Left).me(-2, 2, 0).teammate(7, 2, 7.5f).ball(2.3f, 7.9f)); };
    EXPECT_EQ(cycle(scene, forward9()), cycle(scene, [] { return Tactic::instance()->keepDirToTarget(wm().getBallPos()); }));
}

// Their kick-in behind the line: the walked-to waiting point moves only for a
// new point more than 0.3 m away.
TEST_F(ForwardRole, TheirKickInSmoothsTheWaitingPoint)
{
    auto scene = [](float ballY) {
        return [=] { apply(SkillScene().unum(9).playMode(PM_KickIn_Right).me(-2, 2, 0).ball(-5, ballY)); };
    };
    auto waitPoint = [&](float ballY) {
        reset();
        scene(ballY)();
        sortLists();
        return tactic().GetWaitStrategyPos();
    };
    const salt::Vector3f first = waitPoint(2.0f);
    for (float ballY : {2.1f, 4.0f})
    {
        const salt::Vector3f moved = waitPoint(ballY);
        const bool far = calculateDist(first, moved, true) > 0.3;
        SCOPED_TRACE(::testing::Message() << "ball y " << ballY << ", point moves " << calculateDist(first, moved, true));
        const salt::Vector3f target = far ? moved : first;
        EXPECT_EQ(run({scene(2.0f), scene(ballY)}, {forward9()}),
                  run({scene(2.0f), scene(ballY)}, {[=] { return walkTo(first); }, [=] { return walkTo(target); }}));
    }
}

TEST_F(ForwardRole, TheirKickInAheadOfTheLine)
{
    const Scene nearest = [] { apply(SkillScene().unum(9).playMode(PM_KickIn_Right).me(2, 2, 0).ball(4, 6)); };
    EXPECT_EQ(cycle(nearest, forward9()), cycle(nearest, [] { return walkTo(at(1.5f, 6)); }));
    const Scene other = [] {
        apply(SkillScene().unum(9).playMode(PM_KickIn_Right).me(-3, 0, 0).teammate(7, 3.5f, 5).ball(4, 6));
    };
    EXPECT_EQ(cycle(other, forward9()), cycle(other, [] { return walkTo(tactic().getForwardStrategyPos()); }));
}

TEST_F(ForwardRole, TheirKickOffWalksToItsPointFrom02)
{
    for (float off : {0.19f, 0.2f})
    {
        SCOPED_TRACE(off);
        reset();
        apply(SkillScene().unum(9).playMode(PM_KickOff_Right).me(-1.1f, 2.2f, 0).ball(0, 0));
        sortLists();
        const salt::Vector3f p = tactic().getForwardKickOffOtherPos();
        const Scene scene = [=] { apply(SkillScene().unum(9).playMode(PM_KickOff_Right).me(p.x() - off, p.y(), 0).ball(0, 0)); };
        const Call expected = off < 0.2f ? Call(waitForBall) : Call([=] { return walkTo(p); });
        EXPECT_EQ(cycle(scene, forward9()), cycle(scene, expected));
    }
}

TEST_F(ForwardRole, OurKickOff)
{
    const Scene far = [] { apply(SkillScene().unum(9).playMode(PM_KickOff_Left).me(-2, 0, 0).ball(0, 0)); };
    EXPECT_EQ(cycle(far, forward9()), cycle(far, walkToBall));
    const Scene near = [] { apply(SkillScene().unum(9).playMode(PM_KickOff_Left).me(-0.3f, 0, 0).ball(0, 0)); };
    EXPECT_EQ(cycle(near, forward9()), cycle(near, [] { return skills().KickOff(at(15, -5)); }));
}

TEST_F(ForwardRole, CornerKicks)
{
    const Scene ours = [] { apply(SkillScene().unum(9).playMode(PM_Corner_Kick_Left).me(14, 9, 0).ball(14.8f, 9.8f)); };
    EXPECT_EQ(cycle(ours, forward9()), cycle(ours, [] { return skills().SideKick(at(7.5f, 0)); }));
    const Scene theirs = [] { apply(SkillScene().unum(9).playMode(PM_Corner_Kick_Left).me(-10, 5, 0).ball(-14.8f, 9.8f), TEAM_RIGHT); };
    EXPECT_EQ(cycle(theirs, forward9()), cycle(theirs, [] { return walkTo(tactic().GetWaitStrategyPos()); }));
}

TEST_F(ForwardRole, TheirGoalKickWalksToTheBallOnlyBeyondX9)
{
    for (float x : {9.5f, 9.0f})
    {
        SCOPED_TRACE(x);
        const Scene scene = [=] { apply(SkillScene().unum(9).playMode(PM_Goal_Kick_Right).me(x, 1, 0).ball(13, 0)); };
        EXPECT_EQ(cycle(scene, forward9()), cycle(scene, x > 9.0f ? Call(walkToBall) : Call(waitForBall)));
    }
    const Scene ours = [] { apply(SkillScene().unum(9).playMode(PM_Goal_Kick_Left).me(9.5f, 1, 0).ball(13, 0)); };
    EXPECT_EQ(cycle(ours, forward9()), cycle(ours, waitForBall));
}

} // namespace
