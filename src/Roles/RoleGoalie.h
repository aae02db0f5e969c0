#ifndef ROLEGOALIE_H
#define ROLEGOALIE_H

#include "Roles/Role.h"
#include "WorldModel/Singleton.h"

// The goalie of both goalie slots. Every handler waits in place watching the
// ball until the goalie's own play arrives; PlayOn, the goal-kick and the
// free-kick handlers are defined per program.
class RoleGoalie : public Role, public Singleton<RoleGoalie>
{
    friend class Singleton<RoleGoalie>;
    friend class Role;

public:
    std::string execute(RoleType rt) override;

private:
    RoleGoalie() = default;

    std::string KickOff_Left() override;
    std::string KickOff_Right() override;
    std::string PlayOn() override;
    std::string KickIn_Left() override;
    std::string KickIn_Right() override;
    std::string Corner_Kick_Left() override;
    std::string Corner_Kick_Right() override;
    std::string Goal_Kick_Left() override;
    std::string Goal_Kick_Right() override;

    std::string BeforeKickOff();
    std::string Free_Kick_Left();
    std::string Free_Kick_Right();
    std::string Goal_Left();
    std::string Goal_Right();
    std::string Offside_Left();
    std::string Offside_Right();
    std::string Game_Over();

    // Stand still and watch the ball.
    std::string waitForBall();
};

#endif
