// rovan-keeper's get-up skill.
#include "Skills/Skills.h"

// With no fall direction recognised the keeper walks toward the ball silently.
std::string Skills::getUp(HeadActionType headType, Object obj)
{
    return getUpOrWalk(headType, obj, false);
}
