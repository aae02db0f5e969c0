#include <algorithm>

#include <gtest/gtest.h>

#include "support/TacticTesting.h"

namespace {

using Sorter = void (Tactic::*)(std::vector<Object>&);

TEST_F(TacticTest, OnlyMeKnownPutsMeFirstAndNobodyElse)
{
    TeamScene().me(7, 0, 0).ball(1, 0);
    tactic().sortOurAllByDistToBall(tactic().ourAllDistToBall);
    EXPECT_EQ(tactic().ourAllDistToBall, objects({TEAMMATE_7}, 11));
}

// Each sorter keeps uniform-number order between equal keys.
TEST_F(TacticTest, EqualDistancesKeepUniformNumberOrder)
{
    struct Case
    {
        const char* name;
        Sorter sort;
        Object near1, near2, far;
    };
    const Case cases[] = {
        {"our by ball", &Tactic::sortOurAllByDistToBall, TEAMMATE_4, TEAMMATE_9, TEAMMATE_2},
        {"our by me", &Tactic::sortOurAllByDistToMe, TEAMMATE_4, TEAMMATE_9, TEAMMATE_2},
        {"opp by ball", &Tactic::sortOppAllByDistToBall, OPPONENT_4, OPPONENT_9, OPPONENT_2},
        {"opp by me", &Tactic::sortOppAllByDistToMe, OPPONENT_4, OPPONENT_9, OPPONENT_2},
        {"forward by me", &Tactic::sortOurForwardByDistToMe, TEAMMATE_7, TEAMMATE_10, TEAMMATE_8},
        {"forward by ball", &Tactic::sortOurForwardByDistToBall, TEAMMATE_7, TEAMMATE_10, TEAMMATE_8},
        {"defensive to ball", &Tactic::sortOurDefensiveToBall, TEAMMATE_3, TEAMMATE_6, TEAMMATE_4},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        reset();
        // Me and the ball at the same point, far from everybody.
        TeamScene().me(1, -14, 0).ball(-14, 0).at(c.far, 5, 0).at(c.near2, -14, 3).at(c.near1, -14, -3);
        std::vector<Object> list(11, OBJECT_MAX);
        (tactic().*c.sort)(list);
        auto where = [&list](Object o) { return std::find(list.begin(), list.end(), o) - list.begin(); };
        EXPECT_LT(where(c.near1), where(c.near2));
        EXPECT_LT(where(c.near2), where(c.far));
    }
}

TEST_F(TacticTest, FallenTeammateIsLeftOutOfBallOrdering)
{
    TeamScene().me(9, 3, 0).ball(0, 0).at(TEAMMATE_3, 1, 0).fallen(TEAMMATE_3).at(TEAMMATE_5, 2, 0);
    tactic().sortOurAllByDistToBall(tactic().ourAllDistToBall);
    EXPECT_EQ(tactic().ourAllDistToBall, objects({TEAMMATE_5, TEAMMATE_9}, 11));
}

// A stale position loses to a newer announcement; a fresh position wins.
TEST_F(TacticTest, BallDistanceComesFromTheFresherOfPositionAndAnnouncement)
{
    TeamScene scene;
    scene.me(2, -14, 0).ball(0, 0);
    scene.at(TEAMMATE_4, 1, 0, 3.0).heard(TEAMMATE_4, 8.0, 1.0);   // heard: 8
    scene.at(TEAMMATE_5, 5, 0, 0.0).heard(TEAMMATE_5, 0.5, 1.0);   // seen: 5
    scene.at(TEAMMATE_6, 6, 0, 2.0).heard(TEAMMATE_6, 0.2, 2.0);   // as fresh: seen, 6
    tactic().sortOurAllByDistToBall(tactic().ourAllDistToBall);
    EXPECT_EQ(tactic().ourAllDistToBall, objects({TEAMMATE_5, TEAMMATE_6, TEAMMATE_4, TEAMMATE_2}, 11));
}

// Fallen with a fresh position counts 1 m farther; fallen and only heard does not.
TEST_F(TacticTest, EquivalentDistanceAddsOneMetreOnlyToASeenFallenPlayer)
{
    struct Case
    {
        double positionAge;
        Object first;
    };
    for (const Case& c : {Case{0.0, TEAMMATE_4}, Case{3.0, TEAMMATE_3}})
    {
        reset();
        TeamScene scene;
        scene.me(1, -14, 0).ball(0, 0);
        for (int n = 5; n <= 11; ++n) scene.at(teammate(n), 10.0f + n, 0);
        scene.at(TEAMMATE_3, 2.0f, 0, c.positionAge).fallen(TEAMMATE_3).heard(TEAMMATE_3, 2.0, 1.0);
        scene.at(TEAMMATE_4, 2.5f, 0);
        std::vector<Object> ranking;
        tactic().sortOurAllByEquivalentDistToBall(ranking);
        ASSERT_EQ(ranking.size(), 9u);
        EXPECT_EQ(ranking[0], c.first) << "position age " << c.positionAge;
    }
}

TEST_F(TacticTest, EquivalentRankingPutsTheLowerNumberFirstOnATie)
{
    TeamScene scene;
    scene.me(1, -14, 0).ball(0, 0);
    for (int n = 3; n <= 11; ++n) scene.at(teammate(n), 0, 14.0f - n);  // 11 nearest ... 3 farthest
    scene.at(TEAMMATE_8, 0, 3.0f);                                        // ties with 11
    std::vector<Object> ranking;
    tactic().sortOurAllByEquivalentDistToBall(ranking);
    EXPECT_EQ(ranking, (std::vector<Object>{TEAMMATE_8, TEAMMATE_11, TEAMMATE_10, TEAMMATE_9, TEAMMATE_7, TEAMMATE_6,
                                            TEAMMATE_5, TEAMMATE_4, TEAMMATE_3}));
}

// Field players 3..11 at growing distances from the ball, each farther up
// the field than the one before: by distance 3 is nearest, by x 11 leads.
TeamScene fieldInLine(float ballX)
{
    TeamScene scene;
    scene.ball(ballX, 0);
    for (int n = 3; n <= 11; ++n) scene.at(teammate(n), ballX + n - 2.0f, 0.5f);
    return scene;
}

TEST_F(TacticTest, EverySlotMapsToItsRoleType)
{
    const RoleType byDistance[12] = {RT_NONE, RT_GOLIAR1, RT_GOLIAR2, RT_ATTACKER_MIDDLE, RT_ATTACKER_FRONT,
                                     RT_ATTACKER_FROWARD, RT_ATTACKER_LEFT, RT_ATTACKER_RIGHT, RT_MIDDLE_LEFT,
                                     RT_MIDDLE_RIGHT, RT_DEFENDRE_LEFT, RT_DEFENDER_RIGHT};
    for (int num = 1; num <= 11; ++num)
    {
        reset();
        fieldInLine(0.0f).me(num, num <= 2 ? -14.0f : num - 2.0f, 0.5f);
        EXPECT_EQ(tactic().returnMyRoleType(), byDistance[num]) << "number " << num;
    }
}

// Ball at x -2.0 ranks by x (11 leads); -1.99 ranks by distance (3 leads).
TEST_F(TacticTest, BallAtMinusTwoSwitchesToRankingByX)
{
    struct Case
    {
        float ballX;
        RoleType three, eleven;
    };
    for (const Case& c : {Case{-2.0f, RT_DEFENDER_RIGHT, RT_ATTACKER_MIDDLE},
                          Case{-1.99f, RT_ATTACKER_MIDDLE, RT_DEFENDER_RIGHT}})
    {
        SCOPED_TRACE(c.ballX);
        reset();
        fieldInLine(c.ballX).me(3, c.ballX + 1.0f, 0.5f);
        EXPECT_EQ(tactic().returnMyRoleType(), c.three);
        TeamScene::wm().setNum(11);
        EXPECT_EQ(tactic().returnMyRoleType(), c.eleven);
    }
}

TEST_F(TacticTest, GoaliesKeepTheirSlotsWhereverTheBallIs)
{
    for (float ballX : {-14.0f, -2.0f, 0.0f, 14.0f})
    {
        for (int num : {1, 2})
        {
            reset();
            fieldInLine(ballX).me(num, -14.0f, 0.0f);
            EXPECT_EQ(tactic().returnMyRoleType(), num == 1 ? RT_GOLIAR1 : RT_GOLIAR2) << ballX;
        }
    }
}

// Under assignment 1 the lists are ranks 1-5 and 6-9; under assignment 2
// the five most advanced and the four rearmost, each by distance.
TEST_F(TacticTest, EquivalentListsFollowTheChosenAssignment)
{
    struct Case
    {
        float ballX;
        std::vector<Object> forwards, defenders;
    };
    // By distance: 3, 5, 7, 9, 11, 10, 8, 6, 4. By x: 4, 6, 8, 10, 11, 9, 7, 5, 3.
    const float ahead[12] = {0, 0, 0, 1, 9, 2, 8, 3, 7, 4, 6, 5};
    const Case cases[] = {
        {3.0f, {TEAMMATE_3, TEAMMATE_5, TEAMMATE_7, TEAMMATE_9, TEAMMATE_11},
         {TEAMMATE_10, TEAMMATE_8, TEAMMATE_6, TEAMMATE_4}},
        {-2.0f, {TEAMMATE_11, TEAMMATE_10, TEAMMATE_8, TEAMMATE_6, TEAMMATE_4},
         {TEAMMATE_3, TEAMMATE_5, TEAMMATE_7, TEAMMATE_9}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.ballX);
        reset();
        TeamScene scene;
        scene.me(1, -14, 0).ball(c.ballX, 0);
        for (int n = 3; n <= 11; ++n) scene.at(teammate(n), c.ballX + ahead[n], 0.1f * n);
        Tactic& t = tactic();
        t.sortOurForwardByEquivalentDistBall(t.ourForwardEquivalentDistToBall);
        t.sortOurDefensiveByEquivalentDistToBall(t.ourDefensiveEquivalentDistToBall);
        EXPECT_EQ(t.ourForwardEquivalentDistToBall, c.forwards);
        EXPECT_EQ(t.ourDefensiveEquivalentDistToBall, c.defenders);
    }
}

TEST_F(TacticTest, OpponentListedUpToATenthOfASecondOld)
{
    TeamScene().me(1, -14, 0).ball(0, 0).at(OPPONENT_3, 1, 0, 0.10).at(OPPONENT_5, 2, 0, 0.12);
    tactic().sortOppAllByDistToBall(tactic().oppAllDistToBall);
    EXPECT_EQ(tactic().oppAllDistToBall, objects({OPPONENT_3}, 11));
}

TEST_F(TacticTest, FallenOpponentIsLeftOutOfDistanceToMe)
{
    TeamScene().me(1, 0, 0).at(OPPONENT_3, 1, 0).fallen(OPPONENT_3).at(OPPONENT_5, 2, 0, 50.0);
    tactic().sortOppAllByDistToMe(tactic().oppAllDistToMe);
    EXPECT_EQ(tactic().oppAllDistToMe[0], OPPONENT_5);
    EXPECT_EQ(std::count(tactic().oppAllDistToMe.begin(), tactic().oppAllDistToMe.end(), OPPONENT_3), 0);
}

TEST_F(TacticTest, DistanceToMeNeverListsMe)
{
    TeamScene scene;
    scene.me(6, 0, 0).ball(0, 0);
    for (int n = 1; n <= 11; ++n)
        if (n != 6) scene.at(teammate(n), static_cast<float>(n), 0);
    tactic().sortOurAllByDistToMe(tactic().ourAllDistToMe);
    const std::vector<Object>& list = tactic().ourAllDistToMe;
    EXPECT_EQ(std::count(list.begin(), list.end(), TEAMMATE_6), 0);
    EXPECT_EQ(list.front(), TEAMMATE_1);
    EXPECT_EQ(list[9], TEAMMATE_11);
    EXPECT_EQ(list[10], OBJECT_MAX);
}

TEST_F(TacticTest, ForwardsBehindTheBallOnly)
{
    TeamScene().me(1, -14, 0).ball(0, 0).at(TEAMMATE_7, -1, 0).at(TEAMMATE_8, 0, 0.5f).at(TEAMMATE_9, -3, 0);
    tactic().sortOurForwardByDistBehindBall(tactic().ourForwardBehindDistToBall);
    EXPECT_EQ(tactic().ourForwardBehindDistToBall, objects({TEAMMATE_7, TEAMMATE_9}, 5));
}

TEST_F(TacticTest, ForwardBallOrderingStartsWithMeWhenNobodyQualifies)
{
    TeamScene().me(3, -5, 0).ball(0, 0).at(TEAMMATE_7, -1, 0).fallen(TEAMMATE_7);
    tactic().sortOurForwardByDistToBall(tactic().ourForwardDistToBall);
    EXPECT_EQ(tactic().ourForwardDistToBall, objects({TEAMMATE_3}, 5));
}

// The ball position of this ordering is held while the ball is not well seen.
TEST_F(TacticTest, DefensiveOrderingKeepsTheLastWellSeenBall)
{
    TeamScene().me(1, -14, 0).ball(-5, 0).at(TEAMMATE_3, -4, 0).at(TEAMMATE_4, 4, 0);
    tactic().sortOurDefensiveToBall(tactic().ourDefensiveDistToBall);
    EXPECT_EQ(tactic().ourDefensiveDistToBall, objects({TEAMMATE_3, TEAMMATE_4}, 4));
    TeamScene().ball(5, 0, 0.22);  // confidence 9.78
    tactic().sortOurDefensiveToBall(tactic().ourDefensiveDistToBall);
    EXPECT_EQ(tactic().ourDefensiveDistToBall, objects({TEAMMATE_3, TEAMMATE_4}, 4));
    TeamScene().ball(5, 0, 0.2);  // confidence 9.8
    tactic().sortOurDefensiveToBall(tactic().ourDefensiveDistToBall);
    EXPECT_EQ(tactic().ourDefensiveDistToBall, objects({TEAMMATE_4, TEAMMATE_3}, 4));
}

// Players that drop out leave no stale entries behind.
TEST_F(TacticTest, SlotsAfterTheCandidatesAreEmptied)
{
    TeamScene().me(9, 3, 0).ball(0, 0).at(TEAMMATE_3, 1, 0).at(TEAMMATE_5, 2, 0);
    tactic().sortOurAllByDistToBall(tactic().ourAllDistToBall);
    EXPECT_EQ(tactic().ourAllDistToBall, objects({TEAMMATE_3, TEAMMATE_5, TEAMMATE_9}, 11));

    TeamScene().fallen(TEAMMATE_3).fallen(TEAMMATE_9);
    tactic().sortOurAllByDistToBall(tactic().ourAllDistToBall);
    EXPECT_EQ(tactic().ourAllDistToBall, objects({TEAMMATE_5}, 11));

    TeamScene().fallen(TEAMMATE_5);
    tactic().sortOurAllByDistToBall(tactic().ourAllDistToBall);
    EXPECT_EQ(tactic().ourAllDistToBall, objects({TEAMMATE_9}, 11));
}

TEST_F(TacticTest, EmptySlotsSortBehindPlayersWhenTheBallWasNeverSeen)
{
    TeamScene().me(1, -14, 0).at(OPPONENT_6, 3, 3);
    tactic().sortOppAllByDistToBall(tactic().oppAllDistToBall);
    EXPECT_EQ(tactic().oppAllDistToBall, objects({OPPONENT_6}, 11));
}

// A list shorter than its candidates grows; empty lists are fine.
TEST_F(TacticTest, ShortListsGrowToTheirCandidates)
{
    TeamScene().me(8, 0, 0).at(TEAMMATE_7, 2, 0).at(TEAMMATE_11, 1, 0);
    tactic().sortOurForwardByDistToMe(tactic().ourForwardDistToMe);
    EXPECT_EQ(tactic().ourForwardDistToMe, objects({TEAMMATE_11, TEAMMATE_7}, 5));
    std::vector<Object> empty;
    tactic().sortOurForwardByDistToMe(empty);
    EXPECT_EQ(empty, objects({TEAMMATE_11, TEAMMATE_7}, 5));
    std::vector<Object> defensive;
    tactic().sortOurDefensiveToBall(defensive);
    EXPECT_EQ(defensive.size(), 4u);
}

} // namespace
