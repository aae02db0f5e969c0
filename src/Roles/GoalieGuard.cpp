#include "Roles/GoalieGuard.h"

#include <cmath>
#include <iostream>
#include <limits>

#include "Actions/ActionSwitchMechanism.h"
#include "Math/MyMath.h"
#include "Skills/Skills.h"
#include "Tactic/Tactic.h"
#include "WorldModel/Position.h"
#include "WorldModel/WorldModel.h"

namespace {
// The ball copy is refreshed at this global confidence (single precision).
constexpr double kBallTrusted = static_cast<double>(9.9f);
// Gain or loss toward the goal that sets or clears the approach flag.
constexpr double kApproachBand = 0.25;
// Cycles of the after-dive period and of the no-dive period after it.
constexpr int kAfterDiveCycles = 30;
constexpr int kNoDiveCycles = 200;
// Non-blocker: steps around a blocker nearer than kAvoidIn until it is
// farther than kAvoidOut.
constexpr double kAvoidIn = 0.25;
constexpr double kAvoidOut = 0.45;
constexpr double kOpponentAtBall = static_cast<double>(1.3f);
constexpr double kNearGoalAbsY = static_cast<double>(3.2f);
constexpr double kSideStepSpeed = 0.5;
// Stepping between ball and goal: lateral band of the side steps (single
// precision) and the speed of the steps back or forward.
constexpr float kBetweenBand = 0.2f;
constexpr double kBetweenStepSpeed = 0.3;

const salt::Vector3f kGoal(-FieldLength / 2, 0.0f, 0.0f);
const salt::Vector3f kWaitPoint(-FieldLength / 2 + 0.6, 0.0f, 0.0f);

double flat(const salt::Vector3f& a, const salt::Vector3f& b)
{
    return calculateDist(a, b, true);
}

Object firstOf(const std::vector<Object>& list)
{
    return list.empty() ? OBJECT_MAX : list.front();
}

const std::string kLyingStill =
    "(lle1 0.000000)(rle1 0.000000)(lle2 0.000000)(rle2 0.000000)(lle3 0.000000)(rle3 0.000000)"
    "(lle4 0.000000)(rle4 0.000000)(lle5 0.000000)(rle5 0.000000)(lle6 0.000000)(rle6 0.000000)"
    "(lae1 0)(rae1 0)(lae2  0)(rae2  0)(lae3  0)(rae3  0)(lae4 0.000000)(rae4 0.000000)"
    "(he2 0.000000)(he1  0)";
} // namespace

GoalieGuardOptions GoalieGuardOptions::freeKick()
{
    GoalieGuardOptions f;
    f.chaseBallAhead = true;
    f.clear = GoalieClear::PASS_FORWARD;
    f.noCase = GoalieNoCase::WAIT;
    f.pressNearestOpponent = true;
    return f;
}

GoalieGuardOptions GoalieGuardOptions::shootout()
{
    GoalieGuardOptions f;
    f.diveBallX = std::numeric_limits<double>::infinity();
    f.diveMyMaxX = -FieldLength / 2 + 2.0;
    f.diveMyAbsY = static_cast<double>(3.0f);
    f.diveBehindBearing = 165.0;
    f.noDivePeriodBlocks = false;
    f.outOfPlaceX = -FieldLength / 2 + 1.7;
    f.outOfPlaceAbsY = 2.7;
    f.fixedBlocker = TEAMMATE_1;
    f.blockBallX = -FieldLength / 2 + 2.0;
    f.blockBallAbsY = static_cast<double>(3.0f);
    f.dribbleBallBehind = false;
    f.clearMinX = -FieldLength / 2 + 1.0;
    f.clearMaxX = 2.0;
    f.clearSideMinAbsY = 1.5;
    f.clearSideMaxAbsY = static_cast<double>(3.0f);
    f.clearFreeDist = 1.5;
    f.homePoint = salt::Vector3f(-FieldLength / 2 + 0.5, 0.0f, 0.0f);
    f.homeBehindGoal = 3.0;
    f.homeAbsY = static_cast<double>(3.0f);
    return f;
}

