#ifndef MYMATH_H
#define MYMATH_H

// Geometry helpers in degrees and metres.

#include "salt/vector.h"
#include "WorldModel/Types.h"

// (d cos phi cos theta, d cos phi sin theta, d sin phi): theta toward +y, phi up.
salt::Vector3f PolarToCartecian(VisionSense vs);
// Inverse of PolarToCartecian; only distance, theta and phi are set. The zero
// vector gives distance 0, theta 0, phi 0.
VisionSense CartecianToPolar(salt::Vector3f v);

double sinDeg(double deg);
double cosDeg(double deg);
// Arcsine in degrees, exactly +-90 for ratios at or beyond +-1.
double asinDeg(double x);

// Heading of v from the origin in degrees, (-180, 180].
float getAngleWithStraight(salt::Vector3f v, bool flat);
// Distance of a and b; on the ground plane when flat is set.
double calculateDist(salt::Vector3f a, salt::Vector3f b, bool flat);
// v on the ground plane scaled to length 1 (z 0); ifZero when v has no
// planar length, which has no direction.
salt::Vector3f planarUnit(salt::Vector3f v, salt::Vector3f ifZero);
// True only when all three components are NaN.
bool isNaN(salt::Vector3f v);

#endif
