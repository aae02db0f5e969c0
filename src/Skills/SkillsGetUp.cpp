// Get-up skill of rovan and rovan-penalty; rovan-keeper has its own.
#include <iostream>

#include "Actions/ActionSwitchMechanism.h"
#include "Skills/Skills.h"
#include "WorldModel/FallDownRecognition.h"

// With no fall direction recognised the player walks toward the ball.
std::string Skills::getUp(HeadActionType headType, Object obj)
{
    const ActionType motion = getUpAction(FallDownRecognition::instance()->getFeltType());
    if (motion != UNKNOWN) return ACS->doAction(motion, headType, obj);
    std::cout << "Skills::getUp Error" << std::endl;
    return walkOmni(BALL, false, HEAD_FOCUS_ON_OBJECT, BALL);
}
