#include "Skills/GetWalkOmniType.h"

#include <cmath>
#include <iostream>

#include "Math/MyMath.h"
#include "salt/gmath.h"
#include "WorldModel/WorldModel.h"

namespace {

// Confidence of a position worked out in this very message.
constexpr double kFreshConfidence = 9.99999;
constexpr float kMaxAbsY = 12.0f;
constexpr float kMaxAbsX = 17.0f;
// Holding-foot turns, degrees, and the near forward rule's threshold for one.
constexpr double kHoldSmall = 5.0;
constexpr double kHoldSideways = 7.0;
constexpr double kNearHoldAbove = 5.0;
constexpr double kNoHoldBehind = 175.0;
constexpr double kSidewaysSpeed = 0.6;

bool isFinite(const salt::Vector3f& v)
{
    return std::isfinite(v.x()) && std::isfinite(v.y()) && std::isfinite(v.z());
}

} // namespace

GetWalkOmniType::GetWalkOmniType() : WM(WorldModel::instance()) {}

WalkOmniPara GetWalkOmniType::setTargetPos(salt::Vector3f target, bool slow)
{
    mTargetPos = checkedTarget(target, "TargetPos ERROR!!!!!!!!!!!!");
    return request(slow);
}

WalkOmniPara GetWalkOmniType::setTargetPos(Object obj, bool slow)
{
    const bool fresh = WM->getGlobalConfidence(obj) >= kFreshConfidence;
    mTargetPos = checkedTarget(fresh ? WM->getObjectVision(obj).globalPos : mTargetPos,
                               "TargetObjPos ERROR!!!!!!!!!!!!");
    return request(slow);
}

salt::Vector3f GetWalkOmniType::checkedTarget(salt::Vector3f candidate, const char* message) const
{
    if (isNaN(candidate)) candidate = WM->getBallPos();
    if (!isFinite(candidate) || salt::gAbs(candidate.y()) > kMaxAbsY || salt::gAbs(candidate.x()) > kMaxAbsX)
    {
        std::cout << message << std::endl;
        candidate = WM->getBallPos();
    }
    return candidate;
}

WalkOmniPara GetWalkOmniType::request(bool slow)
{
    mSlowDown = slow;
    getDisToTar();
    getRelTheta();
    mWalkType = execute();
    WalkOmniPara para;
    para.walkType = mWalkType;
    para.relTheta = salt::gDegToRad(mRelTheta) + salt::gPI / 2;
    para.holdZthe = mHoldZTheta;
    para.moveZthe = 0.0;
    para.maxSpeed = slowDown();
    return para;
}

double GetWalkOmniType::getDisToTar()
{
    if (WM->getGlobalConfidence() >= kFreshConfidence) mDisToTarget = calculateDist(WM->getMyPos(), mTargetPos, true);
    return mDisToTarget;
}

double GetWalkOmniType::getRelTheta()
{
    if (WM->getGlobalConfidence() >= kFreshConfidence) mRelTheta = WM->getBodyRelAngle(mTargetPos);
    return mRelTheta;
}

WalkOmniType GetWalkOmniType::execute()
{
    if (mDisToTarget > keyDisToTar || FarToTarget)
    {
        FarToTarget = true;
        return calFarWalkType();
    }
    return calNearWalkType();
}

// Below 1.5 m the latch is cleared for the next call; this one stays far.
WalkOmniType GetWalkOmniType::calFarWalkType()
{
    if (mDisToTarget < 3 * keyDisToTar / 4) FarToTarget = false;
    const int s = salt::gSign(mRelTheta);
    const double a = salt::gAbs(mRelTheta);
    if (a < NEAR_BEFORE_OUT)
    {
        FarTurn = false;
        maxSpeed = 1.0;
        mHoldZTheta = a > NEAR_BEFORE_IN ? s * salt::gDegToRad(kHoldSmall) : 0.0;
        return WALK_OMNI_FORWARD;
    }
    if (a > FAR_BEFORE_OUT || FarTurn)
    {
        FarTurn = true;  // speed and holding-foot turn stay as they were
        return s > 0 ? WALK_OMNI_TURN_L : WALK_OMNI_TURN_R;
    }
    FarTurn = false;
    maxSpeed = kSidewaysSpeed;
    mHoldZTheta = s * salt::gDegToRad(kHoldSideways);
    return WALK_OMNI_FORWARD;
}

// A latch may be set and released in the same call; that call still walks
// in the latched direction.
WalkOmniType GetWalkOmniType::calNearWalkType()
{
    const int s = salt::gSign(mRelTheta);
    const double a = salt::gAbs(mRelTheta);
    maxSpeed = 1.0;
    if (a < NEAR_BEFORE_IN || Near_Flag_BeFore)
    {
        Near_Flag_BeFore = true;
        Near_Flag_BeHind = false;
        if (a > NEAR_BEFORE_OUT) Near_Flag_BeFore = false;
        mHoldZTheta = a > kNearHoldAbove ? s * salt::gDegToRad(kHoldSmall) : 0.0;
        return WALK_OMNI_FORWARD;
    }
    if (a > NEAR_BEHIND_IN || Near_Flag_BeHind)
    {
        Near_Flag_BeHind = true;
        Near_Flag_BeFore = false;
        if (a < NEAR_BEHIND_OUT) Near_Flag_BeHind = false;
        mHoldZTheta = a < kNoHoldBehind ? -s * salt::gDegToRad(kHoldSmall) : 0.0;
        return WALK_OMNI_BACKWARD;
    }
    mHoldZTheta = 0.0;
    return WALK_OMNI_INCLINE;
}

// Over the last metre the speed falls linearly to 0.
double GetWalkOmniType::slowDown() const
{
    if (mSlowDown && mDisToTarget / 1.0 <= maxSpeed) return mDisToTarget / 1.0;
    return maxSpeed;
}
