#include "Actions/Kick.h"

#include "Actions/JointCommand.h"
#include "Actions/MotionFiles.h"
#include "WorldModel/WorldModel.h"

namespace {

constexpr double kKickKp = 0.35;
constexpr double kLegRoll = 8.1303;
constexpr double kArmRoll = 30.0;

// Arm roll, hip roll and ankle roll follow the support leg; side = +1 for
// the left leg holding, -1 for the right.
std::vector<PostureJoint> readyPosture(double side)
{
    return {
        {JID_LARM_1, -60.0, 4.0, 10.0},
        {JID_RARM_1, -60.0, 4.0, 10.0},
        {JID_LLEG_1, 0.0, 2.0, 2.0},
        {JID_RLEG_1, 0.0, 2.0, 2.0},
        {JID_LLEG_3, 12.9947, 3.0, 2.0},
        {JID_RLEG_3, 12.9947, 3.0, 2.0},
        {JID_LLEG_4, -28.5677, 3.0, 2.0},
        {JID_RLEG_4, -28.5677, 3.0, 2.0},
        {JID_LLEG_5, 15.573, 2.0, 2.0},
        {JID_RLEG_5, 15.573, 2.0, 2.0},
        {JID_LARM_2, side * kArmRoll, 4.0, 0.0},
        {JID_RARM_2, side * kArmRoll, 4.0, 0.0},
        {JID_LLEG_2, -side * kLegRoll, 2.0, 2.0},
        {JID_RLEG_2, -side * kLegRoll, 2.0, 2.0},
        {JID_LLEG_6, side * kLegRoll, 3.0, 2.0},
        {JID_RLEG_6, side * kLegRoll, 3.0, 2.0},
    };
}

// Leg joints 1..6 of each leg.
constexpr JointID kLeftLeg[Kick::kLegJoints] = {JID_LLEG_1, JID_LLEG_2, JID_LLEG_3,
                                                JID_LLEG_4, JID_LLEG_5, JID_LLEG_6};
constexpr JointID kRightLeg[Kick::kLegJoints] = {JID_RLEG_1, JID_RLEG_2, JID_RLEG_3,
                                                 JID_RLEG_4, JID_RLEG_5, JID_RLEG_6};

// Mirroring a recording flips the roll joints (2 and 6).
constexpr double kMirrorSign[Kick::kLegJoints] = {1.0, -1.0, 1.0, 1.0, 1.0, -1.0};

// The numbers of actsDir + name + ".txt", padded with zeros to a whole recording.
std::vector<double> readRecording(const std::string& actsDir, const char* name)
{
    const std::string path = actsDir + name + ".txt";
    std::vector<double> numbers;
    MotionFiles::report(path, MotionFiles::readNumbers(path, Kick::kNumbersPerFile, numbers));
    return numbers;
}

} // namespace

Kick::Kick(const std::string& actsDir)
    : vecm1(readRecording(actsDir, "KickRMove1")),
      vech1(readRecording(actsDir, "KickRHold1")),
      vecm2(readRecording(actsDir, "KickRMove2")),
      vech2(readRecording(actsDir, "KickRHold2")),
      vecm3(readRecording(actsDir, "KickRMove3")),
      vech3(readRecording(actsDir, "KickRHold3")),
      mLeftHoldPosture(readyPosture(1.0), kKickKp),
      mRightHoldPosture(readyPosture(-1.0), kKickKp)
{
}

std::string Kick::execute(const std::string& phase)
{
    if (phase.empty()) return "";
    const int now = WM->getCurrentCycle();
    if (wasInterrupted(now)) restartFromPosture();
    mLastStepCycle = now;
    if (!mIsPrepareDone && mIsKickDone) return prepare();
    if (mIsPrepareDone && !mIsKickDone) return kicking(mLatchedLeftHold, mLatchedKickType);
    mIsPrepareDone = false;
    return "";
}

// A kick past its posture phase that missed a server cycle.
bool Kick::wasInterrupted(int now) const
{
    return mIsPrepareDone && now != mLastStepCycle && now != mLastStepCycle + 1;
}

void Kick::restartFromPosture()
{
    mIsPrepareDone = false;
    mIsKickDone = true;
    cycle = 0;
}

std::string Kick::prepare()
{
    std::string out = fix();
    posture().appendCommand(out, *WM);
    if (posture().isReached(*WM))
    {
        mIsPrepareDone = true;
        mIsKickDone = false;
        mLatchedLeftHold = mIsLeftHold;
        mLatchedKickType = mKickType;
    }
    return out;
}

std::string Kick::kicking(bool isLeftHold, KickType kickType)
{
    const std::vector<double>& m = moving(kickType);
    const std::vector<double>& h = holding(kickType);
    const std::size_t c = static_cast<std::size_t>(kLegJoints * cycle);
    std::string out = fix();
    for (int j = 0; j < kLegJoints; ++j)
    {
        if (isLeftHold)
        {
            JointCommand::appendMoveJoint(out, kLeftLeg[j], h[c + j]);
            JointCommand::appendMoveJoint(out, kRightLeg[j], m[c + j]);
        }
        else
        {
            JointCommand::appendMoveJoint(out, kRightLeg[j], kMirrorSign[j] * h[c + j]);
            JointCommand::appendMoveJoint(out, kLeftLeg[j], kMirrorSign[j] * m[c + j]);
        }
    }
    ++cycle;
    if (cycle == endCycle + 1)
    {
        cycle = 0;
        mIsKickDone = true;
        out = kStopCommand;
    }
    return out;
}

const std::vector<double>& Kick::moving(KickType kickType) const
{
    switch (kickType)
    {
    case KICK_TYPE_2: return vecm2;
    case KICK_TYPE_3: return vecm3;
    default: return vecm1;
    }
}

const std::vector<double>& Kick::holding(KickType kickType) const
{
    switch (kickType)
    {
    case KICK_TYPE_2: return vech2;
    case KICK_TYPE_3: return vech3;
    default: return vech1;
    }
}
