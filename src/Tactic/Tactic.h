#ifndef TACTIC_H
#define TACTIC_H

#include "WorldModel/Singleton.h"
#include "WorldModel/Types.h"

// Placeholder: assigns no roles yet; every player is the first goalie.
class Tactic : public Singleton<Tactic>
{
public:
    RoleType returnMyRoleType() { return RT_GOLIAR1; }
};

#endif
