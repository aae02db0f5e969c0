#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Math/Kinematics.h"
#include "salt/gmath.h"
#include "WorldModel/WorldModel.h"

using salt::Matrix;
using salt::Vector3f;

namespace {

const Vector3f kXAxis(1, 0, 0), kYAxis(0, 1, 0), kZAxis(0, 0, 1);
// Forward offset and lift of an ankle along a step, both ways: flat at the
// ends, highest near the torso.
const Vector3f kStepArc[] = {{0, -0.07f, 0},     {0, -0.04f, 0.035f}, {0, -0.02f, 0.07f}, {0, 0, 0.07f},
                             {0, 0.02f, 0.07f},  {0, 0.04f, 0.035f},  {0, 0.07f, 0},     {0, 0.03f, 0}};

float deg(float d) { return salt::gDegToRad(d); }

Link pose(const Vector3f& p, const Matrix& R)
{
    Link l;
    l.p = p;
    l.R = R;
    return l;
}

float maxRotationError(const Matrix& a, const Matrix& b)
{
    float e = 0.0f;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) e = std::max(e, std::fabs(a(i, j) - b(i, j)));
    return e;
}

class KinematicsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        Kinematics::deleteT();
        WorldModel::deleteT();
        kin = Kinematics::instance();
    }
    void TearDown() override
    {
        Kinematics::deleteT();
        WorldModel::deleteT();
    }

    // IK without its console line; returns the solver's answer.
    bool solve(std::vector<double>& q, const Link& torso, const Link& ankle, bool isLeft, std::string* out = nullptr)
    {
        testing::internal::CaptureStdout();
        const bool ok = kin->inverseKinematics(q, torso, ankle, isLeft);
        const std::string text = testing::internal::GetCapturedStdout();
        if (out) *out = text;
        return ok;
    }

    // Runs the link table's forward pass with the torso attitude at the root
    // and the solved angles on the leg; gives hip-to-ankle and the foot attitude.
    void forward(const std::vector<double>& q, const Matrix& torsoR, bool isLeft, Vector3f& hipToAnkle,
                 Matrix& footR)
    {
        const JointID first = isLeft ? JID_LLEG_1 : JID_RLEG_1;
        for (int i = 0; i < 6; ++i) kin->link(static_cast<JointID>(first + 2 * i)).q = static_cast<float>(q[i]);
        kin->link(JID_ROOT).R = torsoR;
        kin->forwardKinematics(JID_ROOT);
        hipToAnkle = kin->link(static_cast<JointID>(first + 8)).p - kin->link(static_cast<JointID>(first + 4)).p;
        footR = kin->link(static_cast<JointID>(first + 10)).R;
        kin->link(JID_ROOT).R = Matrix::Identity();
    }

    Kinematics* kin = nullptr;
};

} // namespace

TEST_F(KinematicsTest, DerivedDimensionsAtZeroAngles)
{
    EXPECT_NEAR(kin->thighLength(), std::sqrt(0.014425f), 1e-6f);
    EXPECT_NEAR(kin->shankLength(), 0.1f, 1e-6f);
    const Vector3f dl = kin->leftHipOffset(), dr = kin->rightHipOffset(), e = kin->footOffset();
    EXPECT_NEAR(dl.x(), -0.055f, 1e-6f);
    EXPECT_NEAR(dl.y(), -0.01f, 1e-6f);
    EXPECT_NEAR(dl.z(), -0.115f, 1e-6f);
    EXPECT_NEAR(dr.x(), 0.055f, 1e-6f);
    EXPECT_NEAR(dr.y(), -0.01f, 1e-6f);
    EXPECT_NEAR(dr.z(), -0.115f, 1e-6f);
    EXPECT_EQ(e, Vector3f(0.0f, -0.03f, 0.035f));
}