// What a cycle reads once.
struct GoalieGuard::View
{
    salt::Vector3f myPos;
    salt::Vector3f ballPos;
    double heading;
    Object me;
};

GoalieGuard::GoalieGuard()
{
    WM = WorldModel::instance();
    ACS = ActionSwitchMechanism::instance();
    SKS = Skills::instance();
    TAC = Tactic::instance();
    POS = Position::instance();
}

const std::string& GoalieGuard::lyingStill()
{
    return kLyingStill;
}

std::string GoalieGuard::play(GoalieGuardState& s, const GoalieGuardOptions& o)
{
    bookkeep(s, o);
    const View v{WM->getMyPos(), s.ballPos, WM->getMyAngle(), WM->getMyObject()};
    if (WM->getIsObjectFallDown(v.me))
    {
        if (s.flagFallDown)
        {
            note(o, "扑球等待");
            return kLyingStill;
        }
        note(o, "我要起身了！！！！！");
        return SKS->getUp(HEAD_FOCUS_ON_OBJECT, BALL);
    }
    if (diveDue(s, o, v)) return dive(s, o, v);
    if (v.myPos.x() > o.outOfPlaceX || std::fabs(v.myPos.y()) > o.outOfPlaceAbsY) return goHome(o, v);
    if ((v.ballPos.x() < o.blockBallX && std::fabs(v.ballPos.y()) < o.blockBallAbsY && !s.flagFallDown) ||
        s.flagStemBall)
    {
        std::optional<std::string> step = block(s, o, v);
        if (step) return *step;
    }
    if (v.ballPos.x() > -FieldLength / 2 - o.homeBehindGoal || std::fabs(v.ballPos.y()) > o.homeAbsY)
        return goHome(o, v);
    // A stored ball far behind the goal line: only a mislocalised one.
    return act(WAIT);
}

void GoalieGuard::bookkeep(GoalieGuardState& s, const GoalieGuardOptions& o) const
{
    if (!s.started)
    {
        s.started = true;
        s.ballPos = s.oldBallPos = WM->getBallPos();
        if (o.fixedBlocker != OBJECT_MAX) s.StemBallObject = o.fixedBlocker;
    }
    if (WM->getGlobalConfidence(BALL) >= kBallTrusted) s.ballPos = WM->getBallPos();

    if (flat(kGoal, s.oldBallPos) > flat(kGoal, s.ballPos) + kApproachBand)
    {
        s.flagNearToMe = true;
        note(o, "Near_true");
        s.oldBallPos = s.ballPos;
    }
    if (flat(kGoal, s.ballPos) - kApproachBand > flat(kGoal, s.oldBallPos))
    {
        note(o, "Near_false");
        s.flagNearToMe = false;
        s.oldBallPos = s.ballPos;
    }

    for (int i = 0; i < 9; ++i) s.lastSixballPos[i] = s.lastSixballPos[i + 1];
    s.lastSixballPos[9] = s.ballPos;

    if (s.flagFallDown)
    {
        note(o, "treueuue");
        if (s.countFallDown > kAfterDiveCycles)
        {
            s.countFallDown = 0;
            s.flagFallDown = false;
            s.flagJudge = true;
            s.count1 = 0;
        }
        else
            ++s.countFallDown;
    }
    if (s.flagJudge)
    {
        if (s.count1 > kNoDiveCycles) s.flagJudge = false;
        ++s.count1;
    }
}

bool GoalieGuard::diveDue(const GoalieGuardState& s, const GoalieGuardOptions& o, const View& v) const
{
    if (s.flagJudge && o.noDivePeriodBlocks) return false;
    const double travel = flat(s.lastSixballPos[0], v.ballPos);
    return travel > o.diveMinTravel && travel < o.diveMaxTravel && v.ballPos.x() < o.diveBallX &&
           v.myPos.x() > o.diveMyMinX && std::fabs(v.myPos.y()) < o.diveMyAbsY && v.myPos.x() < o.diveMyMaxX &&
           s.flagNearToMe;
}

