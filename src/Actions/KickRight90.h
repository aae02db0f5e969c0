#ifndef KICKRIGHT90_H
#define KICKRIGHT90_H

#include <string>

#include "Actions/AngledKick.h"

// A 90-degree kick to the right, moving the right leg.
class KickRight90 : public AngledKick
{
public:
    // Reads its token files from actsDir (ending with '/').
    explicit KickRight90(const std::string& actsDir = kActsDir);
};

#endif
