#include <map>
#include <string>

#include <gtest/gtest.h>

#include "Agent/Agent.h"
#include "support/RoleTest.h"

namespace {

class RoleDispatch : public RoleTest
{
protected:
    // A forward (number 9) or defender (number 4) alone on the field at
    // (0, 0) or (-5, 0) facing the opponent goal; the ball at (3, 2).
    static Scene fieldScene(int unum, PlayMode pm, TeamSide side)
    {
        const float x = unum == 9 ? 0.0f : -5.0f;
        return [=] { apply(SkillScene().unum(unum).playMode(pm).me(x, 0, 0).ball(3, 2), side); };
    }
};

struct Row
{
    PlayMode pm;
    TeamSide side;
    RoleTest::Call forward;
    RoleTest::Call defender;
};

// Expected requests. Alone on the field, each is the player nearest the
// ball, and the tactic ranks the defender among the forwards.
const Row kRows[] = {
    {PM_BeforeKickOff, TEAM_LEFT, RoleTest::waitForBall, RoleTest::waitForBall},
    {PM_KickOff_Left, TEAM_LEFT, RoleTest::walkToBall, [] { return Skills::instance()->keepDir(); }},
    {PM_KickOff_Left, TEAM_RIGHT, [] { return RoleTest::walkTo(Tactic::instance()->getForwardKickOffOtherPos()); },
     [] { return Skills::instance()->keepDir(); }},
    {PM_KickOff_Right, TEAM_RIGHT, RoleTest::walkToBall, [] { return Skills::instance()->keepDir(); }},
    {PM_PlayOn, TEAM_LEFT, RoleTest::walkToBall,
     [] { return RoleTest::walkTo(Tactic::instance()->getDefensiveHomePos(RT_DEFENDRE_LEFT, RoleTest::at(3, 2))); }},
    {PM_FreeKick_Left, TEAM_LEFT, RoleTest::walkToBall,
     [] { return RoleTest::walkTo(Tactic::instance()->getDefensiveHomePos(RT_DEFENDRE_LEFT, RoleTest::at(3, 2))); }},
    {PM_FreeKick_Right, TEAM_RIGHT, RoleTest::walkToBall,
     [] { return RoleTest::walkTo(Tactic::instance()->getDefensiveHomePos(RT_DEFENDRE_LEFT, RoleTest::at(3, 2))); }},
    {PM_Goal_Left, TEAM_LEFT, RoleTest::waitForBall, RoleTest::waitForBall},
    {PM_Goal_Right, TEAM_LEFT, RoleTest::waitForBall, RoleTest::waitForBall},
    {PM_KickIn_Left, TEAM_LEFT, [] { return Skills::instance()->kickBall(); },
     [] { return RoleTest::walkTo(Tactic::instance()->getDefensiveStrategyPos(TEAMMATE_4)); }},
    {PM_KickIn_Left, TEAM_RIGHT, [] { return RoleTest::walkTo(RoleTest::at(0.5f, 2)); },
     [] { return RoleTest::walkTo(Tactic::instance()->getDefensiveHomePos(RT_DEFENDRE_LEFT, RoleTest::at(3, 2))); }},
    {PM_KickIn_Right, TEAM_RIGHT, [] { return Skills::instance()->kickBall(); },
     [] { return RoleTest::walkTo(Tactic::instance()->getDefensiveStrategyPos(TEAMMATE_4)); }},
    {PM_Goal_Kick_Left, TEAM_LEFT, RoleTest::waitForBall, RoleTest::waitForBall},
    {PM_Goal_Kick_Left, TEAM_RIGHT, RoleTest::waitForBall,
     [] { return RoleTest::walkTo(Tactic::instance()->getDefensiveHomePos(RT_DEFENDRE_LEFT, RoleTest::at(3, 2))); }},
    {PM_Goal_Kick_Right, TEAM_RIGHT, RoleTest::waitForBall, RoleTest::waitForBall},
    {PM_Corner_Kick_Right, TEAM_LEFT, [] { return RoleTest::walkTo(Tactic::instance()->GetWaitStrategyPos()); },
     [] { return RoleTest::walkTo(Tactic::instance()->getDefensiveHomePos(RT_DEFENDRE_LEFT, RoleTest::at(3, 2))); }},
    {PM_Corner_Kick_Left, TEAM_LEFT,
     [] { return Skills::instance()->SideKick(RoleTest::at(7.5f, 0)); },
     [] { return RoleTest::walkTo(Position::instance()->getHomePos()); }},
    {PM_Corner_Kick_Right, TEAM_RIGHT,
     [] { return Skills::instance()->SideKick(RoleTest::at(7.5f, 0)); },
     [] { return RoleTest::walkTo(Position::instance()->getHomePos()); }},
    {PM_Offside_Left, TEAM_LEFT, RoleTest::waitForBall, RoleTest::waitForBall},
    {PM_Offside_Right, TEAM_LEFT, RoleTest::waitForBall, RoleTest::waitForBall},
    {PM_GameOver, TEAM_LEFT, RoleTest::walkToBall,
     [] { return RoleTest::walkTo(Tactic::instance()->getDefensiveHomePos(RT_DEFENDRE_LEFT, RoleTest::at(3, 2))); }},
};

TEST_F(RoleDispatch, EveryPlayModeReachesItsHandler)
{
    for (const Row& row : kRows)
    {
        SCOPED_TRACE(::testing::Message() << "play mode " << row.pm << ", side " << row.side);
        const Scene fwd = fieldScene(9, row.pm, row.side);
        EXPECT_EQ(cycle(fwd, forward(RT_ATTACKER_LEFT)), cycle(fwd, row.forward)) << "forward";
        const Scene def = fieldScene(4, row.pm, row.side);
        EXPECT_EQ(cycle(def, defender(RT_DEFENDRE_LEFT)), cycle(def, row.defender)) << "defender";
    }
}

TEST_F(RoleDispatch, GoalieWaitsWatchingTheBallInTheWaitingPlayModes)
{
    for (PlayMode pm : {PM_BeforeKickOff, PM_KickOff_Left, PM_KickOff_Right, PM_Goal_Left, PM_Goal_Right, PM_Offside_Left,
                        PM_Offside_Right, PM_GameOver})
    {
        SCOPED_TRACE(pm);
        const Scene scene = [pm] { apply(SkillScene().unum(1).playMode(pm).me(-14, 0, 0).ball(3, 2)); };
        EXPECT_EQ(cycle(scene, goalie(RT_GOLIAR1)), cycle(scene, [] { return action(WAIT); }));
    }
}

TEST_F(RoleDispatch, UnknownPlayModePrintsRoleErrorAndAnswersNothing)
{
    const std::map<int, Call> roles = {{9, forward(RT_ATTACKER_LEFT)}, {4, defender(RT_DEFENDRE_LEFT)}, {1, goalie(RT_GOLIAR1)}};
    for (const auto& [unum, role] : roles)
    {
        SCOPED_TRACE(unum);
        const Scene scene = [unum = unum] { apply(SkillScene().unum(unum).playMode(PM_Unknown).me(-5, 0, 0).ball(3, 2)); };
        ::testing::internal::CaptureStdout();
        const Cycle got = cycle(scene, role);
        EXPECT_EQ(::testing::internal::GetCapturedStdout(), "Role Error\n");
        EXPECT_EQ(got, Cycle());
    }
}

TEST_F(RoleDispatch, RoleTypeMissingFromTheTablePrintsRoleErrorAndAnswersNothing)
{
    apply(SkillScene().unum(9).me(0, 0, 0).ball(3, 2));
    const std::map<RoleType, Role*> table = {{RT_ATTACKER_LEFT, RoleForward::instance()}};
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(Agent::playRole(table, RT_ATTACKER_RIGHT), "");
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "Role Error\n");
    EXPECT_TRUE(SwitchRecord::calls().empty());
    EXPECT_EQ(Agent::playRole(table, RT_ATTACKER_LEFT), SwitchRecord::marker(WALK_OMNI));
    EXPECT_EQ(RoleForward::instance()->getMyRoleType(), RT_ATTACKER_LEFT);
}

