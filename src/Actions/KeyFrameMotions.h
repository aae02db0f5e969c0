#ifndef KEYFRAMEMOTIONS_H
#define KEYFRAMEMOTIONS_H

// The key-frame motions; each reads the file of its own name.

#include <string>

#include "Actions/KeyFrameMotion.h"

#define ROVAN_KEY_FRAME_MOTION(Name)                                                   \
    class Name : public KeyFrameMotion                                                 \
    {                                                                                  \
    public:                                                                            \
        explicit Name(const std::string& actsDir = kActsDir) : KeyFrameMotion(#Name, actsDir) {} \
    }

ROVAN_KEY_FRAME_MOTION(DiveFront);
ROVAN_KEY_FRAME_MOTION(DiveBack);
ROVAN_KEY_FRAME_MOTION(DiveHandL);
ROVAN_KEY_FRAME_MOTION(DiveHandR);
ROVAN_KEY_FRAME_MOTION(DiveLegL);
ROVAN_KEY_FRAME_MOTION(DiveLegR);
ROVAN_KEY_FRAME_MOTION(DefendGoalL);
ROVAN_KEY_FRAME_MOTION(DefendGoalR);
ROVAN_KEY_FRAME_MOTION(GetUpFront);
ROVAN_KEY_FRAME_MOTION(WalkSideShortL);
ROVAN_KEY_FRAME_MOTION(WalkSideShortR);
ROVAN_KEY_FRAME_MOTION(Wait);

#undef ROVAN_KEY_FRAME_MOTION

#endif
