#include "Tactic/Tactic.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "Actions/ActionSwitchMechanism.h"
#include "Math/MyMath.h"
#include "Skills/Skills.h"
#include "WorldModel/WorldModel.h"

namespace {
// A teammate whose position was never worked out has a confidence far below this.
constexpr double kEverLocalized = -500.0;
// Thresholds compared in single precision.
constexpr double kSeenOpponent = static_cast<double>(9.9f);
constexpr double kDefensiveBallSeen = static_cast<double>(9.8f);
// Added to the ball distance of a teammate that lies on the ground.
constexpr double kFallenPenalty = 1.0;
// Assignment 1 (by distance) while the ball is ahead of this x.
constexpr double kRankByDistanceFromX = -2.0;
constexpr double kNoKey = std::numeric_limits<double>::infinity();

// Role type of each assignment slot; slot 0 is unused, slot 11 is the fall-back.
constexpr RoleType kSlotRole[12] = {RT_NONE, RT_ATTACKER_MIDDLE, RT_ATTACKER_FRONT, RT_ATTACKER_FROWARD,
                                    RT_ATTACKER_LEFT, RT_ATTACKER_RIGHT, RT_MIDDLE_LEFT, RT_MIDDLE_RIGHT,
                                    RT_DEFENDRE_LEFT, RT_DEFENDER_RIGHT, RT_GOLIAR1, RT_GOLIAR2};
constexpr int kFirstFieldSlot = 1;
constexpr int kLastFieldSlot = 9;
constexpr int kLastForwardSlot = 5;
constexpr int kFirstDefensiveSlot = 6;

Object fieldPlayerOfIndex(int i)
{
    return static_cast<Object>(TEAMMATE_3 + i - 1);
}
} // namespace

const salt::Vector3f& Tactic::HeldPos::hold(const salt::Vector3f& fresh, bool trusted)
{
    if (!known || trusted) pos = fresh;
    known = true;
    return pos;
}

Tactic::Tactic()
    : oppAllDistToMe(11, OBJECT_MAX), ourAllDistToMe(11, OBJECT_MAX), ourAllDistToBall(11, OBJECT_MAX),
      ourForwardBehindDistToBall(5, OBJECT_MAX), ourForwardDistToMe(4, OBJECT_MAX),
      ourForwardDistToBall(5, OBJECT_MAX), oppAllDistToBall(11, OBJECT_MAX), ourDefensiveDistToBall(4, OBJECT_MAX),
      ourAllEquivalentDistToBall(11, OBJECT_MAX), ourDefensiveEquivalentDistToBall(4, OBJECT_MAX),
      ourForwardEquivalentDistToBall(5, OBJECT_MAX)
{
    WM = WorldModel::instance();
    ACS = ActionSwitchMechanism::instance();
    SKS = Skills::instance();
}

double Tactic::distToPoint(Object o, const salt::Vector3f& p) const
{
    return calculateDist(WM->objectVision(o).globalPos, p, true);
}

bool Tactic::isFresh(Object o, double minConfidence) const
{
    return WM->getGlobalConfidence(o) >= minConfidence;
}

bool Tactic::isPositionAsFreshAsHeard(Object o) const
{
    const double heardTime = WM->getSayDisanceToBallInfo(o).seeTime;
    return WM->getGlobalConfidence(o) >= 10.0 - (WM->getServerTime() - heardTime);
}

double Tactic::seenOrHeardDistToBall(Object o, const salt::Vector3f& ball) const
{
    if (isPositionAsFreshAsHeard(o)) return distToPoint(o, ball);
    return WM->getSayDisanceToBallInfo(o).distance;
}

double Tactic::equivalentDistToBall(Object o, const salt::Vector3f& ball) const
{
    if (!isPositionAsFreshAsHeard(o)) return WM->getSayDisanceToBallInfo(o).distance;
    return distToPoint(o, ball) + (WM->getIsObjectFallDown(o) ? kFallenPenalty : 0.0);
}

