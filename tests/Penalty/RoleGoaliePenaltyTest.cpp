// rovan-penalty's goalie in open play.
#include <string>
#include <vector>

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
    const char* lines;
};

const Row kPlayOnRows[] = {
    {"out of place at x -13.2: walks home before blocking",
     [] { R::apply(G::g1(-13.2f, 0).ball(-13.5f, 1.0f)); }, [] { return R::walkTo(R::at(-14.5f, 0)); }, "回家喽\n"},
    {"out of place at |y| 2.8: walks home",
     [] { R::apply(G::g1(-14.0f, -2.8f).ball(-13.5f, 1.0f)); }, [] { return R::walkTo(R::at(-14.5f, 0)); }, "回家喽\n"},
    {"in place at (-13.4, 2.6): blocks and clears with the side kick",
     [] { R::apply(G::g1(-13.4f, 2.6f).ball(-13.5f, 1.0f)); }, [] { return R::skills().SideKick(R::at(15, 0)); },
     "阻球条件成立\n我是阻球人-------->9\n"},
    {"ball at (-13.5, 1.0): blocks",
     [] { R::apply(G::g1(-14.5f, 0).ball(-13.5f, 1.0f)); }, [] { return R::skills().SideKick(R::at(15, 0)); },
     "阻球条件成立\n我是阻球人-------->9\n"},
    {"ball at x -13.25: still blocks",
     [] { R::apply(G::g1(-14.5f, 0).ball(-13.25f, 1.0f)); }, [] { return R::skills().SideKick(R::at(15, 0)); },
     "阻球条件成立\n我是阻球人-------->9\n"},
    {"ball at x -13.1: gives up", [] { R::apply(G::g1(-14.5f, 0).ball(-13.1f, 1.0f)); },
     [] { return R::walkTo(R::at(-14.5f, 0)); }, "阻球条件成立\n"},
    {"ball at y 2.9: gives up", [] { R::apply(G::g1(-14.5f, 0).ball(-13.5f, 2.9f)); },
     [] { return R::walkTo(R::at(-14.5f, 0)); }, "阻球条件成立\n"},
    {"ball at y -2.9: gives up", [] { R::apply(G::g1(-14.5f, 0).ball(-13.5f, -2.9f)); },
     [] { return R::walkTo(R::at(-14.5f, 0)); }, "阻球条件成立\n"},
    {"ball at y -2.75: blocks", [] { R::apply(G::g1(-14.5f, 0).ball(-13.5f, -2.75f)); },
     [] { return R::skills().SideKick(R::at(15, 0)); }, "阻球条件成立\n我是阻球人-------->9\n"},
    {"goal line at |y| 1.55, ball behind: dribbles",
     [] { R::apply(G::g1(-14.5f, 0).ball(-14.7f, 1.55f)); }, [] { return R::dribbleToGoal(); },
     "阻球条件成立\n我是阻球人-------->9\n我fast\n"},
    {"ball 0.1 m right behind: dribbles, it is not 0.3 m behind",
     [] { R::apply(G::g1(-14.1f, 0.1f).ball(-14.2f, 0.1f)); }, [] { return R::dribbleToGoal(); },
     "阻球条件成立\n我是阻球人-------->9\n我fast\n"},
    {"ball 0.4 m right behind, a little left: steps left",
     [] { R::apply(G::g1(-14.1f, 0).ball(-14.5f, 0.05f)); }, G::step(&Skills::walkOmniLeft, 0.5),
     "阻球条件成立\n我是阻球人-------->9\n"},
    {"ball off to a side with the goalie itself at it: no case, walks home",
     [] { R::apply(G::g1(-14.0f, 1.0f).ball(-14.5f, 2.0f)); }, [] { return R::walkTo(R::at(-14.5f, 0)); },
     "阻球条件成立\n我是阻球人-------->9\n回家喽\n"},
    {"goalie 2 plays the other goalie and waits at its point",
     [] { R::apply(SkillScene().unum(2).me(-14.4f, 0, 0).teammate(1, -14.5f, 0.5f).ball(-13.5f, 1.0f)); },
     G::act(WAIT), "阻球条件成立\n我是非阻球人，我去走点\n"},
    {"at home facing 20 degrees left: turns right",
     [] { R::apply(G::g1(-14.5f, 0, 20).ball(0, 0)); },
     [] { return R::skills().walkOmniTurnRight(HEAD_FOCUS_ON_OBJECT, BALL); }, "我到了哦\n"},
    {"lying, no dive running: gets up", [] { R::apply(G::g1(-14.5f, 0).ball(0, 0).posture(Posture::BACK).fallen(TEAMMATE_1)); },
     [] { return R::skills().getUp(HEAD_FOCUS_ON_OBJECT, BALL); }, "我要起身了！！！！！\n"},
    // Only a mislocalised ball lies there (beyond the blocking box by its
    // |y| of 3, so neither blocking nor going home applies); the goalie keeps watching it.
    {"stored ball at (-18.5, 3): waits", [] { R::apply(G::g1(-14.5f, 0).ball(-18.5f, 3.0f)); }, G::act(WAIT), ""},
};

