// The opponent ordering that rovan-penalty and rovan-keeper share.
#include <vector>

#include <gtest/gtest.h>

#include "support/RoleTest.h"

namespace {

using ShootoutOrdering = RoleTest;

std::vector<Object> opponents(std::initializer_list<int> numbers)
{
    std::vector<Object> list;
    for (int n : numbers) list.push_back(static_cast<Object>(OPPONENT_1 + n - 1));
    return list;
}

TEST_F(ShootoutOrdering, NobodySeenListsEveryOpponentInNumberOrder)
{
    apply(SkillScene().unum(7).me(0, 0, 0).ball(1, 0));
    std::vector<Object> list(11, OBJECT_MAX);
    tactic().sortOppAllByDistToBall(list);
    EXPECT_EQ(list, opponents({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
}

TEST_F(ShootoutOrdering, LongUnseenOpponentStaysListedAtItsLastPlace)
{
    // Opponent 3 was last seen 50 s ago next to the ball; 5 is seen now a
    // little farther; the never-seen ones follow at their default place.
    apply(SkillScene().unum(7).me(0, 0, 0).ball(1, 0).object(OPPONENT_3, 1.5f, 0, 2500).opponent(5, 3, 0));
    std::vector<Object> list;
    tactic().sortOppAllByDistToBall(list);
    EXPECT_EQ(list, opponents({3, 5, 1, 2, 4, 6, 7, 8, 9, 10, 11}));
}

TEST_F(ShootoutOrdering, EqualDistancesKeepNumberOrder)
{
    apply(SkillScene().unum(7).me(0, 0, 0).ball(0, 0).opponent(9, 0, 2).opponent(4, 0, -2).opponent(6, 1, 0));
    std::vector<Object> list(11, OBJECT_MAX);
    tactic().sortOppAllByDistToBall(list);
    EXPECT_EQ(list, opponents({6, 4, 9, 1, 2, 3, 5, 7, 8, 10, 11}));
}

} // namespace
