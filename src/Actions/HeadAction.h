#ifndef HEADACTION_H
#define HEADACTION_H

#include <string>

#include "WorldModel/Singleton.h"
#include "WorldModel/Types.h"

// The head joints (pan "he1", tilt "he2"), driven apart from the motions:
// looks at the requested object while it is seen and the player is well
// localised, otherwise sweeps the head from side to side.
class HeadAction : public Singleton<HeadAction>
{
public:
    // The head commands of this cycle for a behaviour and its object.
    std::string mergeHeadMsg(HeadActionType HeadType, Object obj);
    // Keeps the object in the middle of the view, tilt at -22 degrees.
    std::string focusOnObject();
    // Sweeps 30 degrees past the object on either side.
    std::string swingAroundObject();
    // Sweeps over the whole pan range.
    std::string swingHead();

    std::string moveJoint(JointID jid, double vel) const;
    std::string moveJointTo(JointID jid, double expectedAngle, double maxDeltaAngle, Kpid pid) const;

private:
    static double panAngle();
    static double tiltAngle();

    Object mObjectFocused = OBJECT_MAX;
    // Sweep directions; true drives the pan angle up.
    bool mSwingHeadTurnLeft = true;
    bool mSwingAroundTurnLeft = true;
};

#endif
