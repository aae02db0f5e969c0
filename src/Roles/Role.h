#ifndef ROLE_H
#define ROLE_H

#include <string>

#include "WorldModel/Types.h"

// Placeholder: only the entry point of a role; the play-mode handlers are
// still to come.
class Role
{
public:
    virtual ~Role() = default;
    // One cycle's command for a player in role slot rt.
    virtual std::string execute(RoleType rt) = 0;
};

#endif
