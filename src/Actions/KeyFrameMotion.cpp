#include "Actions/KeyFrameMotion.h"

KeyFrameMotion::KeyFrameMotion(const std::string& fileName, const std::string& actsDir)
{
    dataFill(actMatrix, fileName, actsDir);
}

std::string KeyFrameMotion::execute(const std::string&)
{
    return act(actMatrix);
}
