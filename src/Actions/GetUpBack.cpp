#include "Actions/GetUpBack.h"

#include <fstream>
#include <iostream>

#include "Actions/JointCommand.h"
#include "WorldModel/WorldModel.h"

namespace {

// Starting posture, degrees, by JointID.
constexpr double kStartPosture[JID_MAX] = {
    0, 0,                   // head
    0, 0, 0, 0, 10.0, 10.0, // legs 1..3, left then right
    0, 0, -5.74, -5.74, 0, 0,
    -80.0, -80.0, -5.0, 5.0, // arms 1..2
    0, 0, 0, 0,
};

// Effector order of the approach text: head, right arm, left arm, right leg, left leg.
constexpr JointID kApproachOrder[JID_MAX] = {
    JID_HEAD_1, JID_HEAD_2, JID_RARM_1, JID_RARM_2, JID_RARM_3, JID_RARM_4, JID_LARM_1, JID_LARM_2,
    JID_LARM_3, JID_LARM_4, JID_RLEG_1, JID_RLEG_2, JID_RLEG_3, JID_RLEG_4, JID_RLEG_5, JID_RLEG_6,
    JID_LLEG_1, JID_LLEG_2, JID_LLEG_3, JID_LLEG_4, JID_LLEG_5, JID_LLEG_6,
};

constexpr double kApproachGain = 3.0;

} // namespace

GetUpBack::GetUpBack(const std::string& actsDir)
{
    const std::string path = actsDir + "GetUpBack.txt";
    std::ifstream in(path);
    const std::string fault = in ? readLines(in) : "cannot be read; the get-up only approaches its posture";
    if (!fault.empty()) std::cerr << "motion file " << path << " " << fault << std::endl;
}

std::string GetUpBack::readLines(std::istream& in)
{
    char line[kMaxLineLength];
    while (in.getline(line, kMaxLineLength))
    {
        if (line[0] != '(') continue;
        if (fLength == kMaxLines) return "holds more than 100 command lines; the rest is ignored";
        std::string& stored = sUp[fLength++];
        stored = line;
        if (!stored.empty() && stored.back() == '\r') stored.pop_back();
    }
    if (!in.eof()) return "has a line of 2048 characters or more; reading stopped there";
    return "";
}

std::string GetUpBack::execute(const std::string&)
{
    if (ABLcounter == 0 && counter < kApproachCycles) return approach();
    if (ABLcounter < fLength) return sUp[ABLcounter++];
    return finish();
}

// Three times the share of each joint's remaining gap that falls on one of
// the cycles left.
std::string GetUpBack::approach()
{
    const int cyclesLeft = kApproachCycles - counter;
    std::string text;
    text.reserve(JID_MAX * 16);
    for (JointID jid : kApproachOrder)
    {
        const double speed = (kStartPosture[jid] - WM->getJointAngle(jid)) / cyclesLeft * kApproachGain;
        text += " (";
        text += Types::instance()->effectorName(jid);
        text += ' ';
        JointCommand::appendNumber(text, speed);
        text += ") ";
    }
    ++counter;
    return text;
}

std::string GetUpBack::finish()
{
    ABLcounter = 0;
    counter = 0;
    std::cout << "*********getupback finish************" << std::endl;
    return "";
}
