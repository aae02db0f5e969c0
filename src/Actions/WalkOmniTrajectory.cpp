// Trajectories of one walk step and the leg and arm commands of one cycle.

#include <cmath>
#include <iostream>

#include "Actions/WalkOmni.h"
#include "Actions/JointCommand.h"
#include "Math/Kinematics.h"
#include "salt/gmath.h"

namespace {

constexpr float kNaturalEnd = Spline::kNaturalEnd;
// Height of both ankles on the ground, metres.
constexpr double kAnkleGround = 0.05;
const salt::Vector3f kPitchAxis(1, 0, 0);
const salt::Vector3f kTurnAxis(0, 0, 1);
const JointID kLeftLeg[6] = {JID_LLEG_1, JID_LLEG_2, JID_LLEG_3, JID_LLEG_4, JID_LLEG_5, JID_LLEG_6};
const JointID kRightLeg[6] = {JID_RLEG_1, JID_RLEG_2, JID_RLEG_3, JID_RLEG_4, JID_RLEG_5, JID_RLEG_6};

void knots(float (&k)[3], double a, double b, double c)
{
    k[0] = static_cast<float>(a);
    k[1] = static_cast<float>(b);
    k[2] = static_cast<float>(c);
}

} // namespace

void WalkOmni::configureOmniDirection()
{
    splineFailed = false;
    getTorso(managePara);
    getHoldAnkle(managePara);
    getMoveAnkle(managePara);
}

void WalkOmni::getTorso(const NewWalkPara& p)
{
    const double T = p.cycleTime, S = p.startTime;
    const double W = p.stepWidth, L = p.stepLength, W1 = p.lastStepWidth, L1 = p.lastStepLength;
    const double H = p.torsoHeight, r = p.torsoYRatio, pitch = p.torsoXTheta, D = p.torsoWidth;
    const double Xa = p.torsoXAdd, Ya = p.torsoYAdd, Xa1 = p.lastTorosoXAdd, Ya1 = p.lastTorosoYAdd;
    float t[3], x[3], y[3], z[3], th[3];
    knots(z, H, H, H);
    switch (mPhase)
    {
    case PREPAR:
        knots(t, 0, S / 2, S);
        knots(x, 0, 0, 0);
        knots(y, 0.005, 0.005, 0.005);
        knots(z, H, (H + H) / 2, H);
        knots(th, 0, 0, 0);
        break;
    case FIRST:
        knots(t, 0, T / 2, T);
        knots(x, 0, W / 8, W / 4 + Xa);
        knots(y, 0.005, L / 8, r * L + Ya);
        knots(th, 0, pitch / 2, pitch);
        break;
    case NORMAL:
        knots(t, 0, T / 2, T);
        knots(x, W1 / 4, W1 / 2, W1 / 2 + W / 4);
        knots(y, r * L1, L1 / 2, L1 / 2 + r * L);
        knots(th, pitch, pitch, pitch);
        break;
    default:
        knots(t, 0, T / 2, T);
        knots(x, W1 / 4 + Xa1, W1 / 2 + D + (Xa + Xa1) / 2, W1 / 2 + W / 4 + Xa);
        knots(y, r * L1 + Ya1, L1 / 2 + (Ya + Ya1) / 2, L1 / 2 + r * L + Ya);
        knots(th, pitch, pitch, pitch);
        break;
    }
    fitGroup({{torso_x, t, x, "Error in Spline Torso_x"},
              {torso_y, t, y, "Error in Spline Torso_y"},
              {torso_z, t, z, "Error in Spline Torso_z"},
              {torsoX_theta, t, th, "Error in Spline TorsoX_theta"}},
             t, x, true);
}

void WalkOmni::getHoldAnkle(const NewWalkPara& p)
{
    const double T = p.cycleTime, S = p.startTime;
    const double side = isLeftHold ? -p.ankleDis : p.ankleDis;
    float t[3], x[3], y[3], z[3];
    knots(z, kAnkleGround, kAnkleGround, kAnkleGround);
    if (mPhase == PREPAR || mPhase == FIRST)
    {
        const double end = mPhase == PREPAR ? S : T;
        knots(t, 0, end / 2, end);
        knots(x, side, side, side);
        knots(y, 0, 0, 0);
    }
    else
    {
        const double x0 = p.lastStepWidth / 2 + side, y0 = p.lastStepLength / 2;
        knots(t, 0, T / 2, T);
        knots(x, x0, x0, x0);
        knots(y, y0, y0, y0);
    }
    fitGroup({{hold_x, t, x, "Error in Spline hold_x"},
              {hold_y, t, y, "Error in Spline hold_y"},
              {hold_z, t, z, "Error in Spline hold_z"}},
             t, x, false);
}

