#ifndef GOALIEGUARD_H
#define GOALIEGUARD_H

#include <limits>
#include <optional>
#include <string>

#include "salt/vector.h"
#include "WorldModel/Types.h"

class ActionSwitchMechanism;
class Position;
class Skills;
class Tactic;
class WorldModel;

// What one open-play goalie keeps from cycle to cycle; each handler that
// plays open-play logic owns one.
struct GoalieGuardState
{
    bool started = false;
    salt::Vector3f ballPos;
    salt::Vector3f oldBallPos;
    // Entry 9 the newest.
    salt::Vector3f lastSixballPos[10];
    bool flagNearToMe = false;
    bool flagFallDown = false;
    int countFallDown = 0;
    bool flagJudge = false;
    int count1 = 0;
    bool flagStemBall = false;
    Object StemBallObject = TEAMMATE_2;
    bool avoidFlag = false;
    bool flagTurn = false;
};

// How the blocker clears the ball.
enum class GoalieClear
{
    AWAY_FROM_OPPONENT,  // ball in front, or off to a side with no opponent at it; kicked out to its side
    PASS_FORWARD,        // ball in front, or off to a side at the goalie's feet; passed to the fullest band
    SIDE_KICK_AT_GOAL,   // ball in front, or off to a side with no teammate at it; side-kicked at the goal centre
    KICK_AT_GOAL         // ball in front, or off to a side with no opponent at it; kicked at the goal centre
};

// What a blocker does when the ball fits none of its cases.
enum class GoalieNoCase
{
    CHASE_OR_DRIBBLE,  // walk to a ball ahead, dribble a ball behind
    WAIT,
    GO_ON,             // on to the going-home step
    STEP_BETWEEN       // walk to a ball ahead, else step sideways or back onto the ball's line
};

// The open-play goalie's tunable points. The defaults are the match goalie's.
struct GoalieGuardOptions
{
    // Dive zone: ball x below diveBallX, own x in (diveMyMinX, diveMyMaxX),
    // |own y| below diveMyAbsY; the ball's field y beyond diveSideY picks a
    // hand dive while |heading| is below diveHeading.
    double diveBallX = static_cast<double>(-10.5f);
    double diveMyMinX = -FieldLength / 2;
    double diveMyMaxX = -FieldLength / 2 + 2.5;
    double diveMyAbsY = static_cast<double>(3.5f);
    double diveSideY = static_cast<double>(0.3f);
    double diveHeading = 30.0;
    // A body-relative ball bearing beyond this (or below its negative) also
    // picks the left (right) hand dive.
    double diveBehindBearing = std::numeric_limits<double>::infinity();
    // Ball travel over the last nine cycles that starts a dive.
    double diveMinTravel = 0.6;
    double diveMaxTravel = 4.0;
    // Whether the period after a dive's recovery blocks new dives.
    bool noDivePeriodBlocks = true;

    // Own x beyond outOfPlaceX or |own y| beyond outOfPlaceAbsY: the goalie
    // walks home before any blocking.
    double outOfPlaceX = std::numeric_limits<double>::infinity();
    double outOfPlaceAbsY = std::numeric_limits<double>::infinity();
    // The one goalie that always blocks; OBJECT_MAX: chosen each cycle.
    Object fixedBlocker = OBJECT_MAX;

    // Blocking starts with the ball inside this box.
    double blockBallX = -FieldLength / 2 + 3.7;
    double blockBallAbsY = static_cast<double>(3.7f);
    // Give-up limits: for a blocker that is the side's nearest player, and otherwise.
    double giveUpNearestX = -FieldLength / 2 + 4.0;
    double giveUpNearestAbsY = 4.0;
    double giveUpX = -FieldLength / 2 + 3.0;
    double giveUpAbsY = 3.0;
    // Goal-line case of the blocker.
    double goalLineX = -FieldLength / 2 + 1.0;
    double goalLineAbsY = 1.5;
    // A ball this far behind the goalie, straight behind it, is stepped around.
    double goalLineBehind = 0.3;

