#include "Skills/Skills.h"

#include <iostream>

#include "Actions/ActionSwitchMechanism.h"
#include "salt/gmath.h"
#include "Skills/GetWalkOmniType.h"
#include "WorldModel/FallDownRecognition.h"
#include "WorldModel/WorldModel.h"

namespace {

// Heading, degrees, beyond which keepDir turns back.
constexpr double kKeepDirSlack = 10.0;
// Local confidence at which turnToObject takes a new bearing (single precision).
constexpr float kSeenConfidence = 9.96f;

} // namespace

Skills::Skills() : ACS(ActionSwitchMechanism::instance()), WM(WorldModel::instance()) {}

ActionType Skills::getUpAction(FeltType felt)
{
    switch (felt)
    {
    case FT_BACK: return GET_UP_BACK;
    case FT_FRONT:
    case FT_LEFT:
    case FT_RIGHT: return GET_UP_FRONT;
    default: return UNKNOWN;
    }
}

std::string Skills::getUpOrWalk(HeadActionType headType, Object obj, bool report)
{
    const ActionType motion = getUpAction(FallDownRecognition::instance()->getFeltType());
    if (motion != UNKNOWN) return ACS->doAction(motion, headType, obj);
    if (report) std::cout << "Skills::getUp Error" << std::endl;
    return walkOmni(BALL, false, HEAD_FOCUS_ON_OBJECT, BALL);
}

std::string Skills::walkOmni(Object target, bool slow, HeadActionType headType, Object obj)
{
    return walkToward(GetWalkOmniType::instance()->setTargetPos(target, slow), headType, obj);
}

std::string Skills::walkOmni(salt::Vector3f target, bool slow, HeadActionType headType, Object obj)
{
    return walkToward(GetWalkOmniType::instance()->setTargetPos(target, slow), headType, obj);
}

// Turning on the spot runs the key-frame fast turns; the request is not handed on.
std::string Skills::walkToward(WalkOmniPara para, HeadActionType headType, Object obj)
{
    if (para.walkType == WALK_OMNI_TURN_L) return ACS->doAction(FAST_TURN_L, headType, obj);
    if (para.walkType == WALK_OMNI_TURN_R) return ACS->doAction(FAST_TURN_R, headType, obj);
    return walkOmniRequest(para, headType, obj);
}

std::string Skills::walkOmniRequest(WalkOmniPara para, HeadActionType headType, Object obj)
{
    ACS->setWalkOmniPara(para);
    return ACS->doAction(WALK_OMNI, headType, obj);
}

std::string Skills::walkOmniFixed(WalkOmniType type, double speed, HeadActionType headType, Object obj)
{
    WalkOmniPara para;
    para.walkType = type;
    para.maxSpeed = speed;
    return walkOmniRequest(para, headType, obj);
}

std::string Skills::walkOmniForward(double speed, HeadActionType headType, Object obj)
{
    return walkOmniFixed(WALK_OMNI_FORWARD, speed, headType, obj);
}

std::string Skills::walkOmniBackward(double speed, HeadActionType headType, Object obj)
{
    return walkOmniFixed(WALK_OMNI_BACKWARD, speed, headType, obj);
}

std::string Skills::walkOmniLeft(double speed, HeadActionType headType, Object obj)
{
    return walkOmniFixed(WALK_OMNI_LEFT, speed, headType, obj);
}

std::string Skills::walkOmniRight(double speed, HeadActionType headType, Object obj)
{
    return walkOmniFixed(WALK_OMNI_RIGHT, speed, headType, obj);
}

std::string Skills::walkOmniIncline(double relTheta, double speed, HeadActionType headType, Object obj)
{
    WalkOmniPara para;
    para.walkType = WALK_OMNI_INCLINE;
    para.relTheta = salt::gDegToRad(relTheta) + salt::gPI / 2;
    para.maxSpeed = speed;
    return walkOmniRequest(para, headType, obj);
}

// The turning and waiting types go to the walk engine, at the default speed.
std::string Skills::walkOmniTurnLeft(HeadActionType headType, Object obj)
{
    return walkOmniFixed(WALK_OMNI_TURN_L, WalkOmniPara().maxSpeed, headType, obj);
}

