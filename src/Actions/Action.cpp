#include "Actions/Action.h"

#include <cmath>
#include <iostream>

#include "Actions/JointCommand.h"
#include "Actions/KeyFrameFile.h"
#include "WorldModel/WorldModel.h"

namespace {

constexpr double kCycle = 0.02;
constexpr double kHalfCycle = 0.01;
constexpr int kStartRow = 22;
constexpr int kEndRow = 23;
constexpr int kTableRows = 24;

void reportFile(const std::string& path, const std::string& fault)
{
    if (!fault.empty()) std::cerr << "motion file " << path << " " << fault << std::endl;
}

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

} // namespace

Action::Action() : WM(WorldModel::instance()) {}

void Action::dataFill(KeyFrameTable& table, const std::string& fileName, const std::string& actsDir)
{
    const std::string path = actsDir + fileName + ".txt";
    reportFile(path, KeyFrameFile::read(path, table));
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
    return moveJoint(jid, JointCommand::speedTo(*WM, jid, expectedAngle, maxDeltaAngle, pid,
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
