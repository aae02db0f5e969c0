#include <algorithm>

#include <gtest/gtest.h>

#include "support/TacticTesting.h"

namespace {

using Sorter = void (Tactic::*)(std::vector<Object>&);

TEST_F(TacticTest, OnlyMeKnownPutsMeFirstAndNobodyElse)
{
    SkillScene().unum(7).me(0, 0, 0).ball(1, 0).apply();
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
        SkillScene().unum(1).me(-14, 0, 0).ball(-14, 0).object(c.far, 5, 0).object(c.near2, -14, 3).object(c.near1, -14, -3).apply();
        std::vector<Object> list(11, OBJECT_MAX);
        (tactic().*c.sort)(list);
        auto where = [&list](Object o) { return std::find(list.begin(), list.end(), o) - list.begin(); };
        EXPECT_LT(where(c.near1), where(c.near2));
        EXPECT_LT(where(c.near2), where(c.far));
    }
}

TEST_F(TacticTest, FallenTeammateIsLeftOutOfBallOrdering)
{
    SkillScene().unum(9).me(3, 0, 0).ball(0, 0).object(TEAMMATE_3, 1, 0).fallen(TEAMMATE_3).object(TEAMMATE_5, 2, 0).apply();
    tactic().sortOurAllByDistToBall(tactic().ourAllDistToBall);
    EXPECT_EQ(tactic().ourAllDistToBall, objects({TEAMMATE_5, TEAMMATE_9}, 11));
}

// A stale position loses to a newer announcement; a fresh position wins.
TEST_F(TacticTest, BallDistanceComesFromTheFresherOfPositionAndAnnouncement)
{
    SkillScene()
        .unum(2).me(-14, 0, 0).ball(0, 0)
        .object(TEAMMATE_4, 1, 0, 150).heard(TEAMMATE_4, 8.0, 50)   // heard: 8
        .object(TEAMMATE_5, 5, 0, 0).heard(TEAMMATE_5, 0.5, 50)     // seen: 5
        .object(TEAMMATE_6, 6, 0, 100).heard(TEAMMATE_6, 0.2, 100)  // as fresh: seen, 6
        .apply();
    tactic().sortOurAllByDistToBall(tactic().ourAllDistToBall);
    EXPECT_EQ(tactic().ourAllDistToBall, objects({TEAMMATE_5, TEAMMATE_6, TEAMMATE_4, TEAMMATE_2}, 11));
}

// Fallen with a fresh position counts 1 m farther; fallen and only heard does not.
TEST_F(TacticTest, EquivalentDistanceAddsOneMetreOnlyToASeenFallenPlayer)
{
    struct Case
    {
        int positionAge;
        Object first;
    };
    for (const Case& c : {Case{0, TEAMMATE_4}, Case{150, TEAMMATE_3}})
    {
        reset();
        SkillScene scene;
        scene.unum(1).me(-14, 0, 0).ball(0, 0);
        for (int n = 5; n <= 11; ++n) scene.object(teammate(n), 10.0f + n, 0);
        scene.object(TEAMMATE_3, 2.0f, 0, c.positionAge).fallen(TEAMMATE_3).heard(TEAMMATE_3, 2.0, 50);
        scene.object(TEAMMATE_4, 2.5f, 0).apply();
        std::vector<Object> ranking;
        tactic().sortOurAllByEquivalentDistToBall(ranking);
        ASSERT_EQ(ranking.size(), 9u);
        EXPECT_EQ(ranking[0], c.first) << "position age " << c.positionAge;
    }
}

TEST_F(TacticTest, EquivalentRankingPutsTheLowerNumberFirstOnATie)
{
    SkillScene scene;
    scene.unum(1).me(-14, 0, 0).ball(0, 0);
    for (int n = 3; n <= 11; ++n) scene.object(teammate(n), 0, 14.0f - n);  // 11 nearest ... 3 farthest
    scene.object(TEAMMATE_8, 0, 3.0f).apply();                              // ties with 11
    std::vector<Object> ranking;
    tactic().sortOurAllByEquivalentDistToBall(ranking);
    EXPECT_EQ(ranking, (std::vector<Object>{TEAMMATE_8, TEAMMATE_11, TEAMMATE_10, TEAMMATE_9, TEAMMATE_7, TEAMMATE_6,
                                            TEAMMATE_5, TEAMMATE_4, TEAMMATE_3}));
}

