#include "WorldModel/Position.h"

#include "Actions/ActionSwitchMechanism.h"
#include "Actions/JointCommand.h"
#include "WorldModel/WorldModel.h"

namespace {

constexpr int maxBeamCounter = 100;
// The beam command's third value: facing angle in degrees, 0 toward the
// opponent goal.
constexpr double kBeamFacingDeg = 0.0;

struct HomeRow
{
    float x, y;
};

// Indexed by uniform number - 1.
const HomeRow kHomePositions[11] = {
    {-14.5f, -0.3f}, {-14.8f, 0.3f}, {-12.5f, 0.0f}, {-11.0f, -0.5f}, {-9.0f, 0.5f}, {-7.5f, 0.0f},
    {-0.6f, 0.1f},   {-2.0f, -0.7f}, {-2.0f, 0.65f}, {-0.4f, -1.5f},  {-0.4f, 2.0f},
};

bool isBeamPlayMode(PlayMode pm)
{
    return pm == PM_BeforeKickOff || pm == PM_Goal_Left || pm == PM_Goal_Right;
}

} // namespace

Position::Position()
{
    setupObjectToBeamPosMap();
}

void Position::setupObjectToBeamPosMap()
{
    mObjectToBeamPosMap.clear();
    for (int n = 0; n < 11; ++n)
        mObjectToBeamPosMap.emplace(static_cast<Object>(TEAMMATE_1 + n),
                                    salt::Vector3f(kHomePositions[n].x, kHomePositions[n].y, 0.0f));
}

bool Position::canBeam()
{
    const PlayMode pm = WorldModel::instance()->getGameState();
    isGameStateChanged = pm != mLastPlayMode;
    if (isGameStateChanged) beamCounter = 0;
    mLastPlayMode = pm;
    if (beamCounter >= maxBeamCounter) isBeaming = false;
    if (!isBeaming && !isGameStateChanged) return false;
    if (!isBeamPlayMode(pm)) return false;
    if (++beamCounter >= maxBeamCounter) return false;
    isBeaming = true;
    return true;
}

std::string Position::beam()
{
    const salt::Vector3f home = getHomePos();
    std::string text = "(beam ";
    JointCommand::appendNumber(text, home.x());
    text += ' ';
    JointCommand::appendNumber(text, home.y());
    text += ' ';
    JointCommand::appendNumber(text, kBeamFacingDeg);
    text += ')';
    return text + ActionSwitchMechanism::instance()->initState();
}

salt::Vector3f Position::getHomePos() const
{
    return getHomePos(WorldModel::instance()->getMyObject());
}

salt::Vector3f Position::getHomePos(Object player) const
{
    auto it = mObjectToBeamPosMap.find(player);
    return it == mObjectToBeamPosMap.end() ? salt::Vector3f() : it->second;
}
