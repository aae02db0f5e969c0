#include "Roles/RoleDefender.h"

#include <cmath>
#include <limits>

#include "Actions/ActionSwitchMechanism.h"
#include "Math/MyMath.h"
#include "WorldModel/Position.h"

namespace {
// x of the line beyond which the defenders hold their home line.
constexpr double kDefensiveLine = -1.0;
// The box in front of the own goal where the ball is fought for.
constexpr double kGoalMouthX = -FieldLength / 2.0 + 2.2;
constexpr double kGoalMouthY = 3.2;
// A waiting defender standing in here steps out first.
constexpr double kGoalAreaX = -FieldLength / 2.0 + 2.1;
constexpr double kGoalAreaY = 3.1;
// A home point this near counts as reached.
constexpr double kHomeReached = 0.3;
// A waiting point this near counts as reached.
constexpr double kWaitReached = 0.2;
// A new kick-in point nearer than this to the old one keeps the old one.
constexpr double kKickInPointMoves = 0.3;
// Confidence of the nearest opponent that allows a clearing kick (single precision).
constexpr double kOppTrusted = static_cast<double>(9.9f);
// Side-step speed in front of the goal, and the backward step speed.
constexpr double kStepSpeed = 0.8;
constexpr double kBackStepSpeed = 0.6;

salt::Vector3f point(float x, float y)
{
    return salt::Vector3f(x, y, 0.0f);
}

double flatDist(const salt::Vector3f& a, const salt::Vector3f& b)
{
    return calculateDist(a, b, true);
}
} // namespace

double RoleDefender::seenDistance(Object o) const
{
    const double d = WM->getObjectVision(o).distance;
    return d < 0.0 ? std::numeric_limits<double>::infinity() : d;
}

std::string RoleDefender::BeforeKickOff()
{
    BeforeKickOffState& s = mBeforeKickOff;
    const int cycle = WM->getCurrentCycle();
    if (!s.started)
    {
        s.started = true;
        s.LastCyc = cycle;
    }
    if (cycle - s.LastCyc > 10) s.LastCyc = cycle;
    return wait();
}

std::string RoleDefender::KickOff_Left()
{
    return SKS->keepDir();
}

std::string RoleDefender::KickOff_Right()
{
    return SKS->keepDir();
}

std::string RoleDefender::PlayOn()
{
    PlayOnState& s = mPlayOn;
    if (!s.started)
    {
        s.started = true;
        s.oldObjClosedToMe = first(TAC->oppAllDistToMe);
        s.oldObjClosedPos = globalPos(s.oldObjClosedToMe);
    }
    const float oppDistCloseToBall = static_cast<float>(flatDist(BallPos, globalPos(first(TAC->oppAllDistToBall))));
    if (BallPos.x() > kDefensiveLine) return holdHomeLine();
    if (TAC->isMeMostCloseToBallForDefender()) return chaseBall(oppDistCloseToBall);
    return waitForTeammate();
}

std::string RoleDefender::holdHomeLine()
{
    StragePos = TAC->getDefensiveHomePos(getMyRoleType(), BallPos);
    const Object mate = first(TAC->ourAllDistToMe);
    if (seenDistance(mate) < 1.0) return TAC->avoidObstacle(MyPos, StragePos, mate);
    if (flatDist(MyPos, StragePos) <= kHomeReached)
    {
        if (std::fabs(WM->getBodyRelAngle(BallPos)) > 10.0) return TAC->keepDirToTarget(BallPos);
        return wait();
    }
    return walkTo(StragePos);
}

void RoleDefender::updateKickLatch()
{
    const Object opp = first(TAC->oppAllDistToMe);
    bool& latched = mPlayOn.GoalKickFlag;
    if (seenDistance(opp) < 0.8 || WM->getBallDist() > 1.0) latched = false;
    if (!latched && WM->getBallDist() < 0.8 && seenDistance(opp) >= 2.5 && WM->getGlobalConfidence(opp) >= kOppTrusted)
        latched = true;
}

std::string RoleDefender::chaseBall(float oppDistCloseToBall)
{
    const salt::Vector3f& b = BallPos;
    const salt::Vector3f& m = MyPos;
    updateKickLatch();
    if (mPlayOn.GoalKickFlag) return SKS->kickBall(mPlayOn.goal);
    if (b.x() - 0.2 > m.x() && std::fabs(b.y()) < 8.0) return walkToBall();
    if (b.x() < kGoalMouthX && std::fabs(b.y()) < kGoalMouthY) return clearGoalMouth();
    if (b.x() < kGoalMouthX && oppDistCloseToBall < 0.8) return walkToBall();
    if (flatDist(globalPos(first(TAC->oppAllDistToMe)), m) > 1.5) return SKS->fastDribbleToPoint(mPlayOn.goal);
    return walkToBall();
}

