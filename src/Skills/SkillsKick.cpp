// Kicking skills: line up with the ball in small omnidirectional steps, then
// fire a kick through the action switch.
#include <algorithm>
#include <cmath>

#include "Actions/ActionSwitchMechanism.h"
#include "Math/MyMath.h"
#include "salt/gmath.h"
#include "Skills/Skills.h"
#include "WorldModel/WorldModel.h"

namespace {

// Bearing, degrees, beyond which the forward kicks turn toward the target.
constexpr double kAimSlack = 10.0;
// Confidence gates (single precision, compared with >=).
constexpr float kKickGate = 9.8f;
constexpr float kSideGate = 9.6f;
// Beyond this ball distance the counted kicks walk to the ball.
constexpr double kApproachRange = 3.0;

// Side kick: pre-ball distance, target bearings to start and stop kicking.
constexpr float kPreLength = 0.25f;
constexpr double targetRelAngleIN = 45.0;
constexpr double targetRelAngleOut = 5.0;
constexpr double kSideKickNear = 0.6;
constexpr double kSideTurnFast = 30.0;
constexpr double kWalkToPreBallIn = 0.7;
constexpr double kWalkToPreBallOut = 0.39;

// Side-step speed of the side-kick alignment: a second-order high-pass
// magnitude in s, slow near the kicking strip, fast away from it.
double highPassSpeed(double s)
{
    const double w0 = 0.115;
    const double q = std::sqrt(2.0);
    return s * s / (s * s + (w0 / q) * s + w0 * w0);
}

// KickRightLeft's tolerance on every bound.
constexpr double kTol = 0.000001;

} // namespace

// Bands and counts of the forward kick's approach, for NoDirkickBall and KickOff.
struct Skills::CountedKickBands
{
    int checkCount;           // reset here unless the robot is waiting
    int kickAfter;            // kick once the count is beyond this
    double kickBandMaxX;      // 0.25 <= x <= this: the kicking band
    double smallSideY;        // |y| up to this: the small side step
    double middleSideSpeed;   // |y| up to 0.3
    double largeSideSpeed;    // beyond 0.3, with reset
    // The near band, up to x 0.55, starts where the kicking band ends.
    double nearSideSpeed;
    double nearForwardSpeed;
    double midSideSpeed;      // 0.55 < x <= 0.7
    double midForwardSpeed;
    double farForwardSpeed;   // x > 0.7, with reset
};


std::string Skills::aimThenKick(double targetRelAngle)
{
    if (targetRelAngle < -kAimSlack) return walkOmniTurnRight(HEAD_FOCUS_ON_OBJECT, BALL);
    if (targetRelAngle > kAimSlack) return walkOmniTurnLeft(HEAD_FOCUS_ON_OBJECT, BALL);
    return NoDirkickBall();
}

std::string Skills::kickBall() { return aimThenKick(WM->getBodyRelAngle(OppGoalCentre)); }

std::string Skills::kickBall(salt::Vector3f target)
{
    KickBallState& s = mKickBall;
    if (!s.primed)
    {
        s.ballRelPos = WM->getBodyRelPos(BALL);
        s.distancetoBall = WM->getBallDist();
    }
    if (!s.primed || WM->getGlobalConfidence() >= kSideGate) s.targetRelAngle = WM->getBodyRelAngle(target);
    s.primed = true;
    return aimThenKick(s.targetRelAngle);
}

void Skills::refreshCountedKick(CountedKickState& s, float gate)
{
    if (s.primed && WM->getGlobalConfidence(BALL) < gate) return;
    s.primed = true;
    s.ballRelPos = WM->getBodyRelPos(BALL);
    s.distanceToBall = WM->getBallDist();
}

std::string Skills::NoDirkickBall()
{
    static const CountedKickBands bands{20, 29, 0.42, 0.2, 0.7, 1.0, 1.0, 0.4, 0.8, 0.7, 1.0};
    refreshCountedKick(mNoDirKick, kKickGate);
    return countedKick(mNoDirKick, bands);
}

std::string Skills::KickOff(salt::Vector3f target)
{
    static const CountedKickBands bands{30, 39, 0.41, 0.16, 0.5, 0.8, 0.5, 0.3, 0.5, 0.4, 0.5};
    CountedKickState& s = mKickOff;
    const bool fresh = !s.primed || WM->getGlobalConfidence(BALL) >= kKickGate;
    refreshCountedKick(s, kKickGate);
    if (fresh) s.targetRelAngle = WM->getBodyRelAngle(target);
    if (s.targetRelAngle < -kAimSlack) return walkOmniTurnRight(HEAD_FOCUS_ON_OBJECT, BALL);
    if (s.targetRelAngle > kAimSlack) return walkOmniTurnLeft(HEAD_FOCUS_ON_OBJECT, BALL);
    return countedKick(s, bands);
}

