#include "Actions/AngledKick.h"

#include <algorithm>
#include <iostream>

#include "Actions/MotionFiles.h"
#include "WorldModel/WorldModel.h"

namespace {

constexpr double kAngledKickKp = 0.4;

std::vector<PostureJoint> readyPosture(const AngledKick::Config& config)
{
    const double armTolerance = config.testsArmRoll ? 10.0 : 0.0;
    return {
        {JID_LARM_1, -90.0, 4.0, 10.0},
        {JID_RARM_1, -90.0, 4.0, 10.0},
        {JID_LARM_2, config.armRollTarget, config.armRollMaxStep, armTolerance},
        {JID_RARM_2, config.armRollTarget, config.armRollMaxStep, armTolerance},
        {JID_LLEG_1, 0.0, 2.0, 2.0},
        {JID_RLEG_1, 0.0, 2.0, 2.0},
        {JID_LLEG_2, 0.0, 2.0, 2.0},
        {JID_RLEG_2, 0.0, 2.0, 2.0},
        {JID_LLEG_3, 39.94, 3.0, 2.0},
        {JID_RLEG_3, 39.94, 3.0, 2.0},
        {JID_LLEG_4, -64.92, 3.0, 2.0},
        {JID_RLEG_4, -64.92, 3.0, 2.0},
        {JID_LLEG_5, 39.94, 2.0, 2.0},
        {JID_RLEG_5, 39.94, 2.0, 2.0},
        {JID_LLEG_6, 0.0, 3.0, 2.0},
        {JID_RLEG_6, 0.0, 3.0, 2.0},
    };
}

void appendLeg(std::string& out, const char* leg, const std::vector<std::string>& tokens, int frame)
{
    for (int j = 0; j < AngledKick::kLegJoints; ++j)
    {
        out += '(';
        out += leg;
        out += static_cast<char>('1' + j);
        out += ' ';
        out += tokens[static_cast<std::size_t>(frame * AngledKick::kLegJoints + j)];
        out += ')';
    }
}

// The tokens of path, padded with "0" to a whole file.
std::vector<std::string> readTokens(const std::string& path)
{
    std::vector<std::string> tokens;
    MotionFiles::report(path, MotionFiles::readNumberTokens(path, AngledKick::kTokensPerFile, tokens));
    return tokens;
}

// Frame k: the moving leg's six items, then the holding leg's.
std::vector<std::string> buildFrames(const AngledKick::Config& config, const std::string& actsDir)
{
    const std::string base = actsDir + config.name;
    const std::vector<std::string> move = readTokens(base + "move.txt");
    const std::vector<std::string> hold = readTokens(base + "hold.txt");
    const char* movingLeg = config.rightLegMoves ? "rle" : "lle";
    const char* holdingLeg = config.rightLegMoves ? "lle" : "rle";
    std::vector<std::string> frames(AngledKick::kFrames);
    for (int k = 0; k < AngledKick::kFrames; ++k)
    {
        appendLeg(frames[k], movingLeg, move, k);
        appendLeg(frames[k], holdingLeg, hold, k);
    }
    return frames;
}

} // namespace

AngledKick::AngledKick(const Config& config, const std::string& actsDir)
    : mConfig(config), mPosture(readyPosture(config), kAngledKickKp), mFrames(buildFrames(config, actsDir))
{
}

std::string AngledKick::execute(const std::string&)
{
    if (!mIsPrepareDone && mIsKickDone) return prepare();
    if (mIsPrepareDone && !mIsKickDone) return kicking();
    mIsPrepareDone = false;
    return "";
}

std::string AngledKick::prepare()
{
    if (mPostureCalls == kMaxPostureCalls)
    {
        mPostureCalls = 0;
        std::cerr << mConfig.name << ": kick-ready posture not reached in " << kMaxPostureCalls
                  << " cycles; kick given up" << std::endl;
        return "";
    }
    ++mPostureCalls;
    std::string out = fix();
    mPosture.appendCommand(out, *WM);
    if (mPosture.isReached(*WM))
    {
        mPostureCalls = 0;
        mIsPrepareDone = true;
        mIsKickDone = false;
    }
    return out;
}

std::string AngledKick::kicking()
{
    const int endCycle = mConfig.endCycle;
    std::string out;
    if (cycle < endCycle)
        out = frameText(cycle);
    else if (cycle == endCycle)
        out = fix();
    else if (cycle < endCycle + kSettleSteps)
        out = resetJointShoot(cycle);
    else
    {
        mIsKickDone = true;
        cycle = -1;
    }
    ++cycle;
    return out;
}

// Steps past the last frame (step 30 of the 90-degree kicks) repeat it.
std::string AngledKick::frameText(int step) const
{
    return mFrames[static_cast<std::size_t>(std::min(step, kFrames - 1))];
}
