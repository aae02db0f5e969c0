#ifndef NAOJOINTLIMITS_H
#define NAOJOINTLIMITS_H

#include "WorldModel/Types.h"

// Hinge limits of the simulated NAO, degrees, by JointID.
struct JointLimit
{
    double lo, hi;
};

inline constexpr JointLimit kNaoJointLimit[JID_MAX] = {
    {-120, 120}, {-45, 45},                   // neck yaw, pitch
    {-90, 1},    {-90, 1},                    // hip yaw-pitch
    {-25, 45},   {-45, 25},                   // hip roll
    {-25, 100},  {-25, 100},                  // hip pitch
    {-130, 1},   {-130, 1},                   // knee
    {-45, 75},   {-45, 75},                   // ankle pitch
    {-45, 25},   {-25, 45},                   // ankle roll
    {-120, 120}, {-120, 120},                 // shoulder pitch
    {-1, 95},    {-95, 1},                    // shoulder roll
    {-120, 120}, {-120, 120},                 // elbow yaw
    {-90, 1},    {-1, 90},                    // elbow roll
};

#endif
