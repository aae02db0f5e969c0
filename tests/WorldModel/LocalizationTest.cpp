#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "salt/gmath.h"
#include "WorldModel/Localization.h"
#include "WorldModel/Position.h"
#include "WorldModel/WorldModel.h"

namespace {

constexpr double kEyeZ = 0.55;
const char* const kNames[] = {"F1L", "F1R", "F2L", "F2R", "G1L", "G1R", "G2L", "G2R"};

// Where the robot is, in its own side's frame, and how its head is turned.
struct Pose
{
    float x, y;
    double heading;       // degrees, 0 toward the opponent goal
    double yaw = 0.0;     // head joints, degrees
    double pitch = 0.0;   // positive looks up
    TeamSide side = TEAM_LEFT;
};

salt::Vector3f landmarkInOwnFrame(Object o, TeamSide side)
{
    const float s = side == TEAM_RIGHT ? -1.0f : 1.0f;
    const float x = (o % 2 == 0 ? -15.0f : 15.0f) * s;
    const bool post = o >= GOAL_1L;
    const bool upper = o == FLAG_1L || o == FLAG_1R || o == GOAL_1L || o == GOAL_1R;
    const float y = (post ? 1.05f : 10.0f) * (upper ? 1.0f : -1.0f) * s;
    return salt::Vector3f(x, y, post ? 0.8f : 0.0f);
}

double deg(double rad) { return rad * 180.0 / salt::gPI; }
double rad(double deg) { return deg * salt::gPI / 180.0; }

// The polar triple the server reports for a point in the own frame: the
// offset from the eye turned into the body (by the heading), then into the
// camera (by the head yaw, then the pitch).
VisionSense polarSeen(const Pose& p, const salt::Vector3f& point)
{
    double x = point.x() - p.x, y = point.y() - p.y, z = point.z() - kEyeZ;
    const auto turnZ = [&x, &y](double a) {
        const double nx = std::cos(a) * x + std::sin(a) * y;
        y = -std::sin(a) * x + std::cos(a) * y;
        x = nx;
    };
    turnZ(rad(p.heading));
    turnZ(rad(p.yaw));
    const double c = std::cos(rad(p.pitch)), s = std::sin(rad(p.pitch));
    const double cx = c * x + s * z;
    z = -s * x + c * z;
    x = cx;
    VisionSense vs;
    vs.distance = std::sqrt(x * x + y * y + z * z);
    vs.theta = deg(std::atan2(y, x));
    vs.phi = deg(std::asin(z / vs.distance));
    return vs;
}

double angleGap(double a, double b) { return std::fabs(salt::gNormalizeDeg(a - b)); }

class LocalizationTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Localization::deleteT();
        Position::deleteT();
        WorldModel::deleteT();
    }
    void TearDown() override { SetUp(); }

    // Standing on both flat soles with straight legs (torso height 0.55).
    static WorldModel& standAt(const Pose& p, double now, int unum = 1)
    {
        WorldModel& wm = *WorldModel::instance();
        wm.setNum(unum);
        wm.setTeamSide(p.side);
        wm.setServerTime(now);
        wm.setJointAngle(JID_HEAD_1, p.yaw);
        wm.setJointAngle(JID_HEAD_2, p.pitch);
        FRPSense flat;
        flat.force = salt::Vector3f(0.0f, 0.0f, 20.0f);
        wm.setLeftFootForce(flat);
        wm.setRightFootForce(flat);
        return wm;
    }

    static void see(const Pose& p, Object o, const salt::Vector3f& point, double thetaError = 0.0)
    {
        VisionSense vs = polarSeen(p, point);
        vs.theta += thetaError;
        WorldModel::instance()->setObjectVision(o, vs);
    }

    static void seeLandmarks(const Pose& p, const std::vector<Object>& landmarks)
    {
        for (Object o : landmarks) see(p, o, landmarkInOwnFrame(o, p.side));
    }

    static void localizeAt(const Pose& p, double now, const std::vector<Object>& landmarks, int unum = 1)
    {
        standAt(p, now, unum);
        seeLandmarks(p, landmarks);
        Localization::instance()->localize();
    }
};

struct PairCase
{
    std::string name;
    Pose pose;
    Object f1, f2;
    double tolerance;
};

std::ostream& operator<<(std::ostream& os, const PairCase& c) { return os << c.name; }

class SameEndPairs : public LocalizationTest, public ::testing::WithParamInterface<PairCase> {};

