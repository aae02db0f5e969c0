#include "Roles/RoleForward.h"

#include <cmath>

#include "Math/MyMath.h"

namespace {
// x of the line between attack and defence.
constexpr double kDefensiveLine = -1.0;
// PlayOn's own thresholds (single precision).
constexpr double kPlayOnMyPosTrusted = static_cast<double>(9.96f);
constexpr double kPlayOnBallTrusted = static_cast<double>(9.9f);
// A kick-in's ball copy above this confidence (single precision).
constexpr double kKickInBallTrusted = static_cast<double>(9.6f);
// A new waiting point further than this from the one walked to replaces it.
constexpr double kWaitPointMoves = static_cast<double>(0.3f);
// The other side's kick-off: a kick-off point this near counts as reached.
constexpr double kKickOffPointReached = static_cast<double>(0.2f);
// A kick-in closer to the touch line than this is side-kicked.
constexpr double kSideKickLine = 8.0;

salt::Vector3f point(float x, float y)
{
    return salt::Vector3f(x, y, 0.0f);
}

float flatDist(const salt::Vector3f& a, const salt::Vector3f& b)
{
    return static_cast<float>(calculateDist(a, b, true));
}
} // namespace

float RoleForward::refreshPlayOn()
{
    PlayOnState& s = mPlayOn;
    if (!s.started)
    {
        s.started = true;
        s.MyPos = WM->getMyPos();
        s.BallPos = WM->getBallPos();
    }
    if (WM->getGlobalConfidence() >= kPlayOnMyPosTrusted) s.MyPos = WM->getMyPos();
    if (WM->getGlobalConfidence(BALL) >= kPlayOnBallTrusted) s.BallPos = WM->getBallPos();
    return flatDist(s.MyPos, s.BallPos);
}

std::string RoleForward::playOnWithShotWindow(double maxShotX)
{
    PlayOnState& s = mPlayOn;
    const float MyDisToBall = refreshPlayOn();
    const float OppDisToMe = flatDist(s.MyPos, globalPos(first(TAC->oppAllDistToMe)));
    const float OppDisToBall = flatDist(s.BallPos, globalPos(first(TAC->oppAllDistToBall)));
    if (s.BallPos.x() >= kDefensiveLine) return attack(maxShotX, MyDisToBall, OppDisToMe, OppDisToBall);
    return defend(MyDisToBall);
}

std::string RoleForward::attack(double maxShotX, float MyDisToBall, float OppDisToMe, float OppDisToBall)
{
    PlayOnState& s = mPlayOn;
    const salt::Vector3f& b = s.BallPos;
    if (!TAC->isMeMostCloseToBall()) return TAC->movingWithoutBall();
    if (OppDisToMe < 0.8 || WM->getBallDist() > 1.0) s.GoalKickFlag = false;

    const double myX = WM->getMyPos().x();
    const bool shotOpen = std::fabs(b.y()) < 5.0 && myX > 9.0 && myX < maxShotX &&
                          std::fabs(WM->getBodyRelAngle(point(13.0f, 0.0f))) < 80.0 && OppDisToMe > 1.5 &&
                          MyDisToBall < 1.0;
    if (s.GoalKickFlag || shotOpen)
    {
        s.GoalKickFlag = true;
        return SKS->kickBall(s.Goal);
    }
    if (std::fabs(b.y()) > 0.9 && b.x() > 13.0) return SKS->fastDribbleToPoint(s.Goal);
    const bool ballAhead = b.x() < 11.0 && b.x() > s.MyPos.x() + 0.1 && std::fabs(WM->getBodyRelAngle(BALL)) < 45.0;
    if (std::fabs(b.y()) < 6.5 &&
        (MyDisToBall > 1.0 || OppDisToBall < MyDisToBall || OppDisToBall < 0.5 || ballAhead))
        return walkToBall();
    return SKS->fastDribbleToPoint(s.Goal);
}

