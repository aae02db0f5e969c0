#ifndef MOTIONBENCH_H
#define MOTIONBENCH_H

#include <string>

#include "MotionRequest.h"

class ActionSwitchMechanism;

// Answers each cycle with the motion named in the mode file, read afresh
// every cycle, through the action switch. A missing file or a bad line
// means the standing wait; each bad line and a missing file are reported
// once on standard error.
class MotionBench
{
public:
    MotionBench(std::string modeFile, ActionSwitchMechanism& actions);

    std::string command();

private:
    MotionRequest currentRequest();
    bool usable(const MotionRequest& request, std::string& error) const;
    std::string serve(const MotionRequest& request);
    std::string getUpIfDown();
    void report(const std::string& what);

    std::string mModeFile;
    ActionSwitchMechanism& mActions;
    std::string mLastReport;
};

#endif
