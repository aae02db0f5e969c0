#ifndef ROLEGOALIE_H
#define ROLEGOALIE_H

#include "Roles/Role.h"
#include "WorldModel/Singleton.h"

// Placeholder: answers nothing yet.
class RoleGoalie : public Role, public Singleton<RoleGoalie>
{
public:
    std::string execute(RoleType) override { return ""; }
};

#endif
