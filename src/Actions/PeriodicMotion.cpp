#include "Actions/PeriodicMotion.h"

PeriodicMotion::PeriodicMotion(const std::string& fileName, const std::string& actsDir)
{
    dataFill(actStruct, fileName, actsDir);
}

std::string PeriodicMotion::execute(const std::string& phase)
{
    return act(actStruct, phase);
}