    // The blocker walks to a ball ahead of it before its other cases.
    bool chaseBallAhead = false;
    // The blocker dribbles out a ball behind it near the goal.
    bool dribbleBallBehind = true;
    // Clearing: a ball in front (x in (clearMinX, clearMaxX)), or off to a
    // side (|y| in (clearSideMinAbsY, clearSideMaxAbsY)) and free by clearFreeDist.
    double clearMinX = -FieldLength / 2 + 3.0;
    double clearMaxX = 4.0;
    double clearSideMinAbsY = 3.0;
    double clearSideMaxAbsY = 4.0;
    double clearFreeDist = static_cast<double>(1.3f);
    GoalieClear clear = GoalieClear::AWAY_FROM_OPPONENT;
    GoalieNoCase noCase = GoalieNoCase::CHASE_OR_DRIBBLE;
    // The non-blocker next to the blocker goes for the opponent nearest a
    // ball that opponent is nearer to.
    bool pressNearestOpponent = false;

    // Home point; unset: the formation's home position.
    std::optional<salt::Vector3f> homePoint;
    // Home counts as reached within homeReached; turns beyond homeTurn degrees.
    double homeReached = 0.2;
    double homeTurn = 15.0;
    // Going home needs a ball no more than homeBehindGoal behind the goal
    // line, or off its axis by more than homeAbsY.
    double homeBehindGoal = 3.7;
    double homeAbsY = static_cast<double>(3.7f);

    // Writes the shoot-out goalie's lines on standard output.
    bool debugLines = false;

    // At free kicks: the blocker goes for a ball ahead, passes forward and
    // waits when nothing else fits; the other goalie presses the opponent at the ball.
    static GoalieGuardOptions freeKick();
    // The shoot-out goalie's open play: goalie 1 blocks in a small box in
    // front of a fixed home, dives from a narrower area whenever the ball comes.
    static GoalieGuardOptions shootout();
};

// The goalie's open-play engine: dives at a ball coming at the goal, agrees
// with the other goalie which of them blocks, clears or dribbles the ball out
// as the blocker, waits aside otherwise, and walks home when the ball is away.
class GoalieGuard
{
public:
    GoalieGuard();

    // One cycle on s under o; the command text.
    std::string play(GoalieGuardState& s, const GoalieGuardOptions& o);

    // The pass target of a clearing pass: toward the band of the field that
    // holds most teammates well ahead; (15, 0, 0) when none is.
    salt::Vector3f passTarget() const;

    // The goalie that blocks the ball at ball: the one goalie ever seen
    // when only one is, else by the goalies' places.
    Object chooseBlocker(const salt::Vector3f& ball) const;

    // The command sent while lying after a dive: every joint stopped.
    static const std::string& lyingStill();

private:
    struct View;

    void bookkeep(GoalieGuardState& s, const GoalieGuardOptions& o) const;
    bool diveDue(const GoalieGuardState& s, const GoalieGuardOptions& o, const View& v) const;
    std::string dive(GoalieGuardState& s, const GoalieGuardOptions& o, const View& v);
    // Empty when the blocker goes on to the going-home step.
    std::optional<std::string> block(GoalieGuardState& s, const GoalieGuardOptions& o, const View& v);
    std::optional<std::string> blocker(const GoalieGuardOptions& o, const View& v);
    std::string goalLine(const GoalieGuardOptions& o, const View& v);
    std::string stepBetween(const View& v);
    bool clearDue(const GoalieGuardOptions& o, const View& v) const;
    std::string clearBall(const GoalieGuardOptions& o, const View& v);
    std::string nonBlocker(GoalieGuardState& s, const GoalieGuardOptions& o, const View& v);
    std::string sideWait(const View& v);
    bool opponentNearerToBall(const View& v) const;
    std::string goHome(const GoalieGuardOptions& o, const View& v);

    std::string walkTo(const salt::Vector3f& p);
    std::string walkToBall();
    std::string dribbleOut();
    std::string act(ActionType a);
    salt::Vector3f posOf(Object o) const;
    static void note(const GoalieGuardOptions& o, const char* line);

    WorldModel* WM;
    ActionSwitchMechanism* ACS;
    Skills* SKS;
    Tactic* TAC;
    Position* POS;
};

#endif
