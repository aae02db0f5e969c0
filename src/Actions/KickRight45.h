#ifndef KICKRIGHT45_H
#define KICKRIGHT45_H

#include "Actions/Action.h"

// Placeholder: plays nothing yet.
class KickRight45 : public Action
{
public:
    std::string execute(const std::string&) override { return ""; }
};

#endif
