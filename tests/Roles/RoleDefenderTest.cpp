#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Math/MyMath.h"
#include "support/RoleTest.h"

namespace {

class DefenderRole : public RoleTest
{
protected:
    static Call defender4() { return defender(RT_DEFENDRE_LEFT); }
    static salt::Vector3f home(float bx, float by) { return tactic().getDefensiveHomePos(RT_DEFENDRE_LEFT, at(bx, by)); }
    static Call step(std::string (Skills::*walk)(double, HeadActionType, Object), double speed)
    {
        return [=] { return (skills().*walk)(speed, HEAD_FOCUS_ON_OBJECT, BALL); };
    }
    // A teammate known only from team messages: placed, never seen.
    static void heardTeammate(int n, float x, float y)
    {
        VisionSense& v = wm().mutableObjectVision(static_cast<Object>(TEAMMATE_1 + n - 1));
        v.globalPos = at(x, y);
        v.timeLastLocalized = wm().getServerTime();
    }
};

// The five forwards up field, out of the way.
SkillScene withForwards(SkillScene s)
{
    for (int n = 7; n <= 11; ++n) s.teammate(n, 3.0f + static_cast<float>(n - 7), -6.0f + 3.0f * static_cast<float>(n - 7));
    return s;
}

// The five forwards within 1.2 m of a ball at (x, 0): nearer than me.
SkillScene aroundTheBall(SkillScene s, float x)
{
    const float spot[5][2] = {{0.5f, 0}, {0, 1}, {0, -1}, {0.8f, 0.8f}, {0.8f, -0.8f}};
    for (int n = 7; n <= 11; ++n) s.teammate(n, x + spot[n - 7][0], spot[n - 7][1]);
    return s;
}

// A full team with the ball on the own half: number 5 just behind the ball
// at (-10.3, 0), defenders 3 and 6 far out on the wings, number 4 (me) a
// defender too, near enough to get a waiting point.
SkillScene waitingScene(float x, float y, double heading)
{
    return withForwards(SkillScene().unum(4).me(x, y, heading).teammate(5, -10.6f, 0).teammate(3, -14, -9).teammate(6, -14, 9).ball(-10.3f, 0));
}

// Number 4 in open play. Home point for the ball at (3, 0): (-11.5, -0.3).
const RoleCase kPlayOnCases[] = {
    {"1.1 ball up field, a teammate seen 0.5 m away: avoids it",
     [] { RoleTest::apply(SkillScene().unum(4).me(-8, 0, 0).teammate(5, -8, 0.5f).ball(3, 0)); },
     [] { return Tactic::instance()->avoidObstacle(RoleTest::at(-8, 0), RoleTest::at(-11.5f, -0.3f), TEAMMATE_5); }},
    {"1.2 at the home point facing the ball: waits",
     [] { RoleTest::apply(SkillScene().unum(4).me(-11.5f, -0.3f, 0).ball(3, 0)); }, RoleTest::waitForBall},
    {"1.2 0.29 m from the home point counts as reached",
     [] { RoleTest::apply(SkillScene().unum(4).me(-11.5f, -0.01f, 0).ball(3, 0)); }, RoleTest::waitForBall},
    {"1.2 at the home point facing away: turns to the ball",
     [] { RoleTest::apply(SkillScene().unum(4).me(-11.5f, -0.3f, 90).ball(3, 0)); },
     [] { return Tactic::instance()->keepDirToTarget(RoleTest::at(3, 0)); }},
    {"1.3 0.31 m from the home point: walks there",
     [] { RoleTest::apply(SkillScene().unum(4).me(-11.5f, 0.01f, 0).ball(3, 0)); },
     [] { return RoleTest::walkTo(RoleTest::at(-11.5f, -0.3f)); }},
    {"2.3 ball at my feet, the nearest opponent seen 5 m away: clears",
     [] { RoleTest::apply(withForwards(SkillScene().unum(4).me(-5, 0, 0).ball(-4.5f, 0).opponent(2, 0, 0))); },
     RoleTest::kickToGoal},
    {"2.4 ball at my feet ahead, no opponent placed: walks to it",
     [] { RoleTest::apply(withForwards(SkillScene().unum(4).me(-5, 0, 0).ball(-4.5f, 0))); }, RoleTest::walkToBall},
    {"2.4 ball on x -1.0 is not up field",
     [] { RoleTest::apply(aroundTheBall(SkillScene().unum(4).me(-3, 0, 0).ball(-1.0f, 0), -1.0f)); }, RoleTest::walkToBall},
    {"2.5.1 goal mouth, ball 0.18 m ahead: walks to it",
     [] { RoleTest::apply(withForwards(SkillScene().unum(4).me(-13.18f, 1, 0).ball(-13, 1))); }, RoleTest::walkToBall},
    {"2.5.2 ball behind, slightly left: steps right",
     [] { RoleTest::apply(withForwards(SkillScene().unum(4).me(-13.4f, -0.1f, 0).ball(-13.5f, 0))); },
     [] { return Skills::instance()->walkOmniRight(0.8, HEAD_FOCUS_ON_OBJECT, BALL); }},
    {"2.5.2 ball behind, slightly right: steps left",
     [] { RoleTest::apply(withForwards(SkillScene().unum(4).me(-13.4f, 0.1f, 0).ball(-13.5f, 0))); },
     [] { return Skills::instance()->walkOmniLeft(0.8, HEAD_FOCUS_ON_OBJECT, BALL); }},
    {"2.5.2 ball just ahead, 0.5 m left: steps forward",
     [] { RoleTest::apply(withForwards(SkillScene().unum(4).me(-13.55f, -0.5f, 0).ball(-13.5f, 0))); },
     [] { return Skills::instance()->walkOmniForward(0.8, HEAD_FOCUS_ON_OBJECT, BALL); }},
    {"2.5.2 ball behind, 0.5 m left: steps back",
     [] { RoleTest::apply(withForwards(SkillScene().unum(4).me(-13.4f, -0.5f, 0).ball(-13.5f, 0))); },
     [] { return Skills::instance()->walkOmniBackward(0.6, HEAD_FOCUS_ON_OBJECT, BALL); }},
    {"2.5.2 ball behind, 1.2 m left: dribbles",
     [] { RoleTest::apply(withForwards(SkillScene().unum(4).me(-13.4f, -1.2f, 0).ball(-13.5f, 0))); },
     RoleTest::dribbleToGoal},
    {"2.6 beside the goal mouth, an opponent at the ball: walks to it",
     [] { RoleTest::apply(withForwards(SkillScene().unum(4).me(-12.5f, 4.5f, 0).ball(-13, 4).opponent(3, -13.3f, 4.3f))); },
     RoleTest::walkToBall},
    {"2.7 beside the goal mouth, nobody near: dribbles",
     [] { RoleTest::apply(withForwards(SkillScene().unum(4).me(-12.5f, 4.5f, 0).ball(-13, 4))); },
     RoleTest::dribbleToGoal},
    {"2.7 an opponent 1.2 m from me: walks to the ball",
     [] { RoleTest::apply(withForwards(SkillScene().unum(4).me(-5.5f, 0.3f, 0).ball(-6, 0).opponent(3, -5.5f, 1.5f))); },
     RoleTest::walkToBall},
    {"2.7 the opponent 2.2 m from me: dribbles",
     [] { RoleTest::apply(withForwards(SkillScene().unum(4).me(-5.5f, 0.3f, 0).ball(-6, 0).opponent(3, -5.5f, 2.5f))); },
     RoleTest::dribbleToGoal},
    {"3.1 another defender at the ball in the goal mouth, me in the goal area: steps out",
     [] { RoleTest::apply(SkillScene().unum(4).me(-13.5f, -1.5f, 0).teammate(5, -13.3f, 1).ball(-13.5f, 1)); },
     [] { return RoleTest::walkTo(RoleTest::at(-12.0f, -1.5f)); }},
    {"3.2 a teammate 0.5 m from me: avoids it",
     [] { RoleTest::apply(waitingScene(-8, -3, 0).teammate(6, -8, -2.5f)); },
     [] {
         return Tactic::instance()->avoidObstacle(RoleTest::at(-8, -3),
                                       Tactic::instance()->getDefensiveWaitPos(OBJECT_MAX), TEAMMATE_6);
     }},
    {"3.4 far from the waiting point: walks there",
     [] { RoleTest::apply(waitingScene(-8, -1.5f, 0)); },
     [] { return RoleTest::walkTo(Tactic::instance()->getDefensiveWaitPos(OBJECT_MAX)); }},
};

TEST_F(DefenderRole, PlayOnBranches)
{
    for (const RoleCase& c : kPlayOnCases)
    {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(cycle(c.scene, defender4()), cycle(c.scene, c.expected));
    }
}

// 3.3: within 0.2 m of the waiting point the defender turns to a ball more
// than 30 degrees off, else waits.
TEST_F(DefenderRole, AtTheWaitingPointFacesTheBall)
{
    auto scene = [](float x, float y, double heading) {
        return [=] { apply(waitingScene(x, y, heading)); };
    };
    reset();
    scene(-8, -1.5f, 0)();
    sortLists();
    const salt::Vector3f p = tactic().getDefensiveWaitPos(OBJECT_MAX);
    const double toBall = std::atan2(0.0 - p.y(), -10.3 - (p.x() + 0.1)) * 180.0 / M_PI;
    struct Row { double off; Call expected; };
    const Row rows[] = {{25, waitForBall}, {35, [] { return skills().turnToObject(BALL, 10); }}};
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.off);
        const Scene there = scene(p.x() + 0.1f, p.y(), toBall + row.off);
        reset();
        there();
        sortLists();
        ASSERT_LT(calculateDist(tactic().getDefensiveWaitPos(OBJECT_MAX), p, true), 0.1);
        EXPECT_EQ(cycle(there, defender4()), cycle(there, row.expected));
    }
}

