#ifndef KEYFRAMEMOTION_H
#define KEYFRAMEMOTION_H

#include <string>

#include "Actions/Action.h"

// A motion played from a key-frame file named after it; the phase word is
// ignored.
class KeyFrameMotion : public Action
{
public:
    explicit KeyFrameMotion(const std::string& fileName, const std::string& actsDir = kActsDir);
    std::string execute(const std::string& phase) override;
};

#endif
