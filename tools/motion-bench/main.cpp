// A development tool, not a player: connects, creates its robot and beams as
// rovan does, then answers every cycle with the motion named in the file of
// $MOTION_MODE_FILE (see MotionRequest.h), for measuring motions in the
// real server.
#include <cstdlib>
#include <string>

#include "Actions/ActionSwitchMechanism.h"
#include "Agent/Agent.h"
#include "MainLoop.h"
#include "PlayerMain.h"
#include "MotionBench.h"

namespace {

void RunBench()
{
    const char* modeFile = std::getenv("MOTION_MODE_FILE");
    Agent* agent = Agent::instance();
    MotionBench bench(modeFile ? modeFile : "", *ActionSwitchMechanism::instance());
    std::string message;
    while (gLoop && agent->Sense(message))
    {
        if (!agent->StartUp(message)) message = bench.command();
        agent->Act(message);
    }
    gLoop = false;
}

} // namespace

int main(int argc, char** argv)
{
    return PlayerMain(argc, argv, RunBench);
}
