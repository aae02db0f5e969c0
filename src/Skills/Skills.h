#ifndef SKILLS_H
#define SKILLS_H

#include <string>

#include "WorldModel/Singleton.h"
#include "WorldModel/Types.h"

// Placeholder: has no skills yet; getUp answers nothing.
class Skills : public Singleton<Skills>
{
public:
    // One cycle's command for getting up; defined per program.
    std::string getUp(HeadActionType headType, Object obj);
};

#endif
