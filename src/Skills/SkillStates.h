#ifndef SKILLSTATES_H
#define SKILLSTATES_H

// Cross-cycle state of the ball skills, one record per operation, owned by
// Skills. Values marked "first call" are read from the world model by the
// first call whatever the confidence (primed), then refreshed under each
// skill's own confidence gate.

#include "salt/vector.h"
#include "WorldModel/Types.h"

// fastDribbleToPoint: a four-phase machine plus the wide-ball mode.
struct DribbleState
{
    bool primed = false;
    int drriblePhase = 4;
    int oldCycle = 0;                      // first call: the current cycle
    salt::Vector3f ballRelPos;             // first call
    double angBall = 0.0;                  // first call
    double targetRelAngle = 0.0;           // first call
    salt::Vector3f preBallBodyRelPos;      // first call
    double inDoorMidRelAngle = 0.0;
    double outDoorMidRelAngle = 0.0;
    int si_qu_daiqiu = 1;
    bool turnToBall = false;
};

// kickBallToPoint.
struct KickToPointState
{
    bool primed = false;
    salt::Vector3f ballRelPos;
    double distancetoBall = 0.0;
    double targetRelAngle = 0.0;
    salt::Vector3f myPos;
    bool walkToBall = false;
    bool walkBack = false;
    bool turn = false;
};

// straightDribble.
struct StraightDribbleState
{
    bool primed = false;
    salt::Vector3f myPos;
    salt::Vector3f ballPos;
    salt::Vector3f ballRelPos;
};

// newFastDribbleToPoint.
struct NewDribbleState
{
    bool primed = false;
    salt::Vector3f BallPos;
    Object OppCloseBallObj = OBJECT_MAX;
    Object OppCloseMeObj = OBJECT_MAX;
    salt::Vector3f OppCloseBallPos;
    salt::Vector3f OppCloseMePos;
    double OppCloseToBallObjRelToMeAngle = 0.0;
    double OppCloseToMeObjRelToMeAngle = 0.0;
};

// kickBall(target).
struct KickBallState
{
    bool primed = false;
    salt::Vector3f ballRelPos;
    double targetRelAngle = 0.0;
    double distancetoBall = 0.0;
};

// NoDirkickBall and KickOff (KickOff also aims by targetRelAngle); the
// 45-degree approaches use ballRelPos, distanceToBall and kickCount only.
struct CountedKickState
{
    bool primed = false;
    salt::Vector3f ballRelPos;
    double distanceToBall = 0.0;
    double targetRelAngle = 0.0;
    int kickCount = 0;
    int mkick1 = 0;
    int mkick2 = 0;
    int mkick3 = 0;
};

// SideKick, one record for each form.
struct SideKickState
{
    bool primed = false;
    salt::Vector3f ballRelPos;
    double targetRelAngle = 0.0;
    salt::Vector3f myPos;
    double distancetoBall = 0.0;
    bool walk = false;
    bool walkToBall = false;
    int sign = 1;
};

// XNoDirkickBall.
struct SideAlignState
{
    bool primed = false;
    salt::Vector3f ballRelPos;
    double distanceToBall = 0.0;
};

#endif
