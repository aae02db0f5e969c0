#ifndef TESTS_SUPPORT_RECORDINGACTIONSWITCH_H
#define TESTS_SUPPORT_RECORDINGACTIONSWITCH_H

// The skill tests (rovan_skill_tests) link RecordingActionSwitch.cpp in place
// of the real src/Actions/ActionSwitchMechanism.cpp. That file defines every
// member of ActionSwitchMechanism: no motion runs, every call is appended to
// one ordered record instead, and doAction answers a marker such as "<19>"
// (the requested action type) and makes the requested type the running one,
// unless a test has fixed the running motion.
//
// Deleting the switch (ActionSwitchMechanism::deleteT) clears the record and
// the fixed motion. Delete it together with Skills, GetWalkOmniType,
// FallDownRecognition and WorldModel after each test: Skills and
// GetWalkOmniType keep the pointers they took at construction.

#include <string>
#include <vector>

#include "WorldModel/Types.h"

struct SwitchCall
{
    enum Kind { DO_ACTION, WALK_PARA, LEFT_HOLD, KICK_TYPE, INIT_STATE };

    Kind kind = DO_ACTION;
    // DO_ACTION
    ActionType action = UNKNOWN;
    HeadActionType head = HEAD_FOCUS_ON_OBJECT;
    Object obj = OBJECT_MAX;
    // WALK_PARA
    WalkOmniPara walk;
    // LEFT_HOLD
    bool leftHold = false;
    // KICK_TYPE
    KickType kickType = KICK_TYPE_1;
};

namespace SwitchRecord {

// Every call to the switch since it was created, in order.
const std::vector<SwitchCall>& calls();
// Only the doAction calls.
std::vector<SwitchCall> actions();
// Only the walk requests.
std::vector<WalkOmniPara> walkRequests();
// What doAction answers for a type: "<" code ">".
std::string marker(ActionType type);
// Fixes the motion that getCurAct reports, also for a switch created later,
// until the switch is deleted.
void fixRunning(ActionType type);

} // namespace SwitchRecord

#endif
