// rovan-keeper definitions of the RoleForward functions that differ from the match.
#include "Roles/RoleForward.h"

// Stand-in until this program's own forward play: the match play.
std::string RoleForward::PlayOn()
{
    return playOnWithShotWindow(12.0);
}
