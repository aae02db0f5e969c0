#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Actions/HeadAction.h"
#include "WorldModel/WorldModel.h"

namespace {

// Server time 0.05 s, so that confidences 9.0 and 9.95 are met exactly.
constexpr double kNow = 0.05;

class HeadActionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        HeadAction::deleteT();
        WorldModel::deleteT();
        WorldModel::instance()->setNum(1);
        WorldModel::instance()->setServerTime(kNow);
    }
    void TearDown() override
    {
        HeadAction::deleteT();
        WorldModel::deleteT();
    }

    // Own global confidence and the ball's local confidence, ball at theta.
    static void confidences(double own, double ball, double theta = 20.0)
    {
        WorldModel& wm = *WorldModel::instance();
        wm.mutableObjectVision(wm.getMyObject()).timeLastLocalized = kNow - (10.0 - own);
        VisionSense& seen = wm.mutableObjectVision(BALL);
        seen.timeLastSeen = kNow - (10.0 - ball);
        seen.theta = theta;
    }
    static void head(double pan, double tilt)
    {
        WorldModel::instance()->setJointAngle(JID_HEAD_1, pan);
        WorldModel::instance()->setJointAngle(JID_HEAD_2, tilt);
    }
    static std::string merge(HeadActionType type) { return HeadAction::instance()->mergeHeadMsg(type, BALL); }
};

// Head at 0/0, ball at theta 20: the four possible answers.
const char* const kSwing = "(he1 10)(he2 0)";
const char* const kFocus = "(he1 5.23599)(he2 -5.23599)";
const char* const kAround = "(he1 5.23599)(he2 0)";

struct ChoiceCase
{
    const char* name;
    double own, ball;
    HeadActionType type;
    const char* text;
    bool error;
};

std::ostream& operator<<(std::ostream& os, const ChoiceCase& c) { return os << c.name; }

class HeadChoice : public HeadActionTest, public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(HeadChoice, BehaviourFollowsTheConfidences)
{
    const ChoiceCase& c = GetParam();
    confidences(c.own, c.ball);
    ASSERT_EQ(WorldModel::instance()->getGlobalConfidence(TEAMMATE_1), c.own);
    ASSERT_EQ(WorldModel::instance()->getLocalConfidence(BALL), c.ball);
    testing::internal::CaptureStderr();
    EXPECT_EQ(merge(c.type), c.text);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), c.error ? "HeadAction::mergeVisionMsg HeadType Error\n" : "");
}

