#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "WorldModel/FallDownRecognition.h"
#include "WorldModel/WorldModel.h"

namespace {

const float kNaN = std::numeric_limits<float>::quiet_NaN();

struct Reading
{
    float soleForce;  // total vertical force, split over both soles
    salt::Vector3f acc;
    salt::Vector3f gyro;
};

const Reading kStanding{30.0f, {0.0f, 0.0f, 9.8f}, {}};
// No foot contact and no gravity along the body: falling.
const Reading kFalling{0.0f, {0.0f, 0.0f, 0.0f}, {}};

class FallDownTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        FallDownRecognition::deleteT();
        WorldModel::deleteT();
    }
    void TearDown() override { SetUp(); }

    // One cycle as the agent runs it: readings in, fall test, count advanced.
    static bool cycle(const Reading& r)
    {
        WorldModel& wm = *WorldModel::instance();
        FRPSense left, right;
        left.force = salt::Vector3f(0.0f, 0.0f, r.soleForce / 2);
        right.force = salt::Vector3f(0.0f, 0.0f, r.soleForce / 2);
        wm.setLeftFootForce(left);
        wm.setRightFootForce(right);
        wm.setAcc(r.acc);
        wm.setGyro(r.gyro);
        const bool down = FallDownRecognition::instance()->isFallDown();
        wm.updateCurrentCycle();
        return down;
    }
};

TEST_F(FallDownTest, StandingFromTheFirstCycleIsUp)
{
    for (int i = 0; i < 12; ++i) EXPECT_FALSE(cycle(kStanding)) << "cycle " << i;
}

TEST_F(FallDownTest, LosingFootContactIsDownOnceTheMeanDropsBelowTwelve)
{
    for (int i = 0; i < 6; ++i) ASSERT_FALSE(cycle(kStanding));
    // Force means over six slots: 25, 20, 15, then 10 (gravity mean below 7.5 from the second).
    for (int i = 1; i <= 3; ++i) EXPECT_FALSE(cycle(kFalling)) << i << " cycles falling";
    for (int i = 4; i <= 8; ++i) EXPECT_TRUE(cycle(kFalling)) << i << " cycles falling";
    // Back on the feet: means 5, 10, then 15.
    for (int i = 1; i <= 2; ++i) EXPECT_TRUE(cycle(kStanding)) << i << " cycles standing";
    for (int i = 3; i <= 6; ++i) EXPECT_FALSE(cycle(kStanding)) << i << " cycles standing";
}

// An upright robot without foot contact (just beamed, or in the air for a
// moment) is not down; without foot force, a lying or tilted one is.
TEST_F(FallDownTest, BeamedUprightThenStandingIsNeverDown)
{
    const Reading beamed{0.0f, {0.0f, 0.0f, 9.81f}, {}};
    for (int i = 0; i < 99; ++i) ASSERT_FALSE(cycle(beamed)) << "beam cycle " << i;
    for (int i = 0; i < 12; ++i) EXPECT_FALSE(cycle(kStanding)) << "standing cycle " << i;
}

struct DownCase
{
    const char* name;
    Reading reading;
    bool down;
};

std::ostream& operator<<(std::ostream& os, const DownCase& c) { return os << c.name; }

class DownTest : public FallDownTest, public ::testing::WithParamInterface<DownCase> {};

TEST_P(DownTest, MeansOfSteadyReadings)
{
    for (int i = 0; i < 6; ++i) EXPECT_EQ(cycle(GetParam().reading), GetParam().down) << "cycle " << i;
}

