// Recording definitions of ActionSwitchMechanism for the skill tests; see
// RecordingActionSwitch.h.
#include "support/RecordingActionSwitch.h"

#include "Actions/Action.h"
#include "Actions/ActionSwitchMechanism.h"

namespace {

std::vector<SwitchCall> gCalls;
bool gFixed = false;
ActionType gFixedAct = UNKNOWN;
// curAct of the live switch, so that a fixed motion shows at once.
ActionType* gLiveCurAct = nullptr;

void record(SwitchCall call) { gCalls.push_back(call); }

} // namespace

namespace SwitchRecord {

const std::vector<SwitchCall>& calls() { return gCalls; }

std::vector<SwitchCall> actions()
{
    std::vector<SwitchCall> out;
    for (const SwitchCall& c : gCalls)
        if (c.kind == SwitchCall::DO_ACTION) out.push_back(c);
    return out;
}

std::vector<WalkOmniPara> walkRequests()
{
    std::vector<WalkOmniPara> out;
    for (const SwitchCall& c : gCalls)
        if (c.kind == SwitchCall::WALK_PARA) out.push_back(c.walk);
    return out;
}

std::string marker(ActionType type) { return "<" + std::to_string(static_cast<int>(type)) + ">"; }

void fixRunning(ActionType type)
{
    gFixed = true;
    gFixedAct = type;
    if (gLiveCurAct) *gLiveCurAct = type;
}

} // namespace SwitchRecord

ActionSwitchMechanism::ActionSwitchMechanism() : mUsesSingletons(true)
{
    gLiveCurAct = &curAct;
    if (gFixed) curAct = gFixedAct;
}

ActionSwitchMechanism::ActionSwitchMechanism(const MotionTable& motions) : concreteAct(motions)
{
    gLiveCurAct = &curAct;
    if (gFixed) curAct = gFixedAct;
}

ActionSwitchMechanism::~ActionSwitchMechanism()
{
    if (gLiveCurAct == &curAct) gLiveCurAct = nullptr;
    gCalls.clear();
    gFixed = false;
    gFixedAct = UNKNOWN;
}

std::string ActionSwitchMechanism::doAction(ActionType ActType, HeadActionType HeadType, Object obj)
{
    SwitchCall call;
    call.action = ActType;
    call.head = HeadType;
    call.obj = obj;
    record(call);
    curAct = gFixed ? gFixedAct : ActType;
    return SwitchRecord::marker(ActType);
}

std::string ActionSwitchMechanism::initState()
{
    SwitchCall call;
    call.kind = SwitchCall::INIT_STATE;
    record(call);
    curAct = gFixed ? gFixedAct : UNKNOWN;
    return "";
}

void ActionSwitchMechanism::setWalkOmniPara(WalkOmniPara walkPara)
{
    SwitchCall call;
    call.kind = SwitchCall::WALK_PARA;
    call.walk = walkPara;
    record(call);
}

void ActionSwitchMechanism::setIsLeftHold(bool isLeftHold)
{
    SwitchCall call;
    call.kind = SwitchCall::LEFT_HOLD;
    call.leftHold = isLeftHold;
    record(call);
}

void ActionSwitchMechanism::setKickType(KickType kickType)
{
    SwitchCall call;
    call.kind = SwitchCall::KICK_TYPE;
    call.kickType = kickType;
    record(call);
}

// No joint commands: the skills never ask for them.
std::string ActionSwitchMechanism::moveJoint(JointID, double) const { return ""; }

std::string ActionSwitchMechanism::moveJointTo(JointID, double, double, Kpid) const { return ""; }
