#include "Actions/SideKick.h"

#include "Actions/JointCommand.h"
#include "Actions/MotionFiles.h"
#include "WorldModel/WorldModel.h"

SideKick::SideKick(const std::string& fileName, const std::string& actsDir, double leftArmRoll,
                   double rightArmRoll)
    : mTargets{
          {JID_RARM_1, -90.0}, {JID_RARM_2, rightArmRoll}, {JID_RARM_3, 0.0}, {JID_RARM_4, 0.0},
          {JID_LARM_1, -90.0}, {JID_LARM_2, leftArmRoll},  {JID_LARM_3, 0.0}, {JID_LARM_4, 0.0},
          {JID_RLEG_1, 0.0},   {JID_RLEG_2, 0.0},          {JID_RLEG_3, 9.0}, {JID_RLEG_4, -34.39},
          {JID_RLEG_5, 25.75}, {JID_RLEG_6, 0.0},          {JID_LLEG_1, 0.0}, {JID_LLEG_2, 0.0},
          {JID_LLEG_3, 9.17},  {JID_LLEG_4, -34.38},       {JID_LLEG_5, 25.78}, {JID_LLEG_6, 0.0},
      }
{
    const std::string path = actsDir + fileName + ".txt";
    MotionFiles::report(path, MotionFiles::readCommandLines(path, kMaxLines, kMaxLineLength, fKick));
}

std::string SideKick::execute(const std::string&)
{
    if (Kickcur == 0 && counter < kApproachCycles) return approach();
    if (Kickcur < fKick.size()) return fKick[Kickcur++];
    counter = 0;
    Kickcur = 0;
    return "";
}

std::string SideKick::approach()
{
    const int cyclesLeft = kApproachCycles - counter;
    std::string out;
    out.reserve(kApproachJoints * 20);
    for (const Target& target : mTargets) JointCommand::appendApproach(out, *WM, target.jid, target.angle, cyclesLeft);
    ++counter;
    return out;
}