// Window, counting and kick phase; the approach otherwise.
std::string Skills::countedKick(CountedKickState& s, const CountedKickBands& k)
{
    const float x = s.ballRelPos.x(), y = s.ballRelPos.y();
    if (!(x >= 0.25 && x < 0.45 && y >= -0.2 && y <= 0.2)) s.kickCount = s.mkick1 = s.mkick2 = s.mkick3 = 0;
    if (s.kickCount == k.checkCount && ACS->getCurAct() != WAIT) s.kickCount = 0;
    if (s.kickCount > k.kickAfter)
    {
        if (++s.kickCount == k.kickAfter + 2)
        {
            if (x < 0.35) s.mkick1 = 1;
            else if (x < 0.4) s.mkick2 = 1;
            else s.mkick3 = 1;
        }
        ACS->setIsLeftHold(y < 0);
        ACS->setKickType(s.mkick1 == 1 ? KICK_TYPE_1 : s.mkick2 == 1 ? KICK_TYPE_2 : KICK_TYPE_3);
        return act(KICK);
    }
    if (WM->getBallDist() < kApproachRange) return countedApproach(s, k);
    return walkToBall();
}

// The first band of x that holds; a ball close in front of the feet is
// stepped back from, so that every cycle carries a command.
std::string Skills::countedApproach(CountedKickState& s, const CountedKickBands& k)
{
    const float x = s.ballRelPos.x(), y = s.ballRelPos.y();
    if (x <= 0)
    {
        if (y > 0.3 || y < -0.3) return walkOmniBackward(0.7, HEAD_FOCUS_ON_OBJECT, BALL);
        if (y >= 0) return walkOmniRight(0.4, HEAD_FOCUS_ON_OBJECT, BALL);
        return walkOmniLeft(0.4, HEAD_FOCUS_ON_OBJECT, BALL);
    }
    if (x < 0.25) return walkOmniBackward(0.4, HEAD_FOCUS_ON_OBJECT, BALL);
    if (x <= k.kickBandMaxX) return kickingBand(s, k);
    if (x <= 0.55)
    {
        if (y >= 0.3 || y <= -0.3) s.kickCount = 0;
        if (y >= 0.3) return walkOmniLeft(k.nearSideSpeed, HEAD_FOCUS_ON_OBJECT, BALL);
        if (y <= -0.3) return walkOmniRight(k.nearSideSpeed, HEAD_FOCUS_ON_OBJECT, BALL);
        return walkOmniForward(k.nearForwardSpeed, HEAD_FOCUS_ON_OBJECT, BALL);
    }
    if (x > 0.55 && x <= 0.7)
    {
        if (y >= 0.3 || y <= -0.3) s.kickCount = 0;
        if (y >= 0.3) return walkOmniLeft(k.midSideSpeed, HEAD_FOCUS_ON_OBJECT, BALL);
        if (y <= -0.3) return walkOmniRight(k.midSideSpeed, HEAD_FOCUS_ON_OBJECT, BALL);
        return walkOmniForward(k.midForwardSpeed, HEAD_FOCUS_ON_OBJECT, BALL);
    }
    s.kickCount = 0;
    return walkOmniForward(k.farForwardSpeed, HEAD_FOCUS_ON_OBJECT, BALL);
}

// 0.25 <= x <= kickBandMaxX: wait with the ball centred, else side steps.
std::string Skills::kickingBand(CountedKickState& s, const CountedKickBands& k)
{
    const float y = s.ballRelPos.y();
    if (y > -0.1 && y < 0.1)
    {
        std::string out = act(WAIT);
        ++s.kickCount;
        return out;
    }
    if (y > 0.3 || y < -0.3) s.kickCount = 0;
    const double speed = std::fabs(y) <= k.smallSideY ? 0.2 : std::fabs(y) <= 0.3 ? k.middleSideSpeed : k.largeSideSpeed;
    if (y > 0) return walkOmniLeft(speed, HEAD_FOCUS_ON_OBJECT, BALL);
    return walkOmniRight(speed, HEAD_FOCUS_ON_OBJECT, BALL);
}

std::string Skills::SideKick(salt::Vector3f target) { return sideKick(mSideKickTo, target, true); }

std::string Skills::SideKick() { return sideKick(mSideKick, OppGoalCentre, false); }