std::string RoleForward::defend(float MyDisToBall)
{
    PlayOnState& s = mPlayOn;
    const salt::Vector3f& b = s.BallPos;
    if (!TAC->isLastOfTheForward()) return walkTo(TAC->getForwardWaitPos());
    if (!isFirst(TAC->ourAllDistToBall))
    {
        // With no opponent placed recently there is nobody to harry: go for the ball.
        const Object opp = first(TAC->oppAllDistToBall);
        if (opp == OBJECT_MAX) return walkTo(WM->getBallPos());
        s.ToBumpPos = globalPos(opp) + point(1.5f, b.y() > 0.0f ? -1.0f : 1.0f);
        return walkTo(s.ToBumpPos);
    }
    if ((MyDisToBall >= 1.0 || b.x() > s.MyPos.x()) && std::fabs(b.x()) < 14.0 && std::fabs(b.y()) < 9.0)
        return walkToBall();
    return SKS->fastDribbleToPoint(s.Goal);
}

std::string RoleForward::BeforeKickOff()
{
    return wait();
}

std::string RoleForward::KickOff_Left()
{
    return kickOff(TEAM_LEFT);
}

std::string RoleForward::KickOff_Right()
{
    return kickOff(TEAM_RIGHT);
}

std::string RoleForward::kickOff(TeamSide side)
{
    if (ours(side))
    {
        if (!isFirst(TAC->ourAllDistToBall)) return TAC->keepDirToTarget(WM->getBallPos());
        if (WM->getBallDist() > 1.5) return walkToBall();
        return SKS->KickOff(point(15.0f, static_cast<float>(-FieldWidth / 4.0)));
    }
    const salt::Vector3f p = TAC->getForwardKickOffOtherPos();
    if (flatDist(p, MyPos) >= kKickOffPointReached) return walkTo(p);
    return wait();
}

std::string RoleForward::KickIn_Left()
{
    return kickIn(TEAM_LEFT, mKickInLeft);
}

std::string RoleForward::KickIn_Right()
{
    return kickIn(TEAM_RIGHT, mKickInRight);
}

std::string RoleForward::kickIn(TeamSide side, KickInState& s)
{
    if (!s.started)
    {
        s.started = true;
        s.BallPos = WM->getBallPos();
        s.stragePos = WM->getMyPos();
        s.oldStragePos = s.stragePos;
    }
    if (WM->getGlobalConfidence(BALL) > kKickInBallTrusted) s.BallPos = WM->getBallPos();
    if (!ours(side))
    {
        if (s.BallPos.x() < kDefensiveLine)
        {
            s.stragePos = TAC->GetWaitStrategyPos();
            if (flatDist(s.stragePos, s.oldStragePos) > kWaitPointMoves) s.oldStragePos = s.stragePos;
            return walkTo(s.oldStragePos);
        }
        if (TAC->isMeMostCloseToBall()) return walkTo(s.BallPos + point(-2.5f, 0.0f));
        return walkTo(TAC->getForwardStrategyPos());
    }
    const double y = std::fabs(WM->getBallPos().y());
    if (isFirst(TAC->ourAllDistToBall))
    {
        if (y > kSideKickLine) return SKS->SideKick();
        if (y < kSideKickLine) return SKS->kickBall();
    }
    return TAC->keepDirToTarget(WM->getBallPos());
}

std::string RoleForward::Corner_Kick_Left()
{
    return cornerKick(TEAM_LEFT);
}

std::string RoleForward::Corner_Kick_Right()
{
    return cornerKick(TEAM_RIGHT);
}

std::string RoleForward::cornerKick(TeamSide side)
{
    if (!ours(side)) return walkTo(TAC->GetWaitStrategyPos());
    if (isFirst(TAC->ourAllDistToBall)) return SKS->SideKick(point(7.5f, 0.0f));
    return TAC->keepDirToTarget(WM->getBallPos());
}

std::string RoleForward::Goal_Kick_Left()
{
    return goalKick(TEAM_LEFT);
}

std::string RoleForward::Goal_Kick_Right()
{
    return goalKick(TEAM_RIGHT);
}

std::string RoleForward::goalKick(TeamSide side)
{
    if (!ours(side) && WM->getMyPos().x() > 9.0) return walkToBall();
    return wait();
}

// Never reached from execute.
std::string RoleForward::Free_Kick_Left() { return std::string(); }
std::string RoleForward::Free_Kick_Right() { return std::string(); }
std::string RoleForward::Goal_Left() { return std::string(); }
std::string RoleForward::Goal_Right() { return std::string(); }
std::string RoleForward::Offside_Left() { return std::string(); }
std::string RoleForward::Offside_Right() { return std::string(); }
std::string RoleForward::Game_Over() { return std::string(); }
