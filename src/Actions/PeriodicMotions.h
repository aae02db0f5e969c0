#ifndef PERIODICMOTIONS_H
#define PERIODICMOTIONS_H

// The periodic motions; each reads the file of its own name.

#include <string>

#include "Actions/PeriodicMotion.h"

#define ROVAN_PERIODIC_MOTION(Name)                                                    \
    class Name : public PeriodicMotion                                                 \
    {                                                                                  \
    public:                                                                            \
        explicit Name(const std::string& actsDir = kActsDir) : PeriodicMotion(#Name, actsDir) {} \
    }

ROVAN_PERIODIC_MOTION(TurnL);
ROVAN_PERIODIC_MOTION(TurnR);
ROVAN_PERIODIC_MOTION(FastTurnL);
ROVAN_PERIODIC_MOTION(FastTurnR);
ROVAN_PERIODIC_MOTION(SlowTurnL);
ROVAN_PERIODIC_MOTION(SlowTurnR);
ROVAN_PERIODIC_MOTION(LargeTurnL);
ROVAN_PERIODIC_MOTION(LargeTurnR);
ROVAN_PERIODIC_MOTION(WalkFast);
ROVAN_PERIODIC_MOTION(WalkForward);
ROVAN_PERIODIC_MOTION(MiniWalkForward);
ROVAN_PERIODIC_MOTION(WalkBackward);
ROVAN_PERIODIC_MOTION(WalkLeft);
ROVAN_PERIODIC_MOTION(WalkFastLeft);
ROVAN_PERIODIC_MOTION(WalkSlowLeft);
ROVAN_PERIODIC_MOTION(WalkRight);
ROVAN_PERIODIC_MOTION(WalkFastRight);
ROVAN_PERIODIC_MOTION(WalkSlowRight);
ROVAN_PERIODIC_MOTION(WalkAroundBallL);
ROVAN_PERIODIC_MOTION(WalkAroundBallR);
ROVAN_PERIODIC_MOTION(Step);

#undef ROVAN_PERIODIC_MOTION

#endif
