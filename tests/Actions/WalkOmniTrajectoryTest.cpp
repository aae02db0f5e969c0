#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "Actions/WalkDriver.h"
#include "Actions/WalkOmni.h"
#include "Math/Kinematics.h"
#include "salt/gmath.h"
#include "WorldModel/WorldModel.h"

namespace {

constexpr double kPi = salt::gPI;
constexpr float kTol = 1e-6f;

// Values of one coordinate at the three knot times (0, T/2, T).
using Knots = std::vector<double>;

struct StepKnots
{
    Knots torsoX, torsoY, torsoZ, pitch;
    Knots holdX, holdY, holdZ;
    Knots moveX, moveY, moveZ;
};

// The knot tables of the walk, read from a step's parameters.
StepKnots expectedKnots(const WalkSnapshot& s)
{
    const WalkOmni::NewWalkPara& p = s.step;
    const double W = p.stepWidth, L = p.stepLength, W1 = p.lastStepWidth, L1 = p.lastStepLength;
    const double H = p.torsoHeight, r = p.torsoYRatio, th = p.torsoXTheta, h = p.ankleHeight, D = p.torsoWidth;
    const double Xa = p.torsoXAdd, Ya = p.torsoYAdd, Xa1 = p.lastTorosoXAdd, Ya1 = p.lastTorosoYAdd;
    const double holdSide = s.leftHold ? -p.ankleDis : p.ankleDis, moveSide = -holdSide;
    StepKnots k;
    k.torsoZ = {H, H, H};
    k.holdZ = {0.05, 0.05, 0.05};
    switch (s.phase)
    {
    case WalkOmni::PREPAR:
        k.torsoX = {0, 0, 0};
        k.torsoY = {0.005, 0.005, 0.005};
        k.pitch = {0, 0, 0};
        k.holdX = {holdSide, holdSide, holdSide};
        k.holdY = {0, 0, 0};
        k.moveX = {moveSide, moveSide, moveSide};
        k.moveY = {0, 0, 0};
        k.moveZ = {0.05, 0.05, 0.05};
        break;
    case WalkOmni::FIRST:
        k.torsoX = {0, W / 8, W / 4 + Xa};
        k.torsoY = {0.005, L / 8, r * L + Ya};
        k.pitch = {0, th / 2, th};
        k.holdX = {holdSide, holdSide, holdSide};
        k.holdY = {0, 0, 0};
        k.moveX = {moveSide, W / 4 + moveSide, W / 2 + moveSide};
        k.moveY = {0, L / 4, L / 2};
        k.moveZ = {0.05, h, 0.05};
        break;
    case WalkOmni::NORMAL:
        k.torsoX = {W1 / 4, W1 / 2, W1 / 2 + W / 4};
        k.torsoY = {r * L1, L1 / 2, L1 / 2 + r * L};
        break;
    default:
        k.torsoX = {W1 / 4 + Xa1, W1 / 2 + D + (Xa + Xa1) / 2, W1 / 2 + W / 4 + Xa};
        k.torsoY = {r * L1 + Ya1, L1 / 2 + (Ya + Ya1) / 2, L1 / 2 + r * L + Ya};
        break;
    }
    if (s.phase == WalkOmni::NORMAL || s.phase == WalkOmni::LAST)
    {
        k.pitch = {th, th, th};
        k.holdX = {W1 / 2 + holdSide, W1 / 2 + holdSide, W1 / 2 + holdSide};
        k.holdY = {L1 / 2, L1 / 2, L1 / 2};
        k.moveX = {moveSide, W1 / 2 + moveSide, W1 / 2 + W / 2 + moveSide};
        k.moveY = {0, L1 / 2, L1 / 2 + L / 2};
        k.moveZ = {0.05, h, 0.05};
    }
    return k;
}

double pitchOf(const Link& l) { return std::atan2(l.R(2, 1), l.R(1, 1)); }
double yawOf(const Link& l) { return std::atan2(l.R(1, 0), l.R(0, 0)); }

void expectPose(const WalkSnapshot& s, int knot)
{
    const StepKnots k = expectedKnots(s);
    SCOPED_TRACE("phase " + std::to_string(s.phase) + " cycle " + std::to_string(s.phaseCycle) +
                 (s.leftHold ? " left holds" : " right holds"));
    EXPECT_NEAR(s.torso.p.x(), k.torsoX[knot], kTol);
    EXPECT_NEAR(s.torso.p.y(), k.torsoY[knot], kTol);
    EXPECT_NEAR(s.torso.p.z(), k.torsoZ[knot], kTol);
    EXPECT_NEAR(pitchOf(s.torso), k.pitch[knot], kTol);
    EXPECT_NEAR(s.hold.p.x(), k.holdX[knot], kTol);
    EXPECT_NEAR(s.hold.p.y(), k.holdY[knot], kTol);
    EXPECT_NEAR(s.hold.p.z(), k.holdZ[knot], kTol);
    EXPECT_NEAR(s.move.p.x(), k.moveX[knot], kTol);
    EXPECT_NEAR(s.move.p.y(), k.moveY[knot], kTol);
    EXPECT_NEAR(s.move.p.z(), k.moveZ[knot], kTol);
}

// Every state the walk went through, the probe of a cycle before its second call.
std::vector<WalkSnapshot> states(const std::vector<WalkCycle>& cycles)
{
    std::vector<WalkSnapshot> out;
    for (const WalkCycle& c : cycles)
    {
        if (c.probed) out.push_back(c.probe);
        if (!c.word.empty()) out.push_back(c.last);
    }
    return out;
}

// (name, speed) of every command of a joint text, in order.
std::vector<std::pair<std::string, double>> commands(const std::string& text)
{
    std::vector<std::pair<std::string, double>> out;
    size_t pos = 0;
    while ((pos = text.find('(', pos)) != std::string::npos)
    {
        const size_t blank = text.find(' ', pos), close = text.find(')', pos);
        out.emplace_back(text.substr(pos + 1, blank - pos - 1), std::strtod(text.c_str() + blank + 1, nullptr));
        pos = close;
    }
    return out;
}

class WalkTrajectoryTest : public WalkFixture
{
protected:

