// rovan-penalty's goalie in open play: goalie 1 blocks, the clear is a side
// kick at the goal centre, and each step is written on standard output.
#include "Roles/RoleGoalie.h"

namespace {
const GoalieGuardOptions& playOnOptions()
{
    static const GoalieGuardOptions o = [] {
        GoalieGuardOptions f = GoalieGuardOptions::shootout();
        f.giveUpNearestX = f.giveUpX = -FieldLength / 2 + static_cast<double>(1.8f);
        f.giveUpNearestAbsY = f.giveUpAbsY = static_cast<double>(2.8f);
        f.goalLineAbsY = static_cast<double>(1.6f);
        f.clear = GoalieClear::SIDE_KICK_AT_GOAL;
        f.noCase = GoalieNoCase::GO_ON;
        f.debugLines = true;
        return f;
    }();
    return o;
}
} // namespace

std::string RoleGoalie::PlayOn() { return mGuard.play(mPlayOn, playOnOptions()); }
