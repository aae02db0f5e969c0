#include "Actions/PeriodicFile.h"

#include <cmath>
#include <fstream>
#include <locale>
#include <sstream>

#include "Actions/PeriodicFade.h"
#include "WorldModel/Types.h"

namespace {

void keepFirst(std::string& fault, const std::string& found)
{
    if (fault.empty()) fault = found;
}

bool usableRampTime(double seconds)
{
    return std::isfinite(seconds) && seconds > 0.0;
}

} // namespace

std::string PeriodicFile::read(const std::string& path, Action::WalkPara& para)
{
    para = Action::WalkPara();
    para.startupTime = para.shutdownTime = PeriodicFade::kDefaultRampTime;
    std::ifstream in(path);
    if (!in) return "cannot be read";
    std::string fault, text;
    std::istringstream line;
    line.imbue(std::locale::classic());
    bool timesRead = false;
    while (std::getline(in, text))
    {
        if (text.find_first_not_of(" \t\r") == std::string::npos) continue;
        line.clear();
        line.str(text);
        if (!timesRead) keepFirst(fault, readTimes(line, para));
        timesRead = true;
        keepFirst(fault, readJointLine(line, para));
    }
    if (!timesRead) keepFirst(fault, "is empty");
    return fault;
}

// Leaves line at the first word after the times.
std::string PeriodicFile::readTimes(std::istream& line, Action::WalkPara& para)
{
    double times[2] = {PeriodicFade::kDefaultRampTime, PeriodicFade::kDefaultRampTime};
    int found = 0;
    for (; found < 2; ++found)
    {
        const std::streampos at = line.tellg();
        if (line >> times[found]) continue;
        line.clear();
        line.seekg(at);
        break;
    }
    std::string fault;
    for (int k = 0; k < 2; ++k)
        if (!usableRampTime(times[k]) || k >= found)
        {
            times[k] = PeriodicFade::kDefaultRampTime;
            keepFirst(fault, "lacks a positive start-up or shut-down time; 0.2 s is used");
        }
    para.startupTime = times[0];
    para.shutdownTime = times[1];
    return fault;
}

std::string PeriodicFile::readJointLine(std::istream& line, Action::WalkPara& para)
{
    std::string name;
    if (!(line >> name)) return "";
    JointID jid = JID_MAX;
    if (!Types::instance()->findJointID(name, jid) || jid >= JID_MAX)
        return "names no joint \"" + name + "\"; its line is skipped";
    return readGroups(line, para.ATPhiAlpha[jid]);
}

std::string PeriodicFile::readGroups(std::istream& line, Action::WalkPara::SubPara& sub)
{
    std::string label;
    for (int k = 0; k < 2; ++k)
    {
        double A = 0, T = 0, phi = 0, alpha = 0;
        if (!(line >> label)) return "";
        if (!(line >> A >> T >> phi >> alpha)) return "has an incomplete group after \"" + label + "\"";
        if (!(T > 0.0)) return "has a group with a period that is not positive";
        sub.A[k] = A;
        sub.T[k] = T;
        sub.phi[k] = phi;
        sub.alpha[k] = alpha;
    }
    return line >> label ? "has more than two groups on a line; the rest is ignored" : "";
}
