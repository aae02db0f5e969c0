#ifndef KICKR_H
#define KICKR_H

#include "Actions/Action.h"

// Placeholder: plays nothing yet.
class KickR : public Action
{
public:
    std::string execute(const std::string&) override { return ""; }
};

#endif