void WalkOmni::getMoveAnkle(const NewWalkPara& p)
{
    const double T = p.cycleTime, S = p.startTime, s = p.supportTime, h = p.ankleHeight, m = p.moveZTheta;
    const double W = p.stepWidth, L = p.stepLength, W1 = p.lastStepWidth, L1 = p.lastStepLength;
    const double side = isLeftHold ? p.ankleDis : -p.ankleDis;
    float t[3], x[3], y[3], z[3], tt[3], th[3];
    switch (mPhase)
    {
    case PREPAR:
        knots(t, 0, S / 2, S);
        knots(x, side, side, side);
        knots(y, 0, 0, 0);
        knots(z, kAnkleGround, kAnkleGround, kAnkleGround);
        knots(tt, S / 2, 3 * S / 4, S);
        knots(th, 0, 0, 0);
        break;
    case FIRST:
        knots(t, 0, T / 2, T);
        knots(x, side, W / 4 + side, W / 2 + side);
        knots(y, 0, L / 4, L / 2);
        knots(z, kAnkleGround, h, kAnkleGround);
        knots(tt, T / 2, 3 * T / 4, T);
        knots(th, 0, m / 2, m);
        break;
    default:
        knots(t, s, T / 2, T - s);
        knots(x, side, W1 / 2 + side, W1 / 2 + W / 2 + side);
        knots(y, 0, L1 / 2, L1 / 2 + L / 2);
        knots(z, kAnkleGround, h, kAnkleGround);
        knots(tt, T / 2, 3 * T / 4, T);
        knots(th, 3 * m / 4, m, m);
        break;
    }
    fitGroup({{move_x, t, x, "Error in Spline move_x"},
              {move_y, t, y, "Error in Spline move_y"},
              {move_z, t, z, "Error in Spline move_z"},
              {move_theta, tt, th, "Error in Spline move_theta"}},
             t, x, true);
}

// Rebuilds each spline; a failing one is reported with the group's position
// times and x knots, and the cycle then keeps its previous commands.
void WalkOmni::fitGroup(std::initializer_list<SplineFit> fits, const float* times, const float* xKnots,
                        bool withPhase)
{
    for (const SplineFit& fit : fits)
    {
        fit.spline.SetBreakPoints(fit.times, fit.values, 3, kNaturalEnd, kNaturalEnd);
        if (fit.spline.general()) continue;
        splineFailed = true;
        std::cout << fit.error << std::endl;
        if (withPhase) std::cout << static_cast<int>(mPhase) << "  ";
        std::cout << times[0] << "  " << times[1] << "  " << times[2] << "   " << xKnots[0] << "   " << xKnots[1]
                  << "  " << xKnots[2] << std::endl;
    }
}

void WalkOmni::calTrajectoryMatrix(float t)
{
    Torso.p = salt::Vector3f(torso_x.getYGivenX(t, 0), torso_y.getYGivenX(t, 0), torso_z.getYGivenX(t, 0));
    T_theta1 = torsoX_theta.getYGivenX(t, 0);
    Torso.R = Kinematics::Rodrigues(kPitchAxis, static_cast<float>(T_theta1));

    move_Ankle.p = salt::Vector3f(move_x.getYGivenX(t, 0), move_y.getYGivenX(t, 0), move_z.getYGivenX(t, 0));
    // The moving foot turns only in the second half of the step.
    M_theta = t < inputPara.cycleTime / 2 - 1e-5 ? 0.0 : move_theta.getYGivenX(t, 0);
    move_Ankle.R = Kinematics::Rodrigues(kTurnAxis, static_cast<float>(M_theta));

    hold_Ankle.p = salt::Vector3f(hold_x.getYGivenX(t, 0), hold_y.getYGivenX(t, 0), hold_z.getYGivenX(t, 0));
    hold_Ankle.R = Kinematics::Rodrigues(kTurnAxis, static_cast<float>(inputPara.holdZTheta));
}

void WalkOmni::ApplyTrajectory()
{
    if (splineFailed)
    {
        keepPreviousText();
        return;
    }
    holdAngles.clear();
    moveAngles.clear();
    if (!KIN->inverseKinematics(holdAngles, Torso, hold_Ankle, isLeftHold) ||
        !KIN->inverseKinematics(moveAngles, Torso, move_Ankle, !isLeftHold))
    {
        std::cout << "WalkOmni::ApplyTrajectory Error" << std::endl;
        keepPreviousText();
        return;
    }
    if (holdAngles.size() != 6 || moveAngles.size() != 6)
    {
        std::cout << "Error in WalkOmni::ApplyTrajectory:Angle num < 6" << std::endl;
        keepPreviousText();
        return;
    }
    const std::vector<double>& left = isLeftHold ? holdAngles : moveAngles;
    const std::vector<double>& right = isLeftHold ? moveAngles : holdAngles;
    legAngles.assign(left.begin(), left.end());
    legAngles.insert(legAngles.end(), right.begin(), right.end());
    NewJointAngleContrl(legAngles);
}

// A failed cycle repeats the last commands; before any cycle has succeeded it
// holds the legs still, so the walk never answers "" in the middle of a step.
void WalkOmni::keepPreviousText()
{
    if (!message.empty()) return;
    swingArms();
    for (JointID jid : kLeftLeg) JointCommand::appendMoveJoint(message, jid, 0.0);
    for (JointID jid : kRightLeg) JointCommand::appendMoveJoint(message, jid, 0.0);
}

void WalkOmni::NewJointAngleContrl(const std::vector<double>& angles)
{
    message.clear();
    swingArms();
    for (int i = 0; i < 6; ++i)
        appendMoveJointTo(message, kLeftLeg[i], salt::gRadToDeg(angles[i]), 1000.0, inputPara.pid);
    for (int i = 0; i < 6; ++i)
        appendMoveJointTo(message, kRightLeg[i], salt::gRadToDeg(angles[6 + i]), 1000.0, inputPara.pid);
}

// The upper arm on the side of the holding foot swings forward.
void WalkOmni::swingArms()
{
    const double swing = isLeftHold ? 10.0 : -10.0;
    appendMoveJointTo(message, JID_LARM_1, -90.0 + swing, 5.0, inputPara.pid);
    appendMoveJointTo(message, JID_RARM_1, -90.0 - swing, 5.0, inputPara.pid);
    appendMoveJointTo(message, JID_LARM_2, 0.0, 5.0, inputPara.pid);
    appendMoveJointTo(message, JID_RARM_2, 0.0, 5.0, inputPara.pid);
}
