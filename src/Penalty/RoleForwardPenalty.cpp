// rovan-penalty's forward: the penalty taker. It walks to the ball, then
// dribbles it toward the goal centre or kicks it there; no tactic list is read.
#include "Roles/RoleForward.h"

namespace {
// Farther from the ball than this, the taker walks to it.
constexpr double kTakerReach = 0.8;
// Ball x ranges that are dribbled rather than kicked (2.2 single precision).
constexpr double kDribbleBelowX = -FieldLength / 2 + static_cast<double>(2.2f);
constexpr double kDribbleFromX = 3.0;
constexpr double kDribbleToX = 10.0;
} // namespace

std::string RoleForward::PlayOn()
{
    const float MyDisToBall = refreshPlayOn();
    if (MyDisToBall > kTakerReach) return walkToBall();
    const double x = mPlayOn.BallPos.x();
    if (x < kDribbleBelowX || (x > kDribbleFromX && x < kDribbleToX)) return SKS->fastDribbleToPoint(mPlayOn.Goal);
    return SKS->kickBall();
}
