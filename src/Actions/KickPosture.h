#ifndef KICKPOSTURE_H
#define KICKPOSTURE_H

// The kick-ready posture of a kick: the joints driven toward their targets
// before the kick is played, and the test that says the posture is reached.

#include <string>
#include <vector>

#include "WorldModel/Types.h"

class WorldModel;

struct PostureJoint
{
    JointID jid;
    double target;    // degrees
    double maxStep;   // largest step per cycle, degrees
    double tolerance; // reached while |angle - target| < tolerance; 0: not tested
};

class KickPosture
{
public:
    KickPosture(std::vector<PostureJoint> joints, double kp);

    // One moveJointTo command per joint, in table order.
    void appendCommand(std::string& out, const WorldModel& wm) const;
    // Every tested joint strictly within its tolerance of its target.
    bool isReached(const WorldModel& wm) const;

private:
    std::vector<PostureJoint> mJoints;
    Kpid mGains;
};

#endif
