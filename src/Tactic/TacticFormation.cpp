// Waiting and strategic points of the forwards and defenders.
#include <algorithm>
#include <cmath>
#include <iostream>

#include "Math/MyMath.h"
#include "Tactic/Tactic.h"
#include "WorldModel/WorldModel.h"

namespace {
constexpr double kHalfLength = FieldLength / 2.0;
constexpr double kHalfWidth = FieldWidth / 2.0;
constexpr double kBallSeen = static_cast<double>(9.9f);
constexpr double kOppSeen = static_cast<double>(9.9f);
constexpr int kMaxGroup = 5;
constexpr int kMaxPoints = 5;
// Smallest distance from the own goal line used to aim the home points.
constexpr double kMinGoalLineDepth = 0.1;
// Rows of the band tables near the own goal, by ball y.
constexpr int kBandRows = 5;

salt::Vector3f point(double x, double y)
{
    return salt::Vector3f(static_cast<float>(x), static_cast<float>(y), 0.0f);
}

salt::Vector3f offset(const salt::Vector3f& b, double dx, double dy)
{
    return point(b.x() + dx, b.y() + dy);
}

// The row of a band table for ball y: above 4.0, (1.5, 4.0], (-1.5, 1.5],
// (-4.0, -1.5], -4.0 or below.
int bandRow(double y)
{
    if (y > 4.0) return 0;
    if (y > 1.5) return 1;
    if (y > -1.5) return 2;
    if (y > -4.0) return 3;
    return 4;
}

// Where the ball lies against the corner lines y = k x + 10 and y = -k x - 10.
enum class Corner { None, Upper, Lower };

Corner cornerOf(const salt::Vector3f& b, double k)
{
    Corner c = Corner::None;
    if (k * b.x() - b.y() + 10.0 < 0.0) c = Corner::Upper;
    if (-k * b.x() - b.y() - 10.0 > 0.0) c = Corner::Lower;
    return c;
}

bool inGoalBand(const salt::Vector3f& b)
{
    return b.x() < -kHalfLength + 6.0;
}

void give(Tactic::TObjectToPosMap& points, Object o, const salt::Vector3f& p)
{
    if (o != OBJECT_MAX) points[o] = p;
}

// The lowest and highest player (by global y; the first on a tie) among the
// first entries of a list, skipping one, and how many are ahead of x.
struct Flanks
{
    Object low = OBJECT_MAX;
    Object high = OBJECT_MAX;
    int ahead = 0;
};

Flanks flanksOf(const WorldModel& wm, const std::vector<Object>& list, std::size_t entries, Object skip, float x)
{
    Flanks f;
    double lowY = 1000.0;
    double highY = -1000.0;
    for (std::size_t i = 0; i < std::min(list.size(), entries); ++i)
    {
        if (list[i] == skip) continue;
        const salt::Vector3f& p = wm.objectVision(list[i]).globalPos;
        if (p.y() < lowY)
        {
            lowY = p.y();
            f.low = list[i];
        }
        if (p.y() > highY)
        {
            highY = p.y();
            f.high = list[i];
        }
        if (p.x() > x) ++f.ahead;
    }
    return f;
}

// Depth-first walk over every injective assignment of points to group
// members, in lexicographic order of member positions; keeps the first
// assignment with the smallest largest distance below the start value.
struct TupleSearch
{
    double dist[kMaxGroup][kMaxPoints];
    int groupSize = 0;
    int pointCount = 0;
    double bestValue = 0.0;
    bool found = false;
    int tuple[kMaxPoints] = {};
    int best[kMaxPoints] = {};
    bool used[kMaxGroup] = {};

    void run(int depth, double value)
    {
        if (value >= bestValue) return;
        if (depth >= pointCount || depth >= kMaxPoints)
        {
            bestValue = value;
            found = true;
            std::copy(tuple, tuple + pointCount, best);
            return;
        }
        for (int i = 0; i < groupSize; ++i)
        {
            if (used[i]) continue;
            used[i] = true;
            tuple[depth] = i;
            run(depth + 1, std::max(value, dist[i][depth]));
            used[i] = false;
        }
    }
};
} // namespace

