#ifndef KICKLEFT90_H
#define KICKLEFT90_H

#include "Actions/Action.h"

// Placeholder: plays nothing yet.
class KickLeft90 : public Action
{
public:
    std::string execute(const std::string&) override { return ""; }
};

#endif
