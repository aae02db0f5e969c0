#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Roles/GoalieGuard.h"
#include "support/RoleTest.h"

namespace {

class GoalieRole : public RoleTest
{
protected:
    static Call goalie1() { return goalie(RT_GOLIAR1); }
    static Call goalie2() { return goalie(RT_GOLIAR2); }
    static Call act(ActionType a) { return [a] { return action(a); }; }
    static Call kickTo(float x, float y) { return [=] { return skills().kickBall(at(x, y)); }; }
    static Call walk(float x, float y) { return [=] { return walkTo(at(x, y)); }; }
    static Call walkHome() { return [] { return walkTo(Position::instance()->getHomePos()); }; }
    static Call ball() { return walkToBall; }
    static Call side(std::string (Skills::*step)(double, HeadActionType, Object))
    {
        return [=] { return (skills().*step)(0.5, HEAD_FOCUS_ON_OBJECT, BALL); };
    }
    static Call turn(std::string (Skills::*t)(HeadActionType, Object))
    {
        return [=] { return (skills().*t)(HEAD_FOCUS_ON_OBJECT, BALL); };
    }

    // The motion requested in the last cycle.
    static ActionType lastAction() { return SwitchRecord::actions().back().action; }
    static bool dived(const Cycle& c)
    {
        return c.calls.find("do(3,") == 0 || c.calls.find("do(4,") == 0 || c.calls.find("do(6,") == 0;
    }
};

using Case = RoleCase;

using R = RoleTest;

SkillScene g1(float x, float y, double heading = 0) { return SkillScene().unum(1).me(x, y, heading); }
SkillScene g2(float x, float y, double heading = 0) { return SkillScene().unum(2).me(x, y, heading); }

// One open-play cycle from a fresh start.
const Case kPlayOnCases[] = {
    {"both behind the ball: the nearer, goalie 1, blocks and walks to it",
     [] { R::apply(g1(-14, 0.5f).teammate(2, -14, -0.5f).ball(-12, 1)); }, [] { return R::walkToBall(); }},
    {"both behind the ball: goalie 2 steps to the waiting point",
     [] { R::apply(g2(-14, -0.5f).teammate(1, -14, 0.5f).ball(-12, 1)); }, [] { return R::walkTo(R::at(-14.4f, 0)); }},
    {"ball at goalie 1's x: goalie 2 blocks and dribbles it out",
     [] { R::apply(g2(-14, -0.5f).teammate(1, -14, 0.5f).ball(-14, 1)); },
     R::dribbleToGoal},
    {"ball at goalie 1's x: goalie 1 steps to the waiting point",
     [] { R::apply(g1(-14, 0.5f).teammate(2, -14, -0.5f).ball(-14, 1)); }, [] { return R::walkTo(R::at(-14.4f, 0)); }},
    {"goalie 1 alone, ball behind it on the goal line: blocks and dribbles",
     [] { R::apply(g1(-14.5f, 0).ball(-14.8f, 0.3f)); }, R::dribbleToGoal},
    {"goalie 2 alone, ball behind it on the goal line: blocks and dribbles",
     [] { R::apply(g2(-14.5f, 0).ball(-14.8f, 0.3f)); }, R::dribbleToGoal},
    {"goal line, ball right behind, a little left: steps left",
     [] { R::apply(g1(-14.5f, 0).teammate(2, -13, -2).ball(-14.9f, 0.1f)); },
     [] { return R::skills().walkOmniLeft(0.5, HEAD_FOCUS_ON_OBJECT, BALL); }},
    {"goal line, ball right behind, a little right: steps right",
     [] { R::apply(g1(-14.5f, 0).teammate(2, -13, -2).ball(-14.9f, -0.1f)); },
     [] { return R::skills().walkOmniRight(0.5, HEAD_FOCUS_ON_OBJECT, BALL); }},
    {"goal line, ball ahead: walks to it",
     [] { R::apply(g1(-14.8f, 0).teammate(2, -14.9f, -2).ball(-14.2f, 0.5f)); }, [] { return R::walkToBall(); }},
    {"blocker nearest the ball clears a ball at y 0 to (-5, -10)",
     [] { R::apply(g1(-13, 0).teammate(2, -14.5f, -1).ball(-11.5f, 0)); },
     [] { return R::skills().kickBall(R::at(-5, -10)); }},
    {"blocker clears a ball at y 0.5 to (-5, 10)",
     [] { R::apply(g1(-13, 0).teammate(2, -14.5f, -1).ball(-11.5f, 0.5f)); },
     [] { return R::skills().kickBall(R::at(-5, 10)); }},
    {"blocker not nearest the ball gives up beyond x -12",
     [] { R::apply(g1(-13, 0).teammate(2, -14.5f, -1).teammate(5, -11, 0.2f).ball(-11.5f, 0.5f)); },
     [] { return R::walkTo(Position::instance()->getHomePos()); }},
    {"blocker nearest the ball follows it out to |y| 4",
     [] { R::apply(g1(-14, 2.5f).teammate(2, -14.5f, -1).ball(-13, 3.5f)); },
     [] { return R::skills().kickBall(R::at(-5, 10)); }},
    {"blocker not nearest the ball gives up beyond |y| 3",
     [] { R::apply(g1(-14, 2.5f).teammate(2, -14.5f, -1).teammate(5, -12.8f, 3.4f).ball(-13, 3.5f)); },
     [] { return R::walkTo(Position::instance()->getHomePos()); }},
    {"off to a side with an opponent at the ball: walks to a ball ahead",
     [] { R::apply(g1(-14, 2.5f).teammate(2, -14.5f, -1).opponent(9, -13, 4.2f).ball(-13, 3.5f)); },
     [] { return R::walkToBall(); }},
    {"non-blocker, ball off to the left: steps left",
     [] { R::apply(g2(-14.4f, 0).teammate(1, -13.5f, 1.5f).ball(-12, 2.5f)); },
     [] { return R::action(WALK_LEFT); }},
    {"non-blocker left of y 0.3: waits",
     [] { R::apply(g2(-14.4f, 0.31f).teammate(1, -13.5f, 1.5f).ball(-12, 2.5f)); }, [] { return R::action(WAIT); }},
    {"non-blocker, ball off to the right: steps right",
     [] { R::apply(g2(-14.4f, 0).teammate(1, -13.5f, -1.5f).ball(-12, -2.5f)); },
     [] { return R::action(WALK_RIGHT); }},
    {"non-blocker right of y -0.3: waits",
     [] { R::apply(g2(-14.4f, -0.31f).teammate(1, -13.5f, -1.5f).ball(-12, -2.5f)); }, [] { return R::action(WAIT); }},
    {"non-blocker at the waiting point: waits",
     [] { R::apply(g2(-14.4f, 0).teammate(1, -13.5f, 1.5f).ball(-12, 1.5f)); }, [] { return R::action(WAIT); }},
    {"non-blocker within 0.25 of the blocker: steps around it",
     [] { R::apply(g2(-13.5f, 0.2f).teammate(1, -13.5f, 0.4f).ball(-12, 1)); },
     [] { return R::tactic().avoidObstacle(R::at(-13.5f, 0.2f), R::at(-14.4f, 0), TEAMMATE_1); }},
    {"non-blocker, ball between it and the blocker: goes for the ball",
     [] { R::apply(g2(-14, -1).teammate(1, -13.2f, 1).ball(-13.5f, 0)); }, [] { return R::walkToBall(); }},
    {"home with heading 20: turns right",
     [] { R::apply(g1(-14.5f, -0.3f, 20).ball(3, 2)); },
     [] { return R::skills().walkOmniTurnRight(HEAD_FOCUS_ON_OBJECT, BALL); }},
    {"home with heading -20: turns left",
     [] { R::apply(g1(-14.5f, -0.3f, -20).ball(3, 2)); },
     [] { return R::skills().walkOmniTurnLeft(HEAD_FOCUS_ON_OBJECT, BALL); }},
    {"home with heading 10: waits", [] { R::apply(g1(-14.5f, -0.3f, 10).ball(3, 2)); }, [] { return R::action(WAIT); }},
    {"away from home: walks there", [] { R::apply(g1(-13, 1).ball(3, 2)); },
     [] { return R::walkTo(Position::instance()->getHomePos()); }},
};

TEST_F(GoalieRole, PlayOnScenes)
{
    for (const Case& c : kPlayOnCases)
    {
        SCOPED_TRACE(c.what);
        const Cycle got = cycle(c.scene, goalie1());
        EXPECT_EQ(got, cycle(c.scene, c.expected));
    }
}

// Walks carry the bearing of their target: the waiting point lies to the
// left of a goalie 2 at (-14.4, -1) facing up field.
TEST_F(GoalieRole, WalkToTheWaitingPointHeadsForIt)
{
    apply(g2(-14.4f, -1).teammate(1, -12.0f, 1.0f).ball(-11.5f, 1.2f));
    next(goalie2());
    const std::vector<WalkOmniPara> walks = SwitchRecord::walkRequests();
    ASSERT_FALSE(walks.empty());
    EXPECT_EQ(lastAction(), WALK_OMNI);
    EXPECT_NEAR(walks.back().relTheta, M_PI, 1e-6);
}

// Ball at (-9.5, y) for nine cycles, then at (-11, y): 1.5 m toward the goal.
void comesAt(float y, double heading)
{
    for (int i = 1; i <= 9; ++i)
    {
        RoleTest::apply(g1(-14, 0, heading).cycle(i).ball(-9.5f, y));
        RoleTest::next(RoleTest::goalie(RT_GOLIAR1));
    }
    RoleTest::apply(g1(-14, 0, heading).cycle(10).ball(-11, y));
}

TEST_F(GoalieRole, DiveDirection)
{
    struct Row
    {
        float y;
        double heading;
        ActionType dive;
    };
    const Row rows[] = {{0.31f, 10, DIVE_HAND_L}, {0.31f, 40, DIVE_LEG_R}, {0.0f, 10, DIVE_LEG_R},
                        {0.3f, 10, DIVE_LEG_R},   {-0.31f, 10, DIVE_HAND_R}, {-0.31f, -40, DIVE_LEG_R}};
    for (const Row& r : rows)
    {
        SCOPED_TRACE(::testing::Message() << r.y << " " << r.heading);
        reset();
        comesAt(r.y, r.heading);
        next(goalie1());
        EXPECT_EQ(lastAction(), r.dive);
    }
}

TEST_F(GoalieRole, NoDiveInTheFirstNineCalls)
{
    for (int i = 1; i <= 10; ++i)
    {
        apply(g1(-14, 0).cycle(i).ball(-10.6f - 0.2f * static_cast<float>(i - 1), 0));
        const Cycle c = next(goalie1());
        EXPECT_EQ(dived(c), i == 10) << "call " << i;
    }
}

// Approach bands: a ball moving around the goal does not set the flag; a
// gain of more than 0.25 does; a ball drifting back by more than 0.25 clears it.
TEST_F(GoalieRole, ApproachBands)
{
    struct Row
    {
        const char* what;
        float firstX, firstY, midX, midY, lastX, lastY;
        bool dives;
    };
    const Row rows[] = {
        {"around the goal, no gain", -11, 1, -11, 1, -11, -1, false},
        {"gain 0.19", -11, 1, -11, 1, -11.2f, -1, false},
        {"gain 0.29", -11, 1, -11, 1, -11.3f, -1, true},
        {"came in, then back by 0.2", -10, 0, -12.5f, 0, -12.3f, 0, true},
        {"came in, then back by 0.3", -10, 0, -12.5f, 0, -12.2f, 0, false},
    };
    for (const Row& r : rows)
    {
        SCOPED_TRACE(r.what);
        reset();
        apply(g1(-14, 0).cycle(1).ball(r.firstX, r.firstY));
        next(goalie1());
        for (int i = 2; i <= 9; ++i)
        {
            apply(g1(-14, 0).cycle(i).ball(r.midX, r.midY));
            next(goalie1());
        }
        apply(g1(-14, 0).cycle(10).ball(r.lastX, r.lastY));
        EXPECT_EQ(dived(next(goalie1())), r.dives);
    }
}

// After a dive: the lying-still command for 31 cycles, get-up from the 32nd;
// no dive from then through the 232nd cycle after the dive, one in the 233rd.
TEST_F(GoalieRole, AfterDiveAndNoDivePeriods)
{
    comesAt(0, 0);
    ASSERT_TRUE(dived(next(goalie1())));
    auto at = [](int cycle, float bx, bool down) {
        apply(g1(-14, 0).cycle(cycle).ball(bx, 0).posture(down ? Posture::BACK : Posture::STANDING));
        wm().setIsObjectFallDown(TEAMMATE_1, down);
        return next(goalie1());
    };
    for (int c = 11; c <= 40; ++c) at(c, -9.5f, false);
    const Cycle lying = at(41, -9.5f, true);
    EXPECT_EQ(lying.text,
              "(lle1 0.000000)(rle1 0.000000)(lle2 0.000000)(rle2 0.000000)(lle3 0.000000)(rle3 0.000000)(lle4 "
              "0.000000)(rle4 0.000000)(lle5 0.000000)(rle5 0.000000)(lle6 0.000000)(rle6 0.000000)(lae1 0)(rae1 "
              "0)(lae2  0)(rae2  0)(lae3  0)(rae3  0)(lae4 0.000000)(rae4 0.000000)(he2 0.000000)(he1  0)");
    EXPECT_EQ(lying.text.size(), 284u);
    EXPECT_EQ(lying.calls, "");
    const Cycle up = at(42, -9.5f, true);
    EXPECT_NE(up.text, GoalieGuard::lyingStill());
    EXPECT_FALSE(up.calls.empty());
    for (int c = 43; c <= 51; ++c) at(c, -9.5f, false);
    EXPECT_FALSE(dived(at(52, -11, false)));
    for (int c = 53; c <= 241; ++c) at(c, -9.5f, false);
    EXPECT_FALSE(dived(at(242, -11, false)));
    EXPECT_TRUE(dived(at(243, -11, false)));
}

// Mend: a ball stored far behind the goal during the after-dive period is
// answered with a wait, not with nothing.
TEST_F(GoalieRole, BallFarBehindTheGoalWaits)
{
    comesAt(0, 0);
    ASSERT_TRUE(dived(next(goalie1())));
    apply(g1(-14, 0).cycle(11).ball(-19, 0));
    const Cycle c = next(goalie1());
    EXPECT_EQ(SwitchRecord::actions().size(), 11u);
    EXPECT_EQ(lastAction(), WAIT);
    EXPECT_FALSE(c.text.empty());
}

// The other side's goal kick plays open play on PlayOn's own record; free
// kicks have records of their own, Left apart from Right.
TEST_F(GoalieRole, RecordsOfTheHandlers)
{
    struct Row
    {
        const char* what;
        PlayMode first, last;
        bool dives;
    };
    const Row rows[] = {
        {"play on, then their goal kick", PM_PlayOn, PM_Goal_Kick_Right, true},
        {"free kick left throughout", PM_FreeKick_Left, PM_FreeKick_Left, true},
        {"free kick left, then right", PM_FreeKick_Left, PM_FreeKick_Right, false},
        {"play on, then free kick", PM_PlayOn, PM_FreeKick_Left, false},
    };
    for (const Row& r : rows)
    {
        SCOPED_TRACE(r.what);
        reset();
        for (int i = 1; i <= 9; ++i)
        {
            apply(g1(-14, 0).playMode(r.first).cycle(i).ball(-9.5f, 0));
            next(goalie1());
        }
        apply(g1(-14, 0).playMode(r.last).cycle(10).ball(-11, 0));
        EXPECT_EQ(dived(next(goalie1())), r.dives);
    }
}

// Kick-ins of the other side (we play on the right for KickIn_Left).
struct KickInRow
{
    const char* what;
    float x, y;
    double heading;
    float bx, by;
    ActionType left, right;  // UNKNOWN: compared with a call instead
    RoleTest::Call call;
};

TEST_F(GoalieRole, TheirKickIn)
{
    const KickInRow rows[] = {
        {"too far out", -13.9f, 0, 0, 0, 9, WALK_BACKWARD, WALK_BACKWARD, nullptr},
        {"too deep", -14.8f, 0, 0, 0, 9, WALK_FORWARD, WALK_FORWARD, nullptr},
        {"in place, ball far: keeps watching", -14.3f, 0, 0, 0, 9, WAIT, WAIT, nullptr},
        {"ball near at y -2, at y -0.65", -14.3f, -0.65f, 0, -12, -2, WAIT, WAIT, nullptr},
        {"ball near at y -2, at y -0.55: tolerance 0.1 against 0.2", -14.3f, -0.55f, 0, -12, -2, WALK_RIGHT, WAIT, nullptr},
        {"ball near in the middle, at y 0.15", -14.3f, 0.15f, 0, -10, 0.5f, WALK_RIGHT, WAIT, nullptr},
        {"ball near in the middle, at y -0.15", -14.3f, -0.15f, 0, -10, 0, WALK_LEFT, WAIT, nullptr},
        {"ball near at y 2, at y 0.3", -14.3f, 0.3f, 0, -11, 2, WALK_LEFT, WALK_LEFT, nullptr},
        {"heading 25: turns back", -14.3f, 0, 25, 0, 9, UNKNOWN, UNKNOWN, [] { return RoleTest::skills().keepDir(); }},
        {"out of the box: walks home", -12.5f, 0, 0, 0, 9, UNKNOWN, UNKNOWN,
         [] { return RoleTest::walkTo(Position::instance()->getHomePos()); }},
        {"ball in the box ahead: walks to it", -14.3f, 0, 0, -13.5f, 0, UNKNOWN, UNKNOWN, [] { return RoleTest::walkToBall(); }},
        {"ball in the box behind: dribbles it out", -13.2f, 0, 0, -13.5f, 0.5f, UNKNOWN, UNKNOWN,
         RoleTest::dribbleToGoal},
    };
    for (const KickInRow& r : rows)
    {
        for (PlayMode pm : {PM_KickIn_Left, PM_KickIn_Right})
        {
            SCOPED_TRACE(::testing::Message() << r.what << (pm == PM_KickIn_Left ? " (left)" : " (right)"));
            const TeamSide theirs = pm == PM_KickIn_Left ? TEAM_RIGHT : TEAM_LEFT;
            const Scene scene = [=] { apply(g1(r.x, r.y, r.heading).playMode(pm).ball(r.bx, r.by), theirs); };
            const ActionType want = pm == PM_KickIn_Left ? r.left : r.right;
            const Call expected = want == UNKNOWN ? r.call : act(want);
            EXPECT_EQ(cycle(scene, goalie1()), cycle(scene, expected));
        }
    }
}

// Mend: our own kick-in is watched, not answered with nothing.
TEST_F(GoalieRole, OurKickInWaits)
{
    for (PlayMode pm : {PM_KickIn_Left, PM_KickIn_Right})
    {
        const TeamSide ours = pm == PM_KickIn_Left ? TEAM_LEFT : TEAM_RIGHT;
        const Scene scene = [=] { apply(g1(-12, 2).playMode(pm).ball(0, 9.9f), ours); };
        EXPECT_EQ(cycle(scene, goalie1()), cycle(scene, act(WAIT))) << pm;
    }
}

// From y -1.2 home (-14.5, -0.3) is walked to until within 0.3 of it, then
// with the ball at y -2 the goalie steps right toward y -0.7.
TEST_F(GoalieRole, KickInLatchSequence)
{
    auto kickIn = [](float y) {
        apply(g1(-14.5f, y).playMode(PM_KickIn_Left).ball(-12, -2), TEAM_RIGHT);
        return next(goalie1());
    };
    auto homeFrom = [](float y) {
        return cycle([y] { apply(g1(-14.5f, y).ball(-12, -2)); }, walkHome()).calls;
    };
    const std::string from12 = homeFrom(-1.2f), from08 = homeFrom(-0.8f), from059 = homeFrom(-0.59f);
    reset();
    EXPECT_EQ(kickIn(-1.2f).calls, from12);
    EXPECT_EQ(kickIn(-0.8f).calls, from08);
    EXPECT_EQ(kickIn(-0.59f).calls, from059);  // released, still walking in this cycle
    kickIn(-0.55f);
    EXPECT_EQ(lastAction(), WALK_RIGHT);
    kickIn(-0.65f);
    EXPECT_EQ(lastAction(), WAIT);
}

// Kick-in dive: ball at (-10.8, 0), far up field for eight cycles, then at
// (-11.5, 0). Without a gap the dive is requested for the whole period; when
// the agent got the goalie up meanwhile (the cycle count jumped) it is over.
TEST_F(GoalieRole, KickInDivePeriod)
{
    for (bool gap : {false, true})
    {
        SCOPED_TRACE(gap ? "gap" : "no gap");
        reset();
        auto kickIn = [](int cycle, float bx) {
            apply(g1(-14.5f, 0.5f).playMode(PM_KickIn_Left).cycle(cycle).ball(bx, 0), TEAM_RIGHT);
            return next(goalie1());
        };
        kickIn(1, -10.8f);
        for (int c = 2; c <= 9; ++c) kickIn(c, -5);
        kickIn(10, -11.5f);
        ASSERT_EQ(lastAction(), DIVE_LEG_R);
        for (int c = 11; c <= 15; ++c)
        {
            kickIn(c, -11.5f);
            EXPECT_EQ(lastAction(), DIVE_LEG_R);
        }
        if (gap)
        {
            kickIn(95, -11.5f);
            EXPECT_EQ(lastAction(), WALK_RIGHT);
            continue;
        }
        for (int c = 16; c <= 41; ++c)
        {
            kickIn(c, -11.5f);
            EXPECT_EQ(lastAction(), DIVE_LEG_R) << c;
        }
        kickIn(42, -11.5f);
        EXPECT_EQ(lastAction(), WALK_RIGHT);
    }
}

TEST_F(GoalieRole, CornerKicks)
{
    for (PlayMode pm : {PM_Corner_Kick_Left, PM_Corner_Kick_Right})
    {
        SCOPED_TRACE(pm);
        const Scene home = [=] { apply(g1(-14.5f, -0.16f).playMode(pm).ball(14, 9.9f)); };
        EXPECT_EQ(cycle(home, goalie1()), cycle(home, act(WAIT)));
        const Scene away = [=] { apply(g1(-14.5f, -0.14f, 30).playMode(pm).ball(14, 9.9f)); };
        EXPECT_FALSE(cycle(away, goalie1()) == cycle(away, act(WAIT)));
        const Scene far = [=] { apply(g1(-13, 1).playMode(pm).ball(14, 9.9f)); };
        EXPECT_EQ(cycle(far, goalie1()), cycle(far, walkHome()));
    }
}

// Our goal kick: the goalie nearer the ball kicks to (-5, -10), the tie goes
// to goalie 1; the other walks home.
TEST_F(GoalieRole, GoalKickKicker)
{
    struct Row
    {
        const char* what;
        int unum;
        float mx, my, ox, oy;
        RoleTest::Call expected;
    };
    const Row rows[] = {
        {"goalie 2 nearer kicks", 2, -14, 0, -15, 0, kickTo(-5, -10)},
        {"goalie 1 farther walks home", 1, -15, 0, -14, 0, walkHome()},
        {"tie: goalie 1 kicks", 1, -14, 1, -14, -1, kickTo(-5, -10)},
        {"tie: goalie 2 walks home", 2, -14, -1, -14, 1, walkHome()},
    };
    for (PlayMode pm : {PM_Goal_Kick_Left, PM_Goal_Kick_Right})
    {
        for (const Row& r : rows)
        {
            SCOPED_TRACE(::testing::Message() << r.what << " " << pm);
            const TeamSide ours = pm == PM_Goal_Kick_Left ? TEAM_LEFT : TEAM_RIGHT;
            const int other = 3 - r.unum;
            const Scene scene = [=] {
                apply(SkillScene().unum(r.unum).playMode(pm).me(r.mx, r.my, 0).teammate(other, r.ox, r.oy).ball(-12, 0), ours);
            };
            EXPECT_EQ(cycle(scene, goalie1()), cycle(scene, r.expected));
        }
    }
}

// The kicker is chosen in the 1st, 21st and 42nd cycles and kept between.
TEST_F(GoalieRole, GoalKickKickerChosenAgain)
{
    auto goalKick = [](int c, bool ballAtMe) {
        apply(g1(-14.5f, -0.3f).playMode(PM_Goal_Kick_Left).cycle(c).teammate(2, -13, 2)
                  .ball(ballAtMe ? -13.5f : -12.5f, ballAtMe ? -0.3f : 2.0f));
        next(goalie1());
        return lastAction() == WAIT;
    };
    EXPECT_FALSE(goalKick(1, true));
    for (int c = 2; c <= 20; ++c) EXPECT_FALSE(goalKick(c, false)) << c;
    EXPECT_TRUE(goalKick(21, false));
    for (int c = 22; c <= 41; ++c) EXPECT_TRUE(goalKick(c, true)) << c;
    EXPECT_FALSE(goalKick(42, true));
}

// Mend: next to the kicker the other goalie side-steps only where a side
// step applies, and otherwise waits instead of walking to its own place.
TEST_F(GoalieRole, GoalKickNextToTheKicker)
{
    struct Row
    {
        const char* what;
        float kx, ky;
        int age;
        float bx, by;
        RoleTest::Call expected;
    };
    const Row rows[] = {
        {"kicker at 120 degrees", -14.6f, -0.127f, 0, -14.0f, 0.5f, act(WAIT)},
        {"kicker not seen", -14.4f, -0.2f, 50, -13.8f, 0.0f, act(WAIT)},
        {"kicker at 45 degrees", -14.359f, -0.159f, 0, -13.5f, 0.5f, side(&Skills::walkOmniRight)},
    };
    for (const Row& r : rows)
    {
        SCOPED_TRACE(r.what);
        const Scene scene = [=] {
            apply(g1(-14.5f, -0.3f).playMode(PM_Goal_Kick_Left).object(TEAMMATE_2, r.kx, r.ky, r.age).ball(r.bx, r.by));
        };
        EXPECT_EQ(cycle(scene, goalie1()), cycle(scene, r.expected));
    }
}

// Free kick: the clearing blocker passes to the band holding most teammates
// more than 1.5 ahead and 3 away; none: (15, 0).
TEST_F(GoalieRole, FreeKickPassTarget)
{
    struct Row
    {
        const char* what;
        std::vector<std::pair<float, float>> mates;
        float tx, ty;
    };
    const std::vector<Row> rows = {
        {"two at y > 6, one at y 1", {{-7.2f, 7}, {-7.2f, 7.5f}, {-7.2f, 1}}, 0, 8},
        {"one and one: the first band", {{-7, 7}, {-7, 1}}, 0, 8},
        {"two at 0 < y <= 6", {{-7, 7}, {-7, 1}, {-5, 2}}, 0, 2},
        {"below -6", {{-7, -7}}, 0, -8},
        {"between -6 and 0", {{-7, -1}}, 0, -2},
        {"only 1.2 ahead", {{-10, 7}}, 15, 0},
        {"ahead but within 3", {{-9.5f, 0.5f}}, 15, 0},
        {"nobody", {}, 15, 0},
    };
    for (const Row& r : rows)
    {
        SCOPED_TRACE(r.what);
        const Scene scene = [&r] {
            SkillScene s = g1(-11.2f, 0.2f).playMode(PM_FreeKick_Left).teammate(2, -11, -2).ball(-11.6f, 0);
            int n = 3;
            for (const auto& [x, y] : r.mates) s.teammate(n++, x, y);
            apply(s);
        };
        EXPECT_EQ(cycle(scene, goalie1()), cycle(scene, kickTo(r.tx, r.ty)));
    }
}

// Free kick against open play in the same scene.
TEST_F(GoalieRole, FreeKickDifferences)
{
    struct Row
    {
        const char* what;
        SkillScene scene;
        RoleTest::Call freeKick, playOn;
    };
    const Row rows[] = {
        {"blocker with the ball ahead walks to it",
         g1(-13, 0).teammate(2, -14.5f, -1).ball(-11.5f, 0.5f), walkToBall, kickTo(-5, 10)},
        {"blocker, ball off to a side out of reach: waits",
         g1(-12.5f, 3).teammate(2, -12, -2).ball(-13, 3.5f), act(WAIT), kickTo(-5, 10)},
        {"blocker, ball off to a side at its feet: passes",
         g1(-12.7f, 3.2f).teammate(2, -12, -2).ball(-13, 3.5f), kickTo(15, 0), kickTo(-5, 10)},
    };
    for (const Row& r : rows)
    {
        SCOPED_TRACE(r.what);
        for (PlayMode pm : {PM_FreeKick_Left, PM_FreeKick_Right})
        {
            SkillScene s = r.scene;
            const Scene free = [=] { apply(SkillScene(s).playMode(pm)); };
            EXPECT_EQ(cycle(free, goalie1()), cycle(free, r.freeKick)) << pm;
        }
        const Scene open = [s = r.scene] { apply(s); };
        EXPECT_EQ(cycle(open, goalie1()), cycle(open, r.playOn));
    }
}

// The non-blocker next to the blocker goes for the opponent nearest a ball
// that opponent is nearer to.
TEST_F(GoalieRole, FreeKickNonBlockerPressesTheOpponent)
{
    const SkillScene s = g2(-14.2f, -0.8f).teammate(1, -14.2f, 0.3f).opponent(9, -13.3f, 0.6f).ball(-13.5f, 0.5f);
    const Scene free = [=] { apply(SkillScene(s).playMode(PM_FreeKick_Right)); };
    EXPECT_EQ(cycle(free, goalie2()), cycle(free, walk(-13.3f, 0.6f)));
    const Scene open = [=] { apply(s); };
    EXPECT_EQ(cycle(open, goalie2()), cycle(open, walk(-14.4f, 0)));
}

} // namespace