std::string GoalieGuard::dive(GoalieGuardState& s, const GoalieGuardOptions& o, const View& v)
{
    s.flagFallDown = true;
    s.flagStemBall = false;
    note(o, "我要扑球-------------");
    const bool facing = std::fabs(v.heading) < o.diveHeading;
    const double bearing = WM->getBodyRelAngle(BALL);
    if ((v.ballPos.y() > o.diveSideY && facing) || bearing > o.diveBehindBearing) return act(DIVE_HAND_L);
    if ((v.ballPos.y() < -o.diveSideY && facing) || bearing < -o.diveBehindBearing) return act(DIVE_HAND_R);
    return act(DIVE_LEG_R);
}

Object GoalieGuard::chooseBlocker(const salt::Vector3f& b) const
{
    const VisionSense& v1 = WM->objectVision(TEAMMATE_1);
    const VisionSense& v2 = WM->objectVision(TEAMMATE_2);
    // A goalie never seen nor heard cannot block.
    const bool known1 = v1.timeLastLocalized != -1000;
    const bool known2 = v2.timeLastLocalized != -1000;
    if (known1 != known2) return known1 ? TEAMMATE_1 : TEAMMATE_2;

    const salt::Vector3f& g1 = v1.globalPos;
    const salt::Vector3f& g2 = v2.globalPos;
    const Object nearer = flat(g2, b) < flat(g1, b) ? TEAMMATE_2 : TEAMMATE_1;
    if ((b.x() > g1.x() && b.x() > g2.x()) || (b.x() < g1.x() && b.x() < g2.x())) return nearer;
    if (std::fabs(g1.x() - g2.x()) < 1.0 && flat(g1, g2) > 1.5) return nearer;
    if ((g1.x() - b.x()) * (g2.x() - b.x()) < 0) return g1.x() > b.x() ? TEAMMATE_2 : TEAMMATE_1;
    return TEAMMATE_2;
}

std::optional<std::string> GoalieGuard::block(GoalieGuardState& s, const GoalieGuardOptions& o, const View& v)
{
    note(o, "阻球条件成立");
    s.flagStemBall = true;
    s.StemBallObject = o.fixedBlocker != OBJECT_MAX ? o.fixedBlocker : chooseBlocker(v.ballPos);

    const bool nearest = firstOf(TAC->ourAllDistToBall) == s.StemBallObject;
    const double limitX = nearest ? o.giveUpNearestX : o.giveUpX;
    const double limitY = nearest ? o.giveUpNearestAbsY : o.giveUpAbsY;
    if (v.ballPos.x() > limitX || std::fabs(v.ballPos.y()) > limitY)
    {
        s.flagStemBall = false;
        return walkTo(o.homePoint ? *o.homePoint : POS->getHomePos());
    }
    if (v.me == s.StemBallObject) return blocker(o, v);
    return nonBlocker(s, o, v);
}

std::optional<std::string> GoalieGuard::blocker(const GoalieGuardOptions& o, const View& v)
{
    if (o.debugLines) std::cout << "我是阻球人-------->" << v.me << std::endl;
    const salt::Vector3f& b = v.ballPos;
    if (b.x() < o.goalLineX && std::fabs(b.y()) < o.goalLineAbsY) return goalLine(o, v);
    if (o.chaseBallAhead && b.x() > v.myPos.x())
    {
        note(o, "球在我前方 ");
        return walkToBall();
    }
    if (o.dribbleBallBehind && v.myPos.x() > b.x() && b.x() < -FieldLength / 2 + 3.0 &&
        std::fabs(b.y()) < kNearGoalAbsY)
        return dribbleOut();
    if (clearDue(o, v)) return clearBall(o, v);
    switch (o.noCase)
    {
    case GoalieNoCase::WAIT: return act(WAIT);
    case GoalieNoCase::GO_ON: return std::nullopt;
    case GoalieNoCase::STEP_BETWEEN: return stepBetween(v);
    case GoalieNoCase::CHASE_OR_DRIBBLE: break;
    }
    return b.x() > v.myPos.x() ? walkToBall() : dribbleOut();
}

