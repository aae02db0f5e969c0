#ifndef PERIODICMOTION_H
#define PERIODICMOTION_H

#include <string>

#include "Actions/Action.h"

// A motion played from a periodic file named after it; the phase word drives
// the shared amplitude factor ("start", "normal", "end"; "" keeps the last).
class PeriodicMotion : public Action
{
public:
    explicit PeriodicMotion(const std::string& fileName, const std::string& actsDir = kActsDir);
    std::string execute(const std::string& phase) override;
};

#endif