// Absent members (OBJECT_MAX) only fill points that the present ones cannot:
// they add nothing to a tuple's value and get no point. A player outside the
// group, or left out, keeps its own position.
salt::Vector3f Tactic::assignPoints(const Object* group, int groupSize, const salt::Vector3f* points, int pointCount,
                                    double startValue) const
{
    TupleSearch search;
    search.pointCount = std::min(pointCount, kMaxPoints);
    const int present = static_cast<int>(std::count_if(group, group + groupSize, [](Object o) { return o != OBJECT_MAX; }));
    int fillers = std::max(search.pointCount - present, 0);
    Object members[kMaxGroup];
    for (int i = 0; i < groupSize && search.groupSize < kMaxGroup; ++i)
    {
        if (group[i] != OBJECT_MAX || fillers-- > 0) members[search.groupSize++] = group[i];
    }
    for (; fillers > 0 && search.groupSize < kMaxGroup; --fillers) members[search.groupSize++] = OBJECT_MAX;
    search.pointCount = std::min(search.pointCount, search.groupSize);
    search.bestValue = startValue;
    for (int i = 0; i < search.groupSize; ++i)
    {
        for (int p = 0; p < search.pointCount; ++p)
            search.dist[i][p] = members[i] == OBJECT_MAX ? 0.0 : distToPoint(members[i], points[p]);
    }
    search.run(0, 0.0);
    const Object me = WM->getMyObject();
    if (search.found && me != OBJECT_MAX)
    {
        for (int p = 0; p < search.pointCount; ++p)
        {
            if (members[search.best[p]] == me) return points[p];
        }
    }
    return WM->getMyPos();
}

salt::Vector3f Tactic::assignToForwards(int firstEntry, const salt::Vector3f* points, int pointCount,
                                        double startValue) const
{
    const std::vector<Object>& list = ourForwardEquivalentDistToBall;
    const int entries = std::min(static_cast<int>(list.size()), kMaxPoints);
    const int groupSize = std::max(entries - firstEntry, 0);
    return assignPoints(list.data() + std::min(firstEntry, entries), groupSize, points, pointCount, startValue);
}

salt::Vector3f Tactic::GetWaitStrategyPos()
{
    const salt::Vector3f b = WM->getBallPos();
    double s = std::fabs(b.y()) + 3.5 > kHalfWidth ? std::fabs(b.y()) + 3.5 - kHalfWidth : 0.0;
    if (b.y() < 0) s = -s;
    salt::Vector3f p[5] = {offset(b, 3.0, 1.5 - s), offset(b, 2.5, -1.5 - s), offset(b, 3.0, -2.5 - s),
                           offset(b, 2.5, 2.5 - s), offset(b, 3.0, 3.5 - s)};
    if (b.x() > -3.0)
    {
        const float x[5] = {0.0f, 0.5f, -0.2f, 0.0f, 0.0f};
        for (int i = 0; i < 5; ++i) p[i].x() = x[i];
    }
    if (b.x() < -FieldLength / 4)
    {
        for (salt::Vector3f& q : p) q.x() = static_cast<float>(-FieldLength / 4);
    }
    return assignToForwards(0, p, 5, 50000.0);
}

