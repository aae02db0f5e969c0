// Ball-chaser tests, side steps around players and the forwards' movement
// without the ball.
#include <cmath>
#include <cstdlib>
#include <iostream>

#include "Actions/ActionSwitchMechanism.h"
#include "Math/MyMath.h"
#include "Skills/Skills.h"
#include "Tactic/Tactic.h"
#include "WorldModel/WorldModel.h"

namespace {
// The ball counts as in front of me below this absolute bearing (degrees).
constexpr double kBallAheadAngle = 130.0;
// Dribble area behind the ball: depth, half-width at the ball, widening.
constexpr double kDribbleDepth = 3.5;
constexpr double kDribbleHalfWidth = 1.0;
constexpr double kDribbleWidening = 1.5;
constexpr double kObstacleSeen = static_cast<double>(9.9f);
constexpr int kAvoidMemoryCycles = 2;
constexpr double kSideStepSpeed = 0.5;
constexpr double kKeepDirSlack = 20.0;
// Leave and enter distances of the avoidance around the nearest teammate.
constexpr double avoidOutFlag = 0.7;
constexpr double avoidInFlag = 1.0;
// How far to the left of the opponent goal I turn toward it.
constexpr double kFaceGoalAngle = 30.0;
} // namespace

const salt::Vector3f& Tactic::posOf(Object o) const
{
    return WM->objectVision(o).globalPos;
}

bool Tactic::isInDribbleBallArea(double x, double y, double z, Object o)
{
    const salt::Vector3f b = WM->getBallPos();
    const salt::Vector3f& p = posOf(o);
    const double behind = p.x() - b.x();
    const double upper = b.y() + y - z / x * behind;
    const double lower = b.y() - y + z / x * behind;
    return p.x() > b.x() - x && p.x() < b.x() && p.y() < upper && p.y() > lower;
}

// First in `nearest` with the ball ahead; else the first standing member
// behind the ball in its dribble area; else first in `nearest`.
bool Tactic::isChaser(const std::vector<Object>& nearest, std::vector<Object>& members)
{
    const Object me = WM->getMyObject();
    const bool meNearest = !nearest.empty() && nearest.front() == me;
    if (meNearest && std::fabs(WM->getBodyRelAngle(BALL)) < kBallAheadAngle) return true;
    const double ballX = WM->getBallPos().x();
    for (Object& o : members)
    {
        if (WM->getIsObjectFallDown(o))
        {
            o = OBJECT_MAX;
            continue;
        }
        if (posOf(o).x() < ballX && isInDribbleBallArea(kDribbleDepth, kDribbleHalfWidth, kDribbleWidening, o))
            return o == me;
    }
    return !nearest.empty() && nearest.front() == me;
}

bool Tactic::isMeMostCloseToBall()
{
    return isChaser(ourAllDistToBall, ourForwardEquivalentDistToBall);
}

bool Tactic::isMeMostCloseToBallForDefender()
{
    std::vector<Object>& list = ourDefensiveEquivalentDistToBall;
    if (isChaser(list, list)) return true;
    if (list.size() < 2 || list[1] != WM->getMyObject()) return false;
    const double ballX = WM->getBallPos().x();
    return ballX > WM->getMyPos().x() && posOf(list[0]).x() > ballX;
}

bool Tactic::isLastOfTheForward()
{
    return !ourForwardEquivalentDistToBall.empty() && ourForwardEquivalentDistToBall.front() == WM->getMyObject();
}

bool Tactic::isInWalk_OMINI_Zone()
{
    const salt::Vector3f b = WM->getBallPos();
    return b.x() >= 12.0f && b.y() <= 22.5 - 1.5 * b.x() && b.y() >= 1.5 * b.x() - 22.5;
}

bool Tactic::InGoalieDefensiveArea(Object obj)
{
    const salt::Vector3f& p = posOf(obj);
    return p.x() < -FieldLength / 2 + 2.0 && std::fabs(p.y()) < 2.0;
}

std::string Tactic::avoidObstacle(salt::Vector3f, salt::Vector3f targetPos, Object obj)
{
    const std::string step = sideStepAround(obj);
    if (!step.empty()) return step;
    return SKS->walkOmni(targetPos, false, HEAD_FOCUS_ON_OBJECT, BALL);
}

std::string Tactic::avoidObstacleOrWait(Object obj)
{
    const std::string step = sideStepAround(obj);
    if (!step.empty()) return step;
    return ACS->doAction(WAIT, HEAD_FOCUS_ON_OBJECT, BALL);
}

