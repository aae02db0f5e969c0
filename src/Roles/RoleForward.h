#ifndef ROLEFORWARD_H
#define ROLEFORWARD_H

#include "Roles/FieldRole.h"
#include "WorldModel/Singleton.h"

// The five forward slots: the ball chaser shoots, dribbles or walks to the
// ball, the others move off the ball; at set pieces the nearest player takes
// our kicks and the others face the ball or take waiting points.
class RoleForward : public FieldRole<RoleForward>, public Singleton<RoleForward>
{
    friend class Singleton<RoleForward>;

public:
    std::string KickOff_Left() override;
    std::string KickOff_Right() override;
    // Defined per program.
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

    // Open play; a shot is started only while the own x lies in (9.0, maxShotX).
    std::string playOnWithShotWindow(double maxShotX);

private:
    RoleForward() = default;

    // PlayOn's own copies, with thresholds of their own.
    struct PlayOnState
    {
        bool started = false;
        salt::Vector3f Goal{15.0f, 0.0f, 0.0f};
        salt::Vector3f ToBumpPos{0.0f, 0.0f, 0.0f};
        salt::Vector3f MyPos;
        salt::Vector3f BallPos;
        bool GoalKickFlag = false;
    };
    // One per kick-in handler.
    struct KickInState
    {
        bool started = false;
        salt::Vector3f BallPos;
        salt::Vector3f stragePos;
        salt::Vector3f oldStragePos;
    };

    // Refreshes PlayOn's copies of the own and the ball position; the ground
    // distance between them.
    float refreshPlayOn();
    std::string attack(double maxShotX, float MyDisToBall, float OppDisToMe, float OppDisToBall);
    std::string defend(float MyDisToBall);
    std::string kickOff(TeamSide ours);
    std::string kickIn(TeamSide ours, KickInState& s);
    std::string cornerKick(TeamSide ours);
    std::string goalKick(TeamSide ours);

    PlayOnState mPlayOn;
    KickInState mKickInLeft;
    KickInState mKickInRight;
};

#endif