salt::Vector3f Tactic::getForwardStrategyPos()
{
    const salt::Vector3f b = mStrategyBall.hold(WM->getBallPos(), WM->getGlobalConfidence(BALL) == 10.0);
    const double ay = std::fabs(b.y());
    double s2 = ay > 8.5 && b.x() > 5.5 ? 1.5 - (kHalfWidth - ay) : 0.0;
    double s1 = ay > 9.2 ? 0.8 - (kHalfWidth - ay) : 0.0;
    if (b.y() < 0)
    {
        s1 = -s1;
        s2 = -s2;
    }
    salt::Vector3f s[4] = {offset(b, 1.5, 2.0 - s1 - s2), offset(b, 2.0, -1.0 - s1 - s2), offset(b, -1.5, 0.8 - s1),
                           offset(b, -2.0, -0.6 - s1)};
    if (b.y() > 1.0)
    {
        s[1].y() -= 1.2f;
        s[3].y() -= 0.3f;
    }
    if (b.y() < -1.0)
    {
        s[0].y() += 1.2f;
        s[2].y() += 0.3f;
    }
    s[0].x() = std::min(s[0].x(), 12.0f);
    s[1].x() = std::min(s[1].x(), 12.0f);
    if (b.x() > 7.0 && b.x() < 11.5 && ay < 7.0)
    {
        std::cout << "-->等球" << std::endl;
        s[0] = point(12.8, 0.0);
    }
    if (s[0].x() > kHalfLength) s[0].x() = 14.0f;
    if (s[1].x() < -kHalfLength) s[1].x() = -14.0f;
    if (s[2].x() > kHalfLength) s[2].x() = 12.0f;
    if (s[3].x() < -kHalfLength) s[3].x() = -12.0f;
    if (s[0].y() > kHalfWidth) s[0].y() = 9.7f;
    if (s[1].y() < -kHalfWidth) s[1].y() = -9.7f;
    if (s[2].y() > kHalfWidth) s[2].y() = 10.0f;
    if (s[3].y() < -kHalfWidth) s[3].y() = -10.0f;
    return assignToForwards(1, s, 4, 50000.0);
}

salt::Vector3f Tactic::getForwardWaitPos()
{
    const salt::Vector3f b = mWaitBall.hold(WM->getBallPos(), isFresh(BALL, kBallSeen));
    salt::Vector3f w[4];
    if (b.x() > -5.0)
    {
        w[0] = offset(b, 2, -2);
        w[1] = offset(b, 2, 2);
        w[2] = offset(b, 5, -2);
        w[3] = offset(b, 5, 2);
    }
    else
    {
        w[0] = offset(b, 4, -3);
        w[1] = offset(b, 4, 3);
        w[2] = point(2, -2);
        w[3] = point(4, 2);
    }
    if (b.y() > 0)
    {
        if (w[1].y() > kHalfWidth) w[1].y() = 9.5f;
        if (w[3].y() > kHalfWidth) w[3].y() = 9.0f;
    }
    else
    {
        if (w[0].y() < -kHalfWidth) w[0].y() = -9.5f;
        if (w[2].y() < -kHalfWidth) w[2].y() = -9.0f;
    }
    return assignToForwards(1, w, 4, 10000.0);
}

salt::Vector3f Tactic::getForwardKickOffOtherPos()
{
    const salt::Vector3f p[5] = {point(-1.0, 2.2), point(-1.0, -2.2), point(-2.0, 1.5), point(-2.0, -1.5),
                                 point(-2.5, 0.0)};
    return assignToForwards(0, p, 5, 10000.0);
}

// On a line from the own goal centre toward the ball, at a depth per role.
salt::Vector3f Tactic::getDefensiveHomePos(RoleType roletype, salt::Vector3f BallPos)
{
    const double q = BallPos.y() / std::max(BallPos.x() + kHalfLength, kMinGoalLineDepth);
    auto home = [](double x, double y) { return point(x, std::clamp(y, -kHalfWidth, kHalfWidth)); };
    switch (roletype)
    {
    case RT_MIDDLE_LEFT: return home(-9.0, 6.0 * q);
    case RT_MIDDLE_RIGHT: return home(-10.5, 4.5 * q + 0.3);
    case RT_DEFENDRE_LEFT: return home(-11.5, 3.5 * q - 0.3);
    default: return home(-12.5, 2.5 * q);
    }
}

salt::Vector3f Tactic::getDefensiveStrategyPos(Object dribbleObject)
{
    const std::vector<Object>& list = ourDefensiveEquivalentDistToBall;
    const long n = std::find(list.begin(), list.end(), OBJECT_MAX) - list.begin();
    TObjectToPosMap points;
    if (n == 2)
        setOneStraPoint(list, points, dribbleObject);
    else if (n == 3)
        setTwoStraPoint(list, points, dribbleObject);
    else
        setThreeStraPoint(list, points, dribbleObject);
    auto it = points.find(WM->getMyObject());
    return it != points.end() ? it->second : WM->getMyPos();
}

