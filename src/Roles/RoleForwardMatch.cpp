// Match definition of the forward's play-on handler, replaced in the penalty programs.
#include "Roles/RoleForward.h"

std::string RoleForward::PlayOn()
{
    return playOnWithShotWindow(12.0);
}