// Writes the candidates first..last into the list (packed from slot 0, or
// each in its own slot with OBJECT_MAX for one that is not accepted), fills
// the remaining slots with OBJECT_MAX and sorts the list by key, ascending.
// Equal keys keep their order; OBJECT_MAX sorts behind every player.
template <class Accept, class Key>
void Tactic::sortCandidates(std::vector<Object>& list, Object first, Object last, bool packed, Accept accept, Key key)
{
    const std::size_t count = static_cast<std::size_t>(last - first + 1);
    if (list.size() < count) list.resize(count, OBJECT_MAX);
    std::size_t slot = 0;
    for (int i = first; i <= last; ++i)
    {
        const Object o = static_cast<Object>(i);
        if (accept(o))
            list[slot++] = o;
        else if (!packed)
            list[slot++] = OBJECT_MAX;
    }
    std::fill(list.begin() + static_cast<std::ptrdiff_t>(slot), list.end(), OBJECT_MAX);

    auto keyOf = [&key](Object o) { return o == OBJECT_MAX ? kNoKey : key(o); };
    for (std::size_t n = list.size(); n > 1; --n)
    {
        bool swapped = false;
        for (std::size_t j = 0; j + 1 < n; ++j)
        {
            if (keyOf(list[j]) > keyOf(list[j + 1]))
            {
                std::swap(list[j], list[j + 1]);
                swapped = true;
            }
        }
        if (!swapped) break;
    }
}

void Tactic::replaceEmptyFirstByMe(std::vector<Object>& list) const
{
    if (!list.empty() && list.front() == OBJECT_MAX) list.front() = WM->getMyObject();
}

void Tactic::sortOurAllByDistToBall(std::vector<Object>& list)
{
    const salt::Vector3f ball = WM->getBallPos();
    sortCandidates(
        list, TEAMMATE_1, TEAMMATE_11, true,
        [this](Object o) { return !WM->getIsObjectFallDown(o) && isFresh(o, kEverLocalized); },
        [this, &ball](Object o) { return seenOrHeardDistToBall(o, ball); });
    replaceEmptyFirstByMe(list);
}

void Tactic::sortOurAllByDistToMe(std::vector<Object>& list)
{
    const salt::Vector3f me = WM->getMyPos();
    const Object myObject = WM->getMyObject();
    sortCandidates(
        list, TEAMMATE_1, TEAMMATE_11, false,
        [this, myObject](Object o) { return o != myObject && isFresh(o, kEverLocalized); },
        [this, &me](Object o) { return distToPoint(o, me); });
}

void Tactic::sortSeenOppByDistToBall(std::vector<Object>& list)
{
    const salt::Vector3f ball = WM->getBallPos();
    sortCandidates(
        list, OPPONENT_1, OPPONENT_11, false, [this](Object o) { return isFresh(o, kSeenOpponent); },
        [this, &ball](Object o) { return distToPoint(o, ball); });
}

void Tactic::sortEveryOppByDistToBall(std::vector<Object>& list)
{
    const salt::Vector3f ball = WM->getBallPos();
    sortCandidates(
        list, OPPONENT_1, OPPONENT_11, false, [](Object) { return true; },
        [this, &ball](Object o) { return distToPoint(o, ball); });
}

void Tactic::sortOppAllByDistToMe(std::vector<Object>& list)
{
    const salt::Vector3f me = WM->getMyPos();
    sortCandidates(
        list, OPPONENT_1, OPPONENT_11, false, [this](Object o) { return !WM->getIsObjectFallDown(o); },
        [this, &me](Object o) { return distToPoint(o, me); });
}

void Tactic::sortOurDefensiveToBall(std::vector<Object>& list)
{
    const salt::Vector3f& ball =
        mDefensiveToBallBall.hold(WM->getBallPos(), isFresh(BALL, kDefensiveBallSeen));
    sortCandidates(
        list, TEAMMATE_3, TEAMMATE_6, false, [this](Object o) { return WM->getGlobalConfidence(o) > kEverLocalized; },
        [this, &ball](Object o) { return seenOrHeardDistToBall(o, ball); });
}

void Tactic::sortOurForwardByDistToMe(std::vector<Object>& list)
{
    const salt::Vector3f me = WM->getMyPos();
    const Object myObject = WM->getMyObject();
    sortCandidates(
        list, TEAMMATE_7, TEAMMATE_11, false,
        [this, myObject](Object o) { return o != myObject && isFresh(o, kEverLocalized); },
        [this, &me](Object o) { return distToPoint(o, me); });
}

void Tactic::sortOurForwardByDistBehindBall(std::vector<Object>& list)
{
    const salt::Vector3f ball = WM->getBallPos();
    sortCandidates(
        list, TEAMMATE_7, TEAMMATE_11, false,
        [this, &ball](Object o) {
            return !WM->getIsObjectFallDown(o) && WM->objectVision(o).globalPos.x() < ball.x() &&
                   isFresh(o, kEverLocalized);
        },
        [this, &ball](Object o) { return seenOrHeardDistToBall(o, ball); });
}

