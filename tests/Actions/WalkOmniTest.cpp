#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Actions/WalkDriver.h"
#include "Actions/WalkOmni.h"
#include "Math/Kinematics.h"
#include "salt/gmath.h"
#include "WorldModel/WorldModel.h"

namespace {

constexpr double kPi = salt::gPI;
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

double deg(double d) { return salt::gDegToRad(d); }

class WalkEngineTest : public WalkFixture
{
protected:
    void setFallen(bool fallen)
    {
        WorldModel* wm = WorldModel::instance();
        wm->setIsObjectFallDown(wm->getMyObject(), fallen);
    }

    // The input parameters of each step begun on "normal".
    static std::vector<WalkSnapshot> normalStarts(const std::vector<WalkCycle>& cycles)
    {
        std::vector<WalkSnapshot> out;
        for (const WalkCycle& c : cycles)
            if (c.word == "normal") out.push_back(c.last);
        return out;
    }
};

} // namespace

TEST_F(WalkEngineTest, FirstWalkPhaseTrace)
{
    struct Segment
    {
        int cycles;
        WalkOmni::PhaseSet phase;
        const char* word;  // of the segment's first cycle
        bool leftHold;
    };
    const Segment trace[] = {
        {40, WalkOmni::PREPAR, "start", true}, {6, WalkOmni::FIRST, "", true},
        {6, WalkOmni::NORMAL, "normal", false}, {6, WalkOmni::NORMAL, "normal", true},
        {6, WalkOmni::NORMAL, "normal", false},
    };
    WalkDriver driver(walk);
    int cycleNo = 0;
    for (const Segment& seg : trace)
        for (int i = 0; i < seg.cycles; ++i, ++cycleNo)
        {
            const WalkCycle c = driver.cycle();
            SCOPED_TRACE("cycle " + std::to_string(cycleNo));
            EXPECT_EQ(c.word, i == 0 ? seg.word : "");
            // Only the probe of a finished step answers "".
            EXPECT_EQ(c.probeEmpty, c.word == "normal");
            if (c.probeEmpty) { EXPECT_EQ(c.probe.phaseCycle, 6); }
            EXPECT_FALSE(c.text.empty());
            EXPECT_EQ(c.last.phase, seg.phase);
            EXPECT_EQ(c.last.phaseCycle, i);
            EXPECT_EQ(c.last.leftHold, seg.leftHold);
        }
}

TEST_F(WalkEngineTest, StepSizeRisesByTenthsToFullSize)
{
    WalkDriver driver(walk);
    const std::vector<WalkCycle> cycles = driver.walkSteps(12);
    EXPECT_DOUBLE_EQ(cycles[40].last.step.stepLength, 0.16 * (1 / 10.0));  // the first step
    const int tenths[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 10, 10};
    const std::vector<WalkSnapshot> steps = normalStarts(cycles);
    ASSERT_EQ(steps.size(), 12u);
    for (size_t i = 0; i < steps.size(); ++i)
    {
        EXPECT_EQ(steps[i].step.stepLength, 0.16 * (tenths[i] / 10.0)) << "normal step " << i + 1;
        EXPECT_EQ(steps[i].step.torsoYAdd, 0.04 * (tenths[i] / 10.0)) << "normal step " << i + 1;
    }
}

TEST_F(WalkEngineTest, EndWalksFiveStopStepsThenFinishes)
{
    WalkDriver driver(walk);
    driver.walkSteps(12);
    const std::vector<WalkCycle> cycles = driver.stop();
    ASSERT_TRUE(driver.isFinished());
    std::vector<WalkSnapshot> stopSteps;
    for (const WalkCycle& c : cycles)
    {
        const WalkSnapshot& s = c.last;
        if (s.phase == WalkOmni::LAST && s.phaseCycle == 0) stopSteps.push_back(s);
    }
    const double factors[] = {0.8, 0.6, 0.4, 0, 0};
    ASSERT_EQ(stopSteps.size(), 5u);
    for (size_t i = 0; i < stopSteps.size(); ++i)
    {
        EXPECT_DOUBLE_EQ(stopSteps[i].step.stepLength, 0.16 * factors[i]) << "stop step " << i + 1;
        if (i > 0) { EXPECT_NE(stopSteps[i].leftHold, stopSteps[i - 1].leftHold) << "stop step " << i + 1; }
    }
    // From "end" on, six cycles of text per stop step and then "" with nothing after it.
    size_t endAt = 0;
    while (cycles[endAt].word != "end") ++endAt;
    EXPECT_EQ(cycles.size() - endAt, 5u * 6u + 1u);
    for (size_t i = endAt; i + 1 < cycles.size(); ++i) EXPECT_FALSE(cycles[i].text.empty()) << i;
    EXPECT_TRUE(cycles.back().probeEmpty);
    EXPECT_TRUE(cycles.back().text.empty());
    EXPECT_EQ(cycles.back().word, "");
}

