#ifndef KICKLEFT45_H
#define KICKLEFT45_H

#include <string>

#include "Actions/AngledKick.h"

// A 45-degree kick to the left, moving the right leg.
class KickLeft45 : public AngledKick
{
public:
    // Reads its token files from actsDir (ending with '/').
    explicit KickLeft45(const std::string& actsDir = kActsDir);
};

#endif
