#include "Actions/WalkOmni.h"

#include <algorithm>
#include <cmath>

#include "Math/Kinematics.h"
#include "salt/gmath.h"
#include "WorldModel/WorldModel.h"

namespace {

constexpr double kPi = salt::gPI;
constexpr double kHalfPi = kPi / 2;
// Length of one server cycle, seconds.
constexpr double kCycle = 0.02;

// The values in which the straight and the inclined parameter sets differ.
struct ParameterSet
{
    double accStepNum;
    double step;
    double ankleDis;
    double torsoYRatio;
    double torsoYAdd;
    bool lateralTorsoAdd;  // torsoXAdd = 0.025 toward the side of the step
};

const ParameterSet kStraightSet{10, 0.16, 0.06, 0.22, 0.04, false};
const ParameterSet kInclineSet{8, 0.144, 0.076, 0.24, 0.02, true};

void applyParameterSet(WalkOmni::NewWalkPara& p, const ParameterSet& set)
{
    p.pid = Kpid(0.2857142857142857);
    p.accStepNum = set.accStepNum;
    p.stopStepNum = 5;
    p.stepNum = set.accStepNum + 1;
    p.step = set.step;
    p.ankleDis = set.ankleDis;
    p.cycleTime = 0.12;
    p.startTime = 0.8;
    p.supportTime = 0;
    p.ankleHeight = 0.07;
    p.torsoHeight = 0.35;
    p.torsoYRatio = set.torsoYRatio;
    p.torsoWidth = 0;
    p.isLeftFirst = false;
    p.stepWidth = std::cos(p.theta) * set.step;
    p.stepLength = std::sin(p.theta) * set.step;
    p.isFirstStepPlanned = true;
    p.isLastStepPlanned = false;
    p.torsoXAdd = set.lateralTorsoAdd ? 0.025 * salt::gSign(p.stepWidth) : 0.0;
    p.torsoYAdd = set.torsoYAdd;
    p.torsoXTheta = salt::gDegToRad(-4.0);
}

bool isStraightHeading(double theta)
{
    const double a = std::fabs(theta);
    return std::fabs(a - kHalfPi) < 1e-5 || std::fabs(a - 3 * kHalfPi) < 1e-5;
}

bool isKnownWalkType(WalkOmniType type) { return type >= WALK_OMNI_FORWARD && type <= WALK_OMNI_WAIT; }

} // namespace

WalkOmni::WalkOmni() : KIN(Kinematics::instance()), mRelTheta(kHalfPi), oldRelTheta(kHalfPi)
{
    inputPara.theta = kHalfPi;
    inputPara.moveZTheta = 0;
    inputPara.holdZTheta = 0;
    set_InputPara_WalkStraight();
    managePara = inputPara;
    isLeftHold = inputPara.isLeftFirst;
    lastStepNum = static_cast<int>(inputPara.stopStepNum);
    lastStepWidth = inputPara.stepWidth / inputPara.accStepNum;
    lastStepLength = inputPara.stepLength / inputPara.accStepNum;
    lastTorosoYAdd = inputPara.torsoYAdd / inputPara.accStepNum;
    lastTorosoXAdd = inputPara.torsoXAdd / inputPara.accStepNum;
    holdAngles.reserve(6);
    moveAngles.reserve(6);
    legAngles.reserve(12);
}

void WalkOmni::setWalkOmniPara(WalkOmniPara para)
{
    const bool finite = std::isfinite(para.relTheta) && std::isfinite(para.holdZthe) &&
                        std::isfinite(para.moveZthe) && std::isfinite(para.maxSpeed);
    if (finite && isKnownWalkType(para.walkType)) mWalkOmniPara = para;
}

std::string WalkOmni::execute(const std::string& phase)
{
    mParams = phase;
    doWalkType();
    double theta = 0, hold = 0, move = 0, ratio = 0;
    bool slowing = false;
    calSpeedRatio(theta, hold, move, ratio, slowing);
    if (std::fabs(ratio - 1.0) < 1e-5)
    {
        // At full speed any turn is walked as 2 degrees (holding foot) and 8 (moving foot).
        hold = salt::gSign(hold) * salt::gDegToRad(2.0);
        move = salt::gSign(hold) * salt::gDegToRad(8.0);
    }
    setInputPara(theta, hold, move, ratio, slowing);
    mPhaseControl();
    calTrajectoryMatrix(static_cast<float>(mPhaseTime));
    ApplyTrajectory();
    return setActionCommand();
}

