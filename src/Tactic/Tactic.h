#ifndef TACTIC_H
#define TACTIC_H

#include <map>
#include <string>
#include <vector>

#include "salt/vector.h"
#include "WorldModel/Singleton.h"
#include "WorldModel/Types.h"

class WorldModel;
class ActionSwitchMechanism;
class Skills;

// Team tactic: orderings of the players by distance, the dynamic role
// assignment, and the waiting and strategic points of the formation.
// The lists are public; the roles refresh them at the start of each cycle.
class Tactic : public Singleton<Tactic>
{
public:
    typedef std::map<Object, salt::Vector3f> TObjectToPosMap;

    Tactic();

    std::vector<Object> oppAllDistToMe;
    std::vector<Object> ourAllDistToMe;
    std::vector<Object> ourAllDistToBall;
    std::vector<Object> ourForwardBehindDistToBall;
    std::vector<Object> ourForwardDistToMe;
    std::vector<Object> ourForwardDistToBall;
    std::vector<Object> oppAllDistToBall;
    std::vector<Object> ourDefensiveDistToBall;
    std::vector<Object> ourAllEquivalentDistToBall;
    std::vector<Object> ourDefensiveEquivalentDistToBall;
    std::vector<Object> ourForwardEquivalentDistToBall;

    // Orderings. Every slot after the last candidate holds OBJECT_MAX, and
    // OBJECT_MAX sorts behind every player.
    void sortOurAllByDistToBall(std::vector<Object>& list);
    void sortOurAllByDistToMe(std::vector<Object>& list);
    // Defined per program.
    void sortOppAllByDistToBall(std::vector<Object>& list);
    void sortOppAllByDistToMe(std::vector<Object>& list);
    void sortOurDefensiveByEquivalentDistToBall(std::vector<Object>& list);
    void sortOurForwardByEquivalentDistBall(std::vector<Object>& list);
    void sortOurDefensiveToBall(std::vector<Object>& list);
    void sortOurForwardByDistToMe(std::vector<Object>& list);
    void sortOurForwardByDistBehindBall(std::vector<Object>& list);
    void sortOurForwardByDistToBall(std::vector<Object>& list);
    void sortOurAllByEquivalentDistToBall(std::vector<Object>& list);

    // The role slot of this player in the current cycle, 1..11.
    RoleType returnMyRoleType();

    // Formation points; a player that gets no point keeps its own position.
    salt::Vector3f GetWaitStrategyPos();
    salt::Vector3f getForwardStrategyPos();
    salt::Vector3f getForwardWaitPos();
    salt::Vector3f getForwardKickOffOtherPos();
    salt::Vector3f getDefensiveHomePos(RoleType roletype, salt::Vector3f BallPos);
    salt::Vector3f getDefensiveStrategyPos(Object dribbleObject);
    salt::Vector3f getDefensiveWaitPos(Object dribbleObject);
    void setOneStraPoint(const std::vector<Object>& list, TObjectToPosMap& points, Object dribbleObject);
    void setTwoStraPoint(const std::vector<Object>& list, TObjectToPosMap& points, Object dribbleObject);
    void setThreeStraPoint(const std::vector<Object>& list, TObjectToPosMap& points, Object dribbleObject);

    // Ball chaser: the forward (or defender) that goes for the ball. Fallen
    // entries of the member list become OBJECT_MAX for the rest of the cycle.
    bool isMeMostCloseToBall();
    bool isMeMostCloseToBallForDefender();
    // o is behind the ball, by less than x, in a trapezoid y to each side at
    // the ball and y + z at x behind it.
    bool isInDribbleBallArea(double x, double y, double z, Object o);
    bool isLastOfTheForward();
    bool isInWalk_OMINI_Zone();
    bool InGoalieDefensiveArea(Object obj);

    // Side-steps around a near, well-seen player; otherwise walks to targetPos.
    std::string avoidObstacle(salt::Vector3f myPos, salt::Vector3f targetPos, Object obj);
    // The same side steps; waits where avoidObstacle would walk.
    std::string avoidObstacleOrWait(Object obj);
    std::string keepDirToTarget(salt::Vector3f targetPos);
    // A forward without the ball: out of the ball's path, around teammates,
    // to its strategic point.
    std::string movingWithoutBall();

private:
    // A position kept from call to call: taken on first use, then refreshed
    // only while its source is trusted.
    struct HeldPos
    {
        bool known = false;
        salt::Vector3f pos;
        const salt::Vector3f& hold(const salt::Vector3f& fresh, bool trusted);
    };

    // Slots 1..9 field players, 10 and 11 the goalies; slot 0 unused.
    typedef Object Assignment[12];

    double seenOrHeardDistToBall(Object o, const salt::Vector3f& ball) const;
    double equivalentDistToBall(Object o, const salt::Vector3f& ball) const;
    double distToPoint(Object o, const salt::Vector3f& p) const;
    bool isFresh(Object o, double minConfidence) const;
    bool isPositionAsFreshAsHeard(Object o) const;

    template <class Accept, class Key>
    void sortCandidates(std::vector<Object>& list, Object first, Object last, bool packed, Accept accept, Key key);
    // The match ordering of the opponents: well-seen ones by distance to the ball.
    void sortSeenOppByDistToBall(std::vector<Object>& list);
    // The shoot-out ordering: every opponent, seen or not, by distance to the ball.
    void sortEveryOppByDistToBall(std::vector<Object>& list);
    void replaceEmptyFirstByMe(std::vector<Object>& list) const;

    void rankByEquivalentDistToBall(Assignment sort) const;
    void usingByDynamicRoleAssignment1(Assignment sort) const;
    void usingByDynamicRoleAssignment2(Assignment sort) const;
    void chosenAssignment(Assignment sort) const;
    void equivalentListOfSlots(std::vector<Object>& list, int firstSlot, int lastSlot) const;

    salt::Vector3f assignPoints(const Object* group, int groupSize, const salt::Vector3f* points, int pointCount,
                                double startValue) const;
    salt::Vector3f assignToForwards(int firstEntry, const salt::Vector3f* points, int pointCount,
                                    double startValue) const;

    // The side step around obj, empty when none applies.
    std::string sideStepAround(Object obj);

    bool isChaser(const std::vector<Object>& nearest, std::vector<Object>& members);
    const salt::Vector3f& posOf(Object o) const;

    // Side step chosen last by avoidObstacle, kept while it is called at
    // least every other cycle.
    struct AvoidState
    {
        bool started = false;
        int oldCycle = 0;
        bool left = false;
        bool right = false;
    };
    struct MovingState
    {
        bool started = false;
        salt::Vector3f oldStrategyPos;
        salt::Vector3f ourPersonClosedToMePos;
        bool atStrategyPosFlag = false;
        bool avoidFreePlayerFlag = false;
        bool flagTempStrategyPosLeft = false;
        bool flagTempStrategyPosRight = false;
    };

    WorldModel* WM;
    ActionSwitchMechanism* ACS;
    Skills* SKS;

    HeldPos mDefensiveToBallBall;
    HeldPos mStrategyBall;
    HeldPos mWaitBall;
    HeldPos mDefensiveWaitBall;
    salt::Vector3f mDefensiveWaitBump{0.0f, 0.0f, 0.0f};
    AvoidState mAvoid;
    MovingState mMoving;
};

#endif