// The ball in front of the own goal: get behind it, then push it out.
std::string RoleDefender::clearGoalMouth()
{
    if (BallPos.x() > MyPos.x() + 0.15) return walkToBall();
    const salt::Vector3f r = WM->getBodyRelPos(BALL);
    if (r.y() > 0.0f && r.y() < 0.25f) return SKS->walkOmniRight(kStepSpeed, HEAD_FOCUS_ON_OBJECT, BALL);
    if (r.y() > -0.25f && r.y() < 0.0f) return SKS->walkOmniLeft(kStepSpeed, HEAD_FOCUS_ON_OBJECT, BALL);
    if (std::fabs(r.y()) < 1.0f)
    {
        if (r.x() > 0.0f) return SKS->walkOmniForward(kStepSpeed, HEAD_FOCUS_ON_OBJECT, BALL);
        return SKS->walkOmniBackward(kBackStepSpeed, HEAD_FOCUS_ON_OBJECT, BALL);
    }
    return SKS->fastDribbleToPoint(mPlayOn.goal);
}

std::string RoleDefender::waitForTeammate()
{
    const salt::Vector3f& b = BallPos;
    const salt::Vector3f& m = MyPos;
    const salt::Vector3f stgPos = TAC->getDefensiveWaitPos(OBJECT_MAX);
    if (b.x() < kGoalMouthX && std::fabs(b.y()) < kGoalMouthY && m.x() < kGoalAreaX && std::fabs(m.y()) < kGoalAreaY)
        return walkTo(m + point(1.5f, 0.0f));
    const Object mate = first(TAC->ourAllDistToMe);
    if (flatDist(m, globalPos(mate)) < 1.0) return TAC->avoidObstacle(m, stgPos, mate);
    if (flatDist(m, stgPos) < kWaitReached)
    {
        if (std::fabs(WM->getBodyRelAngle(BALL)) > 30.0) return SKS->turnToObject(BALL, 10);
        return wait();
    }
    return walkTo(stgPos);
}

std::string RoleDefender::KickIn_Left()
{
    return kickIn(TEAM_LEFT, WM->getBallPos(), -2.5f);
}

std::string RoleDefender::KickIn_Right()
{
    return kickIn(TEAM_RIGHT, BallPos, -2.0f);
}

std::string RoleDefender::kickIn(TeamSide side, const salt::Vector3f& b, float behindBall)
{
    if (ours(side))
    {
        if (b.x() < kDefensiveLine && isFirst(TAC->ourAllDistToBall)) return SKS->SideKick();
        if (isFirst(TAC->ourDefensiveEquivalentDistToBall))
            return ACS->doAction(WAIT, HEAD_SWING_AROUND_OBJECT, BALL);
        return walkTo(TAC->getDefensiveStrategyPos(first(TAC->ourAllDistToBall)));
    }
    if (b.x() > 1.0) return PlayOn();
    const std::vector<Object>& defenders = TAC->ourDefensiveEquivalentDistToBall;
    StragePos = isFirst(defenders) ? b + point(behindBall, 0.0f) : TAC->getDefensiveStrategyPos(first(defenders));
    if (flatDist(StragePos, OldStragePos) > kKickInPointMoves)
        OldStragePos = StragePos;
    else
        StragePos = OldStragePos;
    return walkTo(StragePos);
}

std::string RoleDefender::Corner_Kick_Left()
{
    return cornerKick(TEAM_LEFT);
}

std::string RoleDefender::Corner_Kick_Right()
{
    return cornerKick(TEAM_RIGHT);
}

std::string RoleDefender::cornerKick(TeamSide side)
{
    if (ours(side)) return walkTo(POS->getHomePos());
    return PlayOn();
}

std::string RoleDefender::Goal_Kick_Left()
{
    return goalKick(TEAM_LEFT);
}

std::string RoleDefender::Goal_Kick_Right()
{
    return goalKick(TEAM_RIGHT);
}

std::string RoleDefender::goalKick(TeamSide side)
{
    if (ours(side)) return wait();
    return walkTo(TAC->getDefensiveHomePos(getMyRoleType(), WM->getBallPos()));
}

// Never reached from execute.
std::string RoleDefender::Free_Kick_Left() { return std::string(); }
std::string RoleDefender::Free_Kick_Right() { return std::string(); }
std::string RoleDefender::Goal_Left() { return std::string(); }
std::string RoleDefender::Goal_Right() { return std::string(); }
std::string RoleDefender::Offside_Left() { return std::string(); }
std::string RoleDefender::Offside_Right() { return std::string(); }
std::string RoleDefender::Game_Over() { return std::string(); }
