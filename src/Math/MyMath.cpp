#include "Math/MyMath.h"

#include "salt/gmath.h"

using namespace salt;

Vector3f PolarToCartecian(VisionSense vs)
{
    const double t = gDegToRad(vs.theta);
    const double p = gDegToRad(vs.phi);
    const double d = vs.distance;
    return Vector3f(static_cast<float>(d * gCos(p) * gCos(t)),
                    static_cast<float>(d * gCos(p) * gSin(t)),
                    static_cast<float>(d * gSin(p)));
}

VisionSense CartecianToPolar(Vector3f v)
{
    const double x = v.x(), y = v.y(), z = v.z();
    VisionSense vs;
    vs.distance = gSqrt(x * x + y * y + z * z);
    vs.theta = gRadToDeg(gArcTan2(y, x));
    vs.phi = vs.distance > 0.0 ? gRadToDeg(gArcSin(z / vs.distance)) : 0.0;
    return vs;
}

double sinDeg(double deg) { return gSin(gDegToRad(deg)); }

double cosDeg(double deg) { return gCos(gDegToRad(deg)); }

double asinDeg(double x)
{
    if (x >= 1.0) return 90.0;
    if (x <= -1.0) return -90.0;
    return gRadToDeg(gArcSin(x));
}

float getAngleWithStraight(Vector3f v, bool flat)
{
    if (flat) v.z() = 0.0f;
    const float rad = gArcTan2(v.y(), v.x());
    return static_cast<float>((rad * 180.0f) / gPI);
}

double calculateDist(Vector3f a, Vector3f b, bool flat)
{
    if (flat) a.z() = b.z() = 0.0f;
    return (a - b).Length();
}

Vector3f planarUnit(Vector3f v, Vector3f ifZero)
{
    const double x = v.x(), y = v.y();
    const double length = gSqrt(x * x + y * y);
    if (!(length > 0.0)) return ifZero;
    return Vector3f(static_cast<float>(x / length), static_cast<float>(y / length), 0.0f);
}

bool isNaN(Vector3f v)
{
    return v.x() != v.x() && v.y() != v.y() && v.z() != v.z();
}
