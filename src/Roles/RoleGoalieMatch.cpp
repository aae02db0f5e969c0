// Match definitions of the goalie handlers that the penalty programs replace.
#include "Roles/RoleGoalie.h"

// Stand-ins until the goalie's own play: wait watching the ball.
std::string RoleGoalie::PlayOn() { return waitForBall(); }
std::string RoleGoalie::Goal_Kick_Left() { return waitForBall(); }
std::string RoleGoalie::Goal_Kick_Right() { return waitForBall(); }
std::string RoleGoalie::Free_Kick_Left() { return waitForBall(); }
std::string RoleGoalie::Free_Kick_Right() { return waitForBall(); }
