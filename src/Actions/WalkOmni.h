#ifndef WALKOMNI_H
#define WALKOMNI_H

#include "Actions/Action.h"
#include "WorldModel/Singleton.h"

// Placeholder: walks nowhere yet.
class WalkOmni : public Action, public Singleton<WalkOmni>
{
public:
    std::string execute(const std::string&) override { return ""; }
    void setWalkOmniPara(WalkOmniPara) {}
};

#endif