std::string Tactic::sideStepAround(Object obj)
{
    const int cycle = WM->getCurrentCycle();
    if (!mAvoid.started)
    {
        mAvoid.started = true;
        mAvoid.oldCycle = cycle;
    }
    if (std::abs(mAvoid.oldCycle - cycle) > kAvoidMemoryCycles) mAvoid.left = mAvoid.right = false;
    mAvoid.oldCycle = cycle;
    if (obj == OBJECT_MAX || WM->getLocalConfidence(obj) < kObstacleSeen) return std::string();

    const double angleMyToObj = WM->getBodyRelAngle(obj);
    std::cout << "angle--->" << angleMyToObj << std::endl;
    if ((angleMyToObj > 0 && angleMyToObj < 90) || mAvoid.right)
    {
        std::cout << angleMyToObj << "  右拐" << std::endl;
        mAvoid.right = true;
        return SKS->walkOmniRight(kSideStepSpeed, HEAD_FOCUS_ON_OBJECT, BALL);
    }
    if ((angleMyToObj > -90 && angleMyToObj < 0) || mAvoid.left)
    {
        std::cout << angleMyToObj << "  左拐" << std::endl;
        mAvoid.left = true;
        return SKS->walkOmniLeft(kSideStepSpeed, HEAD_FOCUS_ON_OBJECT, BALL);
    }
    return std::string();
}

std::string Tactic::keepDirToTarget(salt::Vector3f targetPos)
{
    const double a = WM->getBodyRelAngle(targetPos);
    if (a > kKeepDirSlack) return SKS->walkOmniTurnLeft(HEAD_FOCUS_ON_OBJECT, BALL);
    if (a < -kKeepDirSlack) return SKS->walkOmniTurnRight(HEAD_FOCUS_ON_OBJECT, BALL);
    return SKS->walkOmniWait(HEAD_FOCUS_ON_OBJECT, BALL);
}

std::string Tactic::movingWithoutBall()
{
    sortOurAllByDistToMe(ourAllDistToMe);
    const salt::Vector3f m = WM->getMyPos();
    const salt::Vector3f b = WM->getBallPos();
    const Object nearestMate = ourAllDistToMe.front();
    MovingState& s = mMoving;
    if (!s.started)
    {
        s.started = true;
        s.oldStrategyPos = m;
        s.ourPersonClosedToMePos = posOf(nearestMate);
    }

    const salt::Vector3f strategyPos = getForwardStrategyPos();
    if (WM->getGlobalConfidence(nearestMate) != 0.0) s.ourPersonClosedToMePos = posOf(nearestMate);
    if (calculateDist(strategyPos, s.oldStrategyPos, true) > 0.3) s.oldStrategyPos = strategyPos;

    // Out of the ball's path, to the side I am on.
    const double dy = std::fabs(m.y() - b.y());
    if (dy > 1.5) s.flagTempStrategyPosLeft = s.flagTempStrategyPosRight = false;
    if ((m.x() + 0.5 > b.x() && m.x() - b.x() < 2.0 && dy < 0.7) || s.flagTempStrategyPosLeft ||
        s.flagTempStrategyPosRight)
    {
        const bool left = m.y() > b.y();
        (left ? s.flagTempStrategyPosLeft : s.flagTempStrategyPosRight) = true;
        s.oldStrategyPos = salt::Vector3f(b.x() + 0.5f, b.y() + (left ? 2.0f : -2.0f), 0.0f);
    }

    const double toMate = calculateDist(m, s.ourPersonClosedToMePos, true);
    if (toMate > avoidOutFlag) s.avoidFreePlayerFlag = false;
    if ((toMate < avoidInFlag && !isMeMostCloseToBall()) || s.avoidFreePlayerFlag)
    {
        std::cout << "避障-->" << std::endl;
        s.avoidFreePlayerFlag = true;
        return avoidObstacle(m, s.oldStrategyPos, nearestMate);
    }

    if (isMeMostCloseToBall())
    {
        const salt::Vector3f& opp = posOf(oppAllDistToBall.empty() ? OBJECT_MAX : oppAllDistToBall.front());
        if (calculateDist(opp, m, true) < 1.0) return SKS->walkOmni(opp, false, HEAD_FOCUS_ON_OBJECT, BALL);
    }

    const double toPoint = calculateDist(m, s.oldStrategyPos, true);
    if (toPoint > 0.7) s.atStrategyPosFlag = false;
    if (toPoint < 0.2 || s.atStrategyPosFlag)
    {
        s.atStrategyPosFlag = true;
        s.oldStrategyPos.x() = m.x();
        s.oldStrategyPos.y() = m.y();
        // Signed: only a goal to my left turns me.
        if (WM->getBodyRelAngle(OppGoalCentre) > kFaceGoalAngle) return keepDirToTarget(OppGoalCentre);
        return SKS->walkOmniWait(HEAD_FOCUS_ON_OBJECT, BALL);
    }
    return SKS->walkOmni(s.oldStrategyPos, false, HEAD_FOCUS_ON_OBJECT, BALL);
}
