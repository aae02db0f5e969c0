// Dribbling: walk behind the ball on the line from the target, line up and
// push the ball with the omnidirectional walk.
#include <cmath>

#include "Actions/ActionSwitchMechanism.h"
#include "Math/MyMath.h"
#include "salt/gmath.h"
#include "Skills/Skills.h"
#include "WorldModel/WorldModel.h"

namespace {

const salt::Vector3f kBehindBall(-1.0f, 0.0f, 0.0f);
const salt::Vector3f kNoPull(0.0f, 0.0f, 0.0f);
// Own x beyond which the attacking zone starts.
constexpr double disToBoundL = 6.0;
// Own confidence (single precision) at which the pre-ball point is re-read.
constexpr float kPreBallGate = 9.99f;
// A dribble not called for more than this many cycles starts over in phase 4.
constexpr int kMaxCycleGap = 2;

double boundWidth(double ballX)
{
    if (ballX >= 14.0) return 1.55;
    if (ballX > 13.0) return 2.55;
    return 40.0 / 7.0;
}

} // namespace

// Per-call values of fastDribbleToPoint.
struct Skills::DribbleView
{
    salt::Vector3f myPos;
    salt::Vector3f ballPos;
    double myAngle;
    double disToBoundW;
    salt::Vector3f preBallPos;
    salt::Vector3f nearBallPos;
    double distanceToPreBall;
    double distanceToNearBall;
};

std::string Skills::fastDribbleToPoint(salt::Vector3f targetPos)
{
    refreshDribble(targetPos);
    const DribbleView v = dribbleView(targetPos);
    DribbleState& s = mDribble;
    s.primed = true;
    const bool lined = std::fabs(v.ballPos.y()) < 1.0;
    if (v.ballPos.x() > 14.0 && lined) { s.inDoorMidRelAngle = 40; s.outDoorMidRelAngle = 60; }
    else if (v.ballPos.x() > 13.0 && lined) { s.inDoorMidRelAngle = 35; s.outDoorMidRelAngle = 40; }
    else { s.inDoorMidRelAngle = 20; s.outDoorMidRelAngle = 45; }
    if (v.ballPos.x() > 11.0 && std::fabs(v.ballPos.y()) > v.disToBoundW) return wideBallMode(v);
    return dribblePhase(v);
}

// Continuity and the seen values; the first call takes them all.
void Skills::refreshDribble(salt::Vector3f targetPos)
{
    DribbleState& s = mDribble;
    const int c = WM->getCurrentCycle();
    if (!s.primed) s.oldCycle = c;
    if (std::abs(s.oldCycle - c) > kMaxCycleGap) s.drriblePhase = 4;
    s.oldCycle = c;
    if (!s.primed || WM->getLocalConfidence(BALL) == 10.0)
    {
        s.angBall = WM->getBodyRelAngle(BALL);
        s.ballRelPos = WM->getBodyRelPos(BALL);
    }
    if (!s.primed || WM->getGlobalConfidence() == 10.0) s.targetRelAngle = WM->getBodyRelAngle(targetPos);
}

// The pre-ball point behind the ball on the target line (on the touch-line
// side for a wide ball near the goal line), pulled 0.2 m toward the robot,
// and the near-ball point beside the ball.
Skills::DribbleView Skills::dribbleView(salt::Vector3f targetPos)
{
    DribbleView v;
    v.myPos = WM->getMyPos();
    v.ballPos = WM->getBallPos();
    v.myAngle = WM->getMyAngle();
    v.disToBoundW = boundWidth(v.ballPos.x());
    const float ballY = v.ballPos.y();
    const float length = std::fabs(ballY) > 7.0 ? 0.5f : 0.3f;
    v.preBallPos = v.ballPos + planarUnit(v.ballPos - targetPos, kBehindBall) * length;
    if (v.ballPos.x() > 12.0 && std::fabs(ballY) > v.disToBoundW)
    {
        const bool outside = std::fabs(ballY) > std::fabs(v.myPos.y());
        const float dx = outside ? (v.myPos.x() > v.ballPos.x() ? 0.5f : -0.5f) : -0.02f;
        const float dy = outside ? 0.5f : 0.25f;
        v.preBallPos = salt::Vector3f(v.ballPos.x() + dx, ballY > 0 ? ballY + dy : ballY - dy, 0.0f);
    }
    else if (15.0 - v.ballPos.x() < 1.0)
        v.preBallPos = v.ballPos + salt::Vector3f(-0.3f, 0.0f, 0.0f);
    v.preBallPos += planarUnit(v.myPos - v.preBallPos, kNoPull) * 0.2f;
    if (!mDribble.primed || WM->getGlobalConfidence() >= kPreBallGate)
        mDribble.preBallBodyRelPos = WM->getBodyRelPos(v.preBallPos);
    v.distanceToPreBall = calculateDist(v.myPos, v.preBallPos, true);
    const float side = v.myPos.y() > v.ballPos.y() ? 0.6f : -0.6f;
    v.nearBallPos = v.ballPos + salt::Vector3f(-0.8f, side, 0.0f);
    v.distanceToNearBall = calculateDist(v.myPos, v.nearBallPos, true);
    return v;
}

