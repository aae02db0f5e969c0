// Match definitions of the goalie handlers that the penalty programs replace.
#include "Roles/RoleGoalie.h"

#include "Skills/Skills.h"

namespace {
const GoalieGuardOptions& playOnOptions()
{
    static const GoalieGuardOptions o;
    return o;
}

const GoalieGuardOptions& freeKickOptions()
{
    static const GoalieGuardOptions o = GoalieGuardOptions::freeKick();
    return o;
}

const salt::Vector3f kGoalKickTarget(-5.0f, -FieldWidth / 2, 0.0f);
} // namespace

std::string RoleGoalie::PlayOn() { return mGuard.play(mPlayOn, playOnOptions()); }
std::string RoleGoalie::Free_Kick_Left() { return mGuard.play(mFreeKickLeft, freeKickOptions()); }
std::string RoleGoalie::Free_Kick_Right() { return mGuard.play(mFreeKickRight, freeKickOptions()); }

std::string RoleGoalie::Goal_Kick_Left()
{
    return goalKick(TEAM_LEFT, mGoalKickLeft, [this] { return SKS->kickBall(kGoalKickTarget); });
}

std::string RoleGoalie::Goal_Kick_Right()
{
    return goalKick(TEAM_RIGHT, mGoalKickRight, [this] { return SKS->kickBall(kGoalKickTarget); });
}
