#ifndef KICKL_H
#define KICKL_H

#include "Actions/Action.h"

// Placeholder: plays nothing yet.
class KickL : public Action
{
public:
    std::string execute(const std::string&) override { return ""; }
};

#endif
