#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/Sightings.h"
#include "WorldModel/WorldModel.h"

namespace {

class WorldModelTest : public ::testing::Test
{
protected:
    void TearDown() override { WorldModel::deleteT(); }

    // A fresh world model, taken after the previous one is gone.
    static WorldModel& freshWorldModel()
    {
        WorldModel::deleteT();
        return *WorldModel::instance();
    }

    WorldModel& wm = freshWorldModel();
};

void expectVector(const salt::Vector3f& v, float x, float y, float z, float tolerance = 0.0f)
{
    EXPECT_NEAR(v.x(), x, tolerance);
    EXPECT_NEAR(v.y(), y, tolerance);
    EXPECT_NEAR(v.z(), z, tolerance);
}

} // namespace

TEST_F(WorldModelTest, StartingValues)
{
    EXPECT_EQ(wm.getServerTime(), 0.0);
    EXPECT_EQ(wm.getGameTime(), 0.0);
    EXPECT_EQ(wm.getTeamSide(), TEAM_LEFT);
    EXPECT_EQ(wm.getGameState(), PM_BeforeKickOff);
    EXPECT_EQ(wm.getTeamName(), "Kestro3D");
    EXPECT_EQ(wm.getNum(), 0);
    EXPECT_EQ(wm.getCurrentCycle(), 0);
    EXPECT_EQ(wm.getCommunicationString(), "");
    EXPECT_EQ(wm.getTimeLastHeard(), -1000.0);
    expectVector(wm.getGyro(), 0, 0, 0);
    expectVector(wm.getAcc(), 0, 0, 0);
    for (const FRPSense* foot : {&wm.getLeftFootForce(), &wm.getRightFootForce()})
    {
        expectVector(foot->point, 0, 0, 0);
        expectVector(foot->force, 0, 0, 0);
    }
    EXPECT_EQ(wm.getLeftTouchVal(), 0);
    EXPECT_EQ(wm.getRightTouchVal(), 0);
    expectVector(wm.getMyPos(), 0, 0, static_cast<float>(NaoHeaght));
    EXPECT_EQ(wm.getMyAngle(), 0.0);
    expectVector(wm.getBallPos(), -1000, -1000, -1000);
    EXPECT_EQ(wm.getLocalConfidence(BALL), -990.0);
    EXPECT_EQ(wm.getGlobalConfidence(BALL), -990.0);
    for (int j = 0; j < JID_MAX; ++j) EXPECT_EQ(wm.getJointAngle(static_cast<JointID>(j)), 0.0);
    for (int o = 0; o <= OBJECT_MAX; ++o)
    {
        EXPECT_FALSE(wm.getIsObjectFallDown(static_cast<Object>(o))) << o;
        EXPECT_EQ(wm.getObjectTimeLastSeen(static_cast<Object>(o)), -1000.0) << o;
    }
}

TEST_F(WorldModelTest, NeverSeenConfidenceFallsWithTime)
{
    wm.setServerTime(12.5);
    EXPECT_EQ(wm.getLocalConfidence(GOAL_2R), -1002.5);
    EXPECT_EQ(wm.getGlobalConfidence(GOAL_2R), -1002.5);
}

struct MyObjectCase
{
    int num;
    Object expected;
};

std::ostream& operator<<(std::ostream& os, const MyObjectCase& c) { return os << "num " << c.num; }

class MyObject : public WorldModelTest, public ::testing::WithParamInterface<MyObjectCase> {};

