// Get-up skill of rovan and rovan-penalty; rovan-keeper has its own.
#include "Skills/Skills.h"

// With no fall direction recognised the player reports it and walks toward the ball.
std::string Skills::getUp(HeadActionType headType, Object obj)
{
    return getUpOrWalk(headType, obj, true);
}
