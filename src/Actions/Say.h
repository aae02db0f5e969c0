#ifndef SAY_H
#define SAY_H

#include <string>

#include "WorldModel/Singleton.h"

// Placeholder: says nothing and decodes nothing yet.
class Say : public Singleton<Say>
{
public:
    std::string mergeSayMsg() { return ""; }
    std::string getSayMsgEncoded() { return ""; }
    void getSayMsgDecoded() {}
};

#endif