TEST_F(WalkEngineTest, ForwardToInclineSlowsDownInTheOldHeadingFirst)
{
    WalkDriver driver(walk);
    driver.walkSteps(12);
    walk->setWalkOmniPara({WALK_OMNI_INCLINE, kPi / 4, 0, 0, 1.0});
    struct Row
    {
        double ratio;
        double theta;
        double torsoShift;  // factor of the torso shifts: half the ratio while slowing
    };
    // The ratio is worked in double: after four steps of -0.2 it is just above
    // 0.2, so a fifth step is needed to reach the new heading.
    const double r4 = 1.0 - 0.2 - 0.2 - 0.2 - 0.2;
    ASSERT_GT(r4, 0.2);
    const Row rows[] = {
        {1.0 - 0.2, kPi / 2, (1.0 - 0.2) / 2},
        {1.0 - 0.2 - 0.2, kPi / 2, (1.0 - 0.2 - 0.2) / 2},
        {1.0 - 0.2 - 0.2 - 0.2, kPi / 2, (1.0 - 0.2 - 0.2 - 0.2) / 2},
        {r4, kPi / 2, r4 / 2},
        {0.2 + 0.05, kPi / 4, (0.2 + 0.05) / 2},
        {0.2 + 0.05 + 0.05, kPi / 4, 0.2 + 0.05 + 0.05},
        {0.2 + 0.05 + 0.05 + 0.05, kPi / 4, 0.2 + 0.05 + 0.05 + 0.05},
    };
    const std::vector<WalkSnapshot> steps = normalStarts(driver.walkSteps(7));
    ASSERT_EQ(steps.size(), 7u);
    for (size_t i = 0; i < steps.size(); ++i)
    {
        const Row& row = rows[i];
        const WalkOmni::NewWalkPara& in = steps[i].input;
        const bool straight = row.theta == kPi / 2;
        SCOPED_TRACE("step " + std::to_string(i + 1));
        EXPECT_EQ(steps[i].speedRatio, row.ratio);
        EXPECT_EQ(in.theta, row.theta);
        EXPECT_EQ(in.holdZTheta, 0.0);
        EXPECT_EQ(in.stepLength, std::sin(row.theta) * (straight ? 0.16 : 0.144) * row.ratio);
        EXPECT_DOUBLE_EQ(in.torsoYAdd, (straight ? 0.04 : 0.02) * row.torsoShift);
        EXPECT_DOUBLE_EQ(in.torsoXAdd, (straight ? 0.0 : 0.025) * row.torsoShift);
    }
}

struct TurnCase
{
    const char* name;
    WalkOmniPara request;
    double hold, move, ratio;
};

std::ostream& operator<<(std::ostream& os, const TurnCase& c) { return os << c.name; }

class WalkTurnTest : public WalkEngineTest, public testing::WithParamInterface<TurnCase>
{
};

