#include "Actions/PeriodicFade.h"

#include <algorithm>
#include <cmath>

double PeriodicFade::advance(const std::string& param, double startupTime, double shutdownTime)
{
    if (!param.empty()) mPhase = param;
    if (param == "start") mFactor = 0.0;
    if (mPhase == "start" || mPhase == "normal")
        mDelta = 0.02 / rampTime(startupTime);
    else if (mPhase == "end")
        mDelta = -0.02 / rampTime(shutdownTime);
    mFactor = std::clamp(mFactor + mDelta, 0.0, 1.0);
    return mFactor;
}

double PeriodicFade::rampTime(double seconds)
{
    return std::isfinite(seconds) && seconds > 0.0 ? seconds : kDefaultRampTime;
}
