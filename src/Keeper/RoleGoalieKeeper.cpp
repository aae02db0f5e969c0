// rovan-keeper's goalie in open play: silent, blocks in a slightly wider box,
// clears with a kick at the goal centre and steps between ball and goal.
#include "Roles/RoleGoalie.h"

namespace {
const GoalieGuardOptions& playOnOptions()
{
    static const GoalieGuardOptions o = [] {
        GoalieGuardOptions f = GoalieGuardOptions::shootout();
        f.giveUpNearestX = f.giveUpX = -FieldLength / 2 + static_cast<double>(1.95f);
        f.giveUpNearestAbsY = f.giveUpAbsY = static_cast<double>(2.95f);
        f.goalLineBehind = 0.0;
        f.clear = GoalieClear::KICK_AT_GOAL;
        f.noCase = GoalieNoCase::STEP_BETWEEN;
        return f;
    }();
    return o;
}
} // namespace

std::string RoleGoalie::PlayOn() { return mGuard.play(mPlayOn, playOnOptions()); }
