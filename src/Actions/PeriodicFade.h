#ifndef PERIODICFADE_H
#define PERIODICFADE_H

#include <string>

#include "WorldModel/Singleton.h"

// The amplitude factor of the periodic motions, shared by all of them: a
// motion called with the empty phase word carries on from the factor and
// phase word that the previous periodic motion left.
class PeriodicFade : public Singleton<PeriodicFade>
{
public:
    // Ramp time used where a motion gives none (or one that is not positive).
    static constexpr double kDefaultRampTime = 0.2;

    // One cycle: a non-empty word becomes the phase, "start" restarts the
    // factor from 0; "start"/"normal" raise it by 0.02 / startupTime, "end"
    // lowers it by 0.02 / shutdownTime; it stays within 0..1. Returns it.
    double advance(const std::string& param, double startupTime, double shutdownTime);

    const std::string& phase() const { return mPhase; }
    double factor() const { return mFactor; }

private:
    static double rampTime(double seconds);

    std::string mPhase = "normal";
    double mFactor = 0.0;
    double mDelta = 0.0;
};

#endif
