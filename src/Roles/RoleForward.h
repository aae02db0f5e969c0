#ifndef ROLEFORWARD_H
#define ROLEFORWARD_H

#include "Roles/Role.h"
#include "WorldModel/Singleton.h"

// Placeholder: answers nothing yet.
class RoleForward : public Role, public Singleton<RoleForward>
{
public:
    std::string execute(RoleType) override { return ""; }
};

#endif