// Wide ball near the opponent goal line: go behind, face the ball, push.
// The phase of the phase machine is left as it is.
std::string Skills::wideBallMode(const DribbleView& v)
{
    DribbleState& s = mDribble;
    if (s.si_qu_daiqiu == 1)
    {
        if (v.distanceToPreBall < 0.18 && std::fabs(s.preBallBodyRelPos.y()) < 0.1)
            s.si_qu_daiqiu = std::fabs(s.angBall) > 15 ? 2 : 3;
        return walkTo(v.preBallPos);
    }
    if (s.si_qu_daiqiu == 2)
    {
        if (std::fabs(s.angBall) < 15) s.si_qu_daiqiu = 3;
        else if (v.distanceToPreBall > 0.5) s.si_qu_daiqiu = 1;
        return turnToObject(BALL, 7.0f);
    }
    if (std::fabs(s.angBall) >= 35 || std::fabs(s.targetRelAngle) > 140) s.si_qu_daiqiu = 1;
    if (std::fabs(s.ballRelPos.y()) > 0.2 && v.distanceToPreBall < 0.3)
    {
        if (s.ballRelPos.y() > 0) return walkOmniLeft(1.0, HEAD_FOCUS_ON_OBJECT, BALL);
        return walkOmniRight(1.0, HEAD_FOCUS_ON_OBJECT, BALL);
    }
    return walkToBall();
}

std::string Skills::dribblePhase(const DribbleView& v)
{
    DribbleState& s = mDribble;
    const double a = v.ballPos.x() - v.myPos.x();
    if (s.drriblePhase == 1)
    {
        if (v.distanceToPreBall < 0.15 || a > 0.01 || v.distanceToNearBall < 0.2)
        {
            s.drriblePhase = 4;
            return walkToBall();
        }
        return walkTo(v.nearBallPos);
    }
    if (s.drriblePhase == 2)
    {
        if (v.distanceToPreBall < 0.18 && a > 0.05) s.drriblePhase = 3;
        else if (-a > 0.1) s.drriblePhase = 1;
        return walkTo(v.preBallPos);
    }
    if (s.drriblePhase == 3) return dribbleLineUp(v);
    return dribblePush(v);
}

// Phase 3: face the target in the attacking or wide zone, else the ball.
std::string Skills::dribbleLineUp(const DribbleView& v)
{
    DribbleState& s = mDribble;
    const double a = v.ballPos.x() - v.myPos.x();
    const bool zone = v.myPos.x() > disToBoundL || std::fabs(v.ballPos.y()) > v.disToBoundW;
    if (v.distanceToPreBall > 0.4 || -a > 0.1)
    {
        s.drriblePhase = 2;
        return walkTo(v.preBallPos);
    }
    if (zone && std::fabs(s.targetRelAngle) > s.inDoorMidRelAngle)
    {
        if (s.targetRelAngle > 0) return fastTurnLeft(HEAD_FOCUS_ON_OBJECT, BALL);
        return fastTurnRight(HEAD_FOCUS_ON_OBJECT, BALL);
    }
    if (!zone && (std::fabs(s.angBall) > 35 || s.turnToBall))
    {
        s.turnToBall = true;
        if (std::fabs(s.angBall) <= 20)
        {
            s.turnToBall = false;
            s.drriblePhase = 4;
        }
        if (s.angBall > 20) return fastTurnLeft(HEAD_FOCUS_ON_OBJECT, BALL);
        if (s.angBall < -20) return fastTurnRight(HEAD_FOCUS_ON_OBJECT, BALL);
        return walkToBall();
    }
    s.drriblePhase = 4;
    return walkToBall();
}

// Phase 4: push, back to phase 2 when the geometry breaks down.
std::string Skills::dribblePush(const DribbleView& v)
{
    DribbleState& s = mDribble;
    const double a = v.ballPos.x() - v.myPos.x();
    const bool zone = v.myPos.x() > disToBoundL || std::fabs(v.ballPos.y()) > v.disToBoundW;
    if ((zone && std::fabs(s.targetRelAngle) > s.outDoorMidRelAngle) || std::fabs(v.myAngle) > 85 || -a > 0.1)
    {
        s.drriblePhase = 2;
        return walkTo(v.preBallPos);
    }
    return walkToBall();
}

