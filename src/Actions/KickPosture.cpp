#include "Actions/KickPosture.h"

#include <cmath>
#include <utility>

#include "Actions/JointCommand.h"
#include "WorldModel/WorldModel.h"

KickPosture::KickPosture(std::vector<PostureJoint> joints, double kp) : mJoints(std::move(joints)), mGains(kp) {}

void KickPosture::appendCommand(std::string& out, const WorldModel& wm) const
{
    for (const PostureJoint& joint : mJoints)
    {
        const double speed =
            JointCommand::speedTo(wm, joint.jid, joint.target, joint.maxStep, mGains, "Action::moveJointTo Error");
        JointCommand::appendMoveJoint(out, joint.jid, speed);
    }
}

bool KickPosture::isReached(const WorldModel& wm) const
{
    for (const PostureJoint& joint : mJoints)
    {
        if (joint.tolerance <= 0.0) continue;
        if (!(std::fabs(wm.getJointAngle(joint.jid) - joint.target) < joint.tolerance)) return false;
    }
    return true;
}