std::string Skills::sideKick(SideKickState& s, salt::Vector3f targetPos, bool slow)
{
    const salt::Vector3f b = WM->getBallPos();
    if (!s.primed || WM->getGlobalConfidence(BALL) >= kSideGate)
    {
        s.ballRelPos = WM->getBodyRelPos(BALL);
        s.distancetoBall = WM->getBallDist();
    }
    if (!s.primed || WM->getGlobalConfidence() >= kSideGate)
    {
        s.targetRelAngle = WM->getBodyRelAngle(targetPos);
        s.myPos = WM->getMyPos();
    }
    s.primed = true;
    const salt::Vector3f p = b + planarUnit(b - targetPos, salt::Vector3f(-1.0f, 0.0f, 0.0f)) * kPreLength;
    const double e = calculateDist(s.myPos, p, true);

    if (b.x() >= 15.0) return fastDribbleToPoint(OppGoalCentre);
    if (b.x() < -15.0 || s.walk)
    {
        s.walk = !(b.x() > -15.0);
        return fastDribbleToPoint(targetPos);
    }
    if (s.myPos.x() - 0.1 > b.x()) return fastDribbleToPoint(targetPos);
    if (e > kWalkToPreBallIn || s.walkToBall)
    {
        s.walkToBall = !(e < kWalkToPreBallOut);
        return walkOmni(p, slow, HEAD_FOCUS_ON_OBJECT, BALL);
    }
    if (s.sign != 2) return sideKickAim(s);
    if (std::fabs(s.targetRelAngle) > targetRelAngleIN && s.distancetoBall < kSideKickNear) s.sign = 1;
    return XNoDirkickBall();
}

// Turns toward the target; within targetRelAngleOut the next call kicks.
std::string Skills::sideKickAim(SideKickState& s)
{
    const double t = s.targetRelAngle;
    if (std::fabs(t) < targetRelAngleOut) s.sign = 2;
    if (t > kSideTurnFast) return act(FAST_TURN_L);
    if (t > 0) return act(SLOW_TURN_L);
    if (t < -kSideTurnFast) return act(FAST_TURN_R);
    return act(SLOW_TURN_R);
}

std::string Skills::XNoDirkickBall()
{
    SideAlignState& s = mSideAlign;
    if (!s.primed || WM->getGlobalConfidence(BALL) >= kSideGate)
    {
        s.ballRelPos = WM->getBodyRelPos(BALL);
        s.distanceToBall = WM->getBallDist();
    }
    s.primed = true;
    if (s.distanceToBall >= kSideKickNear) return walkOmni(BALL, true, HEAD_FOCUS_ON_OBJECT, BALL);
    const float x = s.ballRelPos.x(), y = s.ballRelPos.y();
    if (x > 0.35 && x <= 0.6) return walkOmniForward(x - 0.2, HEAD_FOCUS_ON_OBJECT, BALL);
    if (x > 0.25 && x <= 0.35) return sideAlignStrip(y);
    if (x > -0.1 && x <= 0.25) return walkOmniBackward(0.6, HEAD_FOCUS_ON_OBJECT, BALL);
    if (x <= -0.1)
    {
        if (y > 0 && y < 0.25) return walkOmniRight(0.4, HEAD_FOCUS_ON_OBJECT, BALL);
        if (y > -0.25 && y < 0) return walkOmniLeft(0.4, HEAD_FOCUS_ON_OBJECT, BALL);
        return walkOmniBackward(0.5, HEAD_FOCUS_ON_OBJECT, BALL);
    }
    return "";  // x > 0.6 is beyond the distance read with it
}

// 0.25 < x <= 0.35: kick with the foot the ball lies in front of.
std::string Skills::sideAlignStrip(float y)
{
    if (y < -0.15) return walkOmniRight(0.6, HEAD_FOCUS_ON_OBJECT, BALL);
    if (y <= -0.1)
    {
        ACS->setIsLeftHold(true);
        return act(KICK_R);
    }
    if (y <= 0.005) return walkOmniLeft(highPassSpeed(y + 0.115), HEAD_FOCUS_ON_OBJECT, BALL);
    if (y <= 0.1) return walkOmniRight(highPassSpeed(0.115 - y), HEAD_FOCUS_ON_OBJECT, BALL);
    if (y < 0.15)
    {
        ACS->setIsLeftHold(false);
        return act(KICK_L);
    }
    return walkOmniLeft(0.6, HEAD_FOCUS_ON_OBJECT, BALL);
}