TEST_F(ShootoutGoalie, PenaltyPlayOnScenes)
{
    for (const Row& r : kPlayOnRows)
    {
        SCOPED_TRACE(r.what);
        const auto [got, lines] = written(r.scene, goalie1());
        EXPECT_EQ(lines, r.lines);
        EXPECT_EQ(got, cycle(r.scene, r.expected));
    }
}

TEST_F(ShootoutGoalie, PenaltyBlockingCycleWritesItsLinesInOrder)
{
    const Scene approach = [] { apply(g1(-14.5f, 0).ball(-12.0f, 1.0f)); };
    const Scene inBox = [] { apply(g1(-14.5f, 0).ball(-13.5f, 1.0f)); };
    const auto [got, lines] = written(std::vector<Scene>{approach, inBox}, goalie1());
    EXPECT_EQ(lines, "我到了哦\nNear_true\n阻球条件成立\n我是阻球人-------->9\n");
    EXPECT_EQ(got, run({approach, inBox}, {act(WAIT), sideKickToGoal()}));
}

TEST_F(ShootoutGoalie, PenaltyDiveDirectionByBallBearingWhateverItsY)
{
    struct DiveRow
    {
        double heading, bearing;
        ActionType dive;
    };
    const DiveRow rows[] = {{40, 170, DIVE_HAND_L}, {40, -170, DIVE_HAND_R}, {40, 0, DIVE_LEG_R}, {10, 0, DIVE_LEG_R}};
    for (const DiveRow& d : rows)
    {
        SCOPED_TRACE(::testing::Message() << "heading " << d.heading << ", bearing " << d.bearing);
        const auto [got, lines] = written(rollingBall(d.heading, d.bearing), goalie1());
        EXPECT_EQ(SwitchRecord::actions().back().action, d.dive) << got.calls;
        EXPECT_NE(lines.find("我要扑球-------------\n"), std::string::npos);
        EXPECT_EQ(lines.size() - lines.rfind("我要扑球-------------\n"), std::string("我要扑球-------------\n").size());
    }
}

TEST_F(ShootoutGoalie, PenaltyDivesAgainRightAfterTheDivePeriod)
{
    // A dive, 32 cycles with the ball lying still (the after-dive period),
    // then a second ball rolling in: the penalty goalie dives again where
    // the match goalie would wait 201 more cycles.
    std::vector<Scene> scenes = rollingBall(0, 0);
    for (int i = 0; i < 32; ++i) scenes.push_back([i] { apply(g1(-14.5f, 0).cycle(10 + i).ball(-12.8f, 0.1f)); });
    for (const Scene& s : rollingBall(0, 0, 42)) scenes.push_back(s);
    ::testing::internal::CaptureStdout();
    run(scenes, {goalie1()});
    const std::string lines = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(SwitchRecord::actions().back().action, DIVE_LEG_R);
    EXPECT_NE(lines.find("treueuue\n"), std::string::npos);
}

} // namespace
