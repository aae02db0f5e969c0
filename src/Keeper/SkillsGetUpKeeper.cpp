// Stand-in for rovan-keeper's get-up skill: answers nothing until the
// keeper gets its own.
#include "Skills/Skills.h"

std::string Skills::getUp(HeadActionType, Object)
{
    return "";
}