void Tactic::setOneStraPoint(const std::vector<Object>& list, TObjectToPosMap& points, Object dribbleObject)
{
    const salt::Vector3f b = WM->getBallPos();
    salt::Vector3f s = offset(b, -2.5, 0.0);
    switch (cornerOf(b, -FieldWidth / 30))
    {
    case Corner::Upper: s = offset(b, -2.0, -1.0); break;
    case Corner::Lower: s = offset(b, -2.0, 1.0); break;
    case Corner::None: break;
    }
    if (s.x() < -13.0f) s.x() = -13.0f;
    if (inGoalBand(b))
    {
        const salt::Vector3f band[kBandRows] = {point(-12.8, 3.5), point(-12.8, 1.2), point(-12.8, 0.0),
                                                point(-12.8, -1.2), point(-12.5, -3.5)};
        s = band[bandRow(b.y())];
    }
    std::size_t taker = 0;
    if (!list.empty() && list[0] == dribbleObject) taker = 1;
    if (taker < list.size()) give(points, list[taker], s);
}

void Tactic::setTwoStraPoint(const std::vector<Object>& list, TObjectToPosMap& points, Object dribbleObject)
{
    const salt::Vector3f b = WM->getBallPos();
    salt::Vector3f s1 = offset(b, -2.5, 0.5);
    salt::Vector3f s2 = offset(b, -3.5, -1.0);
    switch (cornerOf(b, -FieldWidth / 30))
    {
    case Corner::Upper:
        s1 = offset(b, -2.0, -1.0);
        s2 = offset(b, -3.0, -2.0);
        break;
    case Corner::Lower:
        s1 = offset(b, -2.2, 2.0);
        s2 = offset(b, -3.0, 1.0);
        break;
    case Corner::None: break;
    }
    if (s1.x() < -12.8f) s1.x() = -12.8f;
    if (s2.x() < -13.0f) s2.x() = -12.8f;
    if (inGoalBand(b))
    {
        const salt::Vector3f band[kBandRows][2] = {{point(-12.8, 4.0), point(-12.5, 3.5)},
                                                   {point(-12.8, 2.5), point(-12.8, 1.2)},
                                                   {point(-12.8, 1.5), point(-12.8, 0.0)},
                                                   {point(-12.8, 0.0), point(-12.8, -1.2)},
                                                   {point(-12.0, -3.0), point(-12.5, -3.5)}};
        s1 = band[bandRow(b.y())][0];
        s2 = band[bandRow(b.y())][1];
    }
    const Flanks f = flanksOf(*WM, list, 3, dribbleObject, b.x());
    give(points, f.low, s2);
    give(points, f.high, s1);
}

void Tactic::setThreeStraPoint(const std::vector<Object>& list, TObjectToPosMap& points, Object dribbleObject)
{
    const salt::Vector3f b = WM->getBallPos();
    salt::Vector3f s[3] = {offset(b, -3.5, 1.5), offset(b, -2.0, 0.0), offset(b, -3.5, -1.5)};
    switch (cornerOf(b, FieldWidth / 30))
    {
    case Corner::Upper:
        s[0] = offset(b, -2.2, -1.0);
        s[1] = offset(b, -4.0, -2.0);
        s[2] = offset(b, -3.0, -3.0);
        break;
    case Corner::Lower:
        s[0] = offset(b, -3.0, 3.0);
        s[1] = offset(b, -4.0, 2.0);
        s[2] = offset(b, -2.2, 1.0);
        break;
    case Corner::None: break;
    }
    for (salt::Vector3f& p : s) p.x() = std::max(p.x(), -12.8f);
    if (inGoalBand(b))
    {
        const salt::Vector3f band[kBandRows][3] = {{point(-12.8, 4.0), point(-12.5, 3.5), point(-12.0, 3.0)},
                                                   {point(-12.8, 2.5), point(-12.8, 1.2), point(-12.8, 0.0)},
                                                   {point(-12.8, 1.5), point(-12.8, 0.0), point(-12.8, -1.5)},
                                                   {point(-12.8, 0.0), point(-12.8, -1.2), point(-12.8, -2.5)},
                                                   {point(-12.0, -3.0), point(-12.5, -3.5), point(-13.0, -4.0)}};
        std::copy(band[bandRow(b.y())], band[bandRow(b.y())] + 3, s);
    }
    const std::size_t entries = std::min<std::size_t>(list.size(), 4);
    const Flanks f = flanksOf(*WM, list, entries, dribbleObject, b.x());
    Object middle = OBJECT_MAX;
    for (std::size_t i = 0; i < entries && middle == OBJECT_MAX; ++i)
    {
        const Object o = list[i];
        if (o != f.low && o != f.high && o != dribbleObject) middle = o;
    }
    if (middle == OBJECT_MAX)
    {
        give(points, f.low, s[2]);
        give(points, f.high, s[0]);
        return;
    }
    const salt::Vector3f& m = WM->objectVision(middle).globalPos;
    if ((f.ahead == 1 || f.ahead == 2) && m.x() > b.x())
    {
        if (m.y() > b.y())
        {
            give(points, middle, s[0]);
            give(points, f.high, s[1]);
            give(points, f.low, s[2]);
        }
        else
        {
            give(points, middle, s[2]);
            give(points, f.low, s[1]);
            give(points, f.high, s[0]);
        }
        return;
    }
    give(points, f.low, s[2]);
    give(points, f.high, s[0]);
    give(points, middle, s[1]);
}

