#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Math/Spline.h"

namespace {

const float kNatural = Spline::kNaturalEnd;
const float kInf = std::numeric_limits<float>::infinity();
const float kNaN = std::numeric_limits<float>::quiet_NaN();

Spline build(const std::vector<float>& x, const std::vector<float>& y, float yp1 = kNatural,
             float ypn = kNatural)
{
    Spline s;
    s.SetBreakPoints(x.data(), y.data(), static_cast<int>(x.size()), yp1, ypn);
    return s;
}

} // namespace

TEST(Spline, ThreePointReference)
{
    Spline s = build({0.0f, 0.5f, 1.0f}, {0.0f, 1.0f, 0.0f});
    ASSERT_TRUE(s.general());
    EXPECT_EQ(s.getYGivenX(0.0f, 2), 0.0f);
    EXPECT_FLOAT_EQ(s.getYGivenX(0.5f, 2), -12.0f);
    EXPECT_EQ(s.getYGivenX(1.0f, 2), 0.0f);
    EXPECT_FLOAT_EQ(s.getYGivenX(0.25f, 0), 0.6875f);
    EXPECT_FLOAT_EQ(s.getYGivenX(0.5f, 0), 1.0f);
    EXPECT_FLOAT_EQ(s.getYGivenX(0.75f, 0), 0.6875f);
    EXPECT_FLOAT_EQ(s.getYGivenX(0.0f, 1), 3.0f);
}

TEST(Spline, TwoPointsGiveALineAlsoOutsideTheRange)
{
    Spline s = build({1.0f, 3.0f}, {2.0f, 6.0f});
    ASSERT_TRUE(s.general());
    for (float x : {0.0f, 1.0f, 1.5f, 2.0f, 3.0f, 4.0f})
    {
        EXPECT_FLOAT_EQ(s.getYGivenX(x, 0), 2.0f * x) << "x " << x;
        EXPECT_FLOAT_EQ(s.getYGivenX(x, 1), 2.0f) << "x " << x;
    }
}

TEST(Spline, ClampedEndsReproduceACubic)
{
    auto cubic = [](float x) { return x * x * x - 2.0f * x; };
    auto slope = [](float x) { return 3.0f * x * x - 2.0f; };
    Spline s = build({0.0f, 0.7f, 1.5f, 2.0f, 3.0f}, {cubic(0.0f), cubic(0.7f), cubic(1.5f), cubic(2.0f), cubic(3.0f)},
                     slope(0.0f), slope(3.0f));
    ASSERT_TRUE(s.general());
    for (float x = 0.0f; x <= 3.0f; x += 0.25f)
    {
        EXPECT_NEAR(s.getYGivenX(x, 0), cubic(x), 1e-4f) << "x " << x;
        EXPECT_NEAR(s.getYGivenX(x, 1), slope(x), 1e-3f) << "x " << x;
        EXPECT_NEAR(s.getYGivenX(x, 2), 6.0f * x, 1e-3f) << "x " << x;
    }
}

TEST(Spline, ValuesOutsideTheRangeUseTheEndCubics)
{
    Spline s = build({0.0f, 0.5f, 1.0f}, {0.0f, 1.0f, 0.0f});
    ASSERT_TRUE(s.general());
    // First interval: y = 3x - 4x^3; last interval mirrors it about 0.5.
    EXPECT_FLOAT_EQ(s.getYGivenX(-0.5f, 0), -1.0f);
    EXPECT_FLOAT_EQ(s.getYGivenX(1.5f, 0), -1.0f);
}

