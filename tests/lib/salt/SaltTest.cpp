#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "salt/gmath.h"
#include "salt/matrix.h"
#include "salt/vector.h"

using namespace salt;

namespace {

const float kHalfPi = static_cast<float>(gPI / 2);

void ExpectNear(const Vector3f& actual, const Vector3f& expected)
{
    EXPECT_NEAR(actual.x(), expected.x(), 1e-6f);
    EXPECT_NEAR(actual.y(), expected.y(), 1e-6f);
    EXPECT_NEAR(actual.z(), expected.z(), 1e-6f);
}

} // namespace

TEST(Vector3f, ArithmeticAndProducts)
{
    Vector3f a(1, 2, 3), b(4, -5, 6);
    EXPECT_EQ(Vector3f(), Vector3f(0, 0, 0));
    EXPECT_EQ(a + b, Vector3f(5, -3, 9));
    EXPECT_EQ(a - b, Vector3f(-3, 7, -3));
    EXPECT_EQ(-a, Vector3f(-1, -2, -3));
    EXPECT_EQ(a * 2.0f, Vector3f(2, 4, 6));
    EXPECT_EQ(b / 2.0f, Vector3f(2, -2.5f, 3));
    EXPECT_FLOAT_EQ(a.Dot(b), 12.0f);
    EXPECT_EQ(Vector3f(1, 0, 0).Cross(Vector3f(0, 1, 0)), Vector3f(0, 0, 1));
    EXPECT_FLOAT_EQ(Vector3f(3, 4, 0).Length(), 5.0f);
    EXPECT_FLOAT_EQ(Vector3f(3, 4, 0).SquareLength(), 25.0f);
    a += b;
    a[2] = 7;
    a.x() -= 1;
    EXPECT_EQ(a, Vector3f(4, -3, 7));
}

TEST(Vector3f, NormalizedZeroIsNaN)
{
    ExpectNear(Vector3f(0, 3, 4).Normalized(), Vector3f(0, 0.6f, 0.8f));
    const Vector3f n = Vector3f().Normalized();
    EXPECT_TRUE(std::isnan(n.x()) && std::isnan(n.y()) && std::isnan(n.z()));
}

TEST(Matrix, RotationsAreRightHanded)
{
    ExpectNear(Matrix::RotationZ(kHalfPi).Rotate(Vector3f(1, 0, 0)), Vector3f(0, 1, 0));
    ExpectNear(Matrix::RotationX(kHalfPi).Rotate(Vector3f(0, 1, 0)), Vector3f(0, 0, 1));
    ExpectNear(Matrix::RotationY(kHalfPi).Rotate(Vector3f(0, 0, 1)), Vector3f(1, 0, 0));
}

TEST(Matrix, ProductAppliesRightFactorFirst)
{
    const Matrix zy = Matrix::RotationZ(kHalfPi) * Matrix::RotationY(kHalfPi);
    // Ry takes z to x, then Rz takes x to y.
    ExpectNear(zy.Rotate(Vector3f(0, 0, 1)), Vector3f(0, 1, 0));
    EXPECT_FLOAT_EQ(zy(1, 2), 1.0f);
}

TEST(Matrix, IdentityZeroAndInverseRotation)
{
    const Matrix i, z = Matrix::Zero();
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
        {
            EXPECT_EQ(i(r, c), r == c ? 1.0f : 0.0f);
            EXPECT_EQ(z(r, c), 0.0f);
        }
    const Matrix rot = Matrix::RotationZ(0.3f) * Matrix::RotationX(-1.1f);
    const Matrix back = rot.InverseRotation() * rot;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) EXPECT_NEAR(back(r, c), r == c ? 1.0f : 0.0f, 1e-6f);
}

TEST(GMath, SignAndAngles)
{
    EXPECT_EQ(gSign(0.0), 0);
    EXPECT_EQ(gSign(-0.0f), 0);
    EXPECT_EQ(gSign(-3.5), -1);
    EXPECT_EQ(gSign(2.0f), 1);
    EXPECT_DOUBLE_EQ(gDegToRad(180.0), gPI);
    EXPECT_DOUBLE_EQ(gRadToDeg(gPI / 2), 90.0);
    EXPECT_FLOAT_EQ(gRadToDeg(static_cast<float>(gPI)), 180.0f);
}

struct NormalizeCase
{
    double in;
    double out;
};

std::ostream& operator<<(std::ostream& os, const NormalizeCase& c) { return os << c.in << " -> " << c.out; }

class NormalizeDeg : public ::testing::TestWithParam<NormalizeCase> {};

TEST_P(NormalizeDeg, IntoHalfOpenRange)
{
    EXPECT_DOUBLE_EQ(gNormalizeDeg(GetParam().in), GetParam().out);
    EXPECT_FLOAT_EQ(gNormalizeDeg(static_cast<float>(GetParam().in)), static_cast<float>(GetParam().out));
}

INSTANTIATE_TEST_SUITE_P(Table, NormalizeDeg, ::testing::Values(
    NormalizeCase{0, 0}, NormalizeCase{180, 180}, NormalizeCase{-180, 180},
    NormalizeCase{181, -179}, NormalizeCase{-181, 179}, NormalizeCase{540, 180},
    NormalizeCase{-540, 180}, NormalizeCase{359.5, -0.5}, NormalizeCase{720, 0},
    NormalizeCase{1e7 + 90, 10}, NormalizeCase{-170, -170}));

TEST(GMath, NormalizeNonFiniteTerminates)
{
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_TRUE(std::isnan(gNormalizeDeg(inf)));
    EXPECT_TRUE(std::isnan(gNormalizeDeg(-inf)));
    EXPECT_TRUE(std::isnan(gNormalizeDeg(std::nan(""))));
    EXPECT_TRUE(std::isnan(gNormalizeRad(std::numeric_limits<float>::infinity())));
    EXPECT_DOUBLE_EQ(gNormalizeRad(-gPI), gPI);
    EXPECT_NEAR(gNormalizeRad(3 * gPI / 2), -gPI / 2, 1e-12);
}