namespace {

// The engine's options for the other programs' goalies.
class GoalieGuardOptionsTest : public RoleTest
{
protected:
    static Call guard(GoalieGuardOptions o)
    {
        return [o] {
            GoalieGuard g;
            GoalieGuardState s;
            return g.play(s, o);
        };
    }
};

TEST_F(GoalieGuardOptionsTest, FixedBlockerHomePointOutOfPlaceAndDebugLines)
{
    // Both behind the ball, goalie 1 nearer: it blocks unless goalie 2 is fixed.
    const Scene blocking = [] { apply(g1(-14, 0.5f).teammate(2, -14, -0.5f).ball(-12, 1)); };
    GoalieGuardOptions fixed;
    fixed.fixedBlocker = TEAMMATE_2;
    EXPECT_EQ(cycle(blocking, guard(fixed)), cycle(blocking, [] { return walkTo(at(-14.4f, 0)); }));
    // Out of place beyond x -14.5: home before blocking.
    GoalieGuardOptions outOfPlace;
    outOfPlace.outOfPlaceX = -14.5;
    EXPECT_EQ(cycle(blocking, guard(outOfPlace)), cycle(blocking, [] { return walkTo(Position::instance()->getHomePos()); }));

    const Scene away = [] { apply(g1(-13, 1).ball(3, 2)); };
    GoalieGuardOptions home;
    home.homePoint = at(-14, 0);
    home.debugLines = true;
    ::testing::internal::CaptureStdout();
    const Cycle got = cycle(away, guard(home));
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "回家喽\n");
    EXPECT_EQ(got, cycle(away, [] { return walkTo(at(-14, 0)); }));
    ::testing::internal::CaptureStdout();
    cycle(away, guard(GoalieGuardOptions()));
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
}

} // namespace
