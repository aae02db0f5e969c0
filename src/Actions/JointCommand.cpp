#include "Actions/JointCommand.h"

#include <charconv>
#include <cmath>
#include <iostream>

#include "salt/gmath.h"
#include "WorldModel/WorldModel.h"

namespace JointCommand {

void appendNumber(std::string& out, double value)
{
    if (!std::isfinite(value)) value = 0.0;
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 6);
    out.append(buf, res.ptr);
}

void appendMoveJoint(std::string& out, JointID jid, double vel)
{
    const std::string& name = Types::instance()->effectorName(jid);
    if (!std::isfinite(vel))
    {
        std::cerr << "moveJoint: non-finite speed for joint " << name << " sent as 0" << std::endl;
        vel = 0.0;
    }
    out += '(';
    out += name;
    out += ' ';
    appendNumber(out, vel);
    out += ')';
}

void appendApproach(std::string& out, const WorldModel& wm, JointID jid, double target, int cyclesLeft)
{
    constexpr double kApproachGain = 3.0;
    const double value = (target - wm.getJointAngle(jid)) / cyclesLeft * kApproachGain;
    out += " (";
    out += Types::instance()->effectorName(jid);
    out += ' ';
    appendNumber(out, value);
    out += ") ";
}

double speedTo(const WorldModel& wm, JointID jid, double expectedAngle, double maxDeltaAngle, const Kpid& pid,
               const char* errorText)
{
    if (maxDeltaAngle < 0)
    {
        std::cout << errorText;
        return 0.0;
    }
    double d = expectedAngle - wm.getJointAngle(jid);
    if (std::fabs(d) > maxDeltaAngle) d = salt::gSign(d) * maxDeltaAngle;
    return salt::gDegToRad(d) / 0.02 * pid.Kp;
}

} // namespace JointCommand