std::string Skills::kickBallToPoint(salt::Vector3f targetPos)
{
    KickToPointState& s = mKickToPoint;
    if (!s.primed || WM->getGlobalConfidence(BALL) >= 9.99f)
    {
        s.ballRelPos = WM->getBodyRelPos(BALL);
        s.distancetoBall = WM->getBallDist();
    }
    if (!s.primed || WM->getGlobalConfidence() >= 9.96f)
    {
        s.targetRelAngle = WM->getBodyRelAngle(targetPos);
        s.myPos = WM->getMyPos();
    }
    s.primed = true;
    if (s.distancetoBall > 0.9 || s.walkToBall)
    {
        s.walkToBall = !(s.distancetoBall < 0.7);
        return walkToBall();
    }
    if (s.ballRelPos.x() < -0.1 || s.walkBack)
    {
        s.walkBack = !(s.ballRelPos.x() > 0.3);
        return act(WALK_BACKWARD);
    }
    if (std::fabs(s.targetRelAngle) > 20.0 || s.turn)
    {
        s.turn = !(std::fabs(s.targetRelAngle) < 8.0);
        return act(s.targetRelAngle > 0 ? FAST_TURN_L : FAST_TURN_R);
    }
    return NoDirkickBall();
}

// Walks to the point 0.03 m from the ball toward one of two points beside it,
// 60 degrees off the line from the robot through the ball.
std::string Skills::straightDribble()
{
    StraightDribbleState& s = mStraightDribble;
    if (!s.primed || WM->getGlobalConfidence() >= 9.99999)
    {
        s.myPos = WM->getMyPos();
        s.ballPos = WM->getBallPos();
        s.ballRelPos = WM->getBodyRelPos(BALL);
    }
    s.primed = true;
    const salt::Vector3f v = s.ballPos - s.myPos;
    const double turn = s.ballRelPos.y() < -0.02 ? -60.0 : 60.0;
    const double c = cosDeg(turn), sn = sinDeg(turn);
    const salt::Vector3f toward(static_cast<float>(v.x() * c - v.y() * sn), static_cast<float>(v.x() * sn + v.y() * c), 0.0f);
    return walkTo(s.ballPos + planarUnit(toward, kNoPull) * 0.03f);
}

// Pushes the ball toward Point while no opponent is near it, otherwise goes
// behind the ball first; passes a ball lying behind the robot on its side.
std::string Skills::newFastDribbleToPoint(salt::Vector3f Point)
{
    NewDribbleState& s = mNewDribble;
    if (!s.primed || WM->getGlobalConfidence(BALL) > 9.9) s.BallPos = WM->getBallPos();
    s.primed = true;
    const salt::Vector3f myPos = WM->getMyPos();
    nearestOpponents(myPos);
    const double ballBearing = WM->getBodyRelAngle(BALL);
    if (std::fabs(ballBearing) > 140) return turnToObject(BALL, 10.0f);

    salt::Vector3f m = s.BallPos + planarUnit(s.BallPos - Point, kBehindBall) * 0.3f;
    const double myDist = calculateDist(myPos, s.BallPos, true);
    if (s.BallPos.x() > myPos.x())
    {
        const double oppDist = calculateDist(s.OppCloseBallPos, s.BallPos, true);
        if (oppDist - myDist <= 1.0) return calculateDist(myPos, m, true) < 0.5 ? walkTo(m) : walkToBall();
        const double apart = salt::gNormalizeDeg(ballBearing - WM->getBodyRelAngle(Point));
        if (std::fabs(apart) > 25 && myDist > 0.5) return calculateDist(myPos, m, true) < 1.5 ? walkTo(m) : walkToBall();
        if (std::fabs(ballBearing) > 25) return turnToObject(BALL, 10.0f);
        if (calculateDist(s.BallPos, Point, true) < 0.7) return walkOmni(Point, true, HEAD_FOCUS_ON_OBJECT, BALL);
        return walkToBall();
    }
    m.y() += myPos.y() > s.BallPos.y() ? 0.4f : -0.4f;
    return calculateDist(myPos, m, true) < 1.0 ? walkTo(m) : walkToBall();
}

// The opponents nearest to the ball and to the robot, by planar distance.
void Skills::nearestOpponents(salt::Vector3f myPos)
{
    NewDribbleState& s = mNewDribble;
    double toBall = 10000.0, toMe = 10000.0;
    for (int o = OPPONENT_1; o <= OPPONENT_11; ++o)
    {
        const Object opp = static_cast<Object>(o);
        const salt::Vector3f pos = WM->getObjectVision(opp).globalPos;
        if (calculateDist(pos, s.BallPos, true) < toBall)
        {
            toBall = calculateDist(pos, s.BallPos, true);
            s.OppCloseBallObj = opp;
            s.OppCloseBallPos = pos;
            s.OppCloseToBallObjRelToMeAngle = WM->getBodyRelAngle(opp);
        }
        if (calculateDist(pos, myPos, true) < toMe)
        {
            toMe = calculateDist(pos, myPos, true);
            s.OppCloseMeObj = opp;
            s.OppCloseMePos = pos;
            s.OppCloseToMeObjRelToMeAngle = WM->getBodyRelAngle(opp);
        }
    }
}