// Numbers outside 1..11 (0 before "--unum" is read) must not alias another
// object: 0 + 8 would be the ball.
TEST_P(MyObject, FromUniformNumber)
{
    wm.setNum(GetParam().num);
    EXPECT_EQ(wm.getMyObject(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, MyObject,
                         ::testing::Values(MyObjectCase{1, TEAMMATE_1}, MyObjectCase{3, TEAMMATE_3},
                                           MyObjectCase{11, TEAMMATE_11}, MyObjectCase{0, OBJECT_MAX},
                                           MyObjectCase{12, OBJECT_MAX}, MyObjectCase{-1, OBJECT_MAX}),
                         [](const ::testing::TestParamInfo<MyObjectCase>& info) {
                             return "Num" + std::string(info.param.num < 0 ? "Minus" : "") +
                                    std::to_string(std::abs(info.param.num));
                         });

TEST_F(WorldModelTest, OwnGlobalConfidenceIsThatOfTheOwnObject)
{
    wm.setNum(3);
    wm.setServerTime(20.0);
    wm.mutableObjectVision(TEAMMATE_3).timeLastLocalized = 19.5;
    EXPECT_EQ(wm.getGlobalConfidence(), 9.5);
    wm.setNum(0);
    EXPECT_EQ(wm.getGlobalConfidence(), -1010.0) << "no number: the default record";
}

// Times arrive as floats and are widened; thresholds are floats widened too.
// The confidence must be the exact double difference so that comparisons at
// a threshold come out as the arithmetic says.
struct ConfidenceCase
{
    const char* label;
    float seen, now;
    double expected;
    float threshold;
    bool atOrAbove, above;
};

std::ostream& operator<<(std::ostream& os, const ConfidenceCase& c) { return os << c.label; }

class Confidence : public WorldModelTest, public ::testing::WithParamInterface<ConfidenceCase> {};

TEST_P(Confidence, ExactAtFloatBoundaries)
{
    const ConfidenceCase& c = GetParam();
    wm.setServerTime(c.seen);
    wm.setObjectVision(BALL, polarSighting(1, 0, 0));
    wm.mutableObjectVision(BALL).timeLastLocalized = c.seen;
    EXPECT_EQ(wm.getLocalConfidence(BALL), 10.0) << "seen in the current message";
    wm.setServerTime(c.now);
    EXPECT_EQ(wm.getLocalConfidence(BALL), c.expected);
    EXPECT_EQ(wm.getGlobalConfidence(BALL), c.expected);
    EXPECT_EQ(wm.getLocalConfidence(BALL) >= c.threshold, c.atOrAbove);
    EXPECT_EQ(wm.getLocalConfidence(BALL) > c.threshold, c.above);
}

INSTANTIATE_TEST_SUITE_P(Table, Confidence, ::testing::Values(
    ConfidenceCase{"OneCycle", 0.36f, 0.38f, 9.980000019073486, 9.98f, true, true},
    ConfidenceCase{"ThreeCyclesEqual994", 10.0f, 10.06f, 9.9399995803833, 9.94f, true, false},
    ConfidenceCase{"ThreeCyclesAbove994", 100.0f, 100.06f, 9.94000244140625, 9.94f, true, true},
    ConfidenceCase{"ThreeCyclesAbove994Late", 12.34f, 12.40f, 9.940000534057617, 9.94f, true, true},
    ConfidenceCase{"TwoCyclesEqual996", 10.0f, 10.04f, 9.960000038146973, 9.96f, true, false},
    ConfidenceCase{"TwoCyclesBelow996", 50.0f, 50.04f, 9.959999084472656, 9.96f, false, false},
    ConfidenceCase{"FiveCyclesAbove99", 50.0f, 50.1f, 9.900001525878906, 9.9f, true, true},
    ConfidenceCase{"TwentyCyclesEqual96", 30.0f, 30.4f, 9.600000381469727, 9.6f, true, false},
    ConfidenceCase{"TwentyCyclesBelow96", 50.0f, 50.4f, 9.599998474121094, 9.6f, false, false}),
    [](const ::testing::TestParamInfo<ConfidenceCase>& info) { return std::string(info.param.label); });

TEST_F(WorldModelTest, SetObjectVisionKeepsWhatItDoesNotWrite)
{
    VisionSense& rec = wm.mutableObjectVision(TEAMMATE_2);
    rec.timeLastLocalized = 3.0;
    rec.globalPos = salt::Vector3f(1, 2, 3);
    rec.distanceFromLeftFoot = 4.0;
    wm.setServerTime(5.0);
    VisionSense seen = polarSighting(2.0, 90.0, 0.0);
    seen.timeLastSeen = 77.0; // ignored: the stamp is the server time
    seen.globalPos = salt::Vector3f(9, 9, 9);
    EXPECT_TRUE(wm.setObjectVision(TEAMMATE_2, seen));

    const VisionSense got = wm.getObjectVision(TEAMMATE_2);
    EXPECT_EQ(got.distance, 2.0);
    EXPECT_EQ(got.theta, 90.0);
    EXPECT_EQ(got.phi, 0.0);
    EXPECT_EQ(got.timeLastSeen, 5.0);
    expectVector(got.localPos, 0, 2, 0, 1e-6f);
    EXPECT_EQ(got.timeLastLocalized, 3.0);
    expectVector(got.globalPos, 1, 2, 3);
    EXPECT_EQ(got.distanceFromLeftFoot, 4.0);
}

// OBJECT_MAX stands for "no object": it reads as never seen and keeps
// nothing that is written to it.
TEST_F(WorldModelTest, NoObjectReadsDefaultAndIsNotWritten)
{
    wm.setServerTime(1.0);
    EXPECT_TRUE(wm.setObjectVision(OBJECT_MAX, polarSighting(1, 2, 3)));
    wm.mutableObjectVision(OBJECT_MAX).globalPos = salt::Vector3f(1, 1, 1);
    wm.setIsObjectFallDown(OBJECT_MAX, true);
    const VisionSense none = wm.getObjectVision(OBJECT_MAX);
    EXPECT_EQ(none.distance, -1000.0);
    EXPECT_EQ(none.timeLastSeen, -1000.0);
    expectVector(none.globalPos, -1000, -1000, -1000);
    EXPECT_FALSE(wm.getIsObjectFallDown(OBJECT_MAX));
    EXPECT_EQ(wm.mutableObjectVision(OBJECT_MAX).distance, -1000.0) << "a fresh default record each time";
    for (int o = 0; o < OBJECT_MAX; ++o) EXPECT_EQ(wm.getObjectTimeLastSeen(static_cast<Object>(o)), -1000.0);
}

TEST_F(WorldModelTest, JointTableIgnoresNoJoint)
{
    wm.setJointAngle(JID_RARM_4, 12.5);
    wm.setJointAngle(JID_MAX, 1.0);
    wm.setJointAngle(JID_ROOT, 2.0);
    EXPECT_EQ(wm.getJointAngle(JID_RARM_4), 12.5);
    EXPECT_EQ(wm.getJointAngle(JID_MAX), 0.0);
    EXPECT_EQ(wm.getJointAngle(JID_ROOT), 0.0);
}

TEST_F(WorldModelTest, FallTableResets)
{
    wm.setIsObjectFallDown(TEAMMATE_4, true);
    wm.setIsObjectFallDown(OPPONENT_2, true);
    EXPECT_TRUE(wm.getIsObjectFallDown(TEAMMATE_4));
    EXPECT_TRUE(wm.getIsObjectFallDown(OPPONENT_2));
    wm.setIsObjectFallDownMap();
    EXPECT_FALSE(wm.getIsObjectFallDown(TEAMMATE_4));
    EXPECT_FALSE(wm.getIsObjectFallDown(OPPONENT_2));
}

TEST_F(WorldModelTest, BallDistanceIsPlanar)
{
    wm.setObjectVision(BALL, polarSighting(2.0, 0.0, -60.0)); // 1 m ahead, 1.73 m down
    EXPECT_NEAR(wm.getBallDist(), 1.0, 1e-6);
}

TEST_F(WorldModelTest, HeardMessageAndCycle)
{
    wm.setCommunicationString("abc", 12.34);
    EXPECT_EQ(wm.getCommunicationString(), "abc");
    EXPECT_EQ(wm.getTimeLastHeard(), 12.34);
    wm.updateCurrentCycle();
    wm.updateCurrentCycle();
    EXPECT_EQ(wm.getCurrentCycle(), 2);
}

// Bearings of field points from the own pose: planar direction minus the
// heading, normalised into (-180, 180].
struct BearingCase
{
    const char* label;
    float myX, myY;
    double heading;
    float px, py;
    double angle;
    float relX, relY;
};

std::ostream& operator<<(std::ostream& os, const BearingCase& c) { return os << c.label; }

class BodyRelPoint : public WorldModelTest, public ::testing::WithParamInterface<BearingCase> {};

TEST_P(BodyRelPoint, AngleAndPosition)
{
    const BearingCase& c = GetParam();
    wm.setMyPos(salt::Vector3f(c.myX, c.myY, 0.57f));
    wm.setMyAngle(c.heading);
    const salt::Vector3f p(c.px, c.py, 3.0f); // height plays no part
    EXPECT_NEAR(wm.getBodyRelAngle(p), c.angle, 1e-4);
    const salt::Vector3f rel = wm.getBodyRelPos(p);
    expectVector(rel, c.relX, c.relY, 0.0f, 1e-5f);
}

INSTANTIATE_TEST_SUITE_P(Table, BodyRelPoint, ::testing::Values(
    BearingCase{"AheadAtHeading90", 0, 0, 90, 0, 1, 0, 1, 0},
    BearingCase{"BackLeftAtHeading0", 0, 0, 0, -1, 1, 135, -1, 1},
    BearingCase{"OffsetOrigin", 1, 1, 0, 1, 3, 90, 0, 2},
    BearingCase{"WrapPositiveAcross180", 0, 0, 170, -1, -0.17632698f, 20, 0.95418889f, 0.34729636f},
    BearingCase{"WrapNegativeAcross180", 0, 0, -170, -1, 0.17632698f, -20, 0.95418889f, -0.34729636f},
    BearingCase{"StraightBehind", 0, 0, 0, -2, 0, 180, -2, 0},
    BearingCase{"MinusHalfTurnBecomesHalfTurn", 0, 0, 90, 0, -1, 180, -1, 0},
    BearingCase{"HeadingBeyond180", 0, 0, 350, 1, 0, 10, 0.98480775f, 0.17364818f},
    BearingCase{"RightSide", -5, 0, 0, -5, -3, -90, 0, -3}),
    [](const ::testing::TestParamInfo<BearingCase>& info) { return std::string(info.param.label); });

// Seen objects: the camera bearing plus the head yaw, not normalised.
TEST_F(WorldModelTest, BodyRelativeOfSeenObject)
{
    wm.setJointAngle(JID_HEAD_1, 30.0);
    wm.setObjectVision(BALL, polarSighting(2.0, 60.0, -60.0)); // planar distance 1
    EXPECT_DOUBLE_EQ(wm.getBodyRelAngle(BALL), 90.0);
    expectVector(wm.getBodyRelPos(BALL), 0, 1, 0, 1e-6f);

    wm.setObjectVision(OPPONENT_1, polarSighting(3.0, 170.0, 0.0));
    EXPECT_DOUBLE_EQ(wm.getBodyRelAngle(OPPONENT_1), 200.0);
    expectVector(wm.getBodyRelPos(OPPONENT_1), -2.8190775f, -1.0260604f, 0, 1e-5f);
}

struct KickOffCase
{
    TeamSide side;
    PlayMode mode;
    bool us, other;
};

std::ostream& operator<<(std::ostream& os, const KickOffCase& c)
{
    return os << (c.side == TEAM_LEFT ? "left " : "right ") << c.mode;
}

class KickOff : public WorldModelTest, public ::testing::WithParamInterface<KickOffCase> {};

TEST_P(KickOff, Tables)
{
    wm.setTeamSide(GetParam().side);
    wm.setGameState(GetParam().mode);
    EXPECT_EQ(wm.getKickOffUs(), GetParam().us);
    EXPECT_EQ(wm.getKickOffOther(), GetParam().other);
}

std::vector<KickOffCase> kickOffCases()
{
    std::vector<KickOffCase> cases;
    for (TeamSide side : {TEAM_LEFT, TEAM_RIGHT})
        for (int pm = PM_BeforeKickOff; pm <= PM_Unknown; ++pm)
        {
            const PlayMode mode = static_cast<PlayMode>(pm);
            const bool left = side == TEAM_LEFT;
            const bool us = left ? (mode == PM_KickIn_Left || mode == PM_Goal_Right || mode == PM_KickOff_Left)
                                 : (mode == PM_KickIn_Right || mode == PM_Goal_Left || mode == PM_KickOff_Right);
            const bool other = left ? (mode == PM_KickOff_Right || mode == PM_Goal_Left)
                                    : (mode == PM_KickOff_Left || mode == PM_Goal_Right);
            cases.push_back({side, mode, us, other});
        }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Table, KickOff, ::testing::ValuesIn(kickOffCases()),
                         [](const ::testing::TestParamInfo<KickOffCase>& info) {
                             return std::string(info.param.side == TEAM_LEFT ? "Left" : "Right") + "Mode" +
                                    std::to_string(info.param.mode);
                         });

TEST_F(WorldModelTest, AnnouncedBallDistances)
{
    for (int o = TEAMMATE_1; o <= TEAMMATE_11; ++o)
        wm.setSayDisanceToBallInfo(static_cast<Object>(o), sayDistanceToBallInfo{1.0 * o, 0.5 * o});
    for (int o = TEAMMATE_1; o <= TEAMMATE_11; ++o)
    {
        const sayDistanceToBallInfo info = wm.getSayDisanceToBallInfo(static_cast<Object>(o));
        EXPECT_EQ(info.seeTime, 1.0 * o);
        EXPECT_EQ(info.distance, 0.5 * o);
    }
    // Anything that is not a teammate reads the default record and is not written.
    for (Object o : {FLAG_1L, BALL, OPPONENT_1, OPPONENT_11, OBJECT_MAX})
    {
        wm.setSayDisanceToBallInfo(o, sayDistanceToBallInfo{5.0, 6.0});
        const sayDistanceToBallInfo info = wm.getSayDisanceToBallInfo(o);
        EXPECT_EQ(info.seeTime, -1000.0) << o;
        EXPECT_EQ(info.distance, 1000.0) << o;
    }
    EXPECT_EQ(wm.getSayDisanceToBallInfo(TEAMMATE_1).seeTime, 9.0) << "neighbours untouched";
}
