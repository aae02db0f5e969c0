#include "Roles/Role.h"

#include <iostream>

#include "Actions/ActionSwitchMechanism.h"
#include "Skills/Skills.h"
#include "Tactic/Tactic.h"
#include "WorldModel/Position.h"
#include "WorldModel/WorldModel.h"

Role::Role()
{
    // Created in this order: a singleton made here may reach those before it.
    WM = WorldModel::instance();
    ACS = ActionSwitchMechanism::instance();
    SKS = Skills::instance();
    TAC = Tactic::instance();
    POS = Position::instance();
}

RoleType Role::getMyRoleType()
{
    return roletype;
}

std::string Role::roleError()
{
    std::cout << "Role Error" << std::endl;
    return std::string();
}
