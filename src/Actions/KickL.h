#ifndef KICKL_H
#define KICKL_H

#include <string>

#include "Actions/SideKick.h"

// Straight side kick with the left foot (KICK_L), from "KickL.txt".
class KickL : public SideKick
{
public:
    // Reads actsDir + "KickL.txt" (actsDir ends with '/').
    explicit KickL(const std::string& actsDir = kActsDir);
};

#endif