std::string GoalieGuard::goalLine(const GoalieGuardOptions& o, const View& v)
{
    const salt::Vector3f r = WM->getBodyRelPos(BALL);
    if (r.y() > -0.25 && r.y() < 0.25 && v.ballPos.x() < v.myPos.x() - o.goalLineBehind)
    {
        if (r.y() < 0) return SKS->walkOmniRight(kSideStepSpeed, HEAD_FOCUS_ON_OBJECT, BALL);
        return SKS->walkOmniLeft(kSideStepSpeed, HEAD_FOCUS_ON_OBJECT, BALL);
    }
    if (v.ballPos.x() > v.myPos.x()) return walkToBall();
    note(o, "我fast");
    return dribbleOut();
}

std::string GoalieGuard::stepBetween(const View& v)
{
    if (v.ballPos.x() > v.myPos.x()) return walkToBall();
    const float y = WM->getBodyRelPos(BALL).y();
    if (y > -kBetweenBand && y < 0) return SKS->walkOmniRight(kSideStepSpeed, HEAD_FOCUS_ON_OBJECT, BALL);
    if (y > 0 && y < kBetweenBand) return SKS->walkOmniLeft(kSideStepSpeed, HEAD_FOCUS_ON_OBJECT, BALL);
    if (std::fabs(v.heading) < 90) return SKS->walkOmniBackward(kBetweenStepSpeed, HEAD_FOCUS_ON_OBJECT, BALL);
    return SKS->walkOmniForward(kBetweenStepSpeed, HEAD_FOCUS_ON_OBJECT, BALL);
}

bool GoalieGuard::clearDue(const GoalieGuardOptions& o, const View& v) const
{
    const salt::Vector3f& b = v.ballPos;
    if (b.x() > o.clearMinX && b.x() < o.clearMaxX) return true;
    const double absY = std::fabs(b.y());
    if (!(absY > o.clearSideMinAbsY && absY < o.clearSideMaxAbsY)) return false;
    switch (o.clear)
    {
    case GoalieClear::PASS_FORWARD: return flat(b, v.myPos) < 0.5;
    case GoalieClear::SIDE_KICK_AT_GOAL: return flat(b, posOf(firstOf(TAC->ourAllDistToBall))) > o.clearFreeDist;
    default: return flat(b, posOf(firstOf(TAC->oppAllDistToBall))) > o.clearFreeDist;
    }
}

std::string GoalieGuard::clearBall(const GoalieGuardOptions& o, const View& v)
{
    switch (o.clear)
    {
    case GoalieClear::PASS_FORWARD: return SKS->kickBall(passTarget());
    case GoalieClear::SIDE_KICK_AT_GOAL: return SKS->SideKick(OppGoalCentre);
    case GoalieClear::KICK_AT_GOAL: return SKS->kickBall(OppGoalCentre);
    case GoalieClear::AWAY_FROM_OPPONENT: break;
    }
    const float side = v.ballPos.y() > 0 ? FieldWidth / 2 : -FieldWidth / 2;
    return SKS->kickBall(salt::Vector3f(-FieldLength / 2 + 10, side, 0.0f));
}

salt::Vector3f GoalieGuard::passTarget() const
{
    static const salt::Vector3f kBandTargets[4] = {
        salt::Vector3f(0.0f, 8.0f, 0.0f), salt::Vector3f(0.0f, 2.0f, 0.0f), salt::Vector3f(0.0f, -8.0f, 0.0f),
        salt::Vector3f(0.0f, -2.0f, 0.0f)};
    const salt::Vector3f me = WM->getMyPos();
    int count[4] = {0, 0, 0, 0};
    for (int t = TEAMMATE_3; t <= TEAMMATE_11; ++t)
    {
        const salt::Vector3f p = posOf(static_cast<Object>(t));
        if (!(p.x() > me.x() + 1.5 && flat(p, me) > 3.0)) continue;
        if (p.y() > 6.0) ++count[0];
        else if (p.y() > 0) ++count[1];
        else if (p.y() < -6.0) ++count[2];
        else ++count[3];
    }
    int best = -1;
    int bestCount = 0;
    for (int i = 0; i < 4; ++i)
    {
        if (count[i] > bestCount)
        {
            bestCount = count[i];
            best = i;
        }
    }
    return best < 0 ? OppGoalCentre : kBandTargets[best];
}

