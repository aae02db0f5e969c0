#ifndef ACTIONSWITCHMECHANISM_H
#define ACTIONSWITCHMECHANISM_H

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "WorldModel/Singleton.h"
#include "WorldModel/Types.h"

class Action;

// The one way to move the robot: once per cycle doAction chooses the motion
// that runs, calls it with its phase word and appends the head commands and
// the team message. A running motion is never cut off while it gives text;
// a request is served only in a cycle in which the running motion, asked
// with the empty word, gives nothing (requests are not stored).
class ActionSwitchMechanism : public Singleton<ActionSwitchMechanism>
{
public:
    // The motion of each action type; nullptr where there is none.
    typedef std::array<Action*, ACTION_MAX> MotionTable;

    // Creates every motion (reading their files under ./Acts/), in table order.
    ActionSwitchMechanism();
    // Runs the given motions (not owned) instead of creating its own.
    explicit ActionSwitchMechanism(const MotionTable& motions);
    ~ActionSwitchMechanism();

    // The whole command text of one cycle. An action type without a motion
    // runs nothing, is reported on standard error and leaves the running
    // motion as it is; the head commands and the team message still follow.
    std::string doAction(ActionType ActType, HeadActionType HeadType, Object obj);
    // Joint commands toward the all-zero posture sent with the beam; the
    // next doAction starts its motion afresh.
    std::string initState();

    void setWalkOmniPara(WalkOmniPara walkPara);
    void setIsLeftHold(bool isLeftHold);
    void setKickType(KickType kickType);
    ActionType getCurAct() const { return curAct; }
    bool hasMotion(ActionType type) const { return motionOf(type) != nullptr; }

    std::string moveJoint(JointID jid, double vel) const;
    std::string moveJointTo(JointID jid, double expectedAngle, double maxDeltaAngle, Kpid pid) const;

private:
    // Turns and walks (codes 11..33) are started with "start" and wound down with "end".
    static bool isGait(ActionType type) { return type >= TURN_L && type <= WALK_SIDE_SHORT_R; }

    void setupConcreteActMap();
    void enterFallAndStandMotions();
    void enterGaits();
    void enterKicks();
    template <class T>
    void enter(ActionType type);

    Action* motionOf(ActionType type) const;
    std::string call(ActionType type, const char* word) const;
    std::string startFirst(ActionType ActType);
    std::string serve(ActionType ActType);

    ActionType curAct = UNKNOWN;
    std::string phase = "start";
    MotionTable concreteAct{};
    std::vector<std::unique_ptr<Action>> mOwned;
    // WALK_OMNI and KICK are the walk and kick singletons.
    bool mUsesSingletons = false;
};

#endif
