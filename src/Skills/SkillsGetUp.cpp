// Get-up skill of rovan and rovan-penalty; rovan-keeper has its own.
#include "Skills/Skills.h"

std::string Skills::getUp(HeadActionType, Object)
{
    return "";
}
