#ifndef KICKRIGHT90_H
#define KICKRIGHT90_H

#include "Actions/Action.h"

// Placeholder: plays nothing yet.
class KickRight90 : public Action
{
public:
    std::string execute(const std::string&) override { return ""; }
};

#endif
