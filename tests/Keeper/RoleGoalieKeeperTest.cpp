// rovan-keeper's goalie in open play: silent, and stepping between ball and goal.
#include <string>

#include <gtest/gtest.h>

#include "support/ShootoutGoalieTest.h"

namespace {

using R = RoleTest;
using G = ShootoutGoalie;

struct Row
{
    const char* what;
    RoleTest::Scene scene;
    RoleTest::Call expected;
};

const Row kPlayOnRows[] = {
    {"out of place at x -13.2: walks home", [] { R::apply(G::g1(-13.2f, 0).ball(-13.5f, 1.0f)); }, G::home()},
    {"ball at x -13.1: still blocks and kicks at the goal centre",
     [] { R::apply(G::g1(-14.5f, 0).ball(-13.1f, 1.0f)); }, [] { return R::kickToGoal(); }},
    {"ball at x -13.04: gives up", [] { R::apply(G::g1(-14.5f, 0).ball(-13.04f, 1.0f)); }, G::home()},
    {"ball at y 2.9: still blocks", [] { R::apply(G::g1(-14.5f, 0).ball(-13.5f, 2.9f)); }, [] { return R::kickToGoal(); }},
    {"ball at y 2.96: gives up", [] { R::apply(G::g1(-14.5f, 0).ball(-13.5f, 2.96f)); }, G::home()},
    {"ball at y -2.96: gives up", [] { R::apply(G::g1(-14.5f, 0).ball(-13.5f, -2.96f)); }, G::home()},
    {"ball 0.1 m right behind, facing the field: steps left",
     [] { R::apply(G::g1(-14.1f, 0.1f).ball(-14.2f, 0.1f)); }, G::step(&Skills::walkOmniLeft, 0.5)},
    {"goal line ends at |y| 1.5: a free ball at y 1.55 is kicked at the goal centre",
     [] { R::apply(G::g1(-14.5f, 0).ball(-14.7f, 1.55f)); }, [] { return R::kickToGoal(); }},
    {"ball off to a side with an opponent at it, facing the field: steps back",
     [] { R::apply(G::g1(-14.0f, 1.0f).ball(-14.5f, 2.0f).opponent(5, -14.5f, 3.0f)); },
     G::step(&Skills::walkOmniBackward, 0.3)},
    {"the same facing the goal: steps forward",
     [] { R::apply(G::g1(-14.0f, 1.0f, 180).ball(-14.5f, 2.0f).opponent(5, -14.5f, 3.0f)); },
     G::step(&Skills::walkOmniForward, 0.3)},
    {"the ball 0.1 m to the left: steps left",
     [] { R::apply(G::g1(-14.0f, 1.9f).ball(-14.5f, 2.0f).opponent(5, -14.5f, 3.0f)); },
     G::step(&Skills::walkOmniLeft, 0.5)},
    {"the ball 0.1 m to the right: steps right",
     [] { R::apply(G::g1(-14.0f, 2.1f).ball(-14.5f, 2.0f).opponent(5, -14.5f, 3.0f)); },
     G::step(&Skills::walkOmniRight, 0.5)},
    {"ball ahead at the side with an opponent at it: walks to it",
     [] { R::apply(G::g1(-14.2f, 1.0f).ball(-14.1f, 2.0f).opponent(5, -14.1f, 3.0f)); }, RoleTest::walkToBall},
    {"the goalie itself at a free ball: kicks it at the goal centre",
     [] { R::apply(G::g1(-14.0f, 1.0f).ball(-14.5f, 2.0f)); }, [] { return R::kickToGoal(); }},
    // Only a mislocalised ball lies there (beyond the blocking box by its
    // |y| of 3, so neither blocking nor going home applies); the keeper keeps watching it.
    {"stored ball at (-18.5, 3): waits", [] { R::apply(G::g1(-14.5f, 0).ball(-18.5f, 3.0f)); }, G::act(WAIT)},
};

TEST_F(ShootoutGoalie, KeeperPlayOnScenesWriteNothing)
{
    for (const Row& r : kPlayOnRows)
    {
        SCOPED_TRACE(r.what);
        const auto [got, lines] = written(r.scene, goalie1());
        EXPECT_EQ(lines, "");
        EXPECT_EQ(got, cycle(r.scene, r.expected));
    }
}

TEST_F(ShootoutGoalie, KeeperDivesSilently)
{
    const auto [got, lines] = written(rollingBall(40, 170), goalie1());
    EXPECT_EQ(SwitchRecord::actions().back().action, DIVE_HAND_L) << got.calls;
    EXPECT_EQ(lines, "");
}

} // namespace
