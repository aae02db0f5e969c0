#include "Actions/Action.h"

#include <cmath>

#include "Actions/JointCommand.h"
#include "Actions/KeyFrameFile.h"
#include "Actions/MotionFiles.h"
#include "Actions/PeriodicFade.h"
#include "Actions/PeriodicFile.h"
#include "WorldModel/WorldModel.h"

namespace {

constexpr double kCycle = 0.02;
constexpr double kHalfCycle = 0.01;
constexpr int kStartRow = 22;
constexpr int kEndRow = 23;
constexpr int kTableRows = 24;
constexpr double kNotGiven = -1000.0;
constexpr std::size_t kCommandsReserve = 22 * 16;
constexpr double kTwoPi = 6.283185307179586;

bool isPlayable(const Action::KeyFrameTable& table)
{
    if (table.size() != kTableRows || table[kEndRow].empty()) return false;
    for (const std::vector<double>& row : table)
        if (row.size() != table[kEndRow].size()) return false;
    return true;
}

// The first frame whose interval holds t plus half a cycle; -1 for none.
int frameAt(const Action::KeyFrameTable& table, double t)
{
    const double probe = t + kHalfCycle;
    for (std::size_t i = 0; i < table[kEndRow].size(); ++i)
        if (table[kStartRow][i] <= probe && table[kEndRow][i] > probe) return static_cast<int>(i);
    return -1;
}

// Sum of a joint's played terms (amplitude given); period becomes the period
// of the last one.
double sineTarget(const Action::WalkPara::SubPara& sub, double factor, double t, double& period)
{
    double target = 0.0;
    for (int k = 0; k < 2; ++k)
    {
        if (sub.A[k] == kNotGiven) continue;
        target += sub.A[k] * factor * std::sin(kTwoPi * t / sub.T[k] + sub.phi[k]) + sub.alpha[k];
        period = sub.T[k];
    }
    return target;
}

} // namespace

Action::Action() : WM(WorldModel::instance()) {}

void Action::dataFill(KeyFrameTable& table, const std::string& fileName, const std::string& actsDir)
{
    const std::string path = actsDir + fileName + ".txt";
    MotionFiles::report(path, KeyFrameFile::read(path, table));
}

void Action::dataFill(WalkPara& para, const std::string& fileName, const std::string& actsDir)
{
    const std::string path = actsDir + fileName + ".txt";
    MotionFiles::report(path, PeriodicFile::read(path, para));
}

std::string Action::act(const KeyFrameTable& table)
{
    if (!isPlayable(table))
    {
        time = 0.0;
        return "";
    }
    const double t = time;
    std::string text;
    text.reserve(kCommandsReserve);
    const int frame = frameAt(table, t);
    if (frame >= 0) appendFrame(text, table, frame, t);
    time = t + kCycle;
    if (time > table[kEndRow].back())
    {
        time = 0.0;
        return "";
    }
    return text;
}

// Each driven joint gets the speed that reaches the frame's target at its end.
void Action::appendFrame(std::string& text, const KeyFrameTable& table, int frame, double t) const
{
    const double left = table[kEndRow][frame] - t;
    for (int j = 0; j < JID_MAX; ++j)
    {
        const JointID jid = static_cast<JointID>(j);
        const double target = table[j][frame];
        const double speed = std::trunc(target) == -1000.0 ? 0.0 : (target - WM->getJointAngle(jid)) / left / 50.0;
        JointCommand::appendMoveJoint(text, jid, speed);
    }
}

std::string Action::moveJoint(JointID jid, double vel) const
{
    std::string out;
    JointCommand::appendMoveJoint(out, jid, vel);
    return out;
}

std::string Action::moveJointTo(JointID jid, double expectedAngle, double maxDeltaAngle, Kpid pid) const
{
    std::string out;
    appendMoveJointTo(out, jid, expectedAngle, maxDeltaAngle, pid);
    return out;
}

void Action::appendMoveJointTo(std::string& out, JointID jid, double expectedAngle, double maxDeltaAngle,
                               const Kpid& pid) const
{
    JointCommand::appendMoveJoint(out, jid,
                                  JointCommand::speedTo(*WM, jid, expectedAngle, maxDeltaAngle, pid,
                                                        "Action::moveJointTo Error"));
}

std::string Action::fix() const
{
    std::string out;
    for (int j = 0; j < JID_MAX; ++j) JointCommand::appendMoveJoint(out, static_cast<JointID>(j), 0.0);
    return out;
}

std::string Action::resetJointShoot(int nextcycle) const
{
    std::string out = fix();
    for (int j = 0; j < JID_MAX; ++j)
    {
        const JointID jid = static_cast<JointID>(j);
        const double gain = (jid == JID_LARM_4 || jid == JID_RARM_4) ? -2.0 : -1.0;
        JointCommand::appendMoveJoint(out, jid, gain * WM->getJointAngle(jid) / nextcycle);
    }
    return out;
}

std::string Action::act(const WalkPara& para, const std::string& param)
{
    PeriodicFade& fade = *PeriodicFade::instance();
    const double factor = fade.advance(param, para.startupTime, para.shutdownTime);
    const double t = time;
    std::string text;
    text.reserve(kCommandsReserve);
    const double period = appendSines(text, para, factor, t);
    if (period < 0.0)
    {
        time = 0.0;
        return "";
    }
    if (t > period)
    {
        time = 0.0;
        if (fade.phase() != "end" || factor < 0.02) return "";
    }
    time += kCycle;
    return text;
}

double Action::appendSines(std::string& text, const WalkPara& para, double factor, double t) const
{
    double period = -1.0;
    for (int j = 0; j < JID_MAX; ++j)
    {
        const JointID jid = static_cast<JointID>(j);
        const WalkPara::SubPara& sub = para.ATPhiAlpha[j];
        double speed = 0.0;
        if (sub.A[0] != kNotGiven) speed = (sineTarget(sub, factor, t, period) - WM->getJointAngle(jid)) * 0.1;
        JointCommand::appendMoveJoint(text, jid, speed);
    }
    return period;
}
