#ifndef ROLEDEFENDER_H
#define ROLEDEFENDER_H

#include "Roles/FieldRole.h"
#include "WorldModel/Singleton.h"

// The four defender slots: hold the home line while the ball is up field,
// clear it when this defender is the one to go for it, else take a waiting
// point; at set pieces side-kick, wait or take strategic points.
class RoleDefender : public FieldRole<RoleDefender>, public Singleton<RoleDefender>
{
    friend class Singleton<RoleDefender>;

public:
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

private:
    RoleDefender() = default;

    struct BeforeKickOffState
    {
        bool started = false;
        int LastCyc = 0;
    };
    struct PlayOnState
    {
        bool started = false;
        Object oldObjClosedToMe = OBJECT_MAX;
        salt::Vector3f oldObjClosedPos;
        salt::Vector3f goal{15.0f, 0.0f, 0.0f};
        bool GoalKickFlag = false;
    };

    std::string holdHomeLine();
    std::string chaseBall(float oppDistCloseToBall);
    std::string clearGoalMouth();
    std::string waitForTeammate();
    void updateKickLatch();
    std::string kickIn(TeamSide side, const salt::Vector3f& b, float behindBall);
    std::string cornerKick(TeamSide side);
    std::string goalKick(TeamSide side);
    // The seen distance of o; one never measured counts as far.
    double seenDistance(Object o) const;

    BeforeKickOffState mBeforeKickOff;
    PlayOnState mPlayOn;
};

#endif
