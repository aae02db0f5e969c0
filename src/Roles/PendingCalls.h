#ifndef PENDINGCALLS_H
#define PENDINGCALLS_H

// TEMPORARY: stand-ins for tactic operations that have not landed
// yet. Each is replaced by the real call (same name, on Tactic) as
// soon as it exists; this header then goes.

#include <string>
#include <vector>

#include "Skills/Skills.h"
#include "Tactic/Tactic.h"
#include "salt/vector.h"
#include "WorldModel/WorldModel.h"

namespace pending {

inline bool isFirst(const WorldModel* WM, const std::vector<Object>& list)
{
    return !list.empty() && list.front() == WM->getMyObject();
}

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
