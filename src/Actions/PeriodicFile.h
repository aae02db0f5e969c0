#ifndef PERIODICFILE_H
#define PERIODICFILE_H

#include <istream>
#include <string>

#include "Actions/Action.h"

// Reader of periodic motion files. The first non-blank line holds the
// start-up and shut-down times in seconds; every further line is a joint's
// perceptor name ("hj1" .. "raj4") and one or two groups, each a label word
// and four numbers: amplitude (degrees), period (seconds), phase (radians)
// and offset (degrees). Blank lines are skipped.
class PeriodicFile
{
public:
    // Fills para from path. Returns "" for a sound file, else the first fault.
    // A missing or non-positive time becomes PeriodicFade::kDefaultRampTime; a
    // line with an unknown joint name is skipped; a group that is incomplete
    // or has a period <= 0 is not stored, nor anything after it on its line.
    static std::string read(const std::string& path, Action::WalkPara& para);

private:
    static std::string readTimes(std::istream& line, Action::WalkPara& para);
    static std::string readJointLine(std::istream& line, Action::WalkPara& para);
    static std::string readGroups(std::istream& line, Action::WalkPara::SubPara& sub);
};

#endif
