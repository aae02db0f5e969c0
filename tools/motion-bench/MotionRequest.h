#ifndef MOTIONREQUEST_H
#define MOTIONREQUEST_H

#include <string>
#include <string_view>

#include "WorldModel/Types.h"

// One line of the bench's mode file:
//   omni:TYPE:SPEED     the omnidirectional walk (TYPE 1..8, SPEED in (0, 1])
//   act:N               the motion of action type N
//   kick:TYPE:LEFTHOLD  the general kick (TYPE 0..2, LEFTHOLD 0 or 1)
//   raw:TEXT            TEXT sent as it is
//   g+MODE              MODE, but the get-up while the robot lies down
struct MotionRequest
{
    enum Kind { ACT, OMNI, KICK_REQUEST, RAW };

    Kind kind = ACT;
    ActionType action = WAIT;
    WalkOmniPara walk;
    KickType kickType = KICK_TYPE_1;
    bool leftHold = true;
    std::string raw;
    bool getUpWhenDown = false;

    // Reads one line (a trailing line end and blanks are ignored). On a bad
    // line returns false and says why in error; request is then unchanged.
    static bool parse(std::string_view line, MotionRequest& request, std::string& error);
};

#endif
