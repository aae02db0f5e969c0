#include "MainLoop.h"

#include <string>

#include "Agent/Agent.h"

bool gLoop = true;

void Run()
{
    std::string message;
    while (gLoop)
    {
        Agent* agent = Agent::instance();
        if (!agent->Sense(message))
        {
            gLoop = false;
            break;
        }
        agent->Think(message);
        agent->Act(message);
    }
}