std::string GoalieGuard::nonBlocker(GoalieGuardState& s, const GoalieGuardOptions& o, const View& v)
{
    note(o, "我是非阻球人，我去走点");
    const salt::Vector3f& b = v.ballPos;
    const salt::Vector3f stem = posOf(s.StemBallObject);
    const double toBlocker = flat(v.myPos, stem);
    if (toBlocker > kAvoidOut) s.avoidFlag = false;
    if (toBlocker < kAvoidIn || s.avoidFlag)
    {
        s.avoidFlag = true;
        return TAC->avoidObstacle(v.myPos, kWaitPoint, s.StemBallObject);
    }
    if (o.pressNearestOpponent && toBlocker < kOpponentAtBall && b.x() < -FieldLength / 2 + 2.0 &&
        std::fabs(b.y()) < static_cast<double>(3.0f) && opponentNearerToBall(v))
        return walkTo(posOf(firstOf(TAC->oppAllDistToBall)));
    const bool between = b.x() < -FieldLength / 2 + 2.5 && std::fabs(b.y()) < kNearGoalAbsY && b.x() > v.myPos.x() &&
                         stem.x() > b.x();
    const bool blockerDown =
        WM->getIsObjectFallDown(s.StemBallObject) && b.x() > v.myPos.x() && opponentNearerToBall(v);
    if (between || blockerDown) return walkToBall();
    std::string step = sideWait(v);
    if (!step.empty()) return step;
    if (std::fabs(WM->getBodyRelAngle(BALL)) > 20 && s.flagTurn) return SKS->turnToObject(BALL, 10);
    s.flagTurn = false;
    if (flat(v.myPos, kWaitPoint) < 0.1)
    {
        s.flagTurn = true;
        return act(WAIT);
    }
    return walkTo(kWaitPoint);
}

std::string GoalieGuard::sideWait(const View& v)
{
    if (std::fabs(v.heading) >= 15) return std::string();
    const float y = v.myPos.y();
    if (v.ballPos.y() > 2.0)
    {
        if (y < 0.3) return act(WALK_LEFT);
        if (y > 0.3) return act(WAIT);
    }
    if (v.ballPos.y() < -2.0)
    {
        if (y > -0.3) return act(WALK_RIGHT);
        if (y < -0.3) return act(WAIT);
    }
    return std::string();
}

bool GoalieGuard::opponentNearerToBall(const View& v) const
{
    return flat(v.ballPos, posOf(firstOf(TAC->ourAllDistToBall))) >
           flat(v.ballPos, posOf(firstOf(TAC->oppAllDistToBall)));
}

std::string GoalieGuard::goHome(const GoalieGuardOptions& o, const View& v)
{
    const salt::Vector3f home = o.homePoint ? *o.homePoint : POS->getHomePos();
    if (flat(v.myPos, home) < o.homeReached)
    {
        note(o, "我到了哦");
        if (v.heading > o.homeTurn) return SKS->walkOmniTurnRight(HEAD_FOCUS_ON_OBJECT, BALL);
        if (v.heading < -o.homeTurn) return SKS->walkOmniTurnLeft(HEAD_FOCUS_ON_OBJECT, BALL);
        return act(WAIT);
    }
    std::string walk = walkTo(home);
    note(o, "回家喽");
    return walk;
}

std::string GoalieGuard::walkTo(const salt::Vector3f& p)
{
    return SKS->walkOmni(p, false, HEAD_FOCUS_ON_OBJECT, BALL);
}

std::string GoalieGuard::walkToBall()
{
    return SKS->walkOmni(BALL, false, HEAD_FOCUS_ON_OBJECT, BALL);
}

std::string GoalieGuard::dribbleOut()
{
    return SKS->fastDribbleToPoint(OppGoalCentre);
}

std::string GoalieGuard::act(ActionType a)
{
    return ACS->doAction(a, HEAD_FOCUS_ON_OBJECT, BALL);
}

salt::Vector3f GoalieGuard::posOf(Object o) const
{
    return WM->objectVision(o).globalPos;
}

void GoalieGuard::note(const GoalieGuardOptions& o, const char* line)
{
    if (o.debugLines) std::cout << line << std::endl;
}