    // A walk at 60 degrees, started, walked for the given steps and stopped.
    std::vector<WalkCycle> inclineWalk(int normalSteps)
    {
        walk->setWalkOmniPara({WALK_OMNI_INCLINE, kPi / 3, 0, 0, 1.0});
        WalkDriver driver(walk);
        std::vector<WalkCycle> cycles = driver.walkSteps(normalSteps);
        const std::vector<WalkCycle> stop = driver.stop();
        cycles.insert(cycles.end(), stop.begin(), stop.end());
        return cycles;
    }
};

} // namespace

TEST_F(WalkTrajectoryTest, PosesMeetTheKnotsOfEveryPhaseForBothHoldingFeet)
{
    int checked[6][2] = {};
    for (const WalkSnapshot& s : states(inclineWalk(14)))
    {
        const int pc = s.phaseCycle;
        if (s.phase == WalkOmni::PREPAR) expectPose(s, 0);  // the preparation stands still
        else if (pc % 3 == 0 && pc <= 6) expectPose(s, pc / 3);
        else continue;
        ++checked[s.phase][s.leftHold];
    }
    EXPECT_GT(checked[WalkOmni::PREPAR][1], 0);
    EXPECT_GT(checked[WalkOmni::FIRST][1], 0);
    for (int phase : {WalkOmni::NORMAL, WalkOmni::LAST})
        for (int left : {0, 1}) EXPECT_GT(checked[phase][left], 0) << "phase " << phase << " left " << left;
}

TEST_F(WalkTrajectoryTest, FullForwardStepAndPreparationInNumbers)
{
    WalkDriver driver(walk);
    const std::vector<WalkCycle> cycles = driver.walkSteps(12);
    const WalkSnapshot& prep = cycles.front().last;
    EXPECT_NEAR(prep.torso.p.x(), 0.0f, kTol);
    EXPECT_NEAR(prep.torso.p.y(), 0.005f, kTol);
    EXPECT_NEAR(prep.torso.p.z(), 0.35f, kTol);
    EXPECT_NEAR(prep.hold.p.x(), -0.06f, kTol);  // left holds first
    EXPECT_NEAR(prep.move.p.x(), 0.06f, kTol);
    EXPECT_NEAR(prep.hold.p.z(), 0.05f, kTol);
    EXPECT_NEAR(prep.move.p.z(), 0.05f, kTol);

    // Run the twelfth normal step (full size, L = L' = 0.16) to its end.
    std::vector<WalkSnapshot> step{cycles.back().last};
    for (int i = 0; i < 6; ++i) step.push_back(driver.cycle().probe);
    ASSERT_EQ(step.back().phaseCycle, 6);
    const float torsoY[] = {0.0352f, 0.08f, 0.1152f}, moveY[] = {0.0f, 0.08f, 0.16f}, moveZ[] = {0.05f, 0.07f, 0.05f};
    for (int knot = 0; knot < 3; ++knot)
    {
        const WalkSnapshot& s = step[3 * knot];
        EXPECT_NEAR(s.torso.p.y(), torsoY[knot], kTol) << knot;
        EXPECT_NEAR(s.hold.p.y(), 0.08f, kTol) << knot;
        EXPECT_NEAR(s.move.p.y(), moveY[knot], kTol) << knot;
        EXPECT_NEAR(s.move.p.z(), moveZ[knot], kTol) << knot;
    }
}

