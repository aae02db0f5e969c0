#ifndef FALLDOWNRECOGNITION_H
#define FALLDOWNRECOGNITION_H

#include "salt/vector.h"
#include "WorldModel/Singleton.h"
#include "WorldModel/Types.h"

// Whether the robot lies on the ground, and in which direction it fell, from
// running means over the last six cycles of total sole force, accelerometer
// and gyroscope.
class FallDownRecognition : public Singleton<FallDownRecognition>
{
public:
    // Records this cycle's readings (slot = cycle mod 6) and answers whether
    // the robot is down. The first call fills every slot with its reading.
    bool isFallDown();
    // Fall direction from the current means; remembered as the last one.
    FeltType feltType();
    // isFallDown() and, when down, feltType(); otherwise FT_NONE.
    FeltType getFeltType();

    FeltType getLastFeltType() const { return mLastFeltType; }

private:
    static constexpr int kHistoryCapacity = 15;

    void record(int slot, double frp, const salt::Vector3f& acc, const salt::Vector3f& gyro);
    void updateMeans();
    bool meansShowDown() const;

    double FRPc1 = 12.0;
    double qFRP[kHistoryCapacity] = {};
    double cFRP = 0.0;
    salt::Vector3f qACC[kHistoryCapacity];
    salt::Vector3f cACC;
    salt::Vector3f qGyro[kHistoryCapacity];
    salt::Vector3f cGyro;
    int qLength = 6;
    bool bIsDown = false;
    bool mHistoryFilled = false;
    FeltType mLastFeltType = FT_NONE;
};

#endif
