#ifndef TESTS_SUPPORT_SIGHTINGS_H
#define TESTS_SUPPORT_SIGHTINGS_H

#include "WorldModel/Types.h"

// A sighting with only its polar triple set, as the parser stores it.
inline VisionSense polarSighting(double distance, double theta, double phi)
{
    VisionSense vs;
    vs.distance = distance;
    vs.theta = theta;
    vs.phi = phi;
    return vs;
}

#endif
