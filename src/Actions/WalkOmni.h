#ifndef WALKOMNI_H
#define WALKOMNI_H

#include <initializer_list>
#include <string>
#include <vector>

#include "Actions/Action.h"
#include "Math/Spline.h"
#include "WorldModel/Singleton.h"
#include "WorldModel/Types.h"

class Kinematics;

// Omnidirectional walk. Works in the robot frame x right, y forward, z up
// (metres, radians; heading pi/2 is straight ahead). Each step is a set of
// three-knot splines for the torso and both ankles, evaluated once per 0.02 s
// cycle and turned into leg commands by inverse kinematics.
//
// Phase words: "start" starts the preparation (then the first step follows by
// itself), "normal" after a finished step starts the next one, "end" starts
// the stop steps, "" continues. The empty text means a step has just ended.
class WalkOmni : public Action, public Singleton<WalkOmni>
{
public:
    enum PhaseSet { PREPAR = 1, FIRST, NORMAL, LAST, STOP };

    // Parameters of one step; every field starts at zero.
    struct NewWalkPara
    {
        Kpid pid;
        double accStepNum = 0, stopStepNum = 0, stepNum = 0;
        double theta = 0, step = 0, ankleDis = 0;
        double stepWidth = 0, stepLength = 0, lastStepWidth = 0, lastStepLength = 0;
        double cycleTime = 0, startTime = 0, supportTime = 0;
        double ankleHeight = 0, torsoHeight = 0, torsoYRatio = 0, torsoWidth = 0, torsoXTheta = 0;
        double moveZTheta = 0, holdZTheta = 0;
        double torsoYAdd = 0, torsoXAdd = 0, lastTorosoYAdd = 0, lastTorosoXAdd = 0;
        bool isLeftFirst = false, isFirstStepPlanned = false, isLastStepPlanned = false;
    };

    WalkOmni();

    std::string execute(const std::string& phase) override;
    // Takes effect at the next execute. A request with a non-finite number or
    // an unknown walk type is ignored; the previous request stays.
    void setWalkOmniPara(WalkOmniPara para);

    PhaseSet getPhase() const { return mPhase; }
    bool getIsLeftHold() const { return isLeftHold; }
    int getPhaseCycle() const { return mPhaseCycle; }
    double getSpeedRatio() const { return mSpeedRatio; }
    const NewWalkPara& getInputPara() const { return inputPara; }
    const NewWalkPara& getManagePara() const { return managePara; }
    // Poses of the last computed cycle.
    const Link& torsoPose() const { return Torso; }
    const Link& holdAnklePose() const { return hold_Ankle; }
    const Link& moveAnklePose() const { return move_Ankle; }

private:
    // Request handling and step parameters.
    void doWalkType();
    void calSpeedRatio(double& theta, double& hold, double& move, double& ratio, bool& slowing);
    void setInputPara(double theta, double hold, double move, double ratio, bool slowing);
    void set_InputPara_WalkStraight();
    void set_InputPara_WalkIncline();

    // Phase machine.
    void mPhaseControl();
    void Walking();
    void enterPhase(PhaseSet phase);
    void resetStepCounts();
    void calFirstManagePara();
    void calNormalManagePara();
    void calLastManagePara();
    void beginStep(double factor);
    int stepEndCycle(double duration) const;
    bool isPrepareDone() const;
    bool isFirstStepDone() const;
    bool isNormalStepDone() const;
    bool isLastStepDone() const;
    std::string setActionCommand() const;

    // Trajectories and joint output.
    void configureOmniDirection();
    void getTorso(const NewWalkPara& p);
    void getHoldAnkle(const NewWalkPara& p);
    void getMoveAnkle(const NewWalkPara& p);
    struct SplineFit
    {
        Spline& spline;
        const float* times;
        const float* values;
        const char* error;
    };
    void fitGroup(std::initializer_list<SplineFit> fits, const float* times, const float* xKnots, bool withPhase);
    void calTrajectoryMatrix(float t);
    void ApplyTrajectory();
    void keepPreviousText();
    void NewJointAngleContrl(const std::vector<double>& angles);
    void swingArms();

    Kinematics* KIN;
    std::string message;
    WalkOmniPara mWalkOmniPara;
    WalkOmniType mWalkType = WALK_OMNI_FORWARD;
    double mRelTheta;
    double mMoveZtheta = 0, mHoldZtheta = 0;
    double mSpeedRatio = 1.0;
    double maxSpeed = 1.0;
    WalkOmniType oldWalkType = WALK_OMNI_FORWARD;
    double oldRelTheta;
    double oldMaxSpeed = 1.0;
    double minSpeed = 0.5;
    double decStep = 0.05, accStep = 0.05;
    // One per process, as the walk itself: a slow-down in progress, and the
    // fallen flag of the previous call (taken from the first call).
    bool slowDown = false;
    bool oldFallDown = false;
    bool fallFlagSeen = false;

    NewWalkPara inputPara;
    NewWalkPara managePara;
    PhaseSet mPhase = PREPAR;
    bool isLeftHold;
    std::string mParams;
    int mPhaseCycle = 0;
    int mPhaseStartCycle = 0;
    double mPhaseTime = 0;
    int normalStepNum = 1;
    int lastStepNum;
    double normalRatio = 0, lastRatio = 1.0;
    double lastStepWidth, lastStepLength, lastTorosoYAdd, lastTorosoXAdd;

    Link Torso;
    Spline torso_x, torso_y, torso_z, torsoX_theta;
    double T_theta1 = 0;
    Link move_Ankle;
    Spline move_x, move_y, move_z, move_theta;
    double M_theta = 0;
    Link hold_Ankle;
    Spline hold_x, hold_y, hold_z;
    bool splineFailed = false;
    std::vector<double> holdAngles, moveAngles, legAngles;

    bool mIsDone = false;
};

#endif
