#include "Roles/RoleGoalie.h"

#include <cmath>

#include "Actions/ActionSwitchMechanism.h"
#include "Math/MyMath.h"
#include "Skills/Skills.h"
#include "Tactic/Tactic.h"
#include "WorldModel/Position.h"
#include "WorldModel/WorldModel.h"

namespace {
// Kick-in: ball travel over nine cycles that starts a dive, and the cycles
// the dive is then requested after its first.
constexpr double kDiveMinTravel = 0.6;
constexpr double kDiveMaxTravel = 4.0;
constexpr int kDiveCycles = 30;
// Home counts as reached (single precision), at a corner kick and at a goal kick.
constexpr double kKickInHomeReached = static_cast<double>(0.3f);
constexpr double kCornerHomeReached = 0.15;
constexpr double kGoalKickHomeReached = 0.1;
// Lateral latches: in beyond 1.0, out inside 0.6 (the right one single precision).
constexpr double kLateralOut = 1.0;
constexpr double kLeftBack = -0.6;
constexpr double kRightBack = static_cast<double>(0.6f);
// The ball's side beyond this (single precision) moves the lateral place to 0.7.
constexpr double kBallSide = static_cast<double>(1.05f);
constexpr double kSidePlace = 0.7;
constexpr double kBallNear = 6.0;
// Goal kick: the kicker is chosen again after this many cycles.
constexpr int kKickerPeriod = 19;
constexpr double kAvoidIn = 0.25;
constexpr double kAvoidOut = 0.45;


double flat(const salt::Vector3f& a, const salt::Vector3f& b)
{
    return calculateDist(a, b, true);
}
} // namespace

std::string RoleGoalie::execute(RoleType rt)
{
    roletype = rt;
    TAC->sortOppAllByDistToBall(TAC->oppAllDistToBall);
    TAC->sortOurAllByDistToBall(TAC->ourAllDistToBall);
    return dispatch(*this, WM->getGameState());
}

std::string RoleGoalie::waitForBall()
{
    return ACS->doAction(WAIT, HEAD_FOCUS_ON_OBJECT, BALL);
}

std::string RoleGoalie::walkTo(const salt::Vector3f& p)
{
    return SKS->walkOmni(p, false, HEAD_FOCUS_ON_OBJECT, BALL);
}

std::string RoleGoalie::KickOff_Left() { return waitForBall(); }
std::string RoleGoalie::KickOff_Right() { return waitForBall(); }
std::string RoleGoalie::BeforeKickOff() { return waitForBall(); }
std::string RoleGoalie::Goal_Left() { return waitForBall(); }
std::string RoleGoalie::Goal_Right() { return waitForBall(); }
std::string RoleGoalie::Offside_Left() { return waitForBall(); }
std::string RoleGoalie::Offside_Right() { return waitForBall(); }
std::string RoleGoalie::Game_Over() { return waitForBall(); }

std::string RoleGoalie::Corner_Kick_Left() { return cornerKick(); }
std::string RoleGoalie::Corner_Kick_Right() { return cornerKick(); }

std::string RoleGoalie::cornerKick()
{
    const salt::Vector3f home = POS->getHomePos();
    if (flat(WM->getMyPos(), home) < kCornerHomeReached) return waitForBall();
    return walkTo(home);
}

std::string RoleGoalie::KickIn_Left() { return kickIn(TEAM_LEFT, static_cast<double>(0.1f), mKickInLeft); }
std::string RoleGoalie::KickIn_Right() { return kickIn(TEAM_RIGHT, static_cast<double>(0.2f), mKickInRight); }

std::string RoleGoalie::kickIn(TeamSide ours, double tolerance, KickInState& s)
{
    // Our kick-in: watch it (an empty answer would leave the joints running).
    if (WM->getTeamSide() == ours) return waitForBall();
    kickInBookkeeping(s);
    const double travel = flat(s.lastSixballPos[0], s.ballPos);
    if (travel > kDiveMinTravel && travel < kDiveMaxTravel && s.ballPos.x() < -11.0 && !s.flagWalkToBall)
        s.flagFallDown = true;
    if (s.flagFallDown) return ACS->doAction(DIVE_LEG_R, HEAD_FOCUS_ON_OBJECT, BALL);

    const salt::Vector3f myPos = WM->getMyPos();
    const salt::Vector3f& b = s.ballPos;
    if ((b.x() < -13.0 && std::fabs(b.y()) < 3.0) || s.flagWalkToBall)
    {
        s.flagWalkToBall = true;
        if (b.x() > -12.0) s.flagWalkToBall = false;
        if (myPos.x() > b.x() || s.flagFastDribble)
        {
            s.flagFastDribble = true;
            std::string dribble = SKS->fastDribbleToPoint(OppGoalCentre);
            if (b.x() > myPos.x() + 0.3) s.flagFastDribble = false;
            return dribble;
        }
        return SKS->walkOmni(BALL, false, HEAD_FOCUS_ON_OBJECT, BALL);
    }
    return kickInPlace(s, tolerance);
}