// The goalie refreshes the two ball orderings only; the others keep what a
// field player last sorted.
TEST_F(RoleDispatch, GoalieRefreshesOnlyTheTwoBallOrderings)
{
    apply(SkillScene().unum(1).me(-14, 0, 0).ball(3, 2).teammate(5, 2, 2).opponent(3, 4, 2));
    Tactic& t = tactic();
    const std::vector<Object> marked(11, GOAL_1L);
    t.ourAllDistToMe = t.oppAllDistToMe = t.ourDefensiveEquivalentDistToBall = t.ourForwardEquivalentDistToBall = marked;
    RoleGoalie::instance()->execute(RT_GOLIAR1);
    EXPECT_EQ(t.ourAllDistToBall.front(), TEAMMATE_5);
    EXPECT_EQ(t.oppAllDistToBall.front(), OPPONENT_3);
    EXPECT_EQ(t.ourAllDistToMe, marked);
    EXPECT_EQ(t.oppAllDistToMe, marked);
    EXPECT_EQ(t.ourDefensiveEquivalentDistToBall, marked);
    EXPECT_EQ(t.ourForwardEquivalentDistToBall, marked);
}

// The forward's own position is kept from the last cycle with an own global
// confidence of 9.94 or more (single precision); the other side's kick-off
// compares it with the kick-off point.
TEST_F(RoleDispatch, OwnPositionRefreshesFromConfidence994)
{
    for (double confidence : {9.94, 9.92})
    {
        SCOPED_TRACE(confidence);
        reset();
        apply(SkillScene().unum(9).playMode(PM_KickOff_Right).me(5, 5, 0).ball(0, 0));
        sortLists();
        const salt::Vector3f p = tactic().getForwardKickOffOtherPos();
        RoleForward::instance()->execute(RT_ATTACKER_LEFT);
        apply(SkillScene().unum(9).playMode(PM_KickOff_Right).me(p.x(), p.y(), 0).ball(0, 0));
        SkillScene::setGlobalConfidence(wm().getMyObject(), confidence);
        sortLists();
        ASSERT_EQ(tactic().getForwardKickOffOtherPos(), p);
        const Cycle got = next(forward(RT_ATTACKER_LEFT));
        const bool waited =
            got.text == SwitchRecord::marker(WALK_OMNI) && SwitchRecord::walkRequests().back().walkType == WALK_OMNI_WAIT;
        EXPECT_EQ(waited, confidence > 9.93);
    }
}

// The defender's ball copy is refreshed only above 9.6 (single precision):
// at exactly 9.6 it still walks to its home line for the old ball up field.
TEST_F(RoleDispatch, BallPositionRefreshesOnlyAbove96)
{
    for (double confidence : {9.6, 9.62})
    {
        SCOPED_TRACE(confidence);
        reset();
        apply(SkillScene().unum(4).me(-5, 0, 180).ball(3, 2));
        RoleDefender::instance()->execute(RT_DEFENDRE_LEFT);
        apply(SkillScene().unum(4).me(-5, 0, 180).ball(-8, 2));
        SkillScene::setGlobalConfidence(BALL, confidence);
        const salt::Vector3f home = tactic().getDefensiveHomePos(RT_DEFENDRE_LEFT, at(3, 2));
        const Cycle got = next(defender(RT_DEFENDRE_LEFT));
        const Cycle homeWalk = next([&] { return walkTo(home); });
        EXPECT_EQ(got == homeWalk, confidence < 9.61);
    }
}

} // namespace