// Mend: a teammate known only from team messages has no seen distance; it
// does not make the defender at its home point step aside. Seen at 0.76 m
// ahead on the left, it does.
TEST_F(DefenderRole, TeammateOnlyHeardDoesNotTriggerAvoidance)
{
    const Scene heard = [] {
        apply(SkillScene().unum(4).me(-11.5f, -0.3f, 0).ball(3, 0));
        heardTeammate(5, -11.2f, 0.1f);
    };
    reset();
    heard();
    sortLists();
    ASSERT_EQ(tactic().ourAllDistToMe.front(), TEAMMATE_5);
    EXPECT_EQ(cycle(heard, defender4()), cycle(heard, waitForBall));
    const Scene seen = [] { apply(SkillScene().unum(4).me(-11.5f, -0.3f, 0).teammate(5, -11.2f, 0.1f).ball(3, 0)); };
    EXPECT_EQ(cycle(seen, defender4()), cycle(seen, step(&Skills::walkOmniRight, 0.5)));
}

// Mend: a nearest opponent never seen does not drop the clearing latch.
TEST_F(DefenderRole, ClearingLatch)
{
    const Scene start = [] { apply(withForwards(SkillScene().unum(4).me(-5, 0, 0).ball(-4.5f, 0).opponent(2, 0, 0))); };
    struct Row { const char* what; Scene then; Call expected; };
    const Row rows[] = {
        {"holds after the opponent came to 2.0 m",
         [] { apply(withForwards(SkillScene().unum(4).me(-5, 0, 0).ball(-4.5f, 0).opponent(2, -5, 2))); }, Call(kickToGoal)},
        {"holds with the nearest opponent never seen",
         [] {
             apply(withForwards(SkillScene().unum(4).me(-5, 0, 0).ball(-4.5f, 0)));
             wm().mutableObjectVision(OPPONENT_2) = VisionSense();
         },
         Call(kickToGoal)},
        {"released by an opponent seen 0.76 m away",
         [] { apply(withForwards(SkillScene().unum(4).me(-5, 0, 0).ball(-4.5f, 0).opponent(2, -5, 0.5f))); }, walkToBall},
        {"released by the ball 1.2 m away", [] { apply(withForwards(SkillScene().unum(4).me(-5, 0, 0).ball(-3.8f, 0).opponent(2, 0, 0))); },
         walkToBall},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(run({start, row.then}, {defender4()}), run({start, row.then}, {Call(kickToGoal), row.expected}));
    }
}

