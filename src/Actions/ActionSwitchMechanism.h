#ifndef ACTIONSWITCHMECHANISM_H
#define ACTIONSWITCHMECHANISM_H

#include <string>

#include "WorldModel/Singleton.h"
#include "WorldModel/Types.h"

// Placeholder: runs no motion yet.
class ActionSwitchMechanism : public Singleton<ActionSwitchMechanism>
{
public:
    std::string doAction(ActionType, HeadActionType, Object) { return ""; }
    std::string initState() { return ""; }
    void setWalkOmniPara(WalkOmniPara) {}
    void setIsLeftHold(bool) {}
    void setKickType(KickType) {}
    ActionType getCurAct() const { return UNKNOWN; }
};

#endif
