// rovan-keeper's get-up skill.
#include "Skills/Skills.h"

std::string Skills::getUp(HeadActionType, Object)
{
    return "";
}
