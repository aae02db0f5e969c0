#ifndef KICKR_H
#define KICKR_H

#include <string>

#include "Actions/SideKick.h"

// Straight side kick with the right foot (KICK_R), from "KickR.txt".
class KickR : public SideKick
{
public:
    // Reads actsDir + "KickR.txt" (actsDir ends with '/').
    explicit KickR(const std::string& actsDir = kActsDir);
};

#endif