void WalkOmni::doWalkType()
{
    mWalkType = mWalkOmniPara.walkType;
    mMoveZtheta = 0;
    switch (mWalkType)
    {
    case WALK_OMNI_FORWARD:
    case WALK_OMNI_BACKWARD:
    case WALK_OMNI_INCLINE:
        mRelTheta = mWalkType == WALK_OMNI_FORWARD    ? kHalfPi
                    : mWalkType == WALK_OMNI_BACKWARD ? 3 * kHalfPi
                                                      : mWalkOmniPara.relTheta;
        mHoldZtheta = mWalkOmniPara.holdZthe;
        maxSpeed = mWalkOmniPara.maxSpeed;
        break;
    case WALK_OMNI_TURN_L:
    case WALK_OMNI_TURN_R:
        mRelTheta = kHalfPi;
        mHoldZtheta = salt::gDegToRad(mWalkType == WALK_OMNI_TURN_L ? 10.0 : -10.0);
        maxSpeed = 0.1;
        break;
    case WALK_OMNI_LEFT:
    case WALK_OMNI_RIGHT:
        mRelTheta = mWalkType == WALK_OMNI_LEFT ? kPi : 0.0;
        mHoldZtheta = 0;
        maxSpeed = mWalkOmniPara.maxSpeed;
        break;
    case WALK_OMNI_WAIT:
        mRelTheta = kHalfPi;
        mHoldZtheta = 0;
        maxSpeed = 0;
        break;
    }
}

void WalkOmni::calSpeedRatio(double& theta, double& hold, double& move, double& ratio, bool& slowing)
{
    slowing = false;
    bool changed = true;
    if (oldWalkType != mWalkType && (oldWalkType == WALK_OMNI_INCLINE || mWalkType == WALK_OMNI_INCLINE))
        minSpeed = 0.2;
    else if (std::fabs(oldRelTheta - mRelTheta) > kHalfPi)
        minSpeed = oldWalkType == WALK_OMNI_BACKWARD ? 0.2 : 0.4;
    else if (std::fabs(oldMaxSpeed - maxSpeed) > 0.5)
        minSpeed = std::min(oldMaxSpeed, maxSpeed);
    else
        changed = false;
    if (changed)
    {
        slowDown = true;
        accStep = 0.05;
    }
    decStep = 0.2;

    if (slowDown)
    {
        slowing = true;
        if (mIsDone) mSpeedRatio -= decStep;
        if (minSpeed >= mSpeedRatio)
        {
            mSpeedRatio = minSpeed;
            slowDown = false;
        }
        else
        {
            // Keep walking the old way, without turning, ever slower.
            theta = oldRelTheta;
            hold = 0;
            move = 0;
            ratio = mSpeedRatio;
            return;
        }
    }
    if (mIsDone) mSpeedRatio += accStep;
    if (mSpeedRatio >= maxSpeed) mSpeedRatio = maxSpeed;
    oldWalkType = mWalkType;
    oldRelTheta = mRelTheta;
    oldMaxSpeed = maxSpeed;
    theta = mRelTheta;
    hold = mHoldZtheta;
    move = mMoveZtheta;
    ratio = mSpeedRatio;
}

void WalkOmni::setInputPara(double theta, double hold, double move, double ratio, bool slowing)
{
    const bool fallen = WM->getIsObjectFallDown(WM->getMyObject());
    if (!fallFlagSeen)
    {
        oldFallDown = fallen;
        fallFlagSeen = true;
    }
    if (mIsDone)
    {
        inputPara.theta = theta;
        inputPara.moveZTheta = move;
        inputPara.holdZTheta = hold;
        if (isStraightHeading(theta)) set_InputPara_WalkStraight();
        else set_InputPara_WalkIncline();
        // A long preparation only on the first walk and around a fall.
        if (!oldFallDown && !fallen) inputPara.startTime = inputPara.cycleTime;
        const double shift = slowing ? ratio / 2 : ratio;
        inputPara.torsoYAdd *= shift;
        inputPara.torsoXAdd *= shift;
        inputPara.torsoWidth *= shift;
        inputPara.stepWidth *= ratio;
        inputPara.stepLength *= ratio;
    }
    oldFallDown = fallen;
}

void WalkOmni::set_InputPara_WalkStraight() { applyParameterSet(inputPara, kStraightSet); }

void WalkOmni::set_InputPara_WalkIncline() { applyParameterSet(inputPara, kInclineSet); }

