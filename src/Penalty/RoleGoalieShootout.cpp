// Goal and free kicks of the goalie in rovan-penalty and rovan-keeper.
#include "Roles/RoleGoalie.h"

#include "Skills/Skills.h"

namespace {
// The match free kicks, with the goalie's lines on standard output.
const GoalieGuardOptions& freeKickOptions()
{
    static const GoalieGuardOptions o = [] {
        GoalieGuardOptions f = GoalieGuardOptions::freeKick();
        f.debugLines = true;
        return f;
    }();
    return o;
}
} // namespace

std::string RoleGoalie::Free_Kick_Left() { return mGuard.play(mFreeKickLeft, freeKickOptions()); }
std::string RoleGoalie::Free_Kick_Right() { return mGuard.play(mFreeKickRight, freeKickOptions()); }

// The kicker side-kicks at the opponent goal centre.
std::string RoleGoalie::Goal_Kick_Left()
{
    return goalKick(TEAM_LEFT, mGoalKickLeft, [this] { return SKS->SideKick(); });
}

std::string RoleGoalie::Goal_Kick_Right()
{
    return goalKick(TEAM_RIGHT, mGoalKickRight, [this] { return SKS->SideKick(); });
}
