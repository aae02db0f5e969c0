#include "WorldModel/WorldModel.h"

#include "Math/MyMath.h"
#include "salt/gmath.h"

namespace {
const VisionSense kNeverSeen;
}

WorldModel::WorldModel()
{
    for (double& angle : mJointAngles) angle = 0.0;
    setIsObjectFallDownMap();
    setOurTeammateCount(11);
}

void WorldModel::setCommunicationString(std::string msg, double time)
{
    mComStr = std::move(msg);
    mTimeLastHeard = time;
}

void WorldModel::setJointAngle(JointID jid, double deg)
{
    if (jid >= 0 && jid < JID_MAX) mJointAngles[jid] = deg;
}

double WorldModel::getJointAngle(JointID jid) const
{
    return (jid >= 0 && jid < JID_MAX) ? mJointAngles[jid] : 0.0;
}

bool WorldModel::setObjectVision(Object o, VisionSense vs)
{
    VisionSense& rec = mutableObjectVision(o);
    rec.distance = vs.distance;
    rec.theta = vs.theta;
    rec.phi = vs.phi;
    rec.localPos = PolarToCartecian(vs);
    rec.timeLastSeen = mServerTime;
    return true;
}

const VisionSense& WorldModel::objectVision(Object o) const
{
    return isValidObject(o) ? mObjects[o] : kNeverSeen;
}

VisionSense& WorldModel::mutableObjectVision(Object o)
{
    if (isValidObject(o)) return mObjects[o];
    mScratch = VisionSense();
    return mScratch;
}

Object WorldModel::getMyObject() const
{
    return (mNum >= 1 && mNum <= 11) ? static_cast<Object>(TEAMMATE_1 + mNum - 1) : OBJECT_MAX;
}

double WorldModel::getLocalConfidence(Object o) const
{
    return 10.0 - (mServerTime - objectVision(o).timeLastSeen);
}

double WorldModel::getGlobalConfidence(Object o) const
{
    return 10.0 - (mServerTime - objectVision(o).timeLastLocalized);
}

double WorldModel::getBallDist() const
{
    salt::Vector3f local = objectVision(BALL).localPos;
    local.z() = 0.0f;
    return local.Length();
}

double WorldModel::getBodyRelAngle(Object o) const
{
    return objectVision(o).theta + getJointAngle(JID_HEAD_1);
}

double WorldModel::getBodyRelAngle(salt::Vector3f p) const
{
    return salt::gNormalizeDeg(getAngleWithStraight(p - mMyPos, true) - mMyAngle);
}

salt::Vector3f WorldModel::getBodyRelPos(Object o) const
{
    return bodyRelPos(objectVision(o).localPos, getBodyRelAngle(o));
}

salt::Vector3f WorldModel::getBodyRelPos(salt::Vector3f p) const
{
    return bodyRelPos(p - mMyPos, getBodyRelAngle(p));
}

salt::Vector3f WorldModel::bodyRelPos(salt::Vector3f offset, double bearing) const
{
    offset.z() = 0.0f;
    const double d = offset.Length();
    return salt::Vector3f(static_cast<float>(d * cosDeg(bearing)), static_cast<float>(d * sinDeg(bearing)), 0.0f);
}

void WorldModel::setIsObjectFallDown(Object o, bool down)
{
    if (isValidObject(o)) mIsObjectFallDown[o] = down;
}

bool WorldModel::getIsObjectFallDown(Object o) const
{
    return isValidObject(o) && mIsObjectFallDown[o];
}

void WorldModel::setIsObjectFallDownMap()
{
    for (bool& down : mIsObjectFallDown) down = false;
}

sayDistanceToBallInfo WorldModel::getSayDisanceToBallInfo(Object o) const
{
    if (o >= TEAMMATE_1 && o <= TEAMMATE_11) return playerDistanceToBall[o - BALL];
    return sayDistanceToBallInfo();
}

void WorldModel::setSayDisanceToBallInfo(Object o, const sayDistanceToBallInfo& info)
{
    if (o >= TEAMMATE_1 && o <= TEAMMATE_11) playerDistanceToBall[o - BALL] = info;
}

bool WorldModel::getKickOffUs() const
{
    const PlayMode pm = mGameState;
    if (mTeamSide == TEAM_LEFT) return pm == PM_KickIn_Left || pm == PM_Goal_Right || pm == PM_KickOff_Left;
    return pm == PM_KickIn_Right || pm == PM_Goal_Left || pm == PM_KickOff_Right;
}

bool WorldModel::getKickOffOther() const
{
    const PlayMode pm = mGameState;
    if (mTeamSide == TEAM_LEFT) return pm == PM_KickOff_Right || pm == PM_Goal_Left;
    return pm == PM_KickOff_Left || pm == PM_Goal_Right;
}
