#ifndef KICKLEFT90_H
#define KICKLEFT90_H

#include <string>

#include "Actions/AngledKick.h"

// A 90-degree kick to the left, moving the left leg.
class KickLeft90 : public AngledKick
{
public:
    // Reads its token files from actsDir (ending with '/').
    explicit KickLeft90(const std::string& actsDir = kActsDir);
};

#endif
