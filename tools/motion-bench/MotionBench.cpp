#include "MotionBench.h"

#include <fstream>
#include <iostream>

#include "Actions/ActionSwitchMechanism.h"
#include "Skills/Skills.h"
#include "WorldModel/WorldModel.h"

MotionBench::MotionBench(std::string modeFile, ActionSwitchMechanism& actions)
    : mModeFile(std::move(modeFile)), mActions(actions)
{
}

std::string MotionBench::command()
{
    const MotionRequest request = currentRequest();
    if (request.getUpWhenDown)
    {
        std::string getUp = getUpIfDown();
        if (!getUp.empty()) return getUp;
    }
    return serve(request);
}

MotionRequest MotionBench::currentRequest()
{
    const MotionRequest standingWait;
    MotionRequest request;
    std::ifstream in(mModeFile);
    std::string line, error;
    if (!in || !std::getline(in, line))
    {
        report("motion-bench: cannot read the mode file \"" + mModeFile + "\"; standing");
        return standingWait;
    }
    if (!MotionRequest::parse(line, request, error) || !usable(request, error))
    {
        report("motion-bench: bad mode line \"" + line + "\": " + error + "; standing");
        return standingWait;
    }
    mLastReport.clear();
    return request;
}

bool MotionBench::usable(const MotionRequest& request, std::string& error) const
{
    if (request.kind != MotionRequest::ACT || mActions.hasMotion(request.action)) return true;
    error = "no motion for action type " + std::to_string(request.action);
    return false;
}

std::string MotionBench::serve(const MotionRequest& request)
{
    switch (request.kind)
    {
    case MotionRequest::RAW:
        return request.raw;
    case MotionRequest::OMNI:
        mActions.setWalkOmniPara(request.walk);
        return mActions.doAction(WALK_OMNI, HEAD_FOCUS_ON_OBJECT, BALL);
    case MotionRequest::KICK_REQUEST:
        mActions.setIsLeftHold(request.leftHold);
        mActions.setKickType(request.kickType);
        return mActions.doAction(KICK, HEAD_FOCUS_ON_OBJECT, BALL);
    case MotionRequest::ACT:
        break;
    }
    return mActions.doAction(request.action, HEAD_FOCUS_ON_OBJECT, BALL);
}

// While the robot lies, the player's own get-up skill, as rovan runs it.
std::string MotionBench::getUpIfDown()
{
    const WorldModel& wm = *WorldModel::instance();
    if (!wm.getIsObjectFallDown(wm.getMyObject())) return "";
    return Skills::instance()->getUp(HEAD_FOCUS_ON_OBJECT, BALL);
}

// Each fault once, until the file reads well again or says something else.
void MotionBench::report(const std::string& what)
{
    if (what == mLastReport) return;
    mLastReport = what;
    std::cerr << what << std::endl;
}
