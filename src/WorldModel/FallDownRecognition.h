#ifndef FALLDOWNRECOGNITION_H
#define FALLDOWNRECOGNITION_H

#include "WorldModel/Singleton.h"
#include "WorldModel/Types.h"

// Placeholder: never reports a fall yet.
class FallDownRecognition : public Singleton<FallDownRecognition>
{
public:
    bool isFallDown() { return false; }
    FeltType feltType() { return FT_NONE; }
    FeltType getFeltType() { return FT_NONE; }
};

#endif
