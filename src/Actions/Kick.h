#ifndef KICK_H
#define KICK_H

#include "Actions/Action.h"
#include "WorldModel/Singleton.h"

// Placeholder: kicks nothing yet.
class Kick : public Action, public Singleton<Kick>
{
public:
    std::string execute(const std::string&) override { return ""; }
    void setIsLeftHold(bool) {}
    void setKickType(KickType) {}
};

#endif