// Five forwards nearer the ball than number 4 make it the first defender.
SkillScene ourKickIn(PlayMode pm, float ballX, bool nearest)
{
    SkillScene s = SkillScene().unum(4).playMode(pm).ball(ballX, 9.8f);
    s.me(nearest ? ballX - 0.3f : ballX - 6.0f, 9, 0);
    for (int n = 7; n <= 11; ++n) s.teammate(n, ballX - 1.0f - 0.2f * static_cast<float>(n - 7), 8.5f);
    return s;
}

TEST_F(DefenderRole, OurKickIn)
{
    struct Row { const char* what; PlayMode pm; TeamSide side; float ballX; bool nearest; Call expected; };
    const Row rows[] = {
        {"nearest, ball behind the line: side-kicks", PM_KickIn_Left, TEAM_LEFT, -1.01f, true, [] { return skills().SideKick(); }},
        {"nearest, ball on x -1.0: walks to the strategic point", PM_KickIn_Left, TEAM_LEFT, -1.0f, true,
         [] { return walkTo(tactic().getDefensiveStrategyPos(TEAMMATE_4)); }},
        {"first defender, ball on x -1.0: waits with a swinging head", PM_KickIn_Left, TEAM_LEFT, -1.0f, false,
         [] { return action(WAIT, HEAD_SWING_AROUND_OBJECT); }},
        {"right side, nearest, ball behind the line: side-kicks", PM_KickIn_Right, TEAM_RIGHT, -1.01f, true,
         [] { return skills().SideKick(); }},
        {"right side, first defender: waits with a swinging head", PM_KickIn_Right, TEAM_RIGHT, -1.0f, false,
         [] { return action(WAIT, HEAD_SWING_AROUND_OBJECT); }},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.what);
        const Scene scene = [&] { apply(ourKickIn(row.pm, row.ballX, row.nearest), row.side); };
        EXPECT_EQ(cycle(scene, defender4()), cycle(scene, row.expected));
    }
}

