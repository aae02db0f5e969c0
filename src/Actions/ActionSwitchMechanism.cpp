#include "Actions/ActionSwitchMechanism.h"

#include <cmath>
#include <iostream>

#include "Actions/Action.h"
#include "Actions/GetUpBack.h"
#include "Actions/HeadAction.h"
#include "Actions/JointCommand.h"
#include "Actions/Kick.h"
#include "Actions/KickL.h"
#include "Actions/KickLeft45.h"
#include "Actions/KickLeft90.h"
#include "Actions/KickR.h"
#include "Actions/KickRight45.h"
#include "Actions/KickRight90.h"
#include "Actions/KeyFrameMotions.h"
#include "Actions/PeriodicMotions.h"
#include "Actions/Say.h"
#include "Actions/WalkOmni.h"
#include "WorldModel/WorldModel.h"

ActionSwitchMechanism::ActionSwitchMechanism() : mUsesSingletons(true)
{
    setupConcreteActMap();
}

ActionSwitchMechanism::ActionSwitchMechanism(const MotionTable& motions) : concreteAct(motions) {}

ActionSwitchMechanism::~ActionSwitchMechanism() = default;

// Creation order is also the order in which the motion files are read.
void ActionSwitchMechanism::setupConcreteActMap()
{
    concreteAct.fill(nullptr);
    mOwned.clear();
    enterFallAndStandMotions();
    enterGaits();
    enterKicks();
}

void ActionSwitchMechanism::enterFallAndStandMotions()
{
    enter<DiveFront>(DIVE_FRONT);
    enter<DiveBack>(DIVE_BACK);
    enter<DiveHandL>(DIVE_HAND_L);
    enter<DiveHandR>(DIVE_HAND_R);
    enter<DiveLegL>(DIVE_LEG_L);
    enter<DiveLegR>(DIVE_LEG_R);
    enter<DefendGoalL>(DEFEND_GOAL_L);
    enter<DefendGoalR>(DEFEND_GOAL_R);
    enter<GetUpFront>(GET_UP_FRONT);
    enter<GetUpBack>(GET_UP_BACK);
    enter<Step>(STEP);
    enter<Wait>(WAIT);
}

void ActionSwitchMechanism::enterGaits()
{
    enter<TurnL>(TURN_L);
    enter<FastTurnL>(FAST_TURN_L);
    enter<SlowTurnL>(SLOW_TURN_L);
    enter<TurnR>(TURN_R);
    enter<FastTurnR>(FAST_TURN_R);
    enter<SlowTurnR>(SLOW_TURN_R);
    enter<LargeTurnL>(LARGE_TURN_L);
    enter<LargeTurnR>(LARGE_TURN_R);
    WalkOmni::instance();
    enter<WalkForward>(WALK_FORWARD);
    enter<WalkFast>(WALK_FAST);
    enter<MiniWalkForward>(MINI_WALK_FORWARD);
    enter<WalkBackward>(WALK_BACKWARD);
    enter<WalkLeft>(WALK_LEFT);
    enter<WalkFastLeft>(WALK_FAST_LEFT);
    enter<WalkSlowLeft>(WALK_SLOW_LEFT);
    enter<WalkRight>(WALK_RIGHT);
    enter<WalkFastRight>(WALK_FAST_RIGHT);
    enter<WalkSlowRight>(WALK_SLOW_RIGHT);
    enter<WalkAroundBallL>(WALK_AROUND_BALL_L);
    enter<WalkAroundBallR>(WALK_AROUND_BALL_R);
    enter<WalkSideShortL>(WALK_SIDE_SHORT_L);
    enter<WalkSideShortR>(WALK_SIDE_SHORT_R);
}

void ActionSwitchMechanism::enterKicks()
{
    Kick::instance();
    enter<KickLeft45>(KICKLEFT45);
    enter<KickRight45>(KICKRIGHT45);
    enter<KickLeft90>(KICKLEFT90);
    enter<KickRight90>(KICKRIGHT90);
    enter<KickL>(KICK_L);
    enter<KickR>(KICK_R);
}

template <class T>
void ActionSwitchMechanism::enter(ActionType type)
{
    mOwned.push_back(std::make_unique<T>());
    concreteAct[type] = mOwned.back().get();
}

Action* ActionSwitchMechanism::motionOf(ActionType type) const
{
    if (type <= UNKNOWN || type >= ACTION_MAX) return nullptr;
    if (mUsesSingletons && type == WALK_OMNI) return WalkOmni::instance();
    if (mUsesSingletons && type == KICK) return Kick::instance();
    return concreteAct[type];
}

std::string ActionSwitchMechanism::call(ActionType type, const char* word) const
{
    Action* motion = motionOf(type);
    return motion ? motion->execute(word) : std::string();
}

std::string ActionSwitchMechanism::doAction(ActionType ActType, HeadActionType HeadType, Object obj)
{
    std::string text;
    if (!motionOf(ActType))
        std::cerr << "ActionSwitchMechanism::doAction: no motion for action type " << static_cast<int>(ActType)
                  << std::endl;
    else
        text = curAct == UNKNOWN ? startFirst(ActType) : serve(ActType);
    text += HeadAction::instance()->mergeHeadMsg(HeadType, obj);
    text += Say::instance()->mergeSayMsg();
    return text;
}

std::string ActionSwitchMechanism::startFirst(ActionType ActType)
{
    curAct = ActType;
    if (!isGait(ActType)) return call(curAct, "");
    phase = "start";
    return call(curAct, "start");
}

// The running motion goes on while it gives text; once it gives none, a
// running gait is first wound down, then the request is started or continued.
std::string ActionSwitchMechanism::serve(ActionType ActType)
{
    std::string text = call(curAct, "");
    if (!text.empty()) return text;
    if (curAct != ActType && phase != "end" && isGait(curAct))
    {
        phase = "end";
        return call(curAct, "end");
    }
    if (curAct != ActType && isGait(ActType))
    {
        phase = "start";
        curAct = ActType;
        return call(curAct, "start");
    }
    if (curAct == ActType)
    {
        phase = "normal";
        return call(curAct, "normal");
    }
    curAct = ActType;
    return call(curAct, "");
}

std::string ActionSwitchMechanism::initState()
{
    curAct = UNKNOWN;
    const WorldModel& wm = *WorldModel::instance();
    std::string text;
    for (int j = 0; j < JID_MAX; ++j)
    {
        const JointID jid = static_cast<JointID>(j);
        text += std::fabs(wm.getJointAngle(jid)) < 1.0 ? moveJoint(jid, 0.0) : moveJointTo(jid, 0.0, 10.0, Kpid(0.6));
    }
    return text;
}

void ActionSwitchMechanism::setWalkOmniPara(WalkOmniPara walkPara)
{
    WalkOmni::instance()->setWalkOmniPara(walkPara);
}

void ActionSwitchMechanism::setIsLeftHold(bool isLeftHold)
{
    Kick::instance()->setIsLeftHold(isLeftHold);
}

void ActionSwitchMechanism::setKickType(KickType kickType)
{
    Kick::instance()->setKickType(kickType);
}

std::string ActionSwitchMechanism::moveJoint(JointID jid, double vel) const
{
    std::string out;
    JointCommand::appendMoveJoint(out, jid, vel);
    return out;
}

std::string ActionSwitchMechanism::moveJointTo(JointID jid, double expectedAngle, double maxDeltaAngle,
                                               Kpid pid) const
{
    return moveJoint(jid, JointCommand::speedTo(*WorldModel::instance(), jid, expectedAngle, maxDeltaAngle, pid,
                                                "ActionSwitchMechanism::moveJointTo Error"));
}
