#ifndef ROLEDEFENDER_H
#define ROLEDEFENDER_H

#include "Roles/Role.h"
#include "WorldModel/Singleton.h"

// Placeholder: answers nothing yet.
class RoleDefender : public Role, public Singleton<RoleDefender>
{
public:
    std::string execute(RoleType) override { return ""; }
};

#endif
