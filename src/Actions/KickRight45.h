#ifndef KICKRIGHT45_H
#define KICKRIGHT45_H

#include <string>

#include "Actions/AngledKick.h"

// A 45-degree kick to the right, moving the left leg.
class KickRight45 : public AngledKick
{
public:
    // Reads its token files from actsDir (ending with '/').
    explicit KickRight45(const std::string& actsDir = kActsDir);
};

#endif
