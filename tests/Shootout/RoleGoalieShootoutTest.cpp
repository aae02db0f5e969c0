// Goal and free kicks of the goalie in rovan-penalty and rovan-keeper.
#include <string>

#include <gtest/gtest.h>

#include "support/ShootoutGoalieTest.h"

namespace {

TEST_F(ShootoutGoalie, OurGoalKickIsSideKickedAtTheGoalCentre)
{
    for (PlayMode pm : {PM_Goal_Kick_Left, PM_Goal_Kick_Right})
    {
        SCOPED_TRACE(pm);
        const TeamSide ours = pm == PM_Goal_Kick_Left ? TEAM_LEFT : TEAM_RIGHT;
        const Scene scene = [=] { apply(g1(-14, 0).playMode(pm).teammate(2, -15, 0).ball(-12, 0), ours); };
        EXPECT_EQ(cycle(scene, goalie1()), cycle(scene, [] { return skills().SideKick(); }));
    }
}

struct Row
{
    const char* what;
    RoleTest::Scene scene;
    RoleTest::Call expected;
    const char* lines;
};

using R = RoleTest;
using G = ShootoutGoalie;

const Row kFreeKickRows[] = {
    {"blocker walks to a ball ahead",
     [] { R::apply(G::g1(-14.5f, 0).playMode(PM_FreeKick_Left).ball(-13.5f, 1.0f)); }, R::walkToBall,
     "阻球条件成立\n我是阻球人-------->9\n球在我前方 \n"},
    {"goal line, ball behind: dribbles",
     [] { R::apply(G::g1(-14.5f, 0).playMode(PM_FreeKick_Right).ball(-14.7f, 1.2f)); }, [] { return R::dribbleToGoal(); },
     "阻球条件成立\n我是阻球人-------->9\n我fast\n"},
    // No case applies: the blocker waits rather than sending nothing.
    {"blocker with no case waits",
     [] { R::apply(G::g1(-13, 0).playMode(PM_FreeKick_Left).ball(-13.5f, 3.5f)); }, G::act(WAIT),
     "阻球条件成立\n我是阻球人-------->9\n"},
    {"ball away: walks to the formation's home",
     [] { R::apply(G::g1(-13, 1).playMode(PM_FreeKick_Left).ball(3, 2)); },
     [] { return R::walkTo(Position::instance()->getHomePos()); }, "回家喽\n"},
};

TEST_F(ShootoutGoalie, FreeKicksWriteTheGoaliesLines)
{
    for (const Row& r : kFreeKickRows)
    {
        SCOPED_TRACE(r.what);
        const auto [got, lines] = written(r.scene, goalie1());
        EXPECT_EQ(lines, r.lines);
        EXPECT_EQ(got, cycle(r.scene, r.expected));
    }
}

} // namespace