void Tactic::sortOurForwardByDistToBall(std::vector<Object>& list)
{
    const salt::Vector3f ball = WM->getBallPos();
    sortCandidates(
        list, TEAMMATE_7, TEAMMATE_11, false,
        [this](Object o) { return !WM->getIsObjectFallDown(o) && isFresh(o, kEverLocalized); },
        [this, &ball](Object o) { return seenOrHeardDistToBall(o, ball); });
    replaceEmptyFirstByMe(list);
}

// Nine rounds of choosing the nearest remaining field player; among equal
// distances the lower uniform number comes first.
void Tactic::rankByEquivalentDistToBall(Assignment sort) const
{
    const salt::Vector3f ball = WM->getBallPos();
    double dist[kLastFieldSlot + 1];
    bool taken[kLastFieldSlot + 1] = {};
    for (int i = kFirstFieldSlot; i <= kLastFieldSlot; ++i) dist[i] = equivalentDistToBall(fieldPlayerOfIndex(i), ball);
    for (int round = kFirstFieldSlot; round <= kLastFieldSlot; ++round)
    {
        int best = 0;
        for (int c = kFirstFieldSlot; c <= kLastFieldSlot; ++c)
        {
            if (!taken[c] && (best == 0 || dist[best] > dist[c])) best = c;
        }
        taken[best] = true;
        sort[round] = fieldPlayerOfIndex(best);
    }
}

void Tactic::sortOurAllByEquivalentDistToBall(std::vector<Object>& list)
{
    Assignment rank;
    rankByEquivalentDistToBall(rank);
    list.assign(rank + kFirstFieldSlot, rank + kLastFieldSlot + 1);
}

void Tactic::usingByDynamicRoleAssignment1(Assignment sort) const
{
    rankByEquivalentDistToBall(sort);
    sort[10] = TEAMMATE_1;
    sort[11] = TEAMMATE_2;
}

void Tactic::usingByDynamicRoleAssignment2(Assignment sort) const
{
    rankByEquivalentDistToBall(sort);
    for (int i = kFirstFieldSlot; i <= kLastFieldSlot; ++i)
    {
        for (int j = i + 1; j <= kLastFieldSlot; ++j)
        {
            if (WM->objectVision(sort[j]).globalPos.x() > WM->objectVision(sort[i]).globalPos.x())
                std::swap(sort[i], sort[j]);
        }
    }
    sort[10] = TEAMMATE_1;
    sort[11] = TEAMMATE_2;
}

void Tactic::chosenAssignment(Assignment sort) const
{
    if (WM->getBallPos().x() > kRankByDistanceFromX)
        usingByDynamicRoleAssignment1(sort);
    else
        usingByDynamicRoleAssignment2(sort);
}

RoleType Tactic::returnMyRoleType()
{
    Assignment sort;
    std::fill(sort, sort + 12, OBJECT_MAX);
    chosenAssignment(sort);
    const Object me = static_cast<Object>(WM->getNum() + 8);
    for (int slot = kFirstFieldSlot; slot <= 10; ++slot)
    {
        if (sort[slot] == me) return kSlotRole[slot];
    }
    return RT_GOLIAR2;
}

// The players of the chosen assignment's slots firstSlot..lastSlot, in
// equivalent-distance order.
void Tactic::equivalentListOfSlots(std::vector<Object>& list, int firstSlot, int lastSlot) const
{
    list.clear();
    Assignment rank;
    Assignment chosen;
    rankByEquivalentDistToBall(rank);
    chosenAssignment(chosen);
    for (int r = kFirstFieldSlot; r <= kLastFieldSlot; ++r)
    {
        const Object* from = chosen + firstSlot;
        const Object* to = chosen + lastSlot + 1;
        if (std::find(from, to, rank[r]) != to) list.push_back(rank[r]);
    }
}

void Tactic::sortOurForwardByEquivalentDistBall(std::vector<Object>& list)
{
    equivalentListOfSlots(list, kFirstFieldSlot, kLastForwardSlot);
}

void Tactic::sortOurDefensiveByEquivalentDistToBall(std::vector<Object>& list)
{
    equivalentListOfSlots(list, kFirstDefensiveSlot, kLastFieldSlot);
}