salt::Vector3f Tactic::getDefensiveWaitPos(Object dribbleObject)
{
    const salt::Vector3f b = mDefensiveWaitBall.hold(WM->getBallPos(), isFresh(BALL, kBallSeen));
    const Object oppNearBall = oppAllDistToBall.empty() ? OBJECT_MAX : oppAllDistToBall.front();
    if (isFresh(oppNearBall, kOppSeen)) mDefensiveWaitBump = WM->objectVision(oppNearBall).globalPos;
    const double sign = b.y() > 0 ? 1.0 : -1.0;

    salt::Vector3f d[3] = {offset(b, -1.0, -0.5), offset(b, -1.2, sign > 0 ? 0.8 : 1.2),
                           offset(b, -2.0, sign > 0 ? -1.2 : -0.8)};
    if (b.x() < -kHalfLength + 5.0)
    {
        d[1] = point((b.x() - kHalfLength) / 2.0, b.y() / 2.0);
        if (d[1].x() <= -kHalfLength + 1.0) d[1] = offset(b, -0.5, -0.4 * sign);
    }
    if (d[1].y() > 4.0f)
    {
        d[1].y() = b.y();
        d[2].y() = d[1].y() - 1.0f;
    }
    if (d[2].y() < -4.0f)
    {
        d[2].y() = b.y();
        d[1].y() += 0.7f;
    }
    if (d[1].x() > -10.0f)
    {
        d[1].x() = static_cast<float>(0.25 * sign - 10.25);
        d[2].x() = d[1].x();
    }
    const double bumpDist = calculateDist(b, mDefensiveWaitBump, true);
    if (bumpDist > 0.7 && bumpDist < 2.5) d[0] = point(mDefensiveWaitBump.x(), mDefensiveWaitBump.y());
    const float behindGoalX[3] = {-14.5f, -14.2f, -14.6f};
    for (int i = 0; i < 3; ++i)
    {
        if (d[i].x() < -kHalfLength) d[i].x() = behindGoalX[i];
    }
    for (salt::Vector3f& p : d)
    {
        if (p.x() < -12.8f && std::fabs(p.y()) < 2.2f)
        {
            const salt::Vector3f a = point(p.x(), 2.2 * sign);
            const salt::Vector3f side = point(2.2, p.y());
            p = calculateDist(side, b, true) > calculateDist(a, b, true) ? a : side;
        }
    }

    Object group[4];
    int groupSize = 0;
    for (std::size_t i = 0; i < std::min<std::size_t>(ourDefensiveEquivalentDistToBall.size(), 4); ++i)
    {
        if (ourDefensiveEquivalentDistToBall[i] != dribbleObject) group[groupSize++] = ourDefensiveEquivalentDistToBall[i];
    }
    return assignPoints(group, groupSize, d, 3, 10000.0);
}