TEST_P(SameEndPairs, PlaceTheRobot)
{
    const PairCase& c = GetParam();
    localizeAt(c.pose, 20.0, {c.f1, c.f2});
    const WorldModel& wm = *WorldModel::instance();
    EXPECT_NEAR(wm.getMyPos().x(), c.pose.x, c.tolerance);
    EXPECT_NEAR(wm.getMyPos().y(), c.pose.y, c.tolerance);
    EXPECT_NEAR(wm.getMyPos().z(), 0.55, 1e-6);
    EXPECT_LT(angleGap(wm.getMyAngle(), c.pose.heading), 0.5);
    const VisionSense me = wm.getObjectVision(TEAMMATE_1);
    EXPECT_EQ(me.timeLastLocalized, 20.0);
    EXPECT_NEAR(me.globalPos.z(), 0.57, 1e-6);
}

// Two flags or two posts lie on a level line and give the exact position; a
// flag with a post makes a slanted line, which the method treats as level
// (about 6 cm off in these scenes).
std::vector<PairCase> pairCases()
{
    std::vector<PairCase> cases;
    const Pose left{-7.0f, 4.0f, 25.0, 0, 0, TEAM_LEFT};
    const Pose right{-7.0f, 4.0f, -60.0, 0, 0, TEAM_RIGHT};
    for (const Pose& pose : {left, right})
        for (int i = FLAG_1L; i <= GOAL_2R; ++i)
            for (int j = i + 2; j <= GOAL_2R; j += 2)
            {
                const bool level = (i < GOAL_1L) == (j < GOAL_1L);
                cases.push_back({std::string(pose.side == TEAM_LEFT ? "Left" : "Right") + kNames[i] + kNames[j],
                                 pose, static_cast<Object>(i), static_cast<Object>(j), level ? 1e-3 : 0.1});
            }
    for (float y : {5.0f, 0.3f, -5.0f})
        for (TeamSide side : {TEAM_LEFT, TEAM_RIGHT})
        {
            const std::string where = y > 1 ? "Above" : y < -1 ? "Below" : "Between";
            const std::string sideName = side == TEAM_LEFT ? "Left" : "Right";
            const Pose pose{-9.0f, y, 0.0, 0, 0, side};
            cases.push_back({sideName + "OwnPosts" + where, pose, side == TEAM_LEFT ? GOAL_1L : GOAL_1R,
                             side == TEAM_LEFT ? GOAL_2L : GOAL_2R, 1e-3});
            cases.push_back({sideName + "FarPosts" + where, pose, side == TEAM_LEFT ? GOAL_1R : GOAL_1L,
                             side == TEAM_LEFT ? GOAL_2R : GOAL_2L, 1e-3});
        }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(AllPairs, SameEndPairs, ::testing::ValuesIn(pairCases()),
                         [](const auto& info) { return info.param.name; });

TEST_F(LocalizationTest, TheTwoFlagScene)
{
    for (TeamSide side : {TEAM_LEFT, TEAM_RIGHT})
    {
        SetUp();
        const Pose pose{-7.0f, 4.0f, 0.0, 0, 0, side};
        const std::vector<Object> flags = side == TEAM_LEFT ? std::vector<Object>{FLAG_1L, FLAG_2L}
                                                            : std::vector<Object>{FLAG_1R, FLAG_2R};
        standAt(pose, 5.0);
        seeLandmarks(pose, flags);
        const double d1 = WorldModel::instance()->getObjectVision(flags[0]).distance;
        EXPECT_NEAR(d1 * d1, side == TEAM_LEFT ? 100.3025 : 260.3025, 1e-9);
        Localization::instance()->localize();
        const salt::Vector3f pos = WorldModel::instance()->getMyPos();
        EXPECT_NEAR(pos.x(), -7.0, 1e-4) << side;
        EXPECT_NEAR(pos.y(), 4.0, 1e-4) << side;
        EXPECT_NEAR(pos.z(), 0.55, 1e-6) << side;
    }
}

TEST_F(LocalizationTest, LandmarkTableFollowsTheSide)
{
    for (TeamSide side : {TEAM_LEFT, TEAM_RIGHT})
    {
        SetUp();
        localizeAt(Pose{0, 0, 0, 0, 0, side}, 1.0, {});
        for (int o = FLAG_1L; o <= GOAL_2R; ++o)
            EXPECT_EQ(WorldModel::instance()->getObjectVision(static_cast<Object>(o)).globalPos,
                      landmarkInOwnFrame(static_cast<Object>(o), side))
                << kNames[o] << " side " << side;
    }
}

struct HeadingCase
{
    const char* name;
    double heading, yaw, pitch;
};

std::ostream& operator<<(std::ostream& os, const HeadingCase& c) { return os << c.name; }

class Heading : public LocalizationTest, public ::testing::WithParamInterface<HeadingCase> {};

// The four corner flags give an exact position, so the heading is exact too.
TEST_P(Heading, FromEveryLandmarkSeen)
{
    const HeadingCase& c = GetParam();
    for (TeamSide side : {TEAM_LEFT, TEAM_RIGHT})
    {
        SetUp();
        const Pose pose{3.0f, -2.0f, c.heading, c.yaw, c.pitch, side};
        localizeAt(pose, 7.0, {FLAG_1L, FLAG_1R, FLAG_2L, FLAG_2R});
        const WorldModel& wm = *WorldModel::instance();
        EXPECT_LT(angleGap(wm.getMyAngle(), c.heading), 1e-3) << wm.getMyAngle() << " side " << side;
        EXPECT_LE(std::fabs(wm.getMyAngle()), 180.0);
        EXPECT_NEAR(wm.getMyPos().x(), 3.0, 1e-3) << side;
        EXPECT_NEAR(wm.getMyPos().y(), -2.0, 1e-3) << side;
    }
}

TEST_F(LocalizationTest, HeadingWithEveryLandmarkSeen)
{
    const Pose pose{3.0f, -2.0f, -100.0, 40.0, -20.0};
    localizeAt(pose, 7.0, {FLAG_1L, FLAG_1R, FLAG_2L, FLAG_2R, GOAL_1L, GOAL_1R, GOAL_2L, GOAL_2R});
    const WorldModel& wm = *WorldModel::instance();
    EXPECT_LT(angleGap(wm.getMyAngle(), pose.heading), 0.05) << wm.getMyAngle();
    EXPECT_NEAR(wm.getMyPos().x(), 3.0, 0.05);
    EXPECT_NEAR(wm.getMyPos().y(), -2.0, 0.05);
}

INSTANTIATE_TEST_SUITE_P(Poses, Heading, ::testing::Values(
    HeadingCase{"Straight", 0, 0, 0},
    HeadingCase{"YawLeftPitchDown", 30, 90, -30},
    HeadingCase{"YawRightPitchUp", -45, -90, 30},
    HeadingCase{"Oblique", 120, 45, 15},
    HeadingCase{"JustBelow180", 179, 0, 0},
    HeadingCase{"JustAboveMinus180", -179, 30, -10},
    HeadingCase{"Backward", -120, -90, -30}),
    [](const auto& info) { return std::string(info.param.name); });

struct AverageCase
{
    const char* name;
    double heading;
    double error1, error2;  // added to the seen theta of F1L and F2L
    double expected;
};

std::ostream& operator<<(std::ostream& os, const AverageCase& c) { return os << c.name; }

class HeadingAverage : public LocalizationTest, public ::testing::WithParamInterface<AverageCase> {};

// Estimates are the heading minus the theta error.
TEST_P(HeadingAverage, AsAngles)
{
    const AverageCase& c = GetParam();
    const Pose pose{-7.0f, 4.0f, c.heading};
    standAt(pose, 3.0);
    see(pose, FLAG_1L, landmarkInOwnFrame(FLAG_1L, TEAM_LEFT), c.error1);
    see(pose, FLAG_2L, landmarkInOwnFrame(FLAG_2L, TEAM_LEFT), c.error2);
    Localization::instance()->localize();
    EXPECT_LT(angleGap(WorldModel::instance()->getMyAngle(), c.expected), 1e-3) << WorldModel::instance()->getMyAngle();
    EXPECT_NEAR(WorldModel::instance()->getMyPos().x(), -7.0, 1e-3);
}

INSTANTIATE_TEST_SUITE_P(Estimates, HeadingAverage, ::testing::Values(
    AverageCase{"PlainMean", 10, 5, -5, 10},
    AverageCase{"AcrossPlusMinus180", 155, 15, -35, 165},          // 140 and -170
    AverageCase{"AcrossFromTheOtherSide", -155, -15, 35, -165},     // -140 and 170
    AverageCase{"MeanNormalised", 180, 31, -31, 180},               // 149 and -149
    AverageCase{"BeyondOneFiftyStops", 170, 0, -15, 170}),          // 170, then -175 unused
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LocalizationTest, OppositeEndPairRenewsTimeAndHeadingOnly)
{
    const Pose first{-4.0f, 2.0f, 10.0};
    localizeAt(first, 10.0, {FLAG_1L, FLAG_2L});
    const Pose turned{-4.0f, 2.0f, 40.0};
    WorldModel& wm = standAt(turned, 10.04);
    seeLandmarks(turned, {FLAG_1L, FLAG_1R});
    Localization::instance()->localize();
    EXPECT_NEAR(wm.getMyPos().x(), -4.0, 1e-3);
    EXPECT_NEAR(wm.getMyPos().y(), 2.0, 1e-3);
    EXPECT_LT(angleGap(wm.getMyAngle(), 40.0), 1e-2);
    EXPECT_EQ(wm.getObjectVision(TEAMMATE_1).timeLastLocalized, 10.04);
    EXPECT_NEAR(wm.getObjectVision(TEAMMATE_1).globalPos.x(), -4.0, 1e-3);
    EXPECT_EQ(Localization::instance()->getLastLocalize(), 10.04);
}

TEST_F(LocalizationTest, FirstFixWithoutSameEndPairIsTheHomePosition)
{
    const Pose pose{-7.5f, 0.0f, 0.0};
    localizeAt(pose, 1.0, {FLAG_1L, GOAL_1R}, 6);
    const WorldModel& wm = *WorldModel::instance();
    EXPECT_EQ(wm.getMyPos(), salt::Vector3f(-7.5f, 0.0f, 0.55f));
    EXPECT_LT(angleGap(wm.getMyAngle(), 0.0), 1e-3);
    EXPECT_EQ(wm.getObjectVision(TEAMMATE_6).globalPos, salt::Vector3f(-7.5f, 0.0f, 0.57f));
}

TEST_F(LocalizationTest, BeforeAnyFixNothingIsWritten)
{
    const Pose pose{1.0f, 1.0f, 0.0};
    WorldModel& wm = standAt(pose, 0.5);
    const salt::Vector3f startPos = wm.getMyPos();
    see(pose, FLAG_1R, landmarkInOwnFrame(FLAG_1R, TEAM_LEFT));
    see(pose, BALL, salt::Vector3f(3, 1, 0.1f));
    Localization::instance()->localize();
    EXPECT_EQ(Localization::instance()->getLastLocalize(), -1000.0);
    EXPECT_EQ(wm.getMyPos(), startPos);
    EXPECT_EQ(wm.getObjectVision(TEAMMATE_1).timeLastLocalized, -1000.0);
    EXPECT_EQ(wm.getObjectVision(BALL).timeLastLocalized, -1000.0);
}

TEST_F(LocalizationTest, OneLandmarkKeepsTheLastFix)
{
    const Pose pose{-4.0f, 2.0f, 10.0};
    standAt(pose, 10.0);
    seeLandmarks(pose, {FLAG_1L, FLAG_2L});
    see(pose, BALL, salt::Vector3f(-2, 2, 0.1f));
    Localization::instance()->localize();
    WorldModel& wm = *WorldModel::instance();
    const salt::Vector3f ballAtFix = wm.getBallPos();

    const Pose moved{0.0f, 0.0f, 90.0};
    standAt(moved, 10.04);
    see(moved, FLAG_1R, landmarkInOwnFrame(FLAG_1R, TEAM_LEFT));
    see(moved, BALL, salt::Vector3f(1, 1, 0.1f));
    Localization::instance()->localize();
    EXPECT_NEAR(wm.getMyPos().x(), -4.0, 1e-3);
    EXPECT_LT(angleGap(wm.getMyAngle(), 10.0), 1e-2);
    EXPECT_EQ(wm.getObjectVision(TEAMMATE_1).timeLastLocalized, 10.0);
    EXPECT_EQ(wm.getBallPos(), ballAtFix);
    EXPECT_EQ(wm.getObjectVision(BALL).timeLastLocalized, 10.0);
}

struct SeenObjectCase
{
    const char* name;
    Pose pose;
};

std::ostream& operator<<(std::ostream& os, const SeenObjectCase& c) { return os << c.name; }

class SeenObjects : public LocalizationTest, public ::testing::WithParamInterface<SeenObjectCase> {};

// A point on the ground plane 0.1 m high, at a bearing from the camera's
// axis and a planar distance.
salt::Vector3f inView(const Pose& p, double bearing, float distance)
{
    const double a = rad(p.heading + p.yaw + bearing);
    return salt::Vector3f(p.x + distance * static_cast<float>(std::cos(a)),
                          p.y + distance * static_cast<float>(std::sin(a)), 0.1f);
}

// Ball and players 0.45 m below the eye, a few metres away and within the
// camera's field of view: placed within 0.1 m on the ground plane; the method
// neglects how the vertical angle and the pitch bend the bearing.
TEST_P(SeenObjects, GlobalPositionsFromTheHeading)
{
    const Pose& pose = GetParam().pose;
    WorldModel& wm = standAt(pose, 30.0);
    seeLandmarks(pose, {FLAG_1L, FLAG_2L});
    const salt::Vector3f ball = inView(pose, 5.0, 3.0f);
    const salt::Vector3f mate = inView(pose, -40.0, 2.5f);
    const salt::Vector3f rival = inView(pose, 50.0, 5.0f);
    see(pose, BALL, ball);
    see(pose, TEAMMATE_4, mate);
    see(pose, OPPONENT_9, rival);
    Localization::instance()->localize();
    const std::pair<Object, salt::Vector3f> expected[] = {{BALL, ball}, {TEAMMATE_4, mate}, {OPPONENT_9, rival}};
    for (const auto& [o, where] : expected)
    {
        const VisionSense vs = wm.getObjectVision(o);
        salt::Vector3f gap = vs.globalPos - where;
        gap.z() = 0.0f;
        EXPECT_LT(gap.Length(), 0.1f) << "object " << o;
        // The pitch is added to the vertical angle, which holds on the axis
        // only; the height is checked with the head level.
        if (pose.pitch == 0.0)
        {
            EXPECT_NEAR(vs.globalPos.z(), 0.12, 0.05) << "object " << o;
        }
        EXPECT_EQ(vs.timeLastLocalized, 30.0);
    }
    EXPECT_EQ(wm.getObjectVision(OPPONENT_1).timeLastLocalized, -1000.0);
}

INSTANTIATE_TEST_SUITE_P(Poses, SeenObjects, ::testing::Values(
    SeenObjectCase{"HeadStraight", Pose{-6.0f, 1.0f, 0.0}},
    SeenObjectCase{"TurnedWithYaw", Pose{-6.0f, 1.0f, 20.0, 10.0, 0.0}},
    SeenObjectCase{"NegativeHeading", Pose{-6.0f, 1.0f, -20.0, 30.0, 0.0}},
    SeenObjectCase{"PitchedDown", Pose{-6.0f, 1.0f, 40.0, 0.0, -10.0}},
    SeenObjectCase{"RightSide", Pose{-6.0f, 1.0f, 15.0, -10.0, 0.0, TEAM_RIGHT}}),
    [](const auto& info) { return std::string(info.param.name); });

struct TorsoCase
{
    const char* name;
    salt::Vector3f leftForce, rightForce;
    double leftKnee, rightKnee;  // degrees, with hip pitch and ankle at minus half
    bool expectStanding;         // 0.55; else below 0.54
};

std::ostream& operator<<(std::ostream& os, const TorsoCase& c) { return os << c.name; }

class TorsoHeight : public LocalizationTest, public ::testing::WithParamInterface<TorsoCase> {};

TEST_P(TorsoHeight, FromTheLegOfTheUprightSole)
{
    const TorsoCase& c = GetParam();
    WorldModel& wm = *WorldModel::instance();
    FRPSense left, right;
    left.force = c.leftForce;
    right.force = c.rightForce;
    wm.setLeftFootForce(left);
    wm.setRightFootForce(right);
    const auto bend = [&wm](JointID hip, JointID knee, JointID ankle, double k) {
        wm.setJointAngle(hip, -k / 2);
        wm.setJointAngle(knee, k);
        wm.setJointAngle(ankle, -k / 2);
    };
    bend(JID_LLEG_3, JID_LLEG_4, JID_LLEG_5, c.leftKnee);
    bend(JID_RLEG_3, JID_RLEG_4, JID_RLEG_5, c.rightKnee);
    const double z = Localization::instance()->getMyZ();
    if (c.expectStanding)
    {
        EXPECT_NEAR(z, 0.55, 1e-9);
    }
    else
    {
        EXPECT_LT(z, 0.54);
    }
}

const salt::Vector3f kFlat(0, 0, 25), kTilted(15, 0, 15), kNone(0, 0, 0);

INSTANTIATE_TEST_SUITE_P(Cases, TorsoHeight, ::testing::Values(
    TorsoCase{"BothFeetInTheAir", kNone, kNone, 60, 60, true},
    TorsoCase{"LeftFlatStraight", kFlat, kNone, 0, 60, true},
    TorsoCase{"LeftFlatBent", kFlat, kFlat, 60, 0, false},
    TorsoCase{"LeftTiltedRightFlatStraight", kTilted, kFlat, 60, 0, true},
    TorsoCase{"LeftInTheAirRightFlatBent", kNone, kFlat, 0, 60, false},
    TorsoCase{"BothTilted", kTilted, kTilted, 60, 60, true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
