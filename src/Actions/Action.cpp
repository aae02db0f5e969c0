#include "Actions/Action.h"

#include "Actions/JointCommand.h"
#include "WorldModel/WorldModel.h"

Action::Action() : WM(WorldModel::instance()) {}

std::string Action::moveJoint(JointID jid, double vel) const
{
    std::string out;
    JointCommand::appendMoveJoint(out, jid, vel);
    return out;
}

std::string Action::moveJointTo(JointID jid, double expectedAngle, double maxDeltaAngle, Kpid pid) const
{
    std::string out;
    appendMoveJointTo(out, jid, expectedAngle, maxDeltaAngle, pid);
    return out;
}

void Action::appendMoveJointTo(std::string& out, JointID jid, double expectedAngle, double maxDeltaAngle,
                               const Kpid& pid) const
{
    JointCommand::appendMoveJoint(out, jid,
                                  JointCommand::speedTo(*WM, jid, expectedAngle, maxDeltaAngle, pid,
                                                        "Action::moveJointTo Error"));
}

std::string Action::fix() const
{
    std::string out;
    for (int j = 0; j < JID_MAX; ++j) JointCommand::appendMoveJoint(out, static_cast<JointID>(j), 0.0);
    return out;
}

std::string Action::resetJointShoot(int nextcycle) const
{
    std::string out = fix();
    for (int j = 0; j < JID_MAX; ++j)
    {
        const JointID jid = static_cast<JointID>(j);
        const double gain = (jid == JID_LARM_4 || jid == JID_RARM_4) ? -2.0 : -1.0;
        JointCommand::appendMoveJoint(out, jid, gain * WM->getJointAngle(jid) / nextcycle);
    }
    return out;
}
