#include "Roles/RoleGoalie.h"

#include "Actions/ActionSwitchMechanism.h"
#include "Tactic/Tactic.h"
#include "WorldModel/WorldModel.h"

std::string RoleGoalie::execute(RoleType rt)
{
    roletype = rt;
    TAC->sortOppAllByDistToBall(TAC->oppAllDistToBall);
    TAC->sortOurAllByDistToBall(TAC->ourAllDistToBall);
    return dispatch(*this, WM->getGameState());
}

std::string RoleGoalie::waitForBall()
{
    return ACS->doAction(WAIT, HEAD_FOCUS_ON_OBJECT, BALL);
}

// Stand-ins until the goalie's own set-piece play: each waits watching the ball.
std::string RoleGoalie::KickOff_Left() { return waitForBall(); }
std::string RoleGoalie::KickOff_Right() { return waitForBall(); }
std::string RoleGoalie::KickIn_Left() { return waitForBall(); }
std::string RoleGoalie::KickIn_Right() { return waitForBall(); }
std::string RoleGoalie::Corner_Kick_Left() { return waitForBall(); }
std::string RoleGoalie::Corner_Kick_Right() { return waitForBall(); }
std::string RoleGoalie::BeforeKickOff() { return waitForBall(); }
std::string RoleGoalie::Goal_Left() { return waitForBall(); }
std::string RoleGoalie::Goal_Right() { return waitForBall(); }
std::string RoleGoalie::Offside_Left() { return waitForBall(); }
std::string RoleGoalie::Offside_Right() { return waitForBall(); }
std::string RoleGoalie::Game_Over() { return waitForBall(); }