std::string Skills::walkOmniTurnRight(HeadActionType headType, Object obj)
{
    return walkOmniFixed(WALK_OMNI_TURN_R, WalkOmniPara().maxSpeed, headType, obj);
}

std::string Skills::walkOmniWait(HeadActionType headType, Object obj)
{
    return walkOmniFixed(WALK_OMNI_WAIT, WalkOmniPara().maxSpeed, headType, obj);
}

std::string Skills::walkForward(HeadActionType headType, Object obj)
{
    return ACS->doAction(WALK_FORWARD, headType, obj);
}

std::string Skills::walkBackward(HeadActionType headType, Object obj)
{
    return ACS->doAction(WALK_BACKWARD, headType, obj);
}

std::string Skills::fastTurnLeft(HeadActionType headType, Object obj)
{
    return ACS->doAction(FAST_TURN_L, headType, obj);
}

std::string Skills::fastTurnRight(HeadActionType headType, Object obj)
{
    return ACS->doAction(FAST_TURN_R, headType, obj);
}

std::string Skills::slowTurnLeft(HeadActionType headType, Object obj)
{
    return ACS->doAction(SLOW_TURN_L, headType, obj);
}

std::string Skills::slowTurnRight(HeadActionType headType, Object obj)
{
    return ACS->doAction(SLOW_TURN_R, headType, obj);
}

std::string Skills::turnLeft(HeadActionType headType, Object obj)
{
    return ACS->doAction(TURN_L, headType, obj);
}

std::string Skills::turnRight(HeadActionType headType, Object obj)
{
    return ACS->doAction(TURN_R, headType, obj);
}

std::string Skills::fastWalkLeft(HeadActionType headType, Object obj)
{
    return ACS->doAction(WALK_FAST_LEFT, headType, obj);
}

std::string Skills::fastWalkRight(HeadActionType headType, Object obj)
{
    return ACS->doAction(WALK_FAST_RIGHT, headType, obj);
}

std::string Skills::slowWalkLeft(HeadActionType headType, Object obj)
{
    return ACS->doAction(WALK_SLOW_LEFT, headType, obj);
}

std::string Skills::slowWalkRight(HeadActionType headType, Object obj)
{
    return ACS->doAction(WALK_SLOW_RIGHT, headType, obj);
}

std::string Skills::walkLeft(HeadActionType headType, Object obj)
{
    return ACS->doAction(WALK_LEFT, headType, obj);
}

std::string Skills::walkRight(HeadActionType headType, Object obj)
{
    return ACS->doAction(WALK_RIGHT, headType, obj);
}

std::string Skills::wait(HeadActionType headType, Object obj)
{
    return ACS->doAction(WAIT, headType, obj);
}

// The ball skills' walks and motions: the head follows the ball.
std::string Skills::walkToBall() { return walkOmni(BALL, false, HEAD_FOCUS_ON_OBJECT, BALL); }

std::string Skills::walkTo(salt::Vector3f point) { return walkOmni(point, false, HEAD_FOCUS_ON_OBJECT, BALL); }

std::string Skills::act(ActionType type) { return ACS->doAction(type, HEAD_FOCUS_ON_OBJECT, BALL); }

std::string Skills::keepDir()
{
    const double heading = WM->getMyAngle();
    if (heading > kKeepDirSlack) return ACS->doAction(FAST_TURN_R, HEAD_FOCUS_ON_OBJECT, BALL);
    if (heading < -kKeepDirSlack) return ACS->doAction(FAST_TURN_L, HEAD_FOCUS_ON_OBJECT, BALL);
    return ACS->doAction(STEP, HEAD_FOCUS_ON_OBJECT, BALL);
}

std::string Skills::turnToObject(Object obj, float MaxRelAngBall)
{
    if (WM->getLocalConfidence(obj) >= kSeenConfidence) relAngle = WM->getBodyRelAngle(obj);
    if (relAngle > MaxRelAngBall) return ACS->doAction(FAST_TURN_L, HEAD_FOCUS_ON_OBJECT, BALL);
    if (relAngle < -MaxRelAngBall) return ACS->doAction(FAST_TURN_R, HEAD_FOCUS_ON_OBJECT, BALL);
    return wait(HEAD_FOCUS_ON_OBJECT, BALL);
}