TEST_F(DefenderRole, OurKickInOthersTakeTheirStrategicPoint)
{
    const Scene scene = [] {
        SkillScene s = ourKickIn(PM_KickIn_Left, -1.0f, false);
        s.teammate(3, -3.5f, 9);
        apply(s);
    };
    reset();
    scene();
    sortLists();
    ASSERT_EQ(tactic().ourDefensiveEquivalentDistToBall.front(), TEAMMATE_3);
    EXPECT_EQ(cycle(scene, defender4()),
              cycle(scene, [] { return walkTo(tactic().getDefensiveStrategyPos(tactic().ourAllDistToBall.front())); }));
}

// Their kick-in: 2.5 m behind the ball on the left, 2.0 m behind the
// member ball copy on the right; up field it plays on.
TEST_F(DefenderRole, TheirKickIn)
{
    const Scene left = [] { apply(withForwards(SkillScene().unum(4).playMode(PM_KickIn_Left).me(-8, 5, 0).ball(-5, 9.8f)), TEAM_RIGHT); };
    EXPECT_EQ(cycle(left, defender4()), cycle(left, [] { return walkTo(at(-7.5f, 9.8f)); }));
    const Scene right = [] { apply(withForwards(SkillScene().unum(4).playMode(PM_KickIn_Right).me(-8, 5, 0).ball(-5, 9.8f))); };
    EXPECT_EQ(cycle(right, defender4()), cycle(right, [] { return walkTo(at(-7.0f, 9.8f)); }));
    const Scene upField = [] { apply(SkillScene().unum(4).playMode(PM_KickIn_Left).me(-8, 5, 0).ball(1.01f, 9.8f), TEAM_RIGHT); };
    EXPECT_EQ(cycle(upField, defender4()), cycle(upField, [] { return walkTo(home(1.01f, 9.8f)); }));
}

