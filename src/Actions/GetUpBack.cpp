#include "Actions/GetUpBack.h"

#include <iostream>

#include "Actions/JointCommand.h"
#include "Actions/MotionFiles.h"
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

} // namespace

GetUpBack::GetUpBack(const std::string& actsDir)
{
    const std::string path = actsDir + "GetUpBack.txt";
    MotionFiles::report(path, MotionFiles::readCommandLines(path, kMaxLines, kMaxLineLength - 1, sUp));
}

std::string GetUpBack::execute(const std::string&)
{
    if (ABLcounter == 0 && counter < kApproachCycles) return approach();
    if (ABLcounter < sUp.size()) return sUp[ABLcounter++];
    return finish();
}

std::string GetUpBack::approach()
{
    const int cyclesLeft = kApproachCycles - counter;
    std::string text;
    text.reserve(JID_MAX * 16);
    for (JointID jid : kApproachOrder) JointCommand::appendApproach(text, *WM, jid, kStartPosture[jid], cyclesLeft);
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
