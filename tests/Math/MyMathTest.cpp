#include <cmath>

#include <gtest/gtest.h>

#include "Math/MyMath.h"
#include "support/Sightings.h"

using salt::Vector3f;

namespace {

const float kNaN = std::nanf("");

} // namespace

TEST(MyMath, AsinDegClampsAtUnity)
{
    EXPECT_EQ(asinDeg(1.0), 90.0);
    EXPECT_EQ(asinDeg(1.0000001), 90.0);
    EXPECT_EQ(asinDeg(-1.0), -90.0);
    EXPECT_EQ(asinDeg(-7.0), -90.0);
    EXPECT_NEAR(asinDeg(0.5), 30.0, 1e-12);
    EXPECT_NEAR(sinDeg(30), 0.5, 1e-15);
    EXPECT_NEAR(cosDeg(60), 0.5, 1e-15);
}

TEST(MyMath, PolarToCartesianAxes)
{
    const Vector3f ahead = PolarToCartecian(polarSighting(2, 0, 0));
    EXPECT_FLOAT_EQ(ahead.x(), 2.0f);
    EXPECT_NEAR(ahead.y(), 0.0f, 1e-7f);
    const Vector3f left = PolarToCartecian(polarSighting(2, 90, 0));
    EXPECT_NEAR(left.x(), 0.0f, 1e-6f);
    EXPECT_FLOAT_EQ(left.y(), 2.0f);
    const Vector3f up = PolarToCartecian(polarSighting(2, 0, 90));
    EXPECT_NEAR(up.x(), 0.0f, 1e-6f);
    EXPECT_FLOAT_EQ(up.z(), 2.0f);
}

class PolarRoundTrip : public ::testing::TestWithParam<std::tuple<double, double, double>> {};

TEST_P(PolarRoundTrip, InverseToFloatRounding)
{
    const auto [d, theta, phi] = GetParam();
    const VisionSense back = CartecianToPolar(PolarToCartecian(polarSighting(d, theta, phi)));
    EXPECT_NEAR(back.distance, d, 1e-5 * d);
    EXPECT_NEAR(back.theta, theta, 2e-4);
    EXPECT_NEAR(back.phi, phi, 2e-4);
    EXPECT_EQ(back.timeLastSeen, -1000.0);
    EXPECT_EQ(back.globalPos, Vector3f(-1000, -1000, -1000));
}

INSTANTIATE_TEST_SUITE_P(Grid, PolarRoundTrip, ::testing::Combine(
    ::testing::Values(0.3, 5.0, 31.0),
    ::testing::Values(-179.0, -90.0, -12.5, 0.0, 45.0, 135.0, 180.0),
    ::testing::Values(-80.0, -30.0, 0.0, 15.0, 85.0)));

TEST(MyMath, CartesianToPolarOfZeroIsFinite)
{
    const VisionSense vs = CartecianToPolar(Vector3f());
    EXPECT_EQ(vs.distance, 0.0);
    EXPECT_EQ(vs.theta, 0.0);
    EXPECT_EQ(vs.phi, 0.0);
}

struct AngleCase
{
    Vector3f v;
    bool flat;
    float degrees;
};

class AngleWithStraight : public ::testing::TestWithParam<AngleCase> {};

TEST_P(AngleWithStraight, Heading)
{
    EXPECT_FLOAT_EQ(getAngleWithStraight(GetParam().v, GetParam().flat), GetParam().degrees);
}

INSTANTIATE_TEST_SUITE_P(Table, AngleWithStraight, ::testing::Values(
    AngleCase{{0, 1, 5}, false, 90.0f}, AngleCase{{-1, 0, 0}, true, 180.0f},
    AngleCase{{1, 1, 0}, false, 45.0f}, AngleCase{{-1, 1, 0}, false, 135.0f},
    AngleCase{{0, -2, 0}, true, -90.0f}, AngleCase{{3, 0, -1}, false, 0.0f}));

TEST(MyMath, HeadingUsesFloatTimes180OverDoublePi)
{
    const Vector3f v(0.3f, 0.7f, 0.0f);
    const float rad = std::atan2(v.y(), v.x());
    EXPECT_EQ(getAngleWithStraight(v, true), static_cast<float>((rad * 180.0f) / 3.141592653589793));
}

TEST(MyMath, CalculateDist)
{
    EXPECT_DOUBLE_EQ(calculateDist({0, 0, 1}, {3, 4, 0}, true), 5.0);
    EXPECT_NEAR(calculateDist({0, 0, 1}, {3, 4, 0}, false), std::sqrt(26.0), 1e-6);
    const Vector3f a(1, 2, 3);
    calculateDist(a, a, true);
    EXPECT_EQ(a.z(), 3.0f) << "arguments are copies";
}

TEST(MyMath, IsNaNOnlyWhenAllComponentsAre)
{
    EXPECT_FALSE(isNaN({kNaN, 0, 0}));
    EXPECT_FALSE(isNaN({kNaN, kNaN, 1}));
    EXPECT_TRUE(isNaN({kNaN, kNaN, kNaN}));
    EXPECT_FALSE(isNaN({0, 0, 0}));
}

// Unit vectors on the ground plane: height plays no part; a vector without
// planar length has no direction and gives the caller's fallback.
TEST(MyMath, PlanarUnit)
{
    struct Row { salt::Vector3f v; salt::Vector3f want; };
    const salt::Vector3f fallback(-1.0f, 0.0f, 0.0f);
    const Row rows[] = {
        {salt::Vector3f(3, 4, 7), salt::Vector3f(0.6f, 0.8f, 0)},
        {salt::Vector3f(1, 0, 0.4f), salt::Vector3f(1, 0, 0)},
        {salt::Vector3f(0, -2, 0), salt::Vector3f(0, -1, 0)},
        {salt::Vector3f(0, 0, 5), fallback},
        {salt::Vector3f(0, 0, 0), fallback},
    };
    for (const Row& row : rows)
    {
        const salt::Vector3f got = planarUnit(row.v, fallback);
        EXPECT_FLOAT_EQ(got.x(), row.want.x());
        EXPECT_FLOAT_EQ(got.y(), row.want.y());
        EXPECT_EQ(got.z(), row.want.z());
    }
}
