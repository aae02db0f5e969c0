// Match definitions of the goalie handlers that the penalty programs replace.
#include "Roles/RoleGoalie.h"

#include "Skills/Skills.h"

namespace {
const GoalieGuardOptions& playOnOptions()
{
    static const GoalieGuardOptions o;
    return o;
}

// Free kicks: the blocker goes for a ball ahead, passes forward and waits
// when nothing else fits; the other goalie presses the opponent at the ball.
const GoalieGuardOptions& freeKickOptions()
{
    static const GoalieGuardOptions o = [] {
        GoalieGuardOptions f;
        f.chaseBallAhead = true;
        f.clear = GoalieClear::PASS_FORWARD;
        f.noCase = GoalieNoCase::WAIT;
        f.pressNearestOpponent = true;
        return f;
    }();
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