TEST_F(KinematicsTest, LinkTreeAndZeroPosePositions)
{
    struct Expect
    {
        JointID jid;
        const char* name;
        const char* eff;
        JointID mother, child, sister;
        Vector3f p;
    };
    const Expect table[] = {
        {JID_ROOT, "j0", "e0", JID_MAX, JID_LLEG_1, JID_MAX, {0, 0, 0.385f}},
        {JID_LLEG_1, "llj1", "lle1", JID_ROOT, JID_LLEG_2, JID_RLEG_1, {-0.055f, -0.01f, 0.27f}},
        {JID_LLEG_3, "llj3", "lle3", JID_LLEG_2, JID_LLEG_4, JID_MAX, {-0.055f, -0.01f, 0.27f}},
        {JID_LLEG_4, "llj4", "lle4", JID_LLEG_3, JID_LLEG_5, JID_MAX, {-0.055f, -0.005f, 0.15f}},
        {JID_LLEG_6, "llj6", "lle6", JID_LLEG_5, JID_MAX, JID_MAX, {-0.055f, -0.005f, 0.05f}},
        {JID_RLEG_1, "rlj1", "rle1", JID_ROOT, JID_RLEG_2, JID_MAX, {0.055f, -0.01f, 0.27f}},
        {JID_RLEG_5, "rlj5", "rle5", JID_RLEG_4, JID_RLEG_6, JID_MAX, {0.055f, -0.005f, 0.05f}},
    };
    for (const Expect& e : table)
    {
        const Link& l = kin->link(e.jid);
        SCOPED_TRACE(e.name);
        EXPECT_EQ(l.name, e.name);
        EXPECT_EQ(l.eff_name, e.eff);
        EXPECT_EQ(l.mother, e.mother);
        EXPECT_EQ(l.child, e.child);
        EXPECT_EQ(l.sister, e.sister);
        EXPECT_NEAR(l.p.x(), e.p.x(), 1e-6f);
        EXPECT_NEAR(l.p.y(), e.p.y(), 1e-6f);
        EXPECT_NEAR(l.p.z(), e.p.z(), 1e-6f);
    }
    EXPECT_EQ(kin->link(JID_RARM_4).name, "raj4");
    EXPECT_EQ(kin->link(JID_HEAD_2).eff_name, "he2");
    EXPECT_EQ(kin->link(JID_LARM_1).mother, JID_MAX);
}

TEST_F(KinematicsTest, ZeroPoseGivesSixZerosAndAppends)
{
    const Link torso = pose({0, 0, 0.385f}, Matrix::Identity());
    std::vector<double> q;
    ASSERT_TRUE(solve(q, torso, pose({-0.055f, -0.005f, 0.05f}, Matrix::Identity()), true));
    ASSERT_TRUE(solve(q, torso, pose({0.055f, -0.005f, 0.05f}, Matrix::Identity()), false));
    ASSERT_EQ(q.size(), 12u);
    for (size_t i = 0; i < q.size(); ++i) EXPECT_NEAR(q[i], 0.0, 1e-3) << "angle " << i;
}

TEST_F(KinematicsTest, ForwardOfInverseReproducesWalkingFootPoses)
{
    int solved = 0;
    for (bool isLeft : {true, false})
        for (float pitch : {0.0f, -4.0f})
            for (float yaw : {-10.0f, 0.0f, 2.0f, 8.0f})
                for (float dx : {-0.04f, 0.0f, 0.05f})
                    for (const Vector3f& arc : kStepArc)
                        {
                            const float dy = arc.y(), dz = arc.z();
                            const float side = isLeft ? -1.0f : 1.0f;
                            const Link torso = pose({0.01f, 0.03f, 0.35f}, Kinematics::Rodrigues(kXAxis, deg(pitch)));
                            const Link ankle = pose({0.01f + side * 0.06f + dx, 0.03f + dy, 0.05f + dz},
                                                    Kinematics::Rodrigues(kZAxis, deg(yaw)));
                            std::ostringstream name;
                            name << (isLeft ? "left" : "right") << " pitch " << pitch << " yaw " << yaw << " d ("
                                 << dx << ", " << dy << ", " << dz << ")";
                            SCOPED_TRACE(name.str());
                            std::vector<double> q;
                            ASSERT_TRUE(solve(q, torso, ankle, isLeft));
                            ++solved;
                            Vector3f hipToAnkle;
                            Matrix footR;
                            forward(q, torso.R, isLeft, hipToAnkle, footR);
                            const Vector3f hip = torso.p + (isLeft ? kin->leftHipOffset() : kin->rightHipOffset());
                            const Vector3f want = ankle.p - hip;
                            EXPECT_LT((hipToAnkle - want).Length(), 1e-5f);
                            EXPECT_LT(maxRotationError(footR, ankle.R), 1e-4f);
                        }
    EXPECT_EQ(solved, 2 * 2 * 4 * 3 * 8);
}