INSTANTIATE_TEST_SUITE_P(Cases, HeadChoice, ::testing::Values(
    ChoiceCase{"LocalisedAndSeenFocuses", 10.0, 10.0, HEAD_FOCUS_ON_OBJECT, kFocus, false},
    ChoiceCase{"LocalisedAndSeenSwingsAround", 10.0, 10.0, HEAD_SWING_AROUND_OBJECT, kAround, false},
    ChoiceCase{"LocalisedAndSeenPlainSwingIsAnError", 10.0, 10.0, HEAD_SWING, "", true},
    ChoiceCase{"OwnConfidenceNineSweeps", 9.0, 10.0, HEAD_FOCUS_ON_OBJECT, kSwing, false},
    ChoiceCase{"NotLocalisedPlainSwingSweeps", 9.0, 10.0, HEAD_SWING, kSwing, false},
    ChoiceCase{"BallConfidence995Sweeps", 10.0, 9.95, HEAD_FOCUS_ON_OBJECT, kSwing, false},
    ChoiceCase{"BallConfidence996Focuses", 10.0, 9.96, HEAD_FOCUS_ON_OBJECT, kFocus, false},
    ChoiceCase{"BallUnseenSwingAroundSweeps", 10.0, 5.0, HEAD_SWING_AROUND_OBJECT, kSwing, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct FocusCase
{
    const char* name;
    double theta, tilt;
    const char* text;
};

std::ostream& operator<<(std::ostream& os, const FocusCase& c) { return os << c.name; }

class FocusSteps : public HeadActionTest, public ::testing::WithParamInterface<FocusCase> {};

TEST_P(FocusSteps, PanAndTiltDeadZones)
{
    confidences(10.0, 10.0, GetParam().theta);
    head(0.0, GetParam().tilt);
    EXPECT_EQ(merge(HEAD_FOCUS_ON_OBJECT), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Cases, FocusSteps, ::testing::Values(
    FocusCase{"FarObjectCoarseStep", 20.0, -22.0, "(he1 5.23599)(he2 0)"},
    FocusCase{"FifteenIsFine", 15.0, -22.0, "(he1 0.523599)(he2 0)"},
    FocusCase{"NearObjectFineStep", -10.0, -22.0, "(he1 -0.523599)(he2 0)"},
    FocusCase{"FiveIsHeld", 5.0, -22.0, "(he1 0)(he2 0)"},
    FocusCase{"WithinDeadZoneLeft", 4.0, -22.0, "(he1 0)(he2 0)"},
    FocusCase{"WithinDeadZoneRight", -4.0, -22.0, "(he1 -0)(he2 0)"},
    FocusCase{"TiltFineStep", 0.0, -30.0, "(he1 0)(he2 0.523599)"},
    FocusCase{"TiltTwoAwayIsHeld", 0.0, -20.0, "(he1 0)(he2 -0)"},
    FocusCase{"TiltCoarseStep", 0.0, 0.0, "(he1 0)(he2 -5.23599)"}),
    [](const auto& info) { return std::string(info.param.name); });

struct Step
{
    double pan, theta;
    const char* text;
};

void runSteps(const std::vector<Step>& steps, HeadActionType type)
{
    for (std::size_t i = 0; i < steps.size(); ++i)
    {
        WorldModel::instance()->setJointAngle(JID_HEAD_1, steps[i].pan);
        WorldModel::instance()->mutableObjectVision(BALL).theta = steps[i].theta;
        EXPECT_EQ(HeadAction::instance()->mergeHeadMsg(type, BALL), steps[i].text) << "step " << i;
    }
}

TEST_F(HeadActionTest, SwingTurnsAtTheEndsAfterTheCycleThatReachesThem)
{
    confidences(5.0, 10.0);  // not localised: always the free sweep
    runSteps({{0, 0, "(he1 10)(he2 0)"}, {118, 0, "(he1 10)(he2 0)"}, {119, 0, "(he1 10)(he2 0)"},
              {125, 0, "(he1 -10)(he2 0)"}, {-118, 0, "(he1 -10)(he2 0)"}, {-119, 0, "(he1 -10)(he2 0)"},
              {-100, 0, "(he1 10)(he2 0)"}},
             HEAD_FOCUS_ON_OBJECT);
}

TEST_F(HeadActionTest, SwingBeyondTheRangeComesBackWithoutTurningTheFlag)
{
    confidences(5.0, 10.0);
    runSteps({{131, 0, "(he1 -10)(he2 0)"}, {100, 0, "(he1 10)(he2 0)"}}, HEAD_SWING);
}

TEST_F(HeadActionTest, SwingAroundAimsThirtyPastTheObjectAndTurnsAtThirty)
{
    confidences(10.0, 10.0);
    runSteps({{0, 0, "(he1 5.23599)(he2 0)"},     // aims at +30
              {0, -25, "(he1 2.61799)(he2 0)"},   // aims at +5, within one step
              {0, -30, "(he1 0)(he2 0)"},         // aims at 0, then turns
              {0, -10, "(he1 -5.23599)(he2 0)"},  // aims at -40
              {0, 30, "(he1 0)(he2 0)"},          // aims at 0, then turns back
              {0, 10, "(he1 5.23599)(he2 0)"}},
             HEAD_SWING_AROUND_OBJECT);
}

TEST_F(HeadActionTest, SwingAroundFarOutFocusesInstead)
{
    confidences(10.0, 10.0, 20.0);
    head(120.0, 0.0);
    EXPECT_EQ(merge(HEAD_SWING_AROUND_OBJECT), "(he1 5.23599)(he2 -5.23599)");
}

} // namespace
