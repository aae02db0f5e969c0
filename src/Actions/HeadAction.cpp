#include "Actions/HeadAction.h"

#include <cmath>
#include <iostream>

#include "Actions/JointCommand.h"
#include "WorldModel/WorldModel.h"

namespace {

constexpr double kLocalisedConfidence = 9.0;
constexpr double kSeenConfidence = 9.95;
constexpr double kFocusTilt = -22.0;
constexpr double kAroundRange = 30.0;
constexpr double kSwingSpeed = 10.0;
const Kpid kHeadGain(0.6);

// Pan step: none within 5 degrees, fine within 15, coarse beyond.
double panStep(double theta)
{
    const double off = std::fabs(theta);
    return off > 15.0 ? 10.0 : off > 5.0 ? 1.0 : 0.0;
}

// Tilt step: none within 2 degrees, fine within 15, coarse beyond.
double tiltStep(double gap)
{
    return gap > 15.0 ? 10.0 : gap > 2.0 ? 1.0 : 0.0;
}

} // namespace

std::string HeadAction::mergeHeadMsg(HeadActionType HeadType, Object obj)
{
    mObjectFocused = obj;
    const WorldModel& wm = *WorldModel::instance();
    if (wm.getGlobalConfidence(wm.getMyObject()) <= kLocalisedConfidence) return swingHead();
    if (wm.getLocalConfidence(obj) <= kSeenConfidence) return swingHead();
    if (HeadType == HEAD_FOCUS_ON_OBJECT) return focusOnObject();
    if (HeadType == HEAD_SWING_AROUND_OBJECT) return swingAroundObject();
    std::cerr << "HeadAction::mergeVisionMsg HeadType Error" << std::endl;
    return "";
}

std::string HeadAction::focusOnObject()
{
    const double theta = WorldModel::instance()->objectVision(mObjectFocused).theta;
    std::string text = moveJointTo(JID_HEAD_1, panAngle() + theta, panStep(theta), kHeadGain);
    const double tiltGap = std::fabs(kFocusTilt - tiltAngle());
    return text + moveJointTo(JID_HEAD_2, kFocusTilt, tiltStep(tiltGap), kHeadGain);
}

std::string HeadAction::swingAroundObject()
{
    const double pan = panAngle();
    if (std::fabs(pan) > 115.0) return focusOnObject();
    const double theta = WorldModel::instance()->objectVision(mObjectFocused).theta;
    std::string text;
    if (theta <= kAroundRange && mSwingAroundTurnLeft)
    {
        text = moveJointTo(JID_HEAD_1, pan + theta + kAroundRange, 10.0, kHeadGain);
        if (theta <= -kAroundRange) mSwingAroundTurnLeft = false;
    }
    else
    {
        text = moveJointTo(JID_HEAD_1, pan + theta - kAroundRange, 10.0, kHeadGain);
        if (theta >= kAroundRange) mSwingAroundTurnLeft = true;
    }
    return text + moveJoint(JID_HEAD_2, 0.0);
}

std::string HeadAction::swingHead()
{
    const double pan = panAngle();
    std::string text;
    if (pan <= 130.0 && mSwingHeadTurnLeft)
    {
        text = moveJoint(JID_HEAD_1, kSwingSpeed);
        if (pan >= 119.0) mSwingHeadTurnLeft = false;
    }
    else
    {
        text = moveJoint(JID_HEAD_1, -kSwingSpeed);
        if (pan <= -119.0) mSwingHeadTurnLeft = true;
    }
    return text + moveJoint(JID_HEAD_2, 0.0);
}

std::string HeadAction::moveJoint(JointID jid, double vel) const
{
    std::string out;
    JointCommand::appendMoveJoint(out, jid, vel);
    return out;
}

std::string HeadAction::moveJointTo(JointID jid, double expectedAngle, double maxDeltaAngle, Kpid pid) const
{
    return moveJoint(jid, JointCommand::speedTo(*WorldModel::instance(), jid, expectedAngle, maxDeltaAngle, pid,
                                                "HeadAction::moveJointTo Error"));
}

double HeadAction::panAngle()
{
    return WorldModel::instance()->getJointAngle(JID_HEAD_1);
}

double HeadAction::tiltAngle()
{
    return WorldModel::instance()->getJointAngle(JID_HEAD_2);
}