TEST(Spline, DerivativeOrderOutsideTheModel)
{
    Spline s = build({0.0f, 0.5f, 1.0f}, {0.0f, 1.0f, 0.0f});
    ASSERT_TRUE(s.general());
    testing::internal::CaptureStdout();
    EXPECT_EQ(s.getYGivenX(0.25f, -1), 0.0f);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "(Spline) getYGivenX der error");
    testing::internal::CaptureStdout();
    EXPECT_EQ(s.getYGivenX(0.25f, 3), 0.0f);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TEST(Spline, SetBreakPointsReplacesEverything)
{
    Spline s = build({0.0f, 0.5f, 1.0f}, {0.0f, 1.0f, 0.0f});
    ASSERT_TRUE(s.general());
    const std::vector<float> x{0.0f, 1.0f}, y{5.0f, 5.0f};
    s.SetBreakPoints(x.data(), y.data(), 2, kNatural, kNatural);
    EXPECT_EQ(s.size(), 2);
    // Before general() the second derivatives are zero, so the line is already exact.
    EXPECT_FLOAT_EQ(s.getYGivenX(0.5f, 0), 5.0f);
    ASSERT_TRUE(s.general());
    EXPECT_FLOAT_EQ(s.getYGivenX(0.25f, 0), 5.0f);
}

TEST(Spline, CopiesAreIndependent)
{
    Spline a = build({0.0f, 0.5f, 1.0f}, {0.0f, 1.0f, 0.0f});
    ASSERT_TRUE(a.general());
    Spline b = a;
    const std::vector<float> x{0.0f, 1.0f}, y{7.0f, 7.0f};
    b.SetBreakPoints(x.data(), y.data(), 2, kNatural, kNatural);
    ASSERT_TRUE(b.general());
    EXPECT_FLOAT_EQ(a.getYGivenX(0.25f, 0), 0.6875f);
    EXPECT_FLOAT_EQ(b.getYGivenX(0.25f, 0), 7.0f);
    a = b;
    EXPECT_FLOAT_EQ(a.getYGivenX(0.25f, 0), 7.0f);
}

struct RejectedSet
{
    const char* name;
    std::vector<float> x, y;
};

std::ostream& operator<<(std::ostream& os, const RejectedSet& c) { return os << c.name; }

class SplineRejects : public testing::TestWithParam<RejectedSet>
{
};

TEST_P(SplineRejects, GeneralFailsAndNoCrash)
{
    const RejectedSet& c = GetParam();
    Spline s = build(c.x, c.y);
    testing::internal::CaptureStdout();
    EXPECT_FALSE(s.general());
    const float v = s.getYGivenX(0.5f, 0);
    testing::internal::GetCapturedStdout();
    if (s.size() < 2) { EXPECT_EQ(v, 0.0f); }
}

INSTANTIATE_TEST_SUITE_P(
    Spline, SplineRejects,
    testing::Values(RejectedSet{"NoPoints", {}, {}}, RejectedSet{"OnePoint", {0.5f}, {1.0f}},
                    RejectedSet{"EqualAbscissae", {0.0f, 0.0f, 1.0f}, {0.0f, 1.0f, 0.0f}},
                    RejectedSet{"NaNOrdinate", {0.0f, 0.5f, 1.0f}, {0.0f, kNaN, 0.0f}},
                    RejectedSet{"InfiniteOrdinate", {0.0f, 0.5f, 1.0f}, {0.0f, kInf, 0.0f}},
                    RejectedSet{"InfiniteAbscissa", {0.0f, 0.5f, kInf}, {0.0f, 1.0f, 0.0f}},
                    RejectedSet{"OverflowingCurvature", {0.0f, 1e-30f, 2e-30f}, {0.0f, 1.0f, 0.0f}}),
    [](const testing::TestParamInfo<RejectedSet>& info) { return std::string(info.param.name); });

TEST(Spline, UnsetSplineAnswersZero)
{
    const Spline s;
    EXPECT_EQ(s.size(), 0);
    EXPECT_EQ(s.getYGivenX(0.3f, 0), 0.0f);
    Spline negative;
    const float x[1] = {0.0f};
    negative.SetBreakPoints(x, x, -3, kNatural, kNatural);
    EXPECT_EQ(negative.size(), 0);
    EXPECT_FALSE(negative.general());
    EXPECT_EQ(negative.getYGivenX(0.3f, 0), 0.0f);
}

TEST(Spline, EqualAbscissaeAroundXReportBadInput)
{
    Spline s = build({0.0f, 1.0f, 1.0f}, {0.0f, 1.0f, 2.0f});
    testing::internal::CaptureStdout();
    s.general();
    const float v = s.getYGivenX(1.5f, 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Bad x input to routine splint");
    EXPECT_FALSE(std::isfinite(v));
}