// Field players 3..11 at growing distances from the ball, each farther up
// the field than the one before: by distance 3 is nearest, by x 11 leads.
// I stand where my number puts me.
void applyFieldInLine(float ballX, int myNum)
{
    SkillScene scene;
    scene.ball(ballX, 0);
    for (int n = 3; n <= 11; ++n) scene.object(teammate(n), ballX + n - 2.0f, 0.5f);
    const float myX = myNum <= 2 ? -14.0f : ballX + myNum - 2.0f;
    scene.unum(myNum).me(myX, myNum <= 2 ? 0.0f : 0.5f, 0).apply();
}

TEST_F(TacticTest, EverySlotMapsToItsRoleType)
{
    const RoleType byDistance[12] = {RT_NONE, RT_GOLIAR1, RT_GOLIAR2, RT_ATTACKER_MIDDLE, RT_ATTACKER_FRONT,
                                     RT_ATTACKER_FROWARD, RT_ATTACKER_LEFT, RT_ATTACKER_RIGHT, RT_MIDDLE_LEFT,
                                     RT_MIDDLE_RIGHT, RT_DEFENDRE_LEFT, RT_DEFENDER_RIGHT};
    for (int num = 1; num <= 11; ++num)
    {
        reset();
        applyFieldInLine(0.0f, num);
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
        applyFieldInLine(c.ballX, 3);
        EXPECT_EQ(tactic().returnMyRoleType(), c.three);
        wm().setNum(11);
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
            applyFieldInLine(ballX, num);
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
        SkillScene scene;
        scene.unum(1).me(-14, 0, 0).ball(c.ballX, 0);
        for (int n = 3; n <= 11; ++n) scene.object(teammate(n), c.ballX + ahead[n], 0.1f * n);
        scene.apply();
        Tactic& t = tactic();
        t.sortOurForwardByEquivalentDistBall(t.ourForwardEquivalentDistToBall);
        t.sortOurDefensiveByEquivalentDistToBall(t.ourDefensiveEquivalentDistToBall);
        EXPECT_EQ(t.ourForwardEquivalentDistToBall, c.forwards);
        EXPECT_EQ(t.ourDefensiveEquivalentDistToBall, c.defenders);
    }
}

// Five cycles old is in, six is out.
TEST_F(TacticTest, OpponentListedUpToATenthOfASecondOld)
{
    SkillScene().unum(1).me(-14, 0, 0).ball(0, 0).object(OPPONENT_3, 1, 0, 5).object(OPPONENT_5, 2, 0, 6).apply();
    tactic().sortOppAllByDistToBall(tactic().oppAllDistToBall);
    EXPECT_EQ(tactic().oppAllDistToBall, objects({OPPONENT_3}, 11));
}

TEST_F(TacticTest, FallenOpponentIsLeftOutOfDistanceToMe)
{
    SkillScene()
        .unum(1).me(0, 0, 0)
        .object(OPPONENT_3, 1, 0).fallen(OPPONENT_3)
        .object(OPPONENT_5, 2, 0, 2500)
        .apply();
    tactic().sortOppAllByDistToMe(tactic().oppAllDistToMe);
    // No confidence test: the ones never seen follow at their default position.
    EXPECT_EQ(tactic().oppAllDistToMe,
              (std::vector<Object>{OPPONENT_5, OPPONENT_1, OPPONENT_2, OPPONENT_4, OPPONENT_6, OPPONENT_7, OPPONENT_8,
                                   OPPONENT_9, OPPONENT_10, OPPONENT_11, OBJECT_MAX}));
}

TEST_F(TacticTest, DistanceToMeNeverListsMe)
{
    SkillScene scene;
    scene.unum(6).me(0, 0, 0).ball(0, 0);
    for (int n = 1; n <= 11; ++n)
        if (n != 6) scene.object(teammate(n), static_cast<float>(n), 0);
    scene.apply();
    tactic().sortOurAllByDistToMe(tactic().ourAllDistToMe);
    EXPECT_EQ(tactic().ourAllDistToMe,
              (std::vector<Object>{TEAMMATE_1, TEAMMATE_2, TEAMMATE_3, TEAMMATE_4, TEAMMATE_5, TEAMMATE_7, TEAMMATE_8,
                                   TEAMMATE_9, TEAMMATE_10, TEAMMATE_11, OBJECT_MAX}));
}