TEST_P(WalkTurnTest, SettledStepTurnsAndRatio)
{
    const TurnCase& c = GetParam();
    walk->setWalkOmniPara(c.request);
    WalkDriver driver(walk);
    const WalkSnapshot s = normalStarts(driver.walkSteps(8)).back();
    EXPECT_NEAR(s.input.holdZTheta, c.hold, 1e-12);
    EXPECT_NEAR(s.input.moveZTheta, c.move, 1e-12);
    EXPECT_DOUBLE_EQ(s.speedRatio, c.ratio);
    EXPECT_NEAR(s.input.stepLength, 0.16 * c.ratio, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Walk, WalkTurnTest,
    testing::Values(TurnCase{"FullSpeedLeft", {WALK_OMNI_FORWARD, 0, deg(5), 0, 1.0}, deg(2), deg(8), 1.0},
                    TurnCase{"FullSpeedRight", {WALK_OMNI_FORWARD, 0, deg(-5), 0, 1.0}, deg(-2), deg(-8), 1.0},
                    TurnCase{"FullSpeedStraight", {WALK_OMNI_FORWARD, 0, 0, deg(30), 1.0}, 0, 0, 1.0},
                    TurnCase{"HalfSpeedKeepsTheTurn", {WALK_OMNI_FORWARD, 0, deg(5), 0, 0.5}, deg(5), 0, 0.5},
                    TurnCase{"TurnLeft", {WALK_OMNI_TURN_L, 0, 0, 0, 1.0}, deg(10), 0, 0.1},
                    TurnCase{"TurnRight", {WALK_OMNI_TURN_R, 0, 0, 0, 1.0}, deg(-10), 0, 0.1},
                    TurnCase{"WaitStepsOnTheSpot", {WALK_OMNI_WAIT, 0, deg(5), 0, 1.0}, 0, 0, 0.0}),
    [](const testing::TestParamInfo<TurnCase>& info) { return std::string(info.param.name); });

TEST_F(WalkEngineTest, FirstWalkKeepsTheConstructionParametersUntilTheFirstNormalStep)
{
    walk->setWalkOmniPara({WALK_OMNI_LEFT, 0, 0, 0, 1.0});
    WalkDriver driver(walk);
    const std::vector<WalkCycle> cycles = driver.walkSteps(1);
    for (size_t i = 0; i + 1 < cycles.size(); ++i)
    {
        EXPECT_EQ(cycles[i].last.step.theta, kPi / 2) << i;
        EXPECT_EQ(cycles[i].last.step.ankleDis, 0.06) << i;
    }
    const WalkOmni::NewWalkPara& first = cycles.back().last.step;
    EXPECT_EQ(first.theta, kPi);
    EXPECT_EQ(first.ankleDis, 0.076);
    EXPECT_DOUBLE_EQ(first.stepWidth, -0.144 / 8);
}

struct PreparationCase
{
    const char* name;
    bool fallenWhileStopping, fallenAtStart;
    int cycles;
};

std::ostream& operator<<(std::ostream& os, const PreparationCase& c) { return os << c.name; }

class WalkPreparationTest : public WalkEngineTest, public testing::WithParamInterface<PreparationCase>
{
};

TEST_P(WalkPreparationTest, LengthOfTheSecondWalksPreparation)
{
    const PreparationCase& c = GetParam();
    WalkDriver driver(walk);
    driver.walkSteps(2);
    setFallen(c.fallenWhileStopping);
    driver.stop();
    setFallen(c.fallenAtStart);
    driver.restart();
    int prep = 0;
    for (WalkCycle cyc = driver.cycle(); cyc.last.phase == WalkOmni::PREPAR; cyc = driver.cycle()) ++prep;
    EXPECT_EQ(prep, c.cycles);
}

INSTANTIATE_TEST_SUITE_P(Walk, WalkPreparationTest,
                         testing::Values(PreparationCase{"Standing", false, false, 6},
                                         PreparationCase{"FallenAtThePreviousCall", true, false, 40},
                                         PreparationCase{"FallenAtTheStart", false, true, 40}),
                         [](const testing::TestParamInfo<PreparationCase>& info) {
                             return std::string(info.param.name);
                         });

struct BadRequest
{
    const char* name;
    WalkOmniPara request;
};

std::ostream& operator<<(std::ostream& os, const BadRequest& c) { return os << c.name; }

class WalkBadRequestTest : public WalkEngineTest, public testing::WithParamInterface<BadRequest>
{
};

TEST_P(WalkBadRequestTest, IsIgnored)
{
    walk->setWalkOmniPara({WALK_OMNI_LEFT, 0, 0, 0, 0.5});
    walk->setWalkOmniPara(GetParam().request);
    WalkDriver driver(walk);
    const WalkSnapshot s = driver.walkSteps(1).back().last;
    EXPECT_EQ(s.input.theta, kPi);
    EXPECT_EQ(s.speedRatio, 0.5);
    EXPECT_FALSE(s.text.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Walk, WalkBadRequestTest,
    testing::Values(BadRequest{"NaNHeading", {WALK_OMNI_INCLINE, kNaN, 0, 0, 1.0}},
                    BadRequest{"InfiniteSpeed", {WALK_OMNI_FORWARD, 0, 0, 0, kInf}},
                    BadRequest{"NaNHoldTurn", {WALK_OMNI_FORWARD, 0, kNaN, 0, 1.0}},
                    BadRequest{"InfiniteMoveTurn", {WALK_OMNI_FORWARD, 0, 0, -kInf, 1.0}},
                    BadRequest{"WalkTypeZero", {static_cast<WalkOmniType>(0), 0, 0, 0, 1.0}},
                    BadRequest{"WalkTypeBeyondWait", {static_cast<WalkOmniType>(WALK_OMNI_WAIT + 1), 0, 0, 0, 1.0}}),
    [](const testing::TestParamInfo<BadRequest>& info) { return std::string(info.param.name); });

TEST_F(WalkEngineTest, LegFailureInTheFirstCycleAnswersAHoldText)
{
    Kinematics::instance()->link(JID_ROOT).R(0, 0) = static_cast<float>(kNaN);
    WalkDriver driver(walk);
    testing::internal::CaptureStdout();
    const WalkCycle c = driver.cycle();
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Kinematics::inverseKinematics Error\nWalkOmni::ApplyTrajectory Error\n");
    EXPECT_EQ(c.text, "(lae1 -1.24666)(rae1 -1.24666)(lae2 0)(rae2 0)"
                      "(lle1 0)(lle2 0)(lle3 0)(lle4 0)(lle5 0)(lle6 0)(rle1 0)(rle2 0)(rle3 0)(rle4 0)(rle5 0)(rle6 0)");

    Kinematics::instance()->link(JID_ROOT).R = salt::Matrix::Identity();
    const WalkCycle next = driver.cycle();
    EXPECT_NE(next.text, c.text);
    EXPECT_EQ(next.last.phaseCycle, 1);
}

TEST_F(WalkEngineTest, LegFailureRepeatsThePreviousText)
{
    WalkDriver driver(walk);
    const std::string before = driver.walkSteps(3).back().text;
    Kinematics::instance()->link(JID_ROOT).R(1, 1) = static_cast<float>(kInf);
    testing::internal::CaptureStdout();
    const WalkCycle failed = driver.cycle();
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("WalkOmni::ApplyTrajectory Error\n"), std::string::npos);
    EXPECT_EQ(failed.text, before);
    Kinematics::instance()->link(JID_ROOT).R = salt::Matrix::Identity();
    EXPECT_NE(driver.cycle().text, before);
}

TEST_F(WalkEngineTest, SplineFailureRepeatsThePreviousText)
{
    WalkDriver driver(walk);
    driver.walkSteps(2);
    // Two ceilings far apart: the second lifts the ratio to the first, so the
    // next step's knots overflow single precision.
    walk->setWalkOmniPara({WALK_OMNI_FORWARD, 0, 0, 0, 1e300});
    driver.walkSteps(1);
    walk->setWalkOmniPara({WALK_OMNI_FORWARD, 0, 0, 0, 2e300});
    testing::internal::CaptureStdout();
    WalkCycle failed;
    do failed = driver.cycle();
    while (failed.word.empty());
    const WalkCycle again = driver.cycle();
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out.rfind("Error in Spline Torso_x\n3  0  0.06  0.12   ", 0), 0u) << out;
    EXPECT_FALSE(failed.text.empty());
    EXPECT_EQ(again.text, failed.text);
    EXPECT_EQ(failed.text.find("nan"), std::string::npos);
    EXPECT_EQ(failed.text.find("inf"), std::string::npos);
}
