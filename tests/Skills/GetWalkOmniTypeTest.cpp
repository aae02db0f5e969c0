#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "salt/gmath.h"
#include "Skills/GetWalkOmniType.h"
#include "support/SkillScene.h"
#include "support/SkillTest.h"

namespace {

const float kNaN = std::numeric_limits<float>::quiet_NaN();
const float kInf = std::numeric_limits<float>::infinity();
const char* const kPointMessage = "TargetPos ERROR!!!!!!!!!!!!\n";
const char* const kObjectMessage = "TargetObjPos ERROR!!!!!!!!!!!!\n";

// A target straight along +x from me at the origin, with my heading set to
// minus the bearing, so that distance and bearing are exact.
struct Aim
{
    float distance;
    double bearing;
    bool slow = false;
};

WalkOmniPara walkTo(const Aim& aim)
{
    SkillScene().me(0, 0, -aim.bearing).apply();
    return GetWalkOmniType::instance()->setTargetPos(salt::Vector3f(aim.distance, 0, 0), aim.slow);
}

double deg(double d) { return salt::gDegToRad(d); }

struct WalkTypeCase
{
    const char* name;
    std::vector<Aim> before;  // earlier calls that set the latches
    Aim aim;
    WalkOmniType type;
    double speed;
    double holdDeg;
};

std::ostream& operator<<(std::ostream& os, const WalkTypeCase& c) { return os << c.name; }

class WalkTypeRules : public SkillTest, public ::testing::WithParamInterface<WalkTypeCase> {};

TEST_P(WalkTypeRules, Request)
{
    const WalkTypeCase& c = GetParam();
    for (const Aim& earlier : c.before) walkTo(earlier);
    const WalkOmniPara para = walkTo(c.aim);
    EXPECT_EQ(para.walkType, c.type);
    EXPECT_DOUBLE_EQ(para.relTheta, deg(c.aim.bearing) + salt::gPI / 2);
    EXPECT_NEAR(para.maxSpeed, c.speed, 1e-6);
    EXPECT_DOUBLE_EQ(para.holdZthe, deg(c.holdDeg));
    EXPECT_EQ(para.moveZthe, 0.0);
}

// Bearing 100 walks inclined near and turns far; bearing 50 walks inclined
// near and forward at 0.6 far.
INSTANTIATE_TEST_SUITE_P(Table, WalkTypeRules, ::testing::Values(
    // Far or near.
    WalkTypeCase{"TwoMetresLatchClearIsNear", {}, {2.0f, 100}, WALK_OMNI_INCLINE, 1.0, 0},
    WalkTypeCase{"JustBeyondTwoMetresIsFar", {}, {2.01f, 100}, WALK_OMNI_TURN_L, 1.0, 0},
    WalkTypeCase{"OneAndAHalfInFarModeStaysFar", {{3, 50}}, {1.5f, 50}, WALK_OMNI_FORWARD, 0.6, 7},
    WalkTypeCase{"OneAndAHalfKeepsTheLatch", {{3, 50}, {1.5f, 50}}, {1.5f, 50}, WALK_OMNI_FORWARD, 0.6, 7},
    WalkTypeCase{"BelowOneAndAHalfThisCallFar", {{3, 50}}, {1.49f, 50}, WALK_OMNI_FORWARD, 0.6, 7},
    WalkTypeCase{"BelowOneAndAHalfNextCallNear", {{3, 50}, {1.49f, 50}}, {1.49f, 50}, WALK_OMNI_INCLINE, 1.0, 0},
    // Far rules.
    WalkTypeCase{"FarBearingZero", {}, {5, 0}, WALK_OMNI_FORWARD, 1.0, 0},
    WalkTypeCase{"FarEightHasNoHold", {}, {5, 8}, WALK_OMNI_FORWARD, 1.0, 0},
    WalkTypeCase{"FarNineHolds", {}, {5, 9}, WALK_OMNI_FORWARD, 1.0, 5},
    WalkTypeCase{"FarMinusNineHoldsRight", {}, {5, -9}, WALK_OMNI_FORWARD, 1.0, -5},
    WalkTypeCase{"FarFifteenIsNotAhead", {}, {5, 15}, WALK_OMNI_FORWARD, 0.6, 7},
    WalkTypeCase{"FarEightySixWalks", {}, {5, 86}, WALK_OMNI_FORWARD, 0.6, 7},
    WalkTypeCase{"FarMinusFiftyWalks", {}, {5, -50}, WALK_OMNI_FORWARD, 0.6, -7},
    WalkTypeCase{"FarEightySevenTurnsLeft", {}, {5, 87}, WALK_OMNI_TURN_L, 1.0, 0},
    WalkTypeCase{"FarMinusEightySevenTurnsRight", {}, {5, -87}, WALK_OMNI_TURN_R, 1.0, 0},
    WalkTypeCase{"TurnCarriesPreviousSpeedAndHold", {{5, 50}}, {5, 87}, WALK_OMNI_TURN_L, 0.6, 7},
    WalkTypeCase{"TurnCarriesPreviousForwardHold", {{5, 10}}, {5, -87}, WALK_OMNI_TURN_R, 1.0, 5},
    WalkTypeCase{"FarTurnHoldsAtFifty", {{5, 87}}, {5, 50}, WALK_OMNI_TURN_L, 1.0, 0},
    WalkTypeCase{"FarTurnHoldsAtFifteen", {{5, 87}, {5, 50}}, {5, 15}, WALK_OMNI_TURN_L, 1.0, 0},
    WalkTypeCase{"FarTurnEndsBelowFifteen", {{5, 87}, {5, 50}}, {5, 14}, WALK_OMNI_FORWARD, 1.0, 5},
    WalkTypeCase{"FarTurnEndedWalksAtFifty", {{5, 87}, {5, 14}}, {5, 50}, WALK_OMNI_FORWARD, 0.6, 7},
    WalkTypeCase{"FarTurnResumesAfterNearMode", {{5, 87}, {1, 50}, {1, 50}}, {5, 50}, WALK_OMNI_TURN_L, 1.0, 0},
    WalkTypeCase{"FarTurnBySignOfBearing", {{5, 87}}, {5, -50}, WALK_OMNI_TURN_R, 1.0, 0},
    // Near rules.
    WalkTypeCase{"NearBearingZero", {}, {1, 0}, WALK_OMNI_FORWARD, 1.0, 0},
    WalkTypeCase{"NearFiveHasNoHold", {}, {1, 5}, WALK_OMNI_FORWARD, 1.0, 0},
    WalkTypeCase{"NearSixHolds", {}, {1, 6}, WALK_OMNI_FORWARD, 1.0, 5},
    WalkTypeCase{"NearMinusSixHoldsRight", {}, {1, -6}, WALK_OMNI_FORWARD, 1.0, -5},
    WalkTypeCase{"NearTenWithoutAheadLatchInclines", {}, {1, 10}, WALK_OMNI_INCLINE, 1.0, 0},
    WalkTypeCase{"NearTenWithAheadLatchWalksForward", {{1, 0}}, {1, 10}, WALK_OMNI_FORWARD, 1.0, 5},
    WalkTypeCase{"NearFifteenKeepsAheadLatch", {{1, 0}, {1, 15}}, {1, 10}, WALK_OMNI_FORWARD, 1.0, 5},
    WalkTypeCase{"NearSixteenClearsLatchButWalksForward", {{1, 0}}, {1, 16}, WALK_OMNI_FORWARD, 1.0, 5},
    WalkTypeCase{"NearAfterSixteenTenInclines", {{1, 0}, {1, 16}}, {1, 10}, WALK_OMNI_INCLINE, 1.0, 0},
    WalkTypeCase{"NearOneFiftyWithoutBehindLatchInclines", {}, {1, 150}, WALK_OMNI_INCLINE, 1.0, 0},
    WalkTypeCase{"NearOneFiftyWithBehindLatchWalksBack", {{1, 160}}, {1, 150}, WALK_OMNI_BACKWARD, 1.0, -5},
    WalkTypeCase{"NearOneSixtyWalksBack", {}, {1, 160}, WALK_OMNI_BACKWARD, 1.0, -5},
    WalkTypeCase{"NearMinusOneSixtyHoldsLeft", {}, {1, -160}, WALK_OMNI_BACKWARD, 1.0, 5},
    WalkTypeCase{"NearOneSeventyFourHolds", {}, {1, 174}, WALK_OMNI_BACKWARD, 1.0, -5},
    WalkTypeCase{"NearOneSeventyFiveHasNoHold", {}, {1, 175}, WALK_OMNI_BACKWARD, 1.0, 0},
    WalkTypeCase{"NearOneEightyHasNoHold", {}, {1, 180}, WALK_OMNI_BACKWARD, 1.0, 0},
    WalkTypeCase{"NearOneThirtyNineClearsLatchButWalksBack", {{1, 160}}, {1, 139}, WALK_OMNI_BACKWARD, 1.0, -5},
    WalkTypeCase{"NearAfterOneThirtyNineOneFiftyInclines", {{1, 160}, {1, 139}}, {1, 150}, WALK_OMNI_INCLINE, 1.0, 0},
    WalkTypeCase{"AheadLatchTakesABearingBehindOnce", {{1, 160}, {1, 0}}, {1, 150}, WALK_OMNI_FORWARD, 1.0, 5},
    WalkTypeCase{"AheadLatchClearedTheBehindLatch", {{1, 160}, {1, 0}, {1, 150}}, {1, 150}, WALK_OMNI_INCLINE, 1.0, 0},
    WalkTypeCase{"NearInclineAfterFarWalkHasNoHold", {{5, 50}, {1, 50}}, {1, 50}, WALK_OMNI_INCLINE, 1.0, 0},
    // Slowing down over the last metre.
    WalkTypeCase{"SlowAtPointThreeMetres", {}, {0.3f, 0, true}, WALK_OMNI_FORWARD, 0.3, 0},
    WalkTypeCase{"NotSlowAtPointThreeMetres", {}, {0.3f, 0, false}, WALK_OMNI_FORWARD, 1.0, 0},
    WalkTypeCase{"SlowAtThreeMetresKeepsFullSpeed", {}, {3, 0, true}, WALK_OMNI_FORWARD, 1.0, 0},
    WalkTypeCase{"SlowAtThreeMetresKeepsRuleSpeed", {}, {3, 50, true}, WALK_OMNI_FORWARD, 0.6, 7},
    WalkTypeCase{"SlowBelowRuleSpeed", {}, {0.5f, 0, true}, WALK_OMNI_FORWARD, 0.5, 0},
    WalkTypeCase{"SlowNotAboveRuleSpeed", {{3, 50}}, {1.6f, 50, true}, WALK_OMNI_FORWARD, 0.6, 7}),
    [](const auto& info) { return std::string(info.param.name); });

// Range checks, in both forms, and targets that are not finite.
struct TargetCase
{
    const char* name;
    salt::Vector3f target;
    bool toBall;       // the ball is walked to instead
    bool reported;     // the form's message is printed
};

std::ostream& operator<<(std::ostream& os, const TargetCase& c) { return os << c.name; }

const salt::Vector3f kBall(3.0f, -2.0f, 0.04f);

class WalkTarget : public SkillTest, public ::testing::WithParamInterface<TargetCase>
{
protected:
    void check(const WalkOmniPara& para, const std::string& out, const char* message) const
    {
        const TargetCase& c = GetParam();
        const GetWalkOmniType& wt = *GetWalkOmniType::instance();
        EXPECT_EQ(out, c.reported ? message : "");
        if (c.toBall)
        {
            EXPECT_EQ(wt.getTargetPos(), kBall);
            EXPECT_DOUBLE_EQ(para.relTheta,
                             deg(WorldModel::instance()->getBodyRelAngle(kBall)) + salt::gPI / 2);
        }
        else
        {
            EXPECT_EQ(wt.getTargetPos(), c.target);
        }
        EXPECT_TRUE(std::isfinite(para.relTheta) && std::isfinite(para.maxSpeed));
    }
};

TEST_P(WalkTarget, PointForm)
{
    SkillScene().me(1, 1, 20).ball(kBall.x(), kBall.y()).apply();
    testing::internal::CaptureStdout();
    const WalkOmniPara para = GetWalkOmniType::instance()->setTargetPos(GetParam().target, false);
    check(para, testing::internal::GetCapturedStdout(), kPointMessage);
}

TEST_P(WalkTarget, ObjectForm)
{
    SkillScene().me(1, 1, 20).ball(kBall.x(), kBall.y()).apply();
    WorldModel::instance()->mutableObjectVision(OPPONENT_5).globalPos = GetParam().target;
    SkillScene::setGlobalConfidence(OPPONENT_5, 10.0);
    testing::internal::CaptureStdout();
    const WalkOmniPara para = GetWalkOmniType::instance()->setTargetPos(OPPONENT_5, false);
    check(para, testing::internal::GetCapturedStdout(), kObjectMessage);
}

INSTANTIATE_TEST_SUITE_P(Table, WalkTarget, ::testing::Values(
    TargetCase{"YTwelve", {0, 12, 0}, false, false},
    TargetCase{"YMinusTwelve", {0, -12, 0}, false, false},
    TargetCase{"YTwelvePointZeroOne", {0, 12.01f, 0}, true, true},
    TargetCase{"YMinusTwelvePointZeroOne", {0, -12.01f, 0}, true, true},
    TargetCase{"XSeventeen", {17, 0, 0}, false, false},
    TargetCase{"XMinusSeventeen", {-17, 0, 0}, false, false},
    TargetCase{"XSeventeenPointZeroOne", {17.01f, 0, 0}, true, true},
    TargetCase{"XMinusSeventeenPointZeroOne", {-17.01f, 0, 0}, true, true},
    TargetCase{"HighZIsNoRangeError", {1, 1, 50}, false, false},
    TargetCase{"NaNX", {kNaN, 0, 0}, true, true},
    TargetCase{"InfiniteY", {0, kInf, 0}, true, true},
    TargetCase{"MinusInfiniteX", {-kInf, 0, 0}, true, true},
    TargetCase{"NaNZ", {1, 1, kNaN}, true, true},
    TargetCase{"TwoNaN", {kNaN, kNaN, 0}, true, true},
    TargetCase{"AllNaNIsTheBall", {kNaN, kNaN, kNaN}, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

class WalkTypeStale : public SkillTest {};

// Without a fresh own position the last distance and bearing drive the rules.
TEST_F(WalkTypeStale, LowOwnConfidenceKeepsDistanceAndBearing)
{
    GetWalkOmniType& wt = *GetWalkOmniType::instance();
    SkillScene().me(0, 0, 0).apply();
    const WalkOmniPara first = wt.setTargetPos(salt::Vector3f(5, 0, 0), false);
    SkillScene().me(0, 0, 0, 1).apply();
    const WalkOmniPara stale = wt.setTargetPos(salt::Vector3f(-3, 0, 0), false);
    EXPECT_EQ(wt.getTargetPos(), salt::Vector3f(-3, 0, 0));
    EXPECT_EQ(stale.walkType, WALK_OMNI_FORWARD);
    EXPECT_DOUBLE_EQ(stale.relTheta, first.relTheta);
    EXPECT_DOUBLE_EQ(stale.maxSpeed, 1.0);

    SkillScene().me(0, 0, 0).apply();
    EXPECT_EQ(wt.setTargetPos(salt::Vector3f(-3, 0, 0), false).walkType, WALK_OMNI_TURN_L)
        << "a fresh position takes the bearing of 180 degrees";
}

TEST_F(WalkTypeStale, FreshMeansConfidenceOfAtLeastNinePointNineNineNineNineNine)
{
    GetWalkOmniType& wt = *GetWalkOmniType::instance();
    SkillScene().me(0, 0, 0).apply();
    wt.setTargetPos(salt::Vector3f(5, 0, 0), true);
    WorldModel& wm = *WorldModel::instance();
    SkillScene::setGlobalConfidence(wm.getMyObject(), std::nextafter(9.99999, 0.0));
    ASSERT_LT(wm.getGlobalConfidence(), 9.99999);
    EXPECT_DOUBLE_EQ(wt.setTargetPos(salt::Vector3f(0.5f, 0, 0), true).maxSpeed, 1.0) << "still 5 m away";
    SkillScene::setGlobalConfidence(wm.getMyObject(), 9.99999);
    ASSERT_EQ(wm.getGlobalConfidence(), 9.99999);
    EXPECT_DOUBLE_EQ(wt.setTargetPos(salt::Vector3f(0.5f, 0, 0), true).maxSpeed, 0.5);
}

struct StaleObjectCase
{
    const char* name;
    bool pointFirst;      // the earlier call used the point form
    bool earlierCall;     // there was an earlier call at all
    salt::Vector3f kept;  // the target after the low-confidence call
};

std::ostream& operator<<(std::ostream& os, const StaleObjectCase& c) { return os << c.name; }

class WalkTypeStaleObject : public SkillTest, public ::testing::WithParamInterface<StaleObjectCase> {};

// An object whose position is not fresh leaves the target of the last call,
// whichever form set it.
TEST_P(WalkTypeStaleObject, KeepsTheLastTarget)
{
    const StaleObjectCase& c = GetParam();
    GetWalkOmniType& wt = *GetWalkOmniType::instance();
    SkillScene().me(0, 0, 0).teammate(2, -4, 3).apply();
    if (c.earlierCall && c.pointFirst) wt.setTargetPos(salt::Vector3f(4, 1, 0), false);
    if (c.earlierCall && !c.pointFirst) wt.setTargetPos(TEAMMATE_2, false);
    SkillScene().me(0, 0, 0).teammate(2, 6, -6).apply();
    SkillScene::setGlobalConfidence(TEAMMATE_2, 9.98);
    wt.setTargetPos(TEAMMATE_2, false);
    EXPECT_EQ(wt.getTargetPos(), c.kept);
}

INSTANTIATE_TEST_SUITE_P(Table, WalkTypeStaleObject, ::testing::Values(
    StaleObjectCase{"AfterPointForm", true, true, {4, 1, 0}},
    StaleObjectCase{"AfterObjectForm", false, true, {-4, 3, 0}},
    StaleObjectCase{"FirstCallKeepsOrigin", false, false, {0, 0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