void RoleGoalie::kickInBookkeeping(KickInState& s)
{
    if (!s.started)
    {
        s.started = true;
        s.ballPos = WM->getBallPos();
    }
    if (!WM->getIsObjectFallDown(WM->getMyObject())) s.ballPos = WM->getBallPos();
    // A dive period left open by a gap (the agent got up, or the kick-in
    // ended) is over: the dive has run.
    const int cycle = WM->getCurrentCycle();
    if (s.flagFallDown && cycle - s.lastCycle > 1)
    {
        s.flagFallDown = false;
        s.countFallDown = 0;
    }
    s.lastCycle = cycle;
    if (s.flagFallDown)
    {
        if (s.countFallDown > kDiveCycles)
        {
            s.countFallDown = 0;
            s.flagFallDown = false;
        }
        else
            ++s.countFallDown;
    }
    for (int i = 0; i < 9; ++i) s.lastSixballPos[i] = s.lastSixballPos[i + 1];
    s.lastSixballPos[9] = s.ballPos;
}

std::string RoleGoalie::kickInPlace(KickInState& s, double tolerance)
{
    const salt::Vector3f myPos = WM->getMyPos();
    const salt::Vector3f home = POS->getHomePos();
    if (myPos.x() > -13.0 || std::fabs(myPos.y()) > kLateralOut || s.flagWalkToHomPos)
    {
        s.flagWalkToHomPos = true;
        if (flat(myPos, home) < kKickInHomeReached) s.flagWalkToHomPos = false;
        return walkTo(home);
    }
    const double heading = WM->getMyAngle();
    if (std::fabs(heading) > 20 || s.flagTurn)
    {
        s.flagTurn = true;
        if (std::fabs(heading) < 10) s.flagTurn = false;
        return SKS->keepDir();
    }
    if (myPos.y() < -kLateralOut || s.flagWalkLeft)
    {
        s.flagWalkLeft = true;
        if (myPos.y() > kLeftBack) s.flagWalkLeft = false;
        return ACS->doAction(WALK_LEFT, HEAD_FOCUS_ON_OBJECT, BALL);
    }
    if (myPos.y() > kLateralOut || s.flagWalkRight)
    {
        s.flagWalkRight = true;
        if (myPos.y() < kRightBack) s.flagWalkRight = false;
        return ACS->doAction(WALK_RIGHT, HEAD_FOCUS_ON_OBJECT, BALL);
    }
    if (myPos.x() > -14.0) return ACS->doAction(WALK_BACKWARD, HEAD_FOCUS_ON_OBJECT, BALL);
    if (myPos.x() < -14.7) return ACS->doAction(WALK_FORWARD, HEAD_FOCUS_ON_OBJECT, BALL);
    if (WM->getBallDist() < kBallNear)
    {
        double t = 0.0;
        if (s.ballPos.y() < -kBallSide) t = -kSidePlace;
        else if (s.ballPos.y() > kBallSide) t = kSidePlace;
        if (std::fabs(myPos.y() - t) < tolerance) return waitForBall();
        if (myPos.y() > t) return ACS->doAction(WALK_RIGHT, HEAD_FOCUS_ON_OBJECT, BALL);
        if (myPos.y() < t) return ACS->doAction(WALK_LEFT, HEAD_FOCUS_ON_OBJECT, BALL);
    }
    // In place, ball far: keep watching it.
    return waitForBall();
}

std::string RoleGoalie::goalKick(TeamSide ours, GoalKickState& s, const std::function<std::string()>& kick)
{
    if (s.count > kKickerPeriod)
    {
        s.count = 0;
        s.flagFastKicker = false;
        s.flagwait = false;
    }
    else
        ++s.count;
    if (!s.flagFastKicker)
    {
        const salt::Vector3f ball = WM->getBallPos();
        const double d1 = flat(WM->objectVision(TEAMMATE_1).globalPos, ball);
        const double d2 = flat(WM->objectVision(TEAMMATE_2).globalPos, ball);
        s.KickBallObject = d1 > d2 ? TEAMMATE_2 : TEAMMATE_1;
        s.flagFastKicker = true;
    }
    if (WM->getTeamSide() != ours) return PlayOn();
    if (WM->getMyObject() == s.KickBallObject) return kick();

    const salt::Vector3f myPos = WM->getMyPos();
    const double toKicker = flat(myPos, WM->objectVision(s.KickBallObject).globalPos);
    if (toKicker > kAvoidOut) s.avoidFlag = false;
    if (toKicker < kAvoidIn || s.avoidFlag)
    {
        s.avoidFlag = true;
        return TAC->avoidObstacleOrWait(s.KickBallObject);
    }
    const salt::Vector3f home = POS->getHomePos();
    if (s.flagwait || flat(myPos, home) < kGoalKickHomeReached)
    {
        s.flagwait = true;
        return waitForBall();
    }
    return walkTo(home);
}