TEST_F(WalkTrajectoryTest, NormalStepsJoinUp)
{
    const std::vector<WalkCycle> cycles = inclineWalk(14);
    int joins = 0;
    for (const WalkCycle& c : cycles)
    {
        if (c.word != "normal" || c.probe.phase != WalkOmni::NORMAL) continue;
        const WalkSnapshot &end = c.probe, &next = c.last;
        if (end.step.torsoYRatio != next.step.torsoYRatio) continue;  // the parameter set changed
        // The new frame lies half the earlier step's lastStep on.
        const salt::Vector3f shift(static_cast<float>(end.step.lastStepWidth / 2),
                                   static_cast<float>(end.step.lastStepLength / 2), 0.0f);
        SCOPED_TRACE("join " + std::to_string(joins));
        EXPECT_LT((end.torso.p - shift - next.torso.p).Length(), 1e-6f);
        EXPECT_LT((end.move.p - shift - next.hold.p).Length(), 1e-6f);
        EXPECT_LT((end.hold.p - shift - next.move.p).Length(), 1e-6f);
        ++joins;
    }
    EXPECT_GE(joins, 8);
}

TEST_F(WalkTrajectoryTest, MovingFootTurnsOnlyFromHalfStep)
{
    walk->setWalkOmniPara({WALK_OMNI_FORWARD, kPi / 2, salt::gDegToRad(5.0), 0, 1.0});
    WalkDriver driver(walk);
    std::vector<WalkSnapshot> step{driver.walkSteps(3).back().last};
    for (int i = 0; i < 6; ++i) step.push_back(driver.cycle().probe);
    const double m = salt::gDegToRad(8.0);
    ASSERT_NEAR(step.front().input.moveZTheta, m, 1e-12);
    const struct
    {
        int phaseCycle;
        double turn;
    } table[] = {{0, 0}, {1, 0}, {2, 0}, {3, 0.75 * m}, {6, m}};
    for (const auto& row : table)
    {
        const WalkSnapshot& s = step[row.phaseCycle];
        ASSERT_EQ(s.phaseCycle, row.phaseCycle);
        EXPECT_NEAR(yawOf(s.move), row.turn, 1e-6) << "cycle " << row.phaseCycle;
        EXPECT_NEAR(yawOf(s.hold), salt::gDegToRad(2.0), 1e-6) << "cycle " << row.phaseCycle;
    }
}

TEST_F(WalkTrajectoryTest, SixteenCommandsArmsFirstSwingingWithTheHoldingFoot)
{
    WorldModel::instance()->setJointAngle(JID_LARM_1, -90);
    WorldModel::instance()->setJointAngle(JID_RARM_1, -90);
    const std::vector<std::string> order{"lae1", "rae1", "lae2", "rae2", "lle1", "lle2", "lle3", "lle4",
                                         "lle5", "lle6", "rle1", "rle2", "rle3", "rle4", "rle5", "rle6"};
    // Toward -80 on the holding side, -100 on the other: 5 degrees a cycle at most, scaled by 2/7.
    const double armSpeed = salt::gDegToRad(5.0) / 0.02 * 2 / 7;
    WalkDriver driver(walk);
    int seen[2] = {};
    for (const WalkCycle& c : driver.walkSteps(4))
    {
        const auto cmds = commands(c.text);
        ASSERT_EQ(cmds.size(), order.size());
        for (size_t i = 0; i < order.size(); ++i) EXPECT_EQ(cmds[i].first, order[i]);
        const double lead = c.last.leftHold ? armSpeed : -armSpeed;
        EXPECT_NEAR(cmds[0].second, lead, 1e-5);
        EXPECT_NEAR(cmds[1].second, -lead, 1e-5);
        ++seen[c.last.leftHold];
    }
    EXPECT_GT(seen[0], 0);
    EXPECT_GT(seen[1], 0);
}
