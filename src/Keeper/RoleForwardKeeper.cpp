// rovan-keeper's forward: the match play with a shooting window up to x 13.
#include "Roles/RoleForward.h"

std::string RoleForward::PlayOn()
{
    return playOnWithShotWindow(13.0);
}
