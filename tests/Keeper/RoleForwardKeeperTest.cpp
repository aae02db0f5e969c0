// rovan-keeper's forward: the match play with a wider shooting window.
#include <gtest/gtest.h>

#include "support/RoleTest.h"

namespace {

using KeeperForward = RoleTest;

TEST_F(KeeperForward, ShootsUpToXThirteen)
{
    const auto shoot = [] { return skills().kickBall(at(15, 0)); };
    const auto dribble = [] { return skills().fastDribbleToPoint(at(15, 0)); };
    const Scene at12_5 = [] { apply(SkillScene().unum(9).me(12.5f, 2.3f, 0).ball(12.9f, 2)); };
    const Scene at13 = [] { apply(SkillScene().unum(9).me(13.0f, 2.3f, 0).ball(13.4f, 2)); };
    EXPECT_EQ(cycle(at12_5, forward(RT_ATTACKER_LEFT)), cycle(at12_5, shoot));
    EXPECT_EQ(cycle(at13, forward(RT_ATTACKER_LEFT)), cycle(at13, dribble));
}

} // namespace
