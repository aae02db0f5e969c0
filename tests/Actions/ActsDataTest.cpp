// Checks the delivered motion files under Acts/ with a parser of its own:
// formats, line limits, finite numbers and joint ranges.

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/NaoJointLimits.h"

#include "WorldModel/Types.h"

namespace {

using ::testing::AssertionFailure;
using ::testing::AssertionResult;
using ::testing::AssertionSuccess;

constexpr double kCycle = 0.02;
constexpr double kNotGiven = -1000.0;
constexpr double kPi = 3.14159265358979323846;
// Fastest joint speed the simulated motors follow, rad/s.
constexpr double kMaxJointSpeed = 7.0;

const JointLimit* const kRange = kNaoJointLimit;

bool inRange(int jid, double angle)
{
    return std::isfinite(angle) && angle >= kRange[jid].lo - 1e-9 && angle <= kRange[jid].hi + 1e-9;
}

// Where the back get-up's command lines begin: its approach posture, with the
// shoulder rolls stopped at their limits.
std::vector<double> backApproachPosture()
{
    std::vector<double> angles(JID_MAX, 0.0);
    angles[JID_LLEG_3] = angles[JID_RLEG_3] = 10.0;
    angles[JID_LLEG_5] = angles[JID_RLEG_5] = -5.74;
    angles[JID_LARM_1] = angles[JID_RARM_1] = -80.0;
    angles[JID_LARM_2] = kRange[JID_LARM_2].lo;
    angles[JID_RARM_2] = kRange[JID_RARM_2].hi;
    return angles;
}

// Where a side kick's command lines begin: the approach posture of its class
// (KickL rolls the arms left, KickR right), a shoulder roll whose target lies
// past its stop left at the stop.
std::vector<double> sideKickApproachPosture(bool leftFoot)
{
    std::vector<double> angles(JID_MAX, 0.0);
    angles[JID_LLEG_3] = 9.17;
    angles[JID_LLEG_4] = -34.38;
    angles[JID_LLEG_5] = 25.78;
    angles[JID_RLEG_3] = 9.0;
    angles[JID_RLEG_4] = -34.39;
    angles[JID_RLEG_5] = 25.75;
    angles[JID_LARM_1] = angles[JID_RARM_1] = -90.0;
    const double side = leftFoot ? 1.0 : -1.0;
    angles[JID_LARM_2] = std::clamp(side * 23.0, kRange[JID_LARM_2].lo, kRange[JID_LARM_2].hi);
    angles[JID_RARM_2] = std::clamp(side * 22.92, kRange[JID_RARM_2].lo, kRange[JID_RARM_2].hi);
    return angles;
}

// --- small parsing helpers ---------------------------------------------------------

bool toNumber(const std::string& word, double& x)
{
    const char* end = word.data() + word.size();
    auto [ptr, ec] = std::from_chars(word.data(), end, x);
    return ec == std::errc() && ptr == end && std::isfinite(x);
}

std::vector<std::string> words(const std::string& text)
{
    std::istringstream in(text);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

bool jointOf(const std::string& perceptor, int& jid)
{
    JointID id = JID_MAX;
    if (!Types::instance()->findJointID(perceptor, id)) return false;
    jid = id;
    return true;
}

bool effectorJoint(const std::string& effector, int& jid)
{
    for (int j = 0; j < JID_MAX; ++j)
        if (Types::instance()->effectorName(static_cast<JointID>(j)) == effector)
        {
            jid = j;
            return true;
        }
    return false;
}

// --- key frames ------------------------------------------------------------------

struct KeyFrameTable
{
    std::vector<double> start, end;
    std::vector<std::vector<double>> targets;  // by JointID; empty = no row
};

AssertionResult parseKeyFrames(const std::string& text, KeyFrameTable& table)
{
    std::vector<double> n;
    for (const std::string& w : words(text))
    {
        double x = 0;
        if (!toNumber(w, x)) return AssertionFailure() << "not a finite number: \"" << w << "\"";
        n.push_back(x);
    }
    if (n.size() < 2) return AssertionFailure() << "no header";
    const double maxi = n[0], maxj = n[1];
    if (maxi != std::floor(maxi) || maxj != std::floor(maxj) || maxi < 3 || maxj < 2 || maxi > 24)
        return AssertionFailure() << "bad header " << maxi << " " << maxj;
    const std::size_t rows = static_cast<std::size_t>(maxi), cols = static_cast<std::size_t>(maxj);
    if (n.size() != 2 + rows * cols)
        return AssertionFailure() << n.size() << " numbers, header asks for " << 2 + rows * cols;
    auto row = [&](std::size_t r) { return n.begin() + 2 + static_cast<std::ptrdiff_t>(r * cols); };
    table.start.assign(row(0) + 1, row(1));
    table.end.assign(row(1) + 1, row(2));
    table.targets.assign(JID_MAX, {});
    for (std::size_t r = 2; r < rows; ++r)
    {
        const double number = *row(r);
        if (number != std::floor(number) || number < 1 || number > JID_MAX)
            return AssertionFailure() << "joint number " << number << " outside 1-22";
        std::vector<double>& targets = table.targets[static_cast<int>(number) - 1];
        if (!targets.empty()) return AssertionFailure() << "joint " << number << " twice";
        targets.assign(row(r) + 1, row(r + 1));
    }
    return AssertionSuccess();
}

AssertionResult checkKeyFrames(const std::string& text, int holdCycles)
{
    KeyFrameTable table;
    AssertionResult parsed = parseKeyFrames(text, table);
    if (!parsed) return parsed;
    const std::size_t frames = table.start.size();
    for (std::size_t i = 0; i < frames; ++i)
    {
        const double expectedStart = i == 0 ? 0.0 : table.end[i - 1];
        if (std::fabs(table.start[i] - expectedStart) > 1e-9)
            return AssertionFailure() << "frame " << i << " starts at " << table.start[i] << ", not "
                                      << expectedStart;
        if (!(table.end[i] > table.start[i]))
            return AssertionFailure() << "frame " << i << " ends at " << table.end[i] << " before its start";
    }
    for (int j = 0; j < JID_MAX; ++j)
        for (std::size_t i = 0; i < table.targets[j].size(); ++i)
        {
            const double v = table.targets[j][i];
            if (std::trunc(v) != kNotGiven && !inRange(j, v))
                return AssertionFailure() << "joint " << j + 1 << " frame " << i << " target " << v
                                          << " outside " << kRange[j].lo << ".." << kRange[j].hi;
        }
    if (holdCycles > 0)
    {
        // The last frame repeats the one before it: a stand held still.
        if (frames < 2) return AssertionFailure() << "no held last frame";
        for (int j = 0; j < JID_MAX; ++j)
            if (!table.targets[j].empty() && table.targets[j][frames - 1] != table.targets[j][frames - 2])
                return AssertionFailure() << "joint " << j + 1 << " still moves in the last frame";
        const double held = table.end[frames - 1] - table.start[frames - 1];
        if (held < holdCycles * kCycle - 1e-9)
            return AssertionFailure() << "last pose held " << held << " s only";
    }
    return AssertionSuccess();
}

// --- periodic motions ----------------------------------------------------------

struct SineTerm
{
    double A, T, phi, alpha;
};

AssertionResult checkPeriodic(const std::string& text)
{
    const std::vector<std::string> all = lines(text);
    if (all.empty()) return AssertionFailure() << "empty file";
    const std::vector<std::string> times = words(all[0]);
    double startup = 0, shutdown = 0;
    if (times.size() != 2 || !toNumber(times[0], startup) || !toNumber(times[1], shutdown))
        return AssertionFailure() << "first line is not two numbers: \"" << all[0] << "\"";
    if (startup <= 0 || shutdown <= 0)
        return AssertionFailure() << "start-up " << startup << " / shut-down " << shutdown << " not positive";

    std::vector<std::vector<SineTerm>> terms(JID_MAX);
    std::set<int> seen;
    for (std::size_t l = 1; l < all.size(); ++l)
    {
        const std::vector<std::string> w = words(all[l]);
        if (w.empty()) continue;
        int jid = 0;
        if (!jointOf(w[0], jid)) return AssertionFailure() << "unknown joint name \"" << w[0] << "\"";
        if (!seen.insert(jid).second) return AssertionFailure() << w[0] << " given twice";
        const std::size_t groups = (w.size() - 1) / 5;
        if ((w.size() - 1) % 5 != 0 || groups < 1 || groups > 2)
            return AssertionFailure() << w[0] << ": " << w.size() - 1 << " words, not one or two groups of 5";
        for (std::size_t g = 0; g < groups; ++g)
        {
            SineTerm t{};
            double* fields[] = {&t.A, &t.T, &t.phi, &t.alpha};
            for (int f = 0; f < 4; ++f)
                if (!toNumber(w[2 + 5 * g + static_cast<std::size_t>(f)], *fields[f]))
                    return AssertionFailure() << w[0] << " group " << g << ": not a finite number";
            if (!(t.T > 0)) return AssertionFailure() << w[0] << " group " << g << ": T " << t.T;
            terms[jid].push_back(t);
        }
    }

    // The player's reference period: the T of the last term it plays.
    double period = -1;
    for (int j = 0; j < JID_MAX; ++j)
        if (!terms[j].empty() && terms[j][0].A != kNotGiven)
            for (const SineTerm& t : terms[j])
                if (t.A != kNotGiven) period = t.T;
    if (period < 0) return AssertionFailure() << "no term is played";

    // Targets over a period and the extra cycle a winding-down period plays,
    // at the amplitude factors 0 and 1 (the extremes of the fade).
    for (int j = 0; j < JID_MAX; ++j)
    {
        if (terms[j].empty() || terms[j][0].A == kNotGiven) continue;
        for (double factor : {0.0, 1.0})
            for (double t = 0; t <= period + kCycle; t += 0.001)
            {
                double target = 0;
                for (const SineTerm& s : terms[j])
                    if (s.A != kNotGiven) target += s.A * factor * std::sin(2 * kPi * t / s.T + s.phi) + s.alpha;
                if (!inRange(j, target))
                    return AssertionFailure() << "joint " << j + 1 << " target " << target << " at t " << t
                                              << " factor " << factor << " outside " << kRange[j].lo << ".."
                                              << kRange[j].hi;
            }
    }
    return AssertionSuccess();
}

// --- command lines -----------------------------------------------------------------

// One command line: "(effector number)" items and nothing else, each
// effector at most once. Fills speeds (rad/s) by JointID.
AssertionResult parseCommandLine(const std::string& line, std::vector<double>& speeds)
{
    speeds.assign(JID_MAX, 0.0);
    std::set<int> named;
    std::size_t pos = 0;
    while (pos < line.size())
    {
        const std::size_t blank = line.find(' ', pos);
        const std::size_t close = line.find(')', pos);
        if (line[pos] != '(' || blank == std::string::npos || close == std::string::npos || blank > close)
            return AssertionFailure() << "not an \"(effector number)\" item at column " << pos;
        const std::string name = line.substr(pos + 1, blank - pos - 1);
        int jid = 0;
        if (!effectorJoint(name, jid)) return AssertionFailure() << "unknown effector \"" << name << "\"";
        if (!named.insert(jid).second) return AssertionFailure() << name << " twice in one line";
        if (!toNumber(line.substr(blank + 1, close - blank - 1), speeds[jid]))
            return AssertionFailure() << name << ": not a finite number";
        pos = close + 1;
    }
    return AssertionSuccess();
}

AssertionResult checkCommandLines(const std::string& text, std::size_t maxLines, std::vector<double> angles,
                                  int holdCycles)
{
    std::size_t count = 0;
    int stillAtEnd = 0;
    for (const std::string& line : lines(text))
    {
        if (line.empty() || line[0] != '(') continue;
        if (++count > maxLines) return AssertionFailure() << "more than " << maxLines << " command lines";
        if (line.size() >= 2048) return AssertionFailure() << "line " << count << " is 2048 characters or longer";
        std::vector<double> speeds;
        AssertionResult parsed = parseCommandLine(line, speeds);
        if (!parsed) return parsed << " (command line " << count << ")";
        bool still = true;
        for (int j = 0; j < JID_MAX; ++j)
        {
            if (std::fabs(speeds[j]) > kMaxJointSpeed)
                return AssertionFailure() << "command line " << count << " asks joint " << j + 1 << " for "
                                          << speeds[j] << " rad/s";
            // The speed holds for one cycle.
            angles[j] += speeds[j] * kCycle * 180.0 / kPi;
            if (!inRange(j, angles[j]))
                return AssertionFailure() << "command line " << count << " drives joint " << j + 1 << " to "
                                          << angles[j] << ", outside " << kRange[j].lo << ".." << kRange[j].hi;
            still = still && speeds[j] == 0.0;
        }
        stillAtEnd = still ? stillAtEnd + 1 : 0;
    }
    if (count == 0) return AssertionFailure() << "no command line";
    if (stillAtEnd < holdCycles)
        return AssertionFailure() << "ends with " << stillAtEnd << " still cycles, needs " << holdCycles;
    return AssertionSuccess();
}

// --- kicks ------------------------------------------------------------------------

// A general-kick file: at least the 252 numbers the player indexes (42 frames
// of one leg's six joint speeds), every one a finite speed the motors follow.
AssertionResult checkKickNumbers(const std::string& text)
{
    constexpr std::size_t kNumbers = 252;
    const std::vector<std::string> all = words(text);
    if (all.size() < kNumbers) return AssertionFailure() << all.size() << " numbers, the kick plays " << kNumbers;
    for (std::size_t i = 0; i < all.size(); ++i)
    {
        double v = 0;
        if (!toNumber(all[i], v)) return AssertionFailure() << "number " << i + 1 << " \"" << all[i] << "\"";
        if (std::fabs(v) > kMaxJointSpeed) return AssertionFailure() << "number " << i + 1 << ": " << v << " rad/s";
    }
    return AssertionSuccess();
}

// An angled-kick token file: exactly the 180 tokens the player reads, each a
// finite speed the motors follow, none holding the frame separator "z".
AssertionResult checkKickTokens(const std::string& text)
{
    constexpr std::size_t kTokens = 180;
    const std::vector<std::string> all = words(text);
    if (all.size() != kTokens) return AssertionFailure() << all.size() << " tokens, the kick reads " << kTokens;
    for (std::size_t i = 0; i < all.size(); ++i)
    {
        double v = 0;
        if (all[i].find('z') != std::string::npos || !toNumber(all[i], v) || std::fabs(v) > kMaxJointSpeed)
            return AssertionFailure() << "token " << i + 1 << " \"" << all[i] << "\"";
    }
    return AssertionSuccess();
}

// A side kick's lines: the first sets every arm and leg joint (the approach's
// last speeds would go on otherwise), all within the line limits and the
// joint ranges from the approach posture, ending at rest.
AssertionResult checkSideKickLines(const std::string& text, bool leftFoot, int holdCycles)
{
    for (const std::string& line : lines(text))
    {
        if (line.empty() || line[0] != '(') continue;
        for (int j = JID_LLEG_1; j < JID_MAX; ++j)
            if (line.find("(" + Types::instance()->effectorName(static_cast<JointID>(j)) + " ") == std::string::npos)
                return AssertionFailure() << "the first line does not set "
                                          << Types::instance()->effectorName(static_cast<JointID>(j));
        break;
    }
    return checkCommandLines(text, 300, sideKickApproachPosture(leftFoot), holdCycles);
}

// --- the delivered files ----------------------------------------------------------

enum class Format { KeyFrames, Periodic, GetUpBackLines, KickNumbers, SideKickLines, KickTokens };

struct ActsFile
{
    const char* name;
    Format format;
    int holdCycles;  // cycles the motion must end standing still (get-ups, side kicks)
};

std::ostream& operator<<(std::ostream& os, const ActsFile& f) { return os << f.name; }

constexpr int kGetUpHold = 8;
constexpr int kSideKickHold = 8;

const ActsFile kFiles[] = {
    {"DiveFront", Format::KeyFrames, 0},       {"DiveBack", Format::KeyFrames, 0},
    {"DiveHandL", Format::KeyFrames, 0},       {"DiveHandR", Format::KeyFrames, 0},
    {"DiveLegL", Format::KeyFrames, 0},        {"DiveLegR", Format::KeyFrames, 0},
    {"DefendGoalL", Format::KeyFrames, 0},     {"DefendGoalR", Format::KeyFrames, 0},
    {"GetUpFront", Format::KeyFrames, kGetUpHold},
    {"GetUpBack", Format::GetUpBackLines, kGetUpHold},
    {"TurnL", Format::Periodic, 0},            {"TurnR", Format::Periodic, 0},
    {"FastTurnL", Format::Periodic, 0},        {"FastTurnR", Format::Periodic, 0},
    {"SlowTurnL", Format::Periodic, 0},        {"SlowTurnR", Format::Periodic, 0},
    {"LargeTurnL", Format::Periodic, 0},       {"LargeTurnR", Format::Periodic, 0},
    {"WalkFast", Format::Periodic, 0},         {"WalkForward", Format::Periodic, 0},
    {"MiniWalkForward", Format::Periodic, 0},  {"WalkBackward", Format::Periodic, 0},
    {"WalkLeft", Format::Periodic, 0},         {"WalkFastLeft", Format::Periodic, 0},
    {"WalkSlowLeft", Format::Periodic, 0},     {"WalkRight", Format::Periodic, 0},
    {"WalkFastRight", Format::Periodic, 0},    {"WalkSlowRight", Format::Periodic, 0},
    {"WalkAroundBallL", Format::Periodic, 0},  {"WalkAroundBallR", Format::Periodic, 0},
    {"WalkSideShortL", Format::KeyFrames, 0},  {"WalkSideShortR", Format::KeyFrames, 0},
    {"Step", Format::Periodic, 0},             {"Wait", Format::KeyFrames, 0},
    {"KickRMove1", Format::KickNumbers, 0},    {"KickRHold1", Format::KickNumbers, 0},
    {"KickRMove2", Format::KickNumbers, 0},    {"KickRHold2", Format::KickNumbers, 0},
    {"KickRMove3", Format::KickNumbers, 0},    {"KickRHold3", Format::KickNumbers, 0},
    {"KickL", Format::SideKickLines, kSideKickHold},
    {"KickR", Format::SideKickLines, kSideKickHold},
    {"KickLeft45move", Format::KickTokens, 0},  {"KickLeft45hold", Format::KickTokens, 0},
    {"KickRight45move", Format::KickTokens, 0}, {"KickRight45hold", Format::KickTokens, 0},
    {"KickLeft90move", Format::KickTokens, 0},  {"KickLeft90hold", Format::KickTokens, 0},
    {"KickRight90move", Format::KickTokens, 0}, {"KickRight90hold", Format::KickTokens, 0},
};

std::string actsDir() { return std::string(ROVAN_SOURCE_DIR) + "/Acts/"; }

bool readFile(const std::string& path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

AssertionResult checkFile(const ActsFile& f, const std::string& text)
{
    switch (f.format)
    {
    case Format::KeyFrames: return checkKeyFrames(text, f.holdCycles);
    case Format::Periodic: return checkPeriodic(text);
    case Format::GetUpBackLines: return checkCommandLines(text, 100, backApproachPosture(), f.holdCycles);
    case Format::KickNumbers: return checkKickNumbers(text);
    case Format::SideKickLines:
        return checkSideKickLines(text, std::string(f.name) == "KickL", f.holdCycles);
    case Format::KickTokens: return checkKickTokens(text);
    }
    return AssertionFailure() << "no check for this format";
}

class ActsData : public ::testing::TestWithParam<ActsFile> {};

TEST_P(ActsData, PresentAndValid)
{
    std::string text;
    ASSERT_TRUE(readFile(actsDir() + GetParam().name + ".txt", text)) << "missing Acts/" << GetParam().name << ".txt";
    EXPECT_TRUE(checkFile(GetParam(), text));
}

INSTANTIATE_TEST_SUITE_P(Acts, ActsData, ::testing::ValuesIn(kFiles),
                         [](const ::testing::TestParamInfo<ActsFile>& info) { return std::string(info.param.name); });

// Every file under Acts/ is one that the checks above cover.
TEST(ActsDataDir, HoldsOnlyCheckedFiles)
{
    std::set<std::string> listed;
    for (const ActsFile& f : kFiles) listed.insert(std::string(f.name) + ".txt");
    for (const auto& entry : std::filesystem::directory_iterator(actsDir()))
        EXPECT_EQ(listed.count(entry.path().filename().string()), 1u) << "unchecked file " << entry.path();
}

// --- the checks reject what they are there to catch ------------------------------

struct BadText
{
    const char* what;
    Format format;
    const char* text;
};

std::ostream& operator<<(std::ostream& os, const BadText& b) { return os << b.what; }

std::string commandLines(int count, const std::string& line)
{
    std::string text;
    for (int i = 0; i < count; ++i) text += line + "\n";
    return text;
}

class ActsDataRejects : public ::testing::TestWithParam<BadText> {};

TEST_P(ActsDataRejects, BadText)
{
    const ActsFile f{"bad", GetParam().format, 0};
    EXPECT_FALSE(checkFile(f, GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ActsDataRejects,
    ::testing::Values(
        BadText{"KeyNoFrame", Format::KeyFrames, "3 1\n0\n0\n1\n"},
        BadText{"KeyShort", Format::KeyFrames, "3 2\n0 0\n0 0.2\n1\n"},
        BadText{"KeyJointZero", Format::KeyFrames, "3 2\n0 0\n0 0.2\n0 10\n"},
        BadText{"KeyJoint23", Format::KeyFrames, "3 2\n0 0\n0 0.2\n23 10\n"},
        BadText{"KeyLateStart", Format::KeyFrames, "3 2\n0 0.1\n0 0.2\n1 10\n"},
        BadText{"KeyGap", Format::KeyFrames, "3 3\n0 0 0.3\n0 0.2 0.5\n1 10 10\n"},
        BadText{"KeyBackwards", Format::KeyFrames, "3 3\n0 0 0.2\n0 0.2 0.1\n1 10 10\n"},
        BadText{"KeyOutOfRange", Format::KeyFrames, "3 2\n0 0\n0 0.2\n9 5\n"},
        BadText{"KeyNaN", Format::KeyFrames, "3 2\n0 0\n0 0.2\n1 nan\n"},
        BadText{"PeriodicNoTimes", Format::Periodic, "llj2 a 5 0.4 0 0\n"},
        BadText{"PeriodicZeroStartup", Format::Periodic, "0 0.4\nllj2 a 5 0.4 0 0\n"},
        BadText{"PeriodicZeroT", Format::Periodic, "0.4 0.4\nllj2 a 5 0 0 0\n"},
        BadText{"PeriodicUnknownName", Format::Periodic, "0.4 0.4\nxx1 a 5 0.4 0 0\n"},
        BadText{"PeriodicIncompleteGroup", Format::Periodic, "0.4 0.4\nllj2 a 5 0.4 0\n"},
        BadText{"PeriodicThreeGroups", Format::Periodic,
                "0.4 0.4\nllj2 a 1 0.4 0 0 b 1 0.4 0 0 c 1 0.4 0 0\n"},
        BadText{"PeriodicOutOfRange", Format::Periodic, "0.4 0.4\nllj4 a 20 0.4 0 -10\n"},
        BadText{"PeriodicNothingPlayed", Format::Periodic, "0.4 0.4\n"},
        BadText{"LinesNone", Format::GetUpBackLines, "# only a comment\n"},
        BadText{"LinesGarbage", Format::GetUpBackLines, "(he1 0) (he2 0)\n"},
        BadText{"LinesUnknownEffector", Format::GetUpBackLines, "(xe1 0)\n"},
        BadText{"LinesNotANumber", Format::GetUpBackLines, "(he1 fast)\n"},
        BadText{"LinesIntoStop", Format::GetUpBackLines, "(lle4 1)\n"},
        BadText{"LinesTooFast", Format::GetUpBackLines, "(he1 7.5)\n"},
        BadText{"KickNumbersShort", Format::KickNumbers, "0 0 0 0 0 0\n"},
        BadText{"KickTokensShort", Format::KickTokens, "0 0 0 0 0 0\n"},
        BadText{"SideKickFirstLinePartial", Format::SideKickLines, "(lle1 0)\n"}),
    [](const ::testing::TestParamInfo<BadText>& info) { return std::string(info.param.what); });

TEST(ActsDataRejects, LineLimits)
{
    const std::vector<double> start = backApproachPosture();
    EXPECT_TRUE(checkCommandLines(commandLines(100, "(he1 0)"), 100, start, 0));
    EXPECT_FALSE(checkCommandLines(commandLines(101, "(he1 0)"), 100, start, 0));
    const std::string longZero = "0." + std::string(2050, '0');
    EXPECT_TRUE(checkCommandLines("(he1 " + longZero.substr(0, 2000) + ")\n", 100, start, 0));
    EXPECT_FALSE(checkCommandLines("(he1 " + longZero + ")\n", 100, start, 0));
    EXPECT_FALSE(checkCommandLines(commandLines(5, "(he1 0)") + "(he1 0.1)\n", 100, start, 8));
}

// n copies of word, with word `at` replaced by other (at < 0: none).
std::string numberText(int n, const std::string& word, int at = -1, const std::string& other = "")
{
    std::string text;
    for (int i = 0; i < n; ++i) text += (i == at ? other : word) + (i % 6 == 5 ? "\n" : " ");
    return text;
}

TEST(ActsDataRejects, KickCounts)
{
    EXPECT_TRUE(checkKickNumbers(numberText(252, "0")));
    EXPECT_TRUE(checkKickNumbers(numberText(300, "-6.9")));
    EXPECT_FALSE(checkKickNumbers(numberText(251, "0")));
    EXPECT_FALSE(checkKickNumbers(numberText(252, "0", 200, "7.5")));
    EXPECT_FALSE(checkKickNumbers(numberText(252, "0", 10, "nan")));
    EXPECT_FALSE(checkKickNumbers(numberText(252, "0", 251, "x")));
    EXPECT_TRUE(checkKickTokens(numberText(180, "-0.000")));
    EXPECT_FALSE(checkKickTokens(numberText(179, "0")));
    EXPECT_FALSE(checkKickTokens(numberText(181, "0")));
    EXPECT_FALSE(checkKickTokens(numberText(180, "0", 7, "0z")));
    EXPECT_FALSE(checkKickTokens(numberText(180, "0", 7, "-8")));
}

TEST(ActsDataRejects, SideKickLines)
{
    std::string all;
    for (int j = JID_LLEG_1; j < JID_MAX; ++j)
        all += "(" + Types::instance()->effectorName(static_cast<JointID>(j)) + " 0)";
    EXPECT_TRUE(checkSideKickLines(commandLines(300, all), true, 8));
    EXPECT_FALSE(checkSideKickLines(commandLines(301, all), true, 8));
    EXPECT_FALSE(checkSideKickLines(commandLines(10, all) + "(lle1 0.1)\n", false, 8));
    // The left shoulder roll of KickR starts at its stop: one more push is caught.
    EXPECT_FALSE(checkSideKickLines(all + "\n(lae2 -1)\n" + commandLines(8, all), false, 8));
    EXPECT_TRUE(checkSideKickLines(all + "\n(lae2 1)\n" + commandLines(8, all), false, 8));
}

} // namespace