void WalkOmni::mPhaseControl()
{
    Walking();
    mPhaseCycle = WM->getCurrentCycle() - mPhaseStartCycle;
    mPhaseTime = mPhaseCycle * kCycle;
    configureOmniDirection();
}

void WalkOmni::Walking()
{
    if (mPhase == PREPAR && isPrepareDone())
    {
        // The holding foot stays.
        mPhase = FIRST;
        mPhaseStartCycle = WM->getCurrentCycle();
        mPhaseCycle = 0;
        resetStepCounts();
        calFirstManagePara();
        mIsDone = false;
    }
    if (mPhase == LAST && !isLastStepDone() && mPhaseCycle >= stepEndCycle(inputPara.cycleTime))
    {
        enterPhase(LAST);
        calLastManagePara();
        mIsDone = false;
    }

    const bool done = mParams.empty() && ((mPhase == FIRST && isFirstStepDone()) ||
                                          (mPhase == NORMAL && isNormalStepDone()) ||
                                          (mPhase == LAST && isLastStepDone()));
    if (done)
    {
        mIsDone = true;
        return;
    }
    if (mParams == "normal")
    {
        enterPhase(NORMAL);
        lastStepNum = static_cast<int>(inputPara.stopStepNum);
        lastRatio = 1.0;
        calNormalManagePara();
    }
    else if (mParams == "end")
    {
        enterPhase(LAST);
        normalStepNum = 0;
        normalRatio = 0;
        calLastManagePara();
    }
    else if (mParams == "start")
    {
        enterPhase(PREPAR);
        resetStepCounts();
        calFirstManagePara();
    }
    mIsDone = false;
}

// A step that begins on a phase word, or a stop step that follows the last
// one: the phase clock restarts and the feet change roles.
void WalkOmni::enterPhase(PhaseSet phase)
{
    mPhase = phase;
    mPhaseStartCycle = WM->getCurrentCycle();
    mPhaseCycle = 0;
    isLeftHold = !isLeftHold;
}

void WalkOmni::resetStepCounts()
{
    normalStepNum = 0;
    lastStepNum = static_cast<int>(inputPara.stopStepNum);
    normalRatio = 0;
    lastRatio = 1.0;
}

void WalkOmni::calFirstManagePara() { beginStep(1.0 / inputPara.accStepNum); }

void WalkOmni::calNormalManagePara()
{
    normalStepNum = std::min(normalStepNum + 1, static_cast<int>(2 * inputPara.accStepNum));
    normalRatio = std::min(normalStepNum / inputPara.accStepNum, 1.0);
    beginStep(normalRatio);
}

void WalkOmni::calLastManagePara()
{
    lastStepNum = std::max(lastStepNum - 1, 0);
    lastRatio = lastStepNum / inputPara.stopStepNum;
    if (lastRatio <= 0.2) lastRatio = 0;
    beginStep(lastRatio);
}

void WalkOmni::beginStep(double factor)
{
    managePara = inputPara;
    managePara.lastStepWidth = lastStepWidth;
    managePara.lastStepLength = lastStepLength;
    managePara.lastTorosoYAdd = lastTorosoYAdd;
    managePara.lastTorosoXAdd = lastTorosoXAdd;
    managePara.torsoWidth *= factor;
    managePara.torsoYAdd *= factor;
    managePara.torsoXAdd *= factor;
    managePara.stepWidth *= factor;
    managePara.stepLength *= factor;
    lastStepWidth = managePara.stepWidth;
    lastStepLength = managePara.stepLength;
    lastTorosoYAdd = managePara.torsoYAdd;
    lastTorosoXAdd = managePara.torsoXAdd;
}

// Last phase cycle of a stretch of the given duration.
int WalkOmni::stepEndCycle(double duration) const
{
    return static_cast<int>(std::round(static_cast<float>(duration) / static_cast<float>(kCycle))) - 1;
}

bool WalkOmni::isPrepareDone() const { return mPhaseCycle >= stepEndCycle(inputPara.startTime); }

bool WalkOmni::isFirstStepDone() const { return mPhaseCycle >= stepEndCycle(inputPara.cycleTime); }

bool WalkOmni::isNormalStepDone() const { return isFirstStepDone(); }

bool WalkOmni::isLastStepDone() const { return isFirstStepDone() && lastStepNum <= 0; }

std::string WalkOmni::setActionCommand() const { return mIsDone ? std::string() : message; }
