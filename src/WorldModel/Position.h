#ifndef POSITION_H
#define POSITION_H

#include <string>

#include "salt/vector.h"
#include "WorldModel/Singleton.h"
#include "WorldModel/Types.h"

// Home positions of the eleven players, the decision in which cycles the
// agent may place itself with the beam command, and that command's text.
class Position : public Singleton<Position>
{
public:
    Position();

    // One step of the beam decision; call it once per cycle. True in the 99
    // calls that start with a change to BeforeKickOff, Goal_Left or Goal_Right.
    bool canBeam();
    // "(beam x y 0)" at the home position, then the initial-posture joint
    // commands of the action switch.
    std::string beam();
    // Home position of the own object; the origin for a uniform number
    // outside 1..11.
    salt::Vector3f getHomePos() const;
    salt::Vector3f getHomePos(Object player) const;

    void setupObjectToBeamPosMap();

private:
    int beamCounter = 0;
    bool isBeaming = false;
    bool isGameStateChanged = false;
    PlayMode mLastPlayMode = PM_Unknown;
    TObjectToBeamPosMap mObjectToBeamPosMap;
};

#endif
