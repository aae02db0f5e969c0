#include <cmath>

#include <gtest/gtest.h>

#include "support/TacticTesting.h"

namespace {

struct Point
{
    float x, y;
};

::testing::AssertionResult near(const salt::Vector3f& got, Point want)
{
    if (std::fabs(got.x() - want.x) < 1e-4f && std::fabs(got.y() - want.y) < 1e-4f)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got (" << got.x() << ", " << got.y() << "), want (" << want.x << ", "
                                         << want.y << ")";
}

class FormationTest : public TacticTest
{
protected:
    // The forwards, each standing a little beside the point it should get.
    static void forwardsBeside(const std::vector<Object>& forwards, const std::vector<Point>& spots, SkillScene scene)
    {
        for (std::size_t i = 0; i < forwards.size(); ++i)
            if (forwards[i] != OBJECT_MAX) scene.object(forwards[i], spots[i].x + 0.1f, spots[i].y - 0.1f);
        scene.apply();
        tactic().ourForwardEquivalentDistToBall = forwards;
    }
    static void ask(Object who) { wm().setNum(who - TEAMMATE_1 + 1); }
    // Each forward of the list gets the point it stands beside.
    static void expectEachGetsItsSpot(salt::Vector3f (Tactic::*op)(), const std::vector<Object>& forwards,
                                      const std::vector<Point>& spots)
    {
        for (std::size_t i = 0; i < forwards.size(); ++i)
        {
            if (forwards[i] == OBJECT_MAX) continue;
            ask(forwards[i]);
            EXPECT_TRUE(near((tactic().*op)(), spots[i])) << "entry " << i;
        }
    }
};

const std::vector<Object> kFive = {TEAMMATE_7, TEAMMATE_8, TEAMMATE_9, TEAMMATE_10, TEAMMATE_11};

TEST_F(FormationTest, WaitPointsBesideTheBallShiftedInFromTheTouchLine)
{
    const std::vector<Point> spots = {{0, 8}, {0.5f, 5}, {-0.2f, 4}, {0, 9}, {0, 10}};
    forwardsBeside(kFive, spots, SkillScene().ball(0, 8));
    expectEachGetsItsSpot(&Tactic::GetWaitStrategyPos, kFive, spots);
}

TEST_F(FormationTest, WaitPointsHeldAtMinusSevenAndAHalf)
{
    const std::vector<Point> spots = {{-7.5f, -5}, {-7.5f, -8}, {-7.5f, -9}, {-7.5f, -4}, {-7.5f, -3}};
    forwardsBeside(kFive, spots, SkillScene().ball(-10, -8));
    expectEachGetsItsSpot(&Tactic::GetWaitStrategyPos, kFive, spots);
}

TEST_F(FormationTest, OpenPlayWaitPointsClampedOnTheBallSide)
{
    const std::vector<Point> spots = {{0, 0}, {2, 7}, {2, 9.5f}, {5, 7}, {5, 9.0f}};
    forwardsBeside(kFive, spots, SkillScene().ball(0, 9));
    expectEachGetsItsSpot(&Tactic::getForwardWaitPos, {TEAMMATE_8, TEAMMATE_9, TEAMMATE_10, TEAMMATE_11},
                          {spots[1], spots[2], spots[3], spots[4]});
}

// The ball position is held while the ball is not well seen.
TEST_F(FormationTest, OpenPlayWaitPointsFollowOnlyAWellSeenBall)
{
    const std::vector<Point> spots = {{0, 0}, {2, -2}, {2, 2}, {5, -2}, {5, 2}};
    forwardsBeside(kFive, spots, SkillScene().unum(8).ball(0, 0));
    EXPECT_TRUE(near(tactic().getForwardWaitPos(), spots[1]));
    forwardsBeside(kFive, spots, SkillScene().unum(8).ball(1, 0, 6));
    EXPECT_TRUE(near(tactic().getForwardWaitPos(), spots[1]));
    forwardsBeside(kFive, spots, SkillScene().unum(8).ball(1, 0, 5));
    EXPECT_TRUE(near(tactic().getForwardWaitPos(), {3, -2}));
}

TEST_F(FormationTest, KickOffPointsAreFixed)
{
    const std::vector<Point> spots = {{-1, 2.2f}, {-1, -2.2f}, {-2, 1.5f}, {-2, -1.5f}, {-2.5f, 0}};
    forwardsBeside(kFive, spots, SkillScene().ball(0, 0));
    expectEachGetsItsSpot(&Tactic::getForwardKickOffOtherPos, kFive, spots);
}

// Two forwards equally far from every point: the earlier tuple wins, so the
// earlier entry takes the earlier point.
TEST_F(FormationTest, TieGoesToTheEarlierEntry)
{
    SkillScene()
        .ball(0, 0)
        .object(TEAMMATE_7, 0, 0).object(TEAMMATE_8, 0, 0)
        .object(TEAMMATE_9, -2, 1.5f).object(TEAMMATE_10, -2, -1.5f).object(TEAMMATE_11, -2.5f, 0)
        .apply();
    tactic().ourForwardEquivalentDistToBall = kFive;
    ask(TEAMMATE_7);
    EXPECT_TRUE(near(tactic().getForwardKickOffOtherPos(), {-1, 2.2f}));
    ask(TEAMMATE_8);
    EXPECT_TRUE(near(tactic().getForwardKickOffOtherPos(), {-1, -2.2f}));
}

TEST_F(FormationTest, StrategyPointsAroundTheBall)
{
    struct Case
    {
        Point ball;
        std::vector<Point> spots;  // S1..S4
    };
    const Case cases[] = {
        {{0, 0}, {{1.5f, 2.0f}, {2.0f, -1.0f}, {-1.5f, 0.8f}, {-2.0f, -0.6f}}},
        {{2, 3}, {{3.5f, 5.0f}, {4.0f, 0.8f}, {0.5f, 3.8f}, {0.0f, 2.1f}}},
        {{2, -3}, {{3.5f, 0.2f}, {4.0f, -4.0f}, {0.5f, -1.9f}, {0.0f, -3.6f}}},
        {{11, 9.5f}, {{12.0f, 9.7f}, {12.0f, 6.0f}, {9.5f, 10.0f}, {9.0f, 8.3f}}},
        {{8, 0}, {{12.8f, 0.0f}, {10.0f, -1.0f}, {6.5f, 0.8f}, {6.0f, -0.6f}}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(::testing::Message() << "ball " << c.ball.x << ", " << c.ball.y);
        reset();
        std::vector<Point> spots = {{-14, 0}};
        spots.insert(spots.end(), c.spots.begin(), c.spots.end());
        forwardsBeside(kFive, spots, SkillScene().ball(c.ball.x, c.ball.y));
        expectEachGetsItsSpot(&Tactic::getForwardStrategyPos, {TEAMMATE_8, TEAMMATE_9, TEAMMATE_10, TEAMMATE_11},
                              c.spots);
    }
}

// The forward nearest the ball is not in the group and keeps its place.
TEST_F(FormationTest, ForwardOutsideTheGroupKeepsItsPosition)
{
    forwardsBeside({OBJECT_MAX, TEAMMATE_8, TEAMMATE_9, TEAMMATE_10, TEAMMATE_11},
                   {{-14, 0}, {1.5f, 2}, {2, -1}, {-1.5f, 0.8f}, {-2, -0.6f}}, SkillScene().unum(7).me(-3, 4, 0).ball(0, 0));
    tactic().ourForwardEquivalentDistToBall[0] = TEAMMATE_7;
    EXPECT_TRUE(near(tactic().getForwardStrategyPos(), {-3, 4}));
}

// An absent forward takes no point and decides nothing.
TEST_F(FormationTest, AbsentForwardDoesNotSteerTheOthers)
{
    const std::vector<Object> forwards = {TEAMMATE_7, TEAMMATE_8, OBJECT_MAX, TEAMMATE_10, TEAMMATE_11};
    // W1 is the point nearest to where an absent player would stand.
    const std::vector<Point> spots = {{-14, 0}, {2, -2}, {0, 0}, {5, -2}, {5, 2}};
    forwardsBeside(forwards, spots, SkillScene().ball(0, 0));
    expectEachGetsItsSpot(&Tactic::getForwardWaitPos, {TEAMMATE_8, TEAMMATE_10, TEAMMATE_11},
                          {spots[1], spots[3], spots[4]});
}

TEST_F(FormationTest, DefensiveHomePointsOnLinesFromTheGoal)
{
    struct Case
    {
        RoleType role;
        Point want;
    };
    const Case cases[] = {{RT_MIDDLE_LEFT, {-9.0f, 2.0f}},
                          {RT_MIDDLE_RIGHT, {-10.5f, 1.8f}},
                          {RT_DEFENDRE_LEFT, {-11.5f, 3.5f / 3.0f - 0.3f}},
                          {RT_DEFENDER_RIGHT, {-12.5f, 5.0f / 6.0f}}};
    for (const Case& c : cases)
        EXPECT_TRUE(near(tactic().getDefensiveHomePos(c.role, salt::Vector3f(0, 5, 0)), c.want)) << c.role;
}

// A ball on or behind the own goal line, or never seen, still gives a point on the field.
TEST_F(FormationTest, DefensiveHomePointsStayFiniteAndOnTheField)
{
    for (Point ball : {Point{-15, 3}, Point{-15.5f, 3}, Point{-15.5f, -0.1f}, Point{-1000, -1000}})
    {
        for (RoleType role : {RT_MIDDLE_LEFT, RT_MIDDLE_RIGHT, RT_DEFENDRE_LEFT, RT_DEFENDER_RIGHT})
        {
            const salt::Vector3f p = tactic().getDefensiveHomePos(role, salt::Vector3f(ball.x, ball.y, 0));
            EXPECT_TRUE(std::isfinite(p.x()) && std::isfinite(p.y())) << ball.x << ", " << ball.y;
            EXPECT_LE(std::fabs(p.y()), 10.0f) << ball.x << ", " << ball.y << " role " << role;
        }
    }
}

class DefensivePointsTest : public FormationTest
{
protected:
    Tactic::TObjectToPosMap points;
    std::vector<Object> list;
};

TEST_F(DefensivePointsTest, OnePointBandTableAppliesLast)
{
    SkillScene().ball(-10, 5).apply();
    list = {TEAMMATE_3, TEAMMATE_4};
    tactic().setOneStraPoint(list, points, TEAMMATE_9);
    ASSERT_EQ(points.count(TEAMMATE_3), 1u);
    EXPECT_TRUE(near(points[TEAMMATE_3], {-12.8f, 3.5f}));
    EXPECT_EQ(points.size(), 1u);
}

TEST_F(DefensivePointsTest, OnePointGoesToTheSecondWhenTheFirstDribbles)
{
    SkillScene().ball(0, 0).apply();
    list = {TEAMMATE_3, TEAMMATE_4};
    tactic().setOneStraPoint(list, points, TEAMMATE_3);
    ASSERT_EQ(points.count(TEAMMATE_4), 1u);
    EXPECT_TRUE(near(points[TEAMMATE_4], {-2.5f, 0}));
    EXPECT_EQ(points.size(), 1u);
}

TEST_F(DefensivePointsTest, TwoPointsWithEqualYAllGoToTheFirst)
{
    SkillScene().ball(0, 0).object(TEAMMATE_3, -3, 1).object(TEAMMATE_4, -4, 1).object(TEAMMATE_5, -5, 1).apply();
    list = {TEAMMATE_3, TEAMMATE_4, TEAMMATE_5};
    tactic().setTwoStraPoint(list, points, TEAMMATE_9);
    ASSERT_EQ(points.size(), 1u);
    EXPECT_TRUE(near(points[TEAMMATE_3], {-2.5f, 0.5f}));
}

TEST_F(DefensivePointsTest, TwoPointsUpperToTheHighestLowerToTheLowest)
{
    SkillScene().ball(0, 0).object(TEAMMATE_3, -3, 1).object(TEAMMATE_4, -4, -2).object(TEAMMATE_5, -5, 3).apply();
    list = {TEAMMATE_3, TEAMMATE_4, TEAMMATE_5};
    tactic().setTwoStraPoint(list, points, TEAMMATE_3);
    EXPECT_EQ(points.size(), 2u);
    EXPECT_TRUE(near(points[TEAMMATE_5], {-2.5f, 0.5f}));
    EXPECT_TRUE(near(points[TEAMMATE_4], {-3.5f, -1.0f}));
}

TEST_F(DefensivePointsTest, ThreePointsByHeightOrWithTheMiddlePlayerAhead)
{
    struct Case
    {
        Point middle;
        Point middleGets, highGets, lowGets;
    };
    // Ball (0, 0): S1 (-3.5, 1.5), S2 (-2, 0), S3 (-3.5, -1.5).
    const Case cases[] = {
        {{-3, 0.5f}, {-2, 0}, {-3.5f, 1.5f}, {-3.5f, -1.5f}},     // behind the ball
        {{1, 0.5f}, {-3.5f, 1.5f}, {-2, 0}, {-3.5f, -1.5f}},      // ahead, above the ball
        {{1, -0.5f}, {-3.5f, -1.5f}, {-3.5f, 1.5f}, {-2, 0}},     // ahead, below the ball
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(::testing::Message() << c.middle.x << ", " << c.middle.y);
        reset();
        points.clear();
        SkillScene()
            .ball(0, 0)
            .object(TEAMMATE_3, -3, 3).object(TEAMMATE_4, c.middle.x, c.middle.y).object(TEAMMATE_5, -3, -3)
            .apply();
        list = {TEAMMATE_9, TEAMMATE_3, TEAMMATE_4, TEAMMATE_5};
        tactic().setThreeStraPoint(list, points, TEAMMATE_9);
        EXPECT_EQ(points.size(), 3u);
        EXPECT_TRUE(near(points[TEAMMATE_4], c.middleGets));
        EXPECT_TRUE(near(points[TEAMMATE_3], c.highGets));
        EXPECT_TRUE(near(points[TEAMMATE_5], c.lowGets));
    }
}

// Absent players in the list: no middle player, nothing for the absent ones.
TEST_F(DefensivePointsTest, ThreePointsWithAbsentPlayersSkipTheMiddle)
{
    SkillScene().ball(0, 0).object(TEAMMATE_4, -3, 1).apply();
    list = {TEAMMATE_9, TEAMMATE_4, OBJECT_MAX, OBJECT_MAX};
    tactic().setThreeStraPoint(list, points, TEAMMATE_9);
    ASSERT_EQ(points.size(), 1u);
    EXPECT_TRUE(near(points[TEAMMATE_4], {-3.5f, 1.5f}));
}

// Setters read only the entries a list has.
TEST_F(DefensivePointsTest, ShortListsGiveWhatTheyCan)
{
    SkillScene().ball(0, 0).object(TEAMMATE_4, -3, 1).apply();
    for (auto setter : {&Tactic::setOneStraPoint, &Tactic::setTwoStraPoint, &Tactic::setThreeStraPoint})
    {
        for (const std::vector<Object>& l : {std::vector<Object>{}, std::vector<Object>{TEAMMATE_9}})
        {
            points.clear();
            (tactic().*setter)(l, points, TEAMMATE_9);
            EXPECT_TRUE(points.empty());
        }
    }
}

TEST_F(DefensivePointsTest, StrategyPointByNumberOfDefendersKnown)
{
    SkillScene().ball(-10, 5).unum(4).me(-6, 0, 0).object(TEAMMATE_3, -7, 0).apply();
    tactic().ourDefensiveEquivalentDistToBall = {TEAMMATE_3, TEAMMATE_4, OBJECT_MAX, OBJECT_MAX};
    EXPECT_TRUE(near(tactic().getDefensiveStrategyPos(TEAMMATE_3), {-12.8f, 3.5f}));
    EXPECT_TRUE(near(tactic().getDefensiveStrategyPos(TEAMMATE_9), {-6, 0}));
}

// I am the only defender known; I get the waiting point nearest to me.
class DefensiveWaitTest : public FormationTest
{
protected:
    static salt::Vector3f waitPointNear(Point ball, Point me, SkillScene scene = SkillScene())
    {
        scene.ball(ball.x, ball.y).unum(5).me(me.x, me.y, 0).apply();
        tactic().ourDefensiveEquivalentDistToBall = {TEAMMATE_5, OBJECT_MAX, OBJECT_MAX, OBJECT_MAX};
        return tactic().getDefensiveWaitPos(TEAMMATE_9);
    }
};

TEST_F(DefensiveWaitTest, Corrections)
{
    struct Case
    {
        const char* name;
        Point ball, want;
    };
    const Case cases[] = {
        {"plain D1", {0, 0.5f}, {-1, 0}},
        {"4.1 D2 halfway to the goal", {-11, 5}, {-13, 2.5f}},
        {"4.1 D2 near the goal line", {-13.5f, 3}, {-14, 2.6f}},
        {"4.2 D3 at ball y - 1", {0, 3.5f}, {-10, 2.5f}},
        {"4.2 D2 at ball y", {0, 3.5f}, {-10, 3.5f}},
        {"4.3 D3 at ball y", {0, -3.5f}, {-10.5f, -3.5f}},
        {"4.3 D2 raised", {0, -3.5f}, {-10.5f, -1.6f}},
        {"4.4 D2 pulled back, right", {2, -1}, {-10.5f, 0.2f}},
        {"4.6 D1 behind the goal line", {-15.5f, 3}, {-14.5f, 2.5f}},
        {"4.6 D3 behind the goal line, then 4.7", {-15.5f, 3}, {-14.6f, 2.2f}},
        {"4.7 D1 out of the goal mouth", {-12, -1}, {-13, -2.2f}},
    };
    for (const Case& c : cases)
    {
        reset();
        EXPECT_TRUE(near(waitPointNear(c.ball, {c.want.x + 0.05f, c.want.y + 0.05f}), c.want)) << c.name;
    }
}

// D1 moves onto the opponent nearest the ball when it is 0.7 to 2.5 m away.
TEST_F(DefensiveWaitTest, FirstPointOnTheOpponentAtTheBall)
{
    struct Case
    {
        float oppX;
        Point want;
    };
    for (const Case& c : {Case{1.0f, {1, 1}}, Case{2.5f, {-1, 0.5f}}, Case{0.7f, {-1, 0.5f}}})
    {
        reset();
        tactic().oppAllDistToBall = objects({OPPONENT_4}, 11);
        const SkillScene opponentAtBall = SkillScene().object(OPPONENT_4, c.oppX, 1);
        EXPECT_TRUE(near(waitPointNear({0, 1}, {c.want.x + 0.05f, c.want.y}, opponentAtBall), c.want)) << c.oppX;
    }
}

// A defender left out of the best assignment keeps its place, even when an
// earlier, worse assignment had given it a point.
TEST_F(DefensiveWaitTest, DefenderLeftOutKeepsItsPosition)
{
    // Ball (0, 3.5): D1 (-1, 3), D2 (-10, 3.5), D3 (-10, 2.5).
    SkillScene scene;
    scene.ball(0, 3.5f).object(TEAMMATE_3, -1, 3).object(TEAMMATE_4, -10, 2.5f).object(TEAMMATE_5, -10, 4);
    scene.object(TEAMMATE_6, -10, 1.9f);
    tactic().ourDefensiveEquivalentDistToBall = {TEAMMATE_3, TEAMMATE_4, TEAMMATE_5, TEAMMATE_6};
    struct Case
    {
        Object who;
        Point want;
    };
    for (const Case& c : {Case{TEAMMATE_3, {-1, 3}}, Case{TEAMMATE_4, {-10, 2.5f}}, Case{TEAMMATE_5, {-10, 3.5f}},
                          Case{TEAMMATE_6, {-10, 1.9f}}})
    {
        scene.apply();
        const salt::Vector3f pos = wm().objectVision(c.who).globalPos;
        SkillScene(scene).unum(c.who - TEAMMATE_1 + 1).me(pos.x(), pos.y(), 0).apply();
        EXPECT_TRUE(near(tactic().getDefensiveWaitPos(TEAMMATE_9), c.want)) << c.who;
    }
}

} // namespace
