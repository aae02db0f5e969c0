#ifndef POSITION_H
#define POSITION_H

#include <string>

#include "salt/vector.h"
#include "WorldModel/Singleton.h"

// Placeholder: never beams yet.
class Position : public Singleton<Position>
{
public:
    bool canBeam() { return false; }
    std::string beam() { return ""; }
    salt::Vector3f getHomePos() const { return salt::Vector3f(); }
};

#endif
