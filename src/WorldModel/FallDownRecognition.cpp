#include "WorldModel/FallDownRecognition.h"

#include <cmath>

#include "WorldModel/WorldModel.h"

namespace {

constexpr double kMaxSidewaysAcc = 7.5;
// Gravity along the body axis at or above this means upright.
constexpr double kUprightAcc = 7.5;
constexpr double kFallTurnRate = 75.0;
constexpr double kFallGravity = 7.0;

} // namespace

bool FallDownRecognition::isFallDown()
{
    const WorldModel& wm = *WorldModel::instance();
    const double frp = wm.getLeftFootForce().force.z() + wm.getRightFootForce().force.z();
    const int cycle = wm.getCurrentCycle();
    const int slot = ((cycle % qLength) + qLength) % qLength;
    if (!mHistoryFilled)
    {
        for (int i = 0; i < qLength; ++i) record(i, frp, wm.getAcc(), wm.getGyro());
        mHistoryFilled = true;
    }
    record(slot, frp, wm.getAcc(), wm.getGyro());
    updateMeans();
    const bool down = meansShowDown();
    if (down) bIsDown = true;
    return down;
}

void FallDownRecognition::record(int slot, double frp, const salt::Vector3f& acc, const salt::Vector3f& gyro)
{
    qFRP[slot] = frp;
    qACC[slot] = acc;
    qGyro[slot] = gyro;
}

void FallDownRecognition::updateMeans()
{
    double frp = 0.0;
    salt::Vector3f acc, gyro;
    for (int i = 0; i < qLength; ++i)
    {
        frp += qFRP[i];
        acc += qACC[i];
        gyro += qGyro[i];
    }
    cFRP = frp / qLength;
    cACC = acc / static_cast<float>(qLength);
    cGyro = gyro / static_cast<float>(qLength);
}

// A mean that is not a number counts as down: the comparisons alone would
// call it standing. Little foot force alone is no fall while the robot is
// upright: it has just been beamed, or is in the air for a moment.
bool FallDownRecognition::meansShowDown() const
{
    if (std::isnan(cFRP) || std::isnan(cACC.x()) || std::isnan(cACC.y())) return true;
    const bool upright = cACC.z() >= kUprightAcc;
    return (cFRP < FRPc1 && !upright) || std::fabs(cACC.x()) > kMaxSidewaysAcc ||
           std::fabs(cACC.y()) > kMaxSidewaysAcc;
}

FeltType FallDownRecognition::feltType()
{
    const salt::Vector3f& g = cGyro;
    const salt::Vector3f& a = cACC;
    const bool xTurnDominates = std::fabs(g.x()) > std::fabs(g.y());
    const bool yTurnDominates = std::fabs(g.y()) > std::fabs(g.x());
    if ((xTurnDominates && g.x() > kFallTurnRate) || a.y() > kFallGravity) mLastFeltType = FT_BACK;
    else if ((xTurnDominates && g.x() < -kFallTurnRate) || a.y() < -kFallGravity) mLastFeltType = FT_FRONT;
    else if ((yTurnDominates && g.y() < -kFallTurnRate) || a.x() < -kFallGravity) mLastFeltType = FT_RIGHT;
    else mLastFeltType = FT_LEFT;
    return mLastFeltType;
}

FeltType FallDownRecognition::getFeltType()
{
    return isFallDown() ? feltType() : FT_NONE;
}
