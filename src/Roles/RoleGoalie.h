#ifndef ROLEGOALIE_H
#define ROLEGOALIE_H

#include <functional>

#include "Roles/GoalieGuard.h"
#include "Roles/Role.h"
#include "WorldModel/Singleton.h"

// The goalie of both goalie slots: guards the goal in open play, positions
// itself at the other side's kick-ins, kicks out our goal kicks and waits
// otherwise. PlayOn, the goal-kick and the free-kick handlers are defined per
// program, over the shared open-play engine.
class RoleGoalie : public Role, public Singleton<RoleGoalie>
{
    friend class Singleton<RoleGoalie>;
    friend class Role;

public:
    std::string execute(RoleType rt) override;

private:
    RoleGoalie() = default;

    // What a kick-in handler keeps from cycle to cycle.
    struct KickInState
    {
        bool started = false;
        salt::Vector3f ballPos;
        salt::Vector3f lastSixballPos[10];
        bool flagFallDown = false;
        bool flagWalkToBall = false;
        bool flagFastDribble = false;
        bool flagWalkToHomPos = false;
        bool flagTurn = false;
        bool flagWalkLeft = false;
        bool flagWalkRight = false;
        int countFallDown = 0;
        // World cycle of the last run.
        int lastCycle = 0;
    };
    // What a goal-kick handler keeps from cycle to cycle.
    struct GoalKickState
    {
        int count = 0;
        bool flagFastKicker = false;
        bool flagwait = false;
        bool avoidFlag = false;
        Object KickBallObject = TEAMMATE_1;
    };

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
    std::string walkTo(const salt::Vector3f& p);

    // The other side's kick-in (ours: our side's); tolerance of the lateral place.
    std::string kickIn(TeamSide ours, double tolerance, KickInState& s);
    void kickInBookkeeping(KickInState& s);
    std::string kickInPlace(KickInState& s, double tolerance);
    std::string cornerKick();
    // Our goal kick (ours: our side) taken by the goalie nearer the ball with
    // kick; the other side's goal kick plays PlayOn.
    std::string goalKick(TeamSide ours, GoalKickState& s, const std::function<std::string()>& kick);

    GoalieGuard mGuard;
    GoalieGuardState mPlayOn;
    GoalieGuardState mFreeKickLeft;
    GoalieGuardState mFreeKickRight;
    KickInState mKickInLeft;
    KickInState mKickInRight;
    GoalKickState mGoalKickLeft;
    GoalKickState mGoalKickRight;
};

#endif