// Approach for the 90-degree kicks, from the ball as seen now. A ball close
// in front of the feet is stepped back from, as one behind them.
std::string Skills::KickRightLeft()
{
    const double d = WM->getBallDist();
    const salt::Vector3f rel = WM->getBodyRelPos(BALL);
    const double x = rel.x(), y = rel.y();
    if (d > 1.0 + kTol) return walkToBall();
    if (std::fabs(x - 0.2) <= kTol)
    {
        if (y >= -0.38 - kTol && y <= -0.28 + kTol) return act(KICKRIGHT90);
        if (y > -0.28 - kTol && y < 0.05 + kTol)
            return walkOmniLeft(std::min(y + 0.28, 0.35), HEAD_FOCUS_ON_OBJECT, BALL);
        if (y < 0) return walkOmniRight(0.4, HEAD_FOCUS_ON_OBJECT, BALL);
        if (y >= 0.28 - kTol && y <= 0.38 + kTol) return act(KICKLEFT90);
        if (y >= 0.05 - kTol && y < 0.28 + kTol)
            return walkOmniRight(std::min(0.28 - y, 0.35), HEAD_FOCUS_ON_OBJECT, BALL);
        if (y > 0) return walkOmniLeft(0.4, HEAD_FOCUS_ON_OBJECT, BALL);
    }
    if (x > 0.6 + kTol && x <= 1.0 + kTol) return walkOmniForward(0.5, HEAD_FOCUS_ON_OBJECT, BALL);
    if (x > 0.2 + kTol && x <= 0.6 + kTol)
    {
        const double a = WM->getBodyRelAngle(BALL);
        if (a >= 0 && a < 80) return act(SLOW_TURN_R);
        if (a > -80 && a < 0) return act(SLOW_TURN_L);
        return walkOmniForward(std::min(x - 0.2, 0.3), HEAD_FOCUS_ON_OBJECT, BALL);
    }
    return walkOmniBackward(0.25, HEAD_FOCUS_ON_OBJECT, BALL);
}

// The 45-degree approaches: which strip counts, which kick, which steps reset.
struct Skills::AngledKickBands
{
    double stripLow;          // stripLow < y < stripHigh: wait and count
    double stripHigh;
    ActionType kick;
    bool resetRightSteps;     // the left steps always reset
    bool resetForward;        // in the bands 0.41 < x <= 0.7
    double midForwardSpeed;   // 0: walk to the ball instead
    double farForwardSpeed;
};

std::string Skills::noDirKickBallLeft45()
{
    static const AngledKickBands bands{-0.1, 0.04, KICKLEFT45, true, true, 0.0, 1.0};
    return angledKick(mLeft45, bands);
}

std::string Skills::noDirKickBallRight45()
{
    static const AngledKickBands bands{-0.04, 0.1, KICKRIGHT45, false, false, 0.7, 0.8};
    return angledKick(mRight45, bands);
}

std::string Skills::angledKick(CountedKickState& s, const AngledKickBands& k)
{
    refreshCountedKick(s, kSideGate);
    const float x = s.ballRelPos.x(), y = s.ballRelPos.y();
    if (!(x >= 0.3 && x < 0.43 && y >= -0.2 && y <= 0.2)) s.kickCount = 0;
    if (s.kickCount > 39) return act(k.kick);
    if (x > 0.27 && x <= 0.42)
    {
        if (y > k.stripLow && y < k.stripHigh)
        {
            std::string out = act(WAIT);
            ++s.kickCount;
            return out;
        }
        return angledSideStep(s, k, y);
    }
    if (x > 0.42 && x <= 0.7)
    {
        if (k.resetForward) s.kickCount = 0;
        if (x <= 0.55) return walkOmniForward(0.4, HEAD_FOCUS_ON_OBJECT, BALL);
        if (y >= 0.3) return walkOmniLeft(0.7, HEAD_FOCUS_ON_OBJECT, BALL);
        if (y <= -0.3) return walkOmniRight(0.7, HEAD_FOCUS_ON_OBJECT, BALL);
        if (k.midForwardSpeed > 0) return walkOmniForward(k.midForwardSpeed, HEAD_FOCUS_ON_OBJECT, BALL);
        return walkToBall();
    }
    const double a = WM->getBodyRelAngle(BALL);
    if (a > 40) return walkOmniTurnLeft(HEAD_FOCUS_ON_OBJECT, BALL);
    if (a < -40) return walkOmniTurnRight(HEAD_FOCUS_ON_OBJECT, BALL);
    return walkOmniForward(k.farForwardSpeed, HEAD_FOCUS_ON_OBJECT, BALL);
}

std::string Skills::angledSideStep(CountedKickState& s, const AngledKickBands& k, float y)
{
    if (y >= k.stripHigh)
    {
        s.kickCount = 0;
        return walkOmniLeft(y <= 0.2 ? 0.2 : y <= 0.3 ? 0.7 : 1.0, HEAD_FOCUS_ON_OBJECT, BALL);
    }
    if (k.resetRightSteps) s.kickCount = 0;
    return walkOmniRight(y >= -0.2 ? 0.2 : y >= -0.3 ? 0.7 : 1.0, HEAD_FOCUS_ON_OBJECT, BALL);
}
