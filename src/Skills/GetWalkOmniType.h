#ifndef GETWALKOMNITYPE_H
#define GETWALKOMNITYPE_H

#include "salt/vector.h"
#include "WorldModel/Singleton.h"
#include "WorldModel/Types.h"

class WorldModel;

// Turns a walk target (a field point or an object) into one cycle's walk
// request. Beyond 2 m the far rules turn on the spot when the target lies
// well to the side or behind and otherwise walk forward; nearer, the near
// rules walk forward, backward or inclined without turning. Latches with
// separate entry and release bearings give hysteresis. While the own
// position (or, for the object form, the object) is not confidently known,
// the last target, distance and bearing are kept.
class GetWalkOmniType : public Singleton<GetWalkOmniType>
{
public:
    GetWalkOmniType();

    // A point whose three coordinates are all NaN stands for the ball.
    WalkOmniPara setTargetPos(salt::Vector3f target, bool slow);
    WalkOmniPara setTargetPos(Object obj, bool slow);

    // Bring the distance and bearing to the target up to date; both return
    // the (possibly kept) value.
    double getDisToTar();
    double getRelTheta();

    WalkOmniType execute();
    WalkOmniType calFarWalkType();
    WalkOmniType calNearWalkType();
    double slowDown() const;

    const salt::Vector3f& getTargetPos() const { return mTargetPos; }

    // Degrees of bearing; the far rules turn on the spot above FAR_BEFORE_OUT.
    static constexpr double FAR_BEFORE_IN = 70;
    static constexpr double FAR_BEFORE_OUT = 86;
    static constexpr double FAR_BEHIND_IN = 145;
    static constexpr double FAR_BEHIND_OUT = 100;
    static constexpr double NEAR_BEFORE_IN = 8;
    static constexpr double NEAR_BEFORE_OUT = 15;
    static constexpr double NEAR_BEHIND_IN = 155;
    static constexpr double NEAR_BEHIND_OUT = 140;
    // Metres; the far rules apply beyond this distance.
    static constexpr double keyDisToTar = 2.0;

private:
    // The target to walk to from a candidate: all-NaN means the ball; a
    // target off the field or with a coordinate that is not finite is
    // reported with message and replaced by the ball.
    salt::Vector3f checkedTarget(salt::Vector3f candidate, const char* message) const;
    WalkOmniPara request(bool slow);

    WorldModel* WM;
    salt::Vector3f mTargetPos{0.0f, 0.0f, 0.0f};
    double mDisToTarget = 0.0;
    double mRelTheta = 0.0;
    double maxSpeed = 1.0;
    double mHoldZTheta = 0.0;
    bool mSlowDown = false;
    WalkOmniType mWalkType = WALK_OMNI_FORWARD;
    bool FarToTarget = false;
    // Far rules: turning on the spot until the target lies within 15 degrees.
    bool FarTurn = false;
    // Near rules: target-ahead and target-behind latches.
    bool Near_Flag_BeFore = false;
    bool Near_Flag_BeHind = false;
};

#endif
