#ifndef SKILLS_H
#define SKILLS_H

#include <string>

#include "salt/vector.h"
#include "Skills/SkillStates.h"
#include "WorldModel/Singleton.h"
#include "WorldModel/Types.h"

class ActionSwitchMechanism;
class WorldModel;

// Skills turn a goal into one cycle's command: each makes exactly one
// doAction call, sometimes after handing a walk request to the switch. The
// head type and object are passed on unchanged to doAction.
class Skills : public Singleton<Skills>
{
public:
    Skills();

    // Runs the get-up motion for the direction of the fall; defined per program.
    std::string getUp(HeadActionType headType, Object obj);

    // Walk toward an object or a field point (all-NaN: the ball); slow asks
    // for slowing down over the last metre. A turn on the spot runs the
    // key-frame fast turn instead of the walk engine.
    std::string walkOmni(Object target, bool slow, HeadActionType headType, Object obj);
    std::string walkOmni(salt::Vector3f target, bool slow, HeadActionType headType, Object obj);

    // Omnidirectional walks in a fixed direction relative to the body.
    std::string walkOmniForward(double speed, HeadActionType headType, Object obj);
    std::string walkOmniBackward(double speed, HeadActionType headType, Object obj);
    std::string walkOmniLeft(double speed, HeadActionType headType, Object obj);
    std::string walkOmniRight(double speed, HeadActionType headType, Object obj);
    // relTheta in degrees from straight ahead, positive to the left.
    std::string walkOmniIncline(double relTheta, double speed, HeadActionType headType, Object obj);
    std::string walkOmniTurnLeft(HeadActionType headType, Object obj);
    std::string walkOmniTurnRight(HeadActionType headType, Object obj);
    std::string walkOmniWait(HeadActionType headType, Object obj);

    // One motion of the switch each.
    std::string walkForward(HeadActionType headType, Object obj);
    std::string walkBackward(HeadActionType headType, Object obj);
    std::string fastTurnLeft(HeadActionType headType, Object obj);
    std::string fastTurnRight(HeadActionType headType, Object obj);
    std::string slowTurnLeft(HeadActionType headType, Object obj);
    std::string slowTurnRight(HeadActionType headType, Object obj);
    std::string turnLeft(HeadActionType headType, Object obj);
    std::string turnRight(HeadActionType headType, Object obj);
    std::string fastWalkLeft(HeadActionType headType, Object obj);
    std::string fastWalkRight(HeadActionType headType, Object obj);
    std::string slowWalkLeft(HeadActionType headType, Object obj);
    std::string slowWalkRight(HeadActionType headType, Object obj);
    std::string walkLeft(HeadActionType headType, Object obj);
    std::string walkRight(HeadActionType headType, Object obj);
    std::string wait(HeadActionType headType, Object obj);

    // Turns back toward heading 0 (facing the opponent goal), head on the ball.
    std::string keepDir();
    // Turns on the spot until obj lies within +-MaxRelAngBall degrees, head on
    // the ball. An object not seen recently is turned to by the last bearing
    // taken, of whatever object that was.
    std::string turnToObject(Object obj, float MaxRelAngBall);

    // Dribbling: walks behind the ball on the line from targetPos and pushes
    // it there. The other two dribbles and kickBallToPoint are not used.
    std::string fastDribbleToPoint(salt::Vector3f targetPos);
    std::string newFastDribbleToPoint(salt::Vector3f Point);
    std::string straightDribble();
    std::string kickBallToPoint(salt::Vector3f targetPos);

    // Kicking: line up with small omnidirectional steps, then fire the kick.
    // kickBall turns toward the opponent goal centre or target first.
    std::string kickBall();
    std::string kickBall(salt::Vector3f target);
    std::string NoDirkickBall();
    std::string KickOff(salt::Vector3f target);
    // Behind the ball on the target line, face the target, then XNoDirkickBall.
    std::string SideKick(salt::Vector3f target);
    std::string SideKick();
    std::string XNoDirkickBall();
    // Approaches for the angled kicks; nothing uses them.
    std::string KickRightLeft();
    std::string noDirKickBallLeft45();
    std::string noDirKickBallRight45();

    // State of the dribble and of the counted kicks, for tests.
    DribbleState& dribbleState() { return mDribble; }
    CountedKickState& noDirKickState() { return mNoDirKick; }
    CountedKickState& kickOffState() { return mKickOff; }

private:
    struct DribbleView;
    struct CountedKickBands;
    struct AngledKickBands;

    // Walks and turns of the ball skills, head on the ball.
    std::string walkToBall();
    std::string walkTo(salt::Vector3f point);
    std::string act(ActionType type);

    void refreshDribble(salt::Vector3f targetPos);
    DribbleView dribbleView(salt::Vector3f targetPos);
    std::string wideBallMode(const DribbleView& v);
    std::string dribblePhase(const DribbleView& v);
    std::string dribbleLineUp(const DribbleView& v);
    std::string dribblePush(const DribbleView& v);
    void nearestOpponents(salt::Vector3f myPos);

    std::string aimThenKick(double targetRelAngle);
    void refreshCountedKick(CountedKickState& s, float gate);
    std::string countedKick(CountedKickState& s, const CountedKickBands& k);
    std::string countedApproach(CountedKickState& s, const CountedKickBands& k);
    std::string kickingBand(CountedKickState& s, const CountedKickBands& k);
    std::string sideKick(SideKickState& s, salt::Vector3f targetPos, bool slow);
    std::string sideKickAim(SideKickState& s);
    std::string sideAlignStrip(float y);
    std::string angledKick(CountedKickState& s, const AngledKickBands& k);
    std::string angledSideStep(CountedKickState& s, const AngledKickBands& k, float y);

    // The get-up motion for a fall direction; UNKNOWN when none is recognised.
    static ActionType getUpAction(FeltType felt);
    // The get-up for the felt fall direction; with none, a walk to the ball,
    // first reported on standard output when report is set.
    std::string getUpOrWalk(HeadActionType headType, Object obj, bool report);
    std::string walkToward(WalkOmniPara para, HeadActionType headType, Object obj);
    std::string walkOmniFixed(WalkOmniType type, double speed, HeadActionType headType, Object obj);
    std::string walkOmniRequest(WalkOmniPara para, HeadActionType headType, Object obj);

    ActionSwitchMechanism* ACS;
    WorldModel* WM;
    // Last bearing taken by turnToObject, shared by all objects.
    double relAngle = 0.0;

    DribbleState mDribble;
    KickToPointState mKickToPoint;
    StraightDribbleState mStraightDribble;
    NewDribbleState mNewDribble;
    KickBallState mKickBall;
    CountedKickState mNoDirKick;
    CountedKickState mKickOff;
    SideKickState mSideKickTo;
    SideKickState mSideKick;
    SideAlignState mSideAlign;
    CountedKickState mLeft45;
    CountedKickState mRight45;
};

#endif
