// rovan-penalty's forward: the penalty taker.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/RoleTest.h"

namespace {

class Taker : public RoleTest
{
protected:
    static Call taker() { return forward(RT_ATTACKER_LEFT); }
    static Call dribble() { return [] { return skills().fastDribbleToPoint(at(15, 0)); }; }
    static Call kick() { return [] { return skills().kickBall(); }; }
};

struct Case
{
    const char* what;
    float ballX;
    float gap;  // from me to the ball, straight ahead
    RoleTest::Call expected;
};

TEST_F(Taker, WalksToTheBallThenDribblesOrKicksByTheBallsX)
{
    const Case cases[] = {
        {"0.81 m away: walks", 0.0f, 0.81f, walkToBall},
        {"0.79 m away at x 0: kicks", 0.0f, 0.79f, kick()},
        {"x -13: dribbles", -13.0f, 0.79f, dribble()},
        {"x -12.7: kicks", -12.7f, 0.79f, kick()},
        {"x 2.9: kicks", 2.9f, 0.79f, kick()},
        {"x 3.1: dribbles", 3.1f, 0.79f, dribble()},
        {"x 9.9: dribbles", 9.9f, 0.79f, dribble()},
        {"x 10.0: kicks", 10.0f, 0.79f, kick()},
        {"x 12: kicks", 12.0f, 0.79f, kick()},
        {"x 12, 0.81 m away: walks", 12.0f, 0.81f, walkToBall},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        const Scene scene = [&c] { apply(SkillScene().unum(9).me(c.ballX - c.gap, 0, 0).ball(c.ballX, 0)); };
        EXPECT_EQ(cycle(scene, taker()), cycle(scene, c.expected));
    }
}

TEST_F(Taker, ReadsNoTacticList)
{
    // A teammate nearer the ball and an opponent at it change nothing.
    const Scene scene = [] {
        apply(SkillScene().unum(9).me(5, 0, 0).ball(5.5f, 0).teammate(7, 5.4f, 0.2f).opponent(1, 5.7f, 0));
    };
    EXPECT_EQ(cycle(scene, taker()), cycle(scene, dribble()));
}

TEST_F(Taker, StalePositionsLeaveTheLastWellKnownOnesDeciding)
{
    const Scene near = [] { apply(SkillScene().unum(9).me(0, 0, 0).ball(0.5f, 0)); };
    // Own confidence 9.94 and ball confidence 9.8: both copies stay.
    const Scene staleFar = [] { apply(SkillScene().unum(9).me(-5, 3, 0, 3).ball(6, 0, 10)); };
    const Scene freshFar = [] { apply(SkillScene().unum(9).me(-5, 3, 0).ball(6, 0)); };
    EXPECT_EQ(run({near, staleFar}, {taker()}), run({near, staleFar}, {kick()}));
    EXPECT_EQ(run({near, freshFar}, {taker()}), run({near, freshFar}, {kick(), walkToBall}));
}

} // namespace