TEST_F(TacticTest, ForwardsBehindTheBallOnly)
{
    SkillScene()
        .unum(1).me(-14, 0, 0).ball(0, 0)
        .object(TEAMMATE_7, -1, 0).object(TEAMMATE_8, 0, 0.5f).object(TEAMMATE_9, -3, 0)
        .apply();
    tactic().sortOurForwardByDistBehindBall(tactic().ourForwardBehindDistToBall);
    EXPECT_EQ(tactic().ourForwardBehindDistToBall, objects({TEAMMATE_7, TEAMMATE_9}, 5));
}

TEST_F(TacticTest, ForwardBallOrderingStartsWithMeWhenNobodyQualifies)
{
    SkillScene().unum(3).me(-5, 0, 0).ball(0, 0).object(TEAMMATE_7, -1, 0).fallen(TEAMMATE_7).apply();
    tactic().sortOurForwardByDistToBall(tactic().ourForwardDistToBall);
    EXPECT_EQ(tactic().ourForwardDistToBall, objects({TEAMMATE_3}, 5));
}

// The ball position of this ordering is held while the ball is not well seen.
TEST_F(TacticTest, DefensiveOrderingKeepsTheLastWellSeenBall)
{
    struct Case
    {
        float ballX;
        int ballAge;
        std::vector<Object> order;
    };
    const Case cases[] = {{-5, 0, objects({TEAMMATE_3, TEAMMATE_4}, 4)},
                          {5, 11, objects({TEAMMATE_3, TEAMMATE_4}, 4)},   // confidence 9.78
                          {5, 9, objects({TEAMMATE_4, TEAMMATE_3}, 4)}};   // confidence 9.82
    for (const Case& c : cases)
    {
        SkillScene()
            .unum(1).me(-14, 0, 0).ball(c.ballX, 0, c.ballAge)
            .object(TEAMMATE_3, -4, 0).object(TEAMMATE_4, 4, 0)
            .apply();
        tactic().sortOurDefensiveToBall(tactic().ourDefensiveDistToBall);
        EXPECT_EQ(tactic().ourDefensiveDistToBall, c.order) << c.ballX << " " << c.ballAge;
    }
}

// Players that drop out leave no stale entries behind.
TEST_F(TacticTest, SlotsAfterTheCandidatesAreEmptied)
{
    SkillScene scene;
    scene.unum(9).me(3, 0, 0).ball(0, 0).object(TEAMMATE_3, 1, 0).object(TEAMMATE_5, 2, 0).apply();
    tactic().sortOurAllByDistToBall(tactic().ourAllDistToBall);
    EXPECT_EQ(tactic().ourAllDistToBall, objects({TEAMMATE_3, TEAMMATE_5, TEAMMATE_9}, 11));

    scene.fallen(TEAMMATE_3).fallen(TEAMMATE_9).apply();
    tactic().sortOurAllByDistToBall(tactic().ourAllDistToBall);
    EXPECT_EQ(tactic().ourAllDistToBall, objects({TEAMMATE_5}, 11));

    scene.fallen(TEAMMATE_5).apply();
    tactic().sortOurAllByDistToBall(tactic().ourAllDistToBall);
    EXPECT_EQ(tactic().ourAllDistToBall, objects({TEAMMATE_9}, 11));
}

TEST_F(TacticTest, EmptySlotsSortBehindPlayersWhenTheBallWasNeverSeen)
{
    SkillScene().unum(1).me(-14, 0, 0).object(OPPONENT_6, 3, 3).apply();
    tactic().sortOppAllByDistToBall(tactic().oppAllDistToBall);
    EXPECT_EQ(tactic().oppAllDistToBall, objects({OPPONENT_6}, 11));
}

// A list shorter than its candidates grows; empty lists are fine.
TEST_F(TacticTest, ShortListsGrowToTheirCandidates)
{
    SkillScene().unum(8).me(0, 0, 0).object(TEAMMATE_7, 2, 0).object(TEAMMATE_11, 1, 0).apply();
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