TEST_F(DefenderRole, TheirKickInRightUsesTheTrustedBall)
{
    const Scene before = [] { apply(withForwards(SkillScene().unum(4).playMode(PM_KickIn_Right).me(-8, 5, 0).ball(-5, 9.8f))); };
    const Scene doubtful = [] {
        apply(withForwards(SkillScene().unum(4).playMode(PM_KickIn_Right).me(-8, 5, 0).ball(-3, 9.8f)));
        SkillScene::setGlobalConfidence(BALL, 9.6);
    };
    EXPECT_EQ(run({before, doubtful}, {defender4()}),
              run({before, doubtful}, {[] { return walkTo(at(-7.0f, 9.8f)); }}));
}

// The kick-in point moves only for a new point more than 0.3 m away.
TEST_F(DefenderRole, TheirKickInSmoothsThePoint)
{
    auto scene = [](float ballX) {
        return [=] { apply(withForwards(SkillScene().unum(4).playMode(PM_KickIn_Left).me(-8, 5, 0).ball(ballX, 9.8f)), TEAM_RIGHT); };
    };
    struct Row { float ballX; float expectedX; };
    for (const Row& row : {Row{-4.8f, -7.5f}, Row{-4.6f, -7.1f}})
    {
        SCOPED_TRACE(row.ballX);
        EXPECT_EQ(run({scene(-5), scene(row.ballX)}, {defender4()}),
                  run({scene(-5), scene(row.ballX)},
                      {[] { return walkTo(at(-7.5f, 9.8f)); }, [=] { return walkTo(at(row.expectedX, 9.8f)); }}));
    }
}

TEST_F(DefenderRole, CornerAndGoalKicks)
{
    struct Row { const char* what; PlayMode pm; TeamSide side; Call expected; };
    const Row rows[] = {
        {"our corner: home position", PM_Corner_Kick_Left, TEAM_LEFT, [] { return walkTo(Position::instance()->getHomePos()); }},
        {"our corner, right", PM_Corner_Kick_Right, TEAM_RIGHT, [] { return walkTo(Position::instance()->getHomePos()); }},
        {"their corner: plays on", PM_Corner_Kick_Left, TEAM_RIGHT, [] { return walkTo(home(3, 0)); }},
        {"their corner, right", PM_Corner_Kick_Right, TEAM_LEFT, [] { return walkTo(home(3, 0)); }},
        {"our goal kick: waits", PM_Goal_Kick_Left, TEAM_LEFT, waitForBall},
        {"our goal kick, right", PM_Goal_Kick_Right, TEAM_RIGHT, waitForBall},
        {"their goal kick: home point for the ball", PM_Goal_Kick_Left, TEAM_RIGHT, [] { return walkTo(home(3, 0)); }},
        {"their goal kick, right", PM_Goal_Kick_Right, TEAM_LEFT, [] { return walkTo(home(3, 0)); }},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.what);
        const Scene scene = [&] { apply(SkillScene().unum(4).playMode(row.pm).me(-5, 2, 0).ball(3, 0), row.side); };
        EXPECT_EQ(cycle(scene, defender4()), cycle(scene, row.expected));
    }
}

} // namespace
