#ifndef JOINTCOMMAND_H
#define JOINTCOMMAND_H

// Text of hinge-joint speed commands: "(effector speed)", the number written
// as a default C++ stream writes a double (%g, six significant digits) in the
// classic locale. Shared by the motions, the action switch and head control.

#include <string>

#include "WorldModel/Types.h"

class WorldModel;

namespace JointCommand {

// Appends the number in the command format; a non-finite value is written 0.
void appendNumber(std::string& out, double value);

// Appends "(name vel)". A non-finite speed is written 0 and reported once on
// standard error.
void appendMoveJoint(std::string& out, JointID jid, double vel);

// Appends " (name v) ", v = 3 * (target - angle) / cyclesLeft: the step of an
// approach to a starting posture, three times the share of the joint's
// remaining gap that falls on one of the cycles left.
void appendApproach(std::string& out, const WorldModel& wm, JointID jid, double target, int cyclesLeft);

// The speed that drives jid toward expectedAngle (degrees), at most
// maxDeltaAngle degrees' worth per 0.02 s cycle, scaled by pid.Kp. A negative
// maxDeltaAngle prints errorText (no line end) on standard output and gives 0.
double speedTo(const WorldModel& wm, JointID jid, double expectedAngle, double maxDeltaAngle, const Kpid& pid,
               const char* errorText);

} // namespace JointCommand

#endif