TEST_F(KinematicsTest, ReachBoundary)
{
    const Link torso = pose({0, 0, 0.385f}, Matrix::Identity());
    const float reach = kin->thighLength() + kin->shankLength();
    const Vector3f hip = torso.p + kin->leftHipOffset();
    struct Case
    {
        float distance;
        bool ok;
    };
    const Case cases[] = {{reach * 0.9999f, true}, {reach * 1.001f, false}, {0.05f, true}, {0.01f, false}};
    for (const Case& c : cases)
    {
        std::vector<double> q{7.0};
        std::string out;
        const bool ok = solve(q, torso, pose(hip - Vector3f(0, 0, c.distance), Matrix::Identity()), true, &out);
        SCOPED_TRACE(c.distance);
        EXPECT_EQ(ok, c.ok);
        EXPECT_EQ(q.size(), c.ok ? 7u : 1u);
        EXPECT_EQ(out, c.ok ? "" : "Kinematics::inverseKinematics Error\n");
        for (double v : q) EXPECT_TRUE(std::isfinite(v));
    }
}

TEST_F(KinematicsTest, NonFinitePosesFailCleanly)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const Link torso = pose({0, 0, 0.385f}, Matrix::Identity());
    for (const Vector3f& p : {Vector3f(nan, 0, 0.05f), Vector3f(0, inf, 0.05f)})
    {
        std::vector<double> q;
        EXPECT_FALSE(solve(q, torso, pose(p, Matrix::Identity()), true));
        EXPECT_TRUE(q.empty());
    }
    Matrix bad = Matrix::Identity();
    bad(0, 0) = nan;
    std::vector<double> q;
    EXPECT_FALSE(solve(q, pose({0, 0, 0.385f}, bad), pose({-0.055f, 0, 0.07f}, Matrix::Identity()), true));
    EXPECT_TRUE(q.empty());
}

TEST(Rodrigues, Identities)
{
    const Matrix zero = Kinematics::Rodrigues(Vector3f(0.6f, 0, 0.8f), 0.0f);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) EXPECT_EQ(zero(i, j), (i == j && i < 3) ? 1.0f : 0.0f) << i << "," << j;

    const float a = 0.3f;
    EXPECT_LT(maxRotationError(Kinematics::Rodrigues(kXAxis, a), Matrix::RotationX(a)), 1e-6f);
    EXPECT_LT(maxRotationError(Kinematics::Rodrigues(kYAxis, a), Matrix::RotationY(a)), 1e-6f);
    EXPECT_LT(maxRotationError(Kinematics::Rodrigues(kZAxis, a), Matrix::RotationZ(a)), 1e-6f);

    const Vector3f axis = Vector3f(1, -2, 2) / 3.0f;
    const Matrix r = Kinematics::Rodrigues(axis, 1.1f);
    EXPECT_LT(maxRotationError(r * r.InverseRotation(), Matrix::Identity()), 1e-6f);
    EXPECT_LT((r.Rotate(axis) - axis).Length(), 1e-6f);
    EXPECT_LT(maxRotationError(r.InverseRotation(), Kinematics::Rodrigues(axis, -1.1f)), 1e-6f);
    EXPECT_LT(maxRotationError(Kinematics::Rodrigues(axis, 0.5f) * Kinematics::Rodrigues(axis, 0.6f), r), 1e-6f);
}