INSTANTIATE_TEST_SUITE_P(Readings, DownTest, ::testing::Values(
    DownCase{"Standing", kStanding, false},
    DownCase{"ForceAtThreshold", {12.0f, {0, 0, 9.8f}, {}}, false},
    DownCase{"ForceBelowThresholdUpright", {11.9f, {0, 0, 9.8f}, {}}, false},
    DownCase{"AirborneUpright", {0.0f, {0, 0, 9.81f}, {}}, false},
    DownCase{"AirborneAtUprightLimit", {0.0f, {0, 0, 7.5f}, {}}, false},
    DownCase{"AirborneBelowUprightLimit", {0.0f, {0, 0, 7.4f}, {}}, true},
    DownCase{"ForceBelowThresholdTilted", {11.9f, {0, 0, 7.4f}, {}}, true},
    DownCase{"OnTheBackNoForce", {0.0f, {0, 9.81f, 0}, {}}, true},
    DownCase{"OnTheBackWithForce", {30.0f, {0, 9.81f, 0}, {}}, true},
    DownCase{"OnTheFrontNoForce", {0.0f, {0, -9.81f, 0}, {}}, true},
    DownCase{"OnTheFrontWithForce", {30.0f, {0, -9.81f, 0}, {}}, true},
    DownCase{"OnTheLeftNoForce", {0.0f, {9.81f, 0, 0}, {}}, true},
    DownCase{"OnTheLeftWithForce", {30.0f, {9.81f, 0, 0}, {}}, true},
    DownCase{"OnTheRightNoForce", {0.0f, {-9.81f, 0, 0}, {}}, true},
    DownCase{"OnTheRightWithForce", {30.0f, {-9.81f, 0, 0}, {}}, true},
    // 50 degrees forward: (0, -9.81 sin 50, 9.81 cos 50).
    DownCase{"Tilted50NoForce", {0.0f, {0, -7.515f, 6.306f}, {}}, true},
    DownCase{"SidewaysAccAtLimit", {30.0f, {7.5f, 0, 6.0f}, {}}, false},
    DownCase{"SidewaysAccBeyond", {30.0f, {-7.6f, 0, 6.0f}, {}}, true},
    DownCase{"ForwardAccBeyond", {30.0f, {0, 7.6f, 6.0f}, {}}, true},
    DownCase{"ForceNaN", {kNaN, {0, 0, 9.8f}, {}}, true},
    DownCase{"AccXNaN", {30.0f, {kNaN, 0, 9.8f}, {}}, true},
    DownCase{"AccYNaN", {30.0f, {0, kNaN, 9.8f}, {}}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FallDownTest, OneNaNReadingKeepsTheRobotDownWhileItIsInTheHistory)
{
    for (int i = 0; i < 6; ++i) ASSERT_FALSE(cycle(kStanding));
    EXPECT_TRUE(cycle({kNaN, {0, 0, 9.8f}, {}}));
    for (int i = 1; i <= 5; ++i) EXPECT_TRUE(cycle(kStanding)) << i;
    EXPECT_FALSE(cycle(kStanding));
}

struct FeltCase
{
    const char* name;
    salt::Vector3f gyro;
    salt::Vector3f acc;
    FeltType felt;
};

std::ostream& operator<<(std::ostream& os, const FeltCase& c) { return os << c.name; }

class FeltDirection : public FallDownTest, public ::testing::WithParamInterface<FeltCase> {};

TEST_P(FeltDirection, FromTheMeans)
{
    ASSERT_TRUE(cycle({0.0f, GetParam().acc, GetParam().gyro}));
    EXPECT_EQ(FallDownRecognition::instance()->feltType(), GetParam().felt);
    EXPECT_EQ(FallDownRecognition::instance()->getLastFeltType(), GetParam().felt);
    EXPECT_EQ(FallDownRecognition::instance()->getFeltType(), GetParam().felt);
}

INSTANTIATE_TEST_SUITE_P(Table, FeltDirection, ::testing::Values(
    FeltCase{"GravityAlongPlusYIsBack", {}, {0, 9.8f, 0}, FT_BACK},
    FeltCase{"GravityAlongMinusYIsFront", {}, {0, -9.8f, 0}, FT_FRONT},
    FeltCase{"GravityAlongMinusXIsRight", {}, {-9.8f, 0, 0}, FT_RIGHT},
    FeltCase{"GravityAlongPlusXIsLeft", {}, {9.8f, 0, 0}, FT_LEFT},
    FeltCase{"TurnAboutMinusYIsRight", {10, -80, 0}, {}, FT_RIGHT},
    FeltCase{"TurnAboutPlusYIsLeft", {10, 80, 0}, {}, FT_LEFT},
    FeltCase{"TurnAboutMinusXIsFront", {-80, 10, 0}, {}, FT_FRONT},
    FeltCase{"TurnAboutPlusXIsBack", {80, 10, 0}, {}, FT_BACK},
    FeltCase{"TurnRateAtThresholdIsNoBack", {75, 0, 0}, {}, FT_LEFT},
    FeltCase{"GravityAtThresholdIsNoBack", {}, {0, 7.0f, 0}, FT_LEFT},
    FeltCase{"BackWinsOverRight", {}, {-9.8f, 9.8f, 0}, FT_BACK}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FallDownTest, NotDownGivesNoneAndKeepsTheLastDirection)
{
    ASSERT_TRUE(cycle({0.0f, {0, -9.8f, 0}, {}}));
    ASSERT_EQ(FallDownRecognition::instance()->feltType(), FT_FRONT);
    for (int i = 0; i < 6; ++i) cycle(kStanding);
    EXPECT_EQ(FallDownRecognition::instance()->getFeltType(), FT_NONE);
    EXPECT_EQ(FallDownRecognition::instance()->getLastFeltType(), FT_FRONT);
}

} // namespace
