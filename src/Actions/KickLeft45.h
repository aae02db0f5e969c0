#ifndef KICKLEFT45_H
#define KICKLEFT45_H

#include "Actions/Action.h"

// Placeholder: plays nothing yet.
class KickLeft45 : public Action
{
public:
    std::string execute(const std::string&) override { return ""; }
};

#endif
