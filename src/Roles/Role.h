#ifndef ROLE_H
#define ROLE_H

#include <string>

#include "WorldModel/Types.h"

class ActionSwitchMechanism;
class Position;
class Skills;
class Tactic;
class WorldModel;

// A player role: one handler per play mode, chosen by execute. The pointers
// are borrowed from singletons that outlive every role.
class Role
{
public:
    Role();
    virtual ~Role() = default;

    virtual std::string execute(RoleType roletype) = 0;
    virtual std::string KickOff_Left() = 0;
    virtual std::string KickOff_Right() = 0;
    virtual std::string PlayOn() = 0;
    virtual std::string KickIn_Left() = 0;
    virtual std::string KickIn_Right() = 0;
    virtual std::string Corner_Kick_Left() = 0;
    virtual std::string Corner_Kick_Right() = 0;
    virtual std::string Goal_Kick_Left() = 0;
    virtual std::string Goal_Kick_Right() = 0;
    virtual RoleType getMyRoleType();

    // The answer to a play mode no handler serves: an error line, no command.
    static std::string roleError();

protected:
    // Calls the handler named after the play mode; r supplies every handler.
    template <class R>
    static std::string dispatch(R& r, PlayMode pm);

    WorldModel* WM;
    ActionSwitchMechanism* ACS;
    Skills* SKS;
    Position* POS;
    Tactic* TAC;
    RoleType roletype = RT_NONE;
    std::string info;
    std::string sayinfo;
};

template <class R>
std::string Role::dispatch(R& r, PlayMode pm)
{
    switch (pm)
    {
    case PM_BeforeKickOff: return r.BeforeKickOff();
    case PM_KickOff_Left: return r.KickOff_Left();
    case PM_KickOff_Right: return r.KickOff_Right();
    case PM_PlayOn: return r.PlayOn();
    case PM_FreeKick_Left: return r.Free_Kick_Left();
    case PM_FreeKick_Right: return r.Free_Kick_Right();
    case PM_Goal_Left: return r.Goal_Left();
    case PM_Goal_Right: return r.Goal_Right();
    case PM_KickIn_Left: return r.KickIn_Left();
    case PM_KickIn_Right: return r.KickIn_Right();
    case PM_Goal_Kick_Left: return r.Goal_Kick_Left();
    case PM_Goal_Kick_Right: return r.Goal_Kick_Right();
    case PM_Corner_Kick_Right: return r.Corner_Kick_Right();
    case PM_Corner_Kick_Left: return r.Corner_Kick_Left();
    case PM_Offside_Left: return r.Offside_Left();
    case PM_Offside_Right: return r.Offside_Right();
    case PM_GameOver: return r.Game_Over();
    default: return roleError();
    }
}

#endif
