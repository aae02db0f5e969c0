#ifndef PENDINGCALLS_H
#define PENDINGCALLS_H

// TEMPORARY: stand-ins for skill and tactic operations that have not landed
// yet. Each is replaced by the real call (same name, on Skills or Tactic) as
// soon as it exists; this header then goes.

#include <string>
#include <vector>

#include "Actions/ActionSwitchMechanism.h"
#include "Skills/Skills.h"
#include "Tactic/Tactic.h"
#include "salt/vector.h"
#include "WorldModel/WorldModel.h"

namespace pending {

inline bool isFirst(const WorldModel* WM, const std::vector<Object>& list)
{
    return !list.empty() && list.front() == WM->getMyObject();
}

// Skills
inline std::string fastDribbleToPoint(Skills* SKS, salt::Vector3f target)
{
    return SKS->walkOmni(target, false, HEAD_FOCUS_ON_OBJECT, BALL);
}
inline std::string kickBall(ActionSwitchMechanism* ACS)
{
    return ACS->doAction(KICK, HEAD_FOCUS_ON_OBJECT, BALL);
}
inline std::string kickBall(ActionSwitchMechanism* ACS, salt::Vector3f)
{
    return ACS->doAction(KICK, HEAD_FOCUS_ON_OBJECT, BALL);
}
inline std::string SideKick(ActionSwitchMechanism* ACS)
{
    return ACS->doAction(KICK_R, HEAD_FOCUS_ON_OBJECT, BALL);
}
inline std::string SideKick(ActionSwitchMechanism* ACS, salt::Vector3f)
{
    return ACS->doAction(KICK_L, HEAD_FOCUS_ON_OBJECT, BALL);
}
inline std::string KickOff(ActionSwitchMechanism* ACS, salt::Vector3f)
{
    return ACS->doAction(KICKLEFT45, HEAD_FOCUS_ON_OBJECT, BALL);
}

// Tactic
inline bool isMeMostCloseToBall(const Tactic* TAC, const WorldModel* WM)
{
    return isFirst(WM, TAC->ourAllDistToBall);
}
inline bool isMeMostCloseToBallForDefender(const Tactic* TAC, const WorldModel* WM)
{
    return isFirst(WM, TAC->ourAllDistToBall);
}
inline bool isLastOfTheForward(const Tactic* TAC, const WorldModel* WM)
{
    return isFirst(WM, TAC->ourForwardEquivalentDistToBall);
}
inline std::string keepDirToTarget(Skills* SKS, salt::Vector3f)
{
    return SKS->keepDir();
}
inline std::string avoidObstacle(Skills* SKS, salt::Vector3f, salt::Vector3f, Object)
{
    return SKS->walkOmniRight(0.8, HEAD_FOCUS_ON_OBJECT, BALL);
}
inline std::string movingWithoutBall(Skills* SKS, Tactic* TAC)
{
    return SKS->walkOmni(TAC->getForwardStrategyPos(), false, HEAD_FOCUS_ON_OBJECT, BALL);
}

} // namespace pending

#endif
