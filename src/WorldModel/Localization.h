#ifndef LOCALIZATION_H
#define LOCALIZATION_H

#include "WorldModel/Singleton.h"

// Placeholder: does not localise yet.
class Localization : public Singleton<Localization>
{
public:
    void localize() {}
};

#endif
