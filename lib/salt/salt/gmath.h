#ifndef SALT_GMATH_H
#define SALT_GMATH_H

// Scalar helpers for float and double. Angles in degrees or radians as named.

#include <cmath>

namespace salt {

constexpr double gPI = 3.141592653589793;

template <class T> inline T gSin(T rad) { return std::sin(rad); }
template <class T> inline T gCos(T rad) { return std::cos(rad); }
template <class T> inline T gArcSin(T x) { return std::asin(x); }
template <class T> inline T gArcCos(T x) { return std::acos(x); }
template <class T> inline T gArcTan2(T y, T x) { return std::atan2(y, x); }
template <class T> inline T gSqrt(T x) { return std::sqrt(x); }
template <class T> inline T gAbs(T x) { return std::fabs(x); }
template <class T> inline bool gIsNan(T x) { return std::isnan(x); }

template <class T> inline T gDegToRad(T deg) { return static_cast<T>(deg * gPI / 180.0); }
template <class T> inline T gRadToDeg(T rad) { return static_cast<T>(rad * 180.0 / gPI); }

// -1, 0 or +1; NaN gives 0.
template <class T> inline int gSign(T x) { return (x > T(0)) - (x < T(0)); }

// Into (-period/2, period/2]. fmod is exact, so values already in range are
// returned unchanged; NaN and infinity give NaN.
template <class T> inline T gNormalizePeriodic(T x, T period)
{
    const T half = period / T(2);
    if (x > -half && x <= half) return x;
    x = std::fmod(x, period);
    if (x > half) x -= period;
    else if (x <= -half) x += period;
    return x;
}

template <class T> inline T gNormalizeDeg(T deg) { return gNormalizePeriodic(deg, T(360)); }
template <class T> inline T gNormalizeRad(T rad) { return gNormalizePeriodic(rad, T(2.0 * gPI)); }

} // namespace salt

#endif
