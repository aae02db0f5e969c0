#include <memory>
#include <ostream>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "Math/MyMath.h"
#include "WorldModel/Parser.h"
#include "WorldModel/WorldModel.h"

namespace {

struct Output
{
    std::string out, err;
};

class ParserFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        WorldModel::deleteT();
        parser = std::make_unique<Parser>();
    }
    void TearDown() override { WorldModel::deleteT(); }

    Output parse(const std::string& message)
    {
        ::testing::internal::CaptureStdout();
        ::testing::internal::CaptureStderr();
        parser->doParse(message);
        Output o;
        o.out = ::testing::internal::GetCapturedStdout();
        o.err = ::testing::internal::GetCapturedStderr();
        return o;
    }

    std::unique_ptr<Parser> parser;
};

bool nothingSeen(const WorldModel& wm)
{
    for (int o = 0; o < OBJECT_MAX; ++o)
        if (wm.getObjectTimeLastSeen(static_cast<Object>(o)) != -1000.0) return false;
    return true;
}

void expectVector(const salt::Vector3f& v, float x, float y, float z)
{
    EXPECT_EQ(v.x(), x);
    EXPECT_EQ(v.y(), y);
    EXPECT_EQ(v.z(), z);
}

void expectPolar(const WorldModel& wm, Object o, double distance, double theta, double phi, double time)
{
    const VisionSense vs = wm.getObjectVision(o);
    EXPECT_EQ(vs.distance, distance) << o;
    EXPECT_EQ(vs.theta, theta) << o;
    EXPECT_EQ(vs.phi, phi) << o;
    EXPECT_EQ(vs.timeLastSeen, time) << o;
    const salt::Vector3f local = PolarToCartecian(vs);
    expectVector(vs.localPos, local.x(), local.y(), local.z());
}

// One message parsed after an optional earlier one; the earlier one's
// output is not checked.
struct MessageCase
{
    const char* label;
    const char* before;
    const char* message;
    const char* out;
    const char* err;
    void (*check)(const WorldModel&);
};

std::ostream& operator<<(std::ostream& os, const MessageCase& c) { return os << c.label; }

class Message : public ParserFixture, public ::testing::WithParamInterface<MessageCase> {};

const char kBothFeet[] = "(FRP (n lf) (c 0.01 0.02 -0.03) (f 1 2 30))(FRP (n rf) (c -0.01 0 0) (f 0 0 20))";
const char kSender[] = "could not get sender \n";

} // namespace

TEST_P(Message, Effect)
{
    const MessageCase& c = GetParam();
    parse(c.before);
    const Output o = parse(c.message);
    EXPECT_EQ(o.out, c.out);
    EXPECT_EQ(o.err, c.err);
    c.check(*WorldModel::instance());
}

INSTANTIATE_TEST_SUITE_P(Time, Message, ::testing::Values(
    MessageCase{"Now", "", "(time (now 12.34))", "", "",
                [](const WorldModel& wm) { EXPECT_EQ(wm.getServerTime(), static_cast<double>(12.34f)); }},
    MessageCase{"NotANumber", "(time (now 1.5))", "(time (now x))(time (later 3))", "", "",
                [](const WorldModel& wm) { EXPECT_EQ(wm.getServerTime(), 1.5); }}),
    [](const ::testing::TestParamInfo<MessageCase>& info) { return std::string(info.param.label); });

INSTANTIATE_TEST_SUITE_P(GameState, Message, ::testing::Values(
    MessageCase{"AllKeys", "", "(GS (unum 1) (team right) (t 5.50) (pm PlayOn))", "", "",
                [](const WorldModel& wm) {
                    EXPECT_EQ(wm.getTeamSide(), TEAM_RIGHT);
                    EXPECT_EQ(wm.getGameTime(), 5.5);
                    EXPECT_EQ(wm.getGameState(), PM_PlayOn);
                }},
    MessageCase{"OtherSideWordKeepsSide", "(GS (team right))", "(GS (team Left) (pm KickOff_Left))", "", "",
                [](const WorldModel& wm) {
                    EXPECT_EQ(wm.getTeamSide(), TEAM_RIGHT);
                    EXPECT_EQ(wm.getGameState(), PM_KickOff_Left);
                }},
    MessageCase{"KeysIndependent", "(GS (t 3) (pm PlayOn))", "(GS (t x) (pm goal_kick_left))", "", "",
                [](const WorldModel& wm) {
                    EXPECT_EQ(wm.getGameTime(), 3.0);
                    EXPECT_EQ(wm.getGameState(), PM_Goal_Kick_Left);
                }},
    MessageCase{"UnknownPlayModeIsBeforeKickOff", "(GS (pm PlayOn))", "(GS (pm Halftime))", "", "",
                [](const WorldModel& wm) { EXPECT_EQ(wm.getGameState(), PM_BeforeKickOff); }},
    MessageCase{"DirectFreeKick", "", "(GS (pm direct_free_kick_right))", "", "",
                [](const WorldModel& wm) { EXPECT_EQ(wm.getGameState(), PM_FreeKick_Right); }},
    MessageCase{"PassIsPlayOn", "", "(GS (pm pass_left))", "", "",
                [](const WorldModel& wm) { EXPECT_EQ(wm.getGameState(), PM_PlayOn); }},
    MessageCase{"OtherGPredicateIgnored", "", "(GA (team right) (pm PlayOn))(G (pm PlayOn))", "", "",
                [](const WorldModel& wm) {
                    EXPECT_EQ(wm.getTeamSide(), TEAM_LEFT);
                    EXPECT_EQ(wm.getGameState(), PM_BeforeKickOff);
                }}),
    [](const ::testing::TestParamInfo<MessageCase>& info) { return std::string(info.param.label); });

INSTANTIATE_TEST_SUITE_P(Sensors, Message, ::testing::Values(
    MessageCase{"Gyro", "", "(GYR (n torso) (rt 0.01 -0.5 2))", "", "",
                [](const WorldModel& wm) { expectVector(wm.getGyro(), 0.01f, -0.5f, 2.0f); }},
    MessageCase{"GyroWithoutName", "", "(GYR (rt 1 2 3))", "", "",
                [](const WorldModel& wm) { expectVector(wm.getGyro(), 0, 0, 0); }},
    MessageCase{"GyroTwoNumbers", "", "(GYR (n torso) (rt 1 2))", "", "",
                [](const WorldModel& wm) { expectVector(wm.getGyro(), 0, 0, 0); }},
    MessageCase{"Accelerometer", "", "(ACC (n torso) (a -0.00 0.1 9.81))", "", "",
                [](const WorldModel& wm) { expectVector(wm.getAcc(), -0.0f, 0.1f, 9.81f); }},
    MessageCase{"AccelerometerWord", "(ACC (n torso) (a 1 1 1))", "(ACC (n torso) (a 1 x 1))", "", "",
                [](const WorldModel& wm) { expectVector(wm.getAcc(), 1, 1, 1); }},
    MessageCase{"Joint", "", "(HJ (n raj2) (ax -45.5))(HJ (n hj1) (ax 1.10))", "", "",
                [](const WorldModel& wm) {
                    EXPECT_EQ(wm.getJointAngle(JID_RARM_2), -45.5);
                    EXPECT_EQ(wm.getJointAngle(JID_HEAD_1), 1.1);
                }},
    MessageCase{"UnknownJoint", "", "(HJ (n xj9) (ax 1))", "", "(Ambulo) unknown joint id!\n",
                [](const WorldModel& wm) {
                    for (int j = 0; j < JID_MAX; ++j) EXPECT_EQ(wm.getJointAngle(static_cast<JointID>(j)), 0.0);
                }},
    MessageCase{"JointWithoutName", "", "(HJ (ax 1))", "", "(Ambulo) unknown joint id!\n",
                [](const WorldModel&) {}},
    MessageCase{"JointWithoutAngle", "(HJ (n hj2) (ax 7))", "(HJ (n hj2))(HJ (n hj2) (ax deg))", "", "",
                [](const WorldModel& wm) { EXPECT_EQ(wm.getJointAngle(JID_HEAD_2), 7.0); }},
    MessageCase{"FootForces", "", kBothFeet, "", "",
                [](const WorldModel& wm) {
                    expectVector(wm.getLeftFootForce().point, 0.01f, 0.02f, -0.03f);
                    expectVector(wm.getLeftFootForce().force, 1, 2, 30);
                    expectVector(wm.getRightFootForce().point, -0.01f, 0, 0);
                    expectVector(wm.getRightFootForce().force, 0, 0, 20);
                }},
    // The server sends a foot's FRP only while it touches the ground.
    MessageCase{"MissingFootMeansNoContact", kBothFeet, "(time (now 1))(FRP (n rf) (c 1 1 1) (f 2 2 2))", "", "",
                [](const WorldModel& wm) {
                    expectVector(wm.getLeftFootForce().point, 0, 0, 0);
                    expectVector(wm.getLeftFootForce().force, 0, 0, 0);
                    expectVector(wm.getRightFootForce().force, 2, 2, 2);
                }},
    MessageCase{"FootOtherNameOrIncomplete", kBothFeet, "(FRP (n xf) (c 1 1 1) (f 2 2 2))(FRP (n lf) (c 1 1 1))",
                "", "",
                [](const WorldModel& wm) {
                    expectVector(wm.getLeftFootForce().force, 0, 0, 0);
                    expectVector(wm.getRightFootForce().force, 0, 0, 0);
                }},
    MessageCase{"Touch", "", "(TCH (name lf) (val 1))(TCH (name rf) (val 2))", "", "",
                [](const WorldModel& wm) {
                    EXPECT_EQ(wm.getLeftTouchVal(), 1);
                    EXPECT_EQ(wm.getRightTouchVal(), 2);
                }},
    MessageCase{"TouchOtherNameOrNotInteger", "", "(TCH (name bumper) (val 1))(TCH (name lf) (val 1.5))", "", "",
                [](const WorldModel& wm) {
                    EXPECT_EQ(wm.getLeftTouchVal(), 0);
                    EXPECT_EQ(wm.getRightTouchVal(), 0);
                }},
    MessageCase{"UnknownPredicatesIgnored", "", "(AgentState (temp 48) (battery 75))(syn)(xyz 1)", "", "",
                [](const WorldModel& wm) { EXPECT_TRUE(nothingSeen(wm)); }}),
    [](const ::testing::TestParamInfo<MessageCase>& info) { return std::string(info.param.label); });

INSTANTIATE_TEST_SUITE_P(Hear, Message, ::testing::Values(
    MessageCase{"Positional", "", "(hear 12.3 -40.5 hello)", "", "",
                [](const WorldModel& wm) {
                    EXPECT_EQ(wm.getCommunicationString(), "hello");
                    EXPECT_EQ(wm.getTimeLastHeard(), static_cast<double>(12.3f));
                }},
    MessageCase{"PositionalSelf", "", "(hear 12.3 self hello)", "", kSender,
                [](const WorldModel& wm) { EXPECT_EQ(wm.getCommunicationString(), ""); }},
    MessageCase{"OwnTeam", "", "(hear Kestro3D 12.34 -40 abc)", "", "",
                [](const WorldModel& wm) {
                    EXPECT_EQ(wm.getCommunicationString(), "abc");
                    EXPECT_EQ(wm.getTimeLastHeard(), static_cast<double>(12.34f));
                }},
    MessageCase{"OwnTeamSelf", "", "(hear Kestro3D 12.34 self abc)", "", kSender,
                [](const WorldModel& wm) { EXPECT_EQ(wm.getCommunicationString(), ""); }},
    MessageCase{"OtherTeamIgnoredSilently", "(hear 1 2 mine)", "(hear Rival 12.34 -41.5 xyz)(hear Rival 1 self x)",
                "", "",
                [](const WorldModel& wm) {
                    EXPECT_EQ(wm.getCommunicationString(), "mine");
                    EXPECT_EQ(wm.getTimeLastHeard(), 1.0);
                }},
    MessageCase{"NoTime", "", "(hear)", "", "could not get hear time \n",
                [](const WorldModel& wm) { EXPECT_EQ(wm.getTimeLastHeard(), -1000.0); }},
    MessageCase{"TeamThenNoTime", "", "(hear Kestro3D)(hear Kestro3D (t) 1 m)", "",
                "could not get hear time \ncould not get hear time \n",
                [](const WorldModel& wm) { EXPECT_EQ(wm.getTimeLastHeard(), -1000.0); }},
    MessageCase{"ListFirst", "", "(hear (x) 1 2 m)", "", "could not get hear time \n",
                [](const WorldModel&) {}},
    MessageCase{"NoMessage", "", "(hear 1 2)(hear 1 2 (m))", "", "could not get message \ncould not get message \n",
                [](const WorldModel& wm) { EXPECT_EQ(wm.getCommunicationString(), ""); }},
    MessageCase{"LaterReplacesEarlier", "", "(hear 1 2 first)(hear Kestro3D 3 4 second)(hear 5 self third)", "",
                kSender,
                [](const WorldModel& wm) {
                    EXPECT_EQ(wm.getCommunicationString(), "second");
                    EXPECT_EQ(wm.getTimeLastHeard(), 3.0);
                }},
    MessageCase{"NumericMessageIsAWord", "", "(hear 1 2 123)", "", "",
                [](const WorldModel& wm) { EXPECT_EQ(wm.getCommunicationString(), "123"); }}),
    [](const ::testing::TestParamInfo<MessageCase>& info) { return std::string(info.param.label); });

INSTANTIATE_TEST_SUITE_P(Vision, Message, ::testing::Values(
    MessageCase{"Flag", "", "(time (now 2.5))(See (F1L (pol 18.68 53.76 -5.17)))", "", "",
                [](const WorldModel& wm) { expectPolar(wm, FLAG_1L, 18.68, 53.76, -5.17, 2.5); }},
    MessageCase{"EveryLandmarkAndBall", "",
                "(See (F1L (pol 1 0 0)) (F1R (pol 2 0 0)) (F2L (pol 3 0 0)) (F2R (pol 4 0 0)) (G1L (pol 5 0 0)) "
                "(G1R (pol 6 0 0)) (G2L (pol 7 0 0)) (G2R (pol 8 0 0)) (B (pol 9 0 0)))",
                "", "",
                [](const WorldModel& wm) {
                    for (int o = FLAG_1L; o <= BALL; ++o)
                        EXPECT_EQ(wm.getObjectVision(static_cast<Object>(o)).distance, o + 1.0) << o;
                }},
    MessageCase{"LongNamesCutToThreeLetters", "", "(See (F2Rxyz (pol 1 2 3)) (G1Lab (pol 4 5 6)) (Bx (pol 7 8 9)))",
                "", "",
                [](const WorldModel& wm) {
                    expectPolar(wm, FLAG_2R, 1, 2, 3, 0);
                    expectPolar(wm, GOAL_1L, 4, 5, 6, 0);
                    expectPolar(wm, BALL, 7, 8, 9, 0);
                }},
    MessageCase{"UnknownLandmarks", "", "(See (F3L (pol 1 2 3)) (G9 (pol 1 2 3)) (F (pol 1 2 3)))",
                "Flag sense error\nGoal sense error\nFlag sense error\n", "",
                [](const WorldModel& wm) { EXPECT_TRUE(nothingSeen(wm)); }},
    MessageCase{"LinesAndOthersIgnored", "", "(See (L (pol 1 2 3) (pol 4 5 6)) (X (pol 1 2 3)))", "", "",
                [](const WorldModel& wm) { EXPECT_TRUE(nothingSeen(wm)); }},
    MessageCase{"IncompletePolarSkipped", "",
                "(See (F1L (xyz 1 2 3)) (B (pol 1 2)) (G1L (pol 1 x 3)) (F1R pol 1 2 3) (F1R))", "", "",
                [](const WorldModel& wm) { EXPECT_TRUE(nothingSeen(wm)); }},
    MessageCase{"MyPos", "", "(See (mypos 1 2 3) (B (pol 1 2 3)))", "PARSER ERROR!\n", "",
                [](const WorldModel& wm) { expectPolar(wm, BALL, 1, 2, 3, 0); }},
    MessageCase{"NonListsAndNamelessSkipped", "", "(See junk ((x) (pol 1 2 3)) () (B (pol 1 2 3)))", "", "",
                [](const WorldModel& wm) { expectPolar(wm, BALL, 1, 2, 3, 0); }},
    MessageCase{"VisionBeforeTimeKeepsPreviousStamp", "(time (now 1.00))", "(See (B (pol 1 2 3)))(time (now 1.02))",
                "", "",
                [](const WorldModel& wm) {
                    expectPolar(wm, BALL, 1, 2, 3, 1.0);
                    EXPECT_EQ(wm.getServerTime(), static_cast<double>(1.02f));
                }}),
    [](const ::testing::TestParamInfo<MessageCase>& info) { return std::string(info.param.label); });

INSTANTIATE_TEST_SUITE_P(Players, Message, ::testing::Values(
    MessageCase{"Teammate", "",
                "(time (now 3))(See (P (team Kestro3D) (id 4) (head (pol 2 10 -5)) (rlowerarm (pol 1 2 3)) "
                "(llowerarm (pol 4 5 6)) (rfoot (pol 7 8 9)) (lfoot (pol 10 11 12))))",
                "", "",
                [](const WorldModel& wm) {
                    expectPolar(wm, TEAMMATE_4, 2, 10, -5, 3);
                    const VisionSense vs = wm.getObjectVision(TEAMMATE_4);
                    EXPECT_EQ(vs.distanceFromRightArm + vs.thetaFromRightArm + vs.phiFromRightArm, 6.0);
                    EXPECT_EQ(vs.distanceFromLeftArm + vs.thetaFromLeftArm + vs.phiFromLeftArm, 15.0);
                    EXPECT_EQ(vs.distanceFromRightFoot + vs.thetaFromRightFoot + vs.phiFromRightFoot, 24.0);
                    EXPECT_EQ(vs.distanceFromLeftFoot + vs.thetaFromLeftFoot + vs.phiFromLeftFoot, 33.0);
                }},
    MessageCase{"OtherTeamIsOpponent", "", "(See (P (team Rival) (id 4) (head (pol 2 10 -5))))", "", "",
                [](const WorldModel& wm) {
                    expectPolar(wm, OPPONENT_4, 2, 10, -5, 0);
                    EXPECT_EQ(wm.getObjectTimeLastSeen(TEAMMATE_4), -1000.0);
                }},
    MessageCase{"IdElevenAndOne", "", "(See (P (team Rival) (id 11) (head (pol 1 1 1))) (P (team Kestro3D) (id 1) "
                "(head (pol 2 2 2))))",
                "", "",
                [](const WorldModel& wm) {
                    expectPolar(wm, OPPONENT_11, 1, 1, 1, 0);
                    expectPolar(wm, TEAMMATE_1, 2, 2, 2, 0);
                }},
    MessageCase{"IdOutOfRangeNotRecorded", "",
                "(See (P (team Kestro3D) (id 0) (head (pol 1 2 3))) (P (team Rival) (id 12) (head (pol 1 2 3))) "
                "(P (team Rival) (id -1) (head (pol 1 2 3))))",
                "", "", [](const WorldModel& wm) { EXPECT_TRUE(nothingSeen(wm)); }},
    MessageCase{"NoIdNotRecorded", "", "(See (P (team Kestro3D) (head (pol 1 2 3))) (P (team Rival) (id 1.5) "
                "(head (pol 1 2 3))))",
                "", "could not get id \ncould not get id \n",
                [](const WorldModel& wm) { EXPECT_TRUE(nothingSeen(wm)); }},
    MessageCase{"NoTeamIsOpponent", "", "(See (P (id 5) (head (pol 1 2 3))))", "", "could not get team \n",
                [](const WorldModel& wm) { expectPolar(wm, OPPONENT_5, 1, 2, 3, 0); }},
    MessageCase{"NeitherTeamNorId", "", "(See (P) (P (head (pol 1 2 3))))", "",
                "could not get team \ncould not get id \ncould not get team \ncould not get id \n",
                [](const WorldModel& wm) { EXPECT_TRUE(nothingSeen(wm)); }},
    MessageCase{"DirectPolar", "", "(See (P (team Rival) (id 2) (pol 1 2 3)))", "PARSER ERROR!\n", "",
                [](const WorldModel& wm) { EXPECT_TRUE(nothingSeen(wm)); }},
    MessageCase{"LimbsOnlyLeaveSightingAlone", "", "(See (P (team Kestro3D) (id 2) (llowerarm (pol 0.18 35.32 -23.5))))",
                "", "",
                [](const WorldModel& wm) {
                    const VisionSense vs = wm.getObjectVision(TEAMMATE_2);
                    EXPECT_EQ(vs.timeLastSeen, -1000.0);
                    EXPECT_EQ(vs.distance, -1000.0);
                    EXPECT_EQ(vs.distanceFromLeftArm, 0.18);
                    EXPECT_EQ(vs.thetaFromLeftArm, 35.32);
                    EXPECT_EQ(vs.phiFromLeftArm, -23.5);
                }},
    MessageCase{"HeadWithoutPolar", "", "(See (P (team Rival) (id 3) (head (pos 1 2 3)) (head) (elbow (pol 1 2 3))))",
                "", "", [](const WorldModel& wm) { EXPECT_TRUE(nothingSeen(wm)); }},
    MessageCase{"UnreadablePartEndsPlayer", "",
                "(See (P (team Rival) (id 3) ((x)) (head (pol 1 2 3))) (B (pol 4 5 6)))", "", "",
                [](const WorldModel& wm) {
                    EXPECT_EQ(wm.getObjectTimeLastSeen(OPPONENT_3), -1000.0);
                    expectPolar(wm, BALL, 4, 5, 6, 0);
                }}),
    [](const ::testing::TestParamInfo<MessageCase>& info) { return std::string(info.param.label); });

INSTANTIATE_TEST_SUITE_P(Rejected, Message, ::testing::Values(
    MessageCase{"Empty", kBothFeet, "", "", "",
                [](const WorldModel& wm) { expectVector(wm.getLeftFootForce().force, 1, 2, 30); }},
    MessageCase{"Unclosed", kBothFeet, "(time (now 5)", "", "",
                [](const WorldModel& wm) {
                    EXPECT_EQ(wm.getServerTime(), 0.0);
                    expectVector(wm.getRightFootForce().force, 0, 0, 20);
                }},
    MessageCase{"StrayClose", "", ")(time (now 5))", "", "",
                [](const WorldModel& wm) { EXPECT_EQ(wm.getServerTime(), 0.0); }},
    MessageCase{"TruncatedKeepsFinishedPredicates", "", "(time (now 5))(GS (pm PlayOn)", "", "",
                [](const WorldModel& wm) {
                    EXPECT_EQ(wm.getServerTime(), 5.0);
                    EXPECT_EQ(wm.getGameState(), PM_BeforeKickOff);
                }}),
    [](const ::testing::TestParamInfo<MessageCase>& info) { return std::string(info.param.label); });

// Every prefix of a real message and random byte soup: no crash, no hang,
// no out-of-bounds access (the sanitizer build checks each access).
TEST_F(ParserFixture, MalformedAndBinaryInput)
{
    const std::string real =
        "(time (now 0.42))(GS (sl 0) (sr 0) (t 0.00) (pm BeforeKickOff))(GYR (n torso) (rt 0.00 -0.06 -1.17))"
        "(HJ (n hj1) (ax 1.10))(See (G2R (pol 30.94 -20.56 0.49)) (B (pol 16.92 -34.00 -1.83)) (P (team Kestro3D) "
        "(id 1) (rlowerarm (pol 0.18 -36.70 -23.87)) (llowerarm (pol 0.18 35.32 -23.50))) (L (pol 23.88 -54.50 -1.0) "
        "(pol 1 2 3)))(hear Kestro3D 0.00 self abc)(FRP (n lf) (c 0.01 0.02 -0.03) (f 1 2 30))";
    for (std::size_t n = 0; n <= real.size(); ++n) parse(real.substr(0, n));

    std::mt19937 random(4242);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<std::size_t> position(0, real.size() - 1);
    for (int round = 0; round < 2000; ++round)
    {
        std::string mutated = real;
        for (int k = 0; k < 4; ++k) mutated[position(random)] = static_cast<char>(byte(random));
        parse(mutated);
        std::string soup(position(random), ' ');
        for (char& c : soup) c = static_cast<char>(byte(random));
        parse(soup);
    }
    EXPECT_GE(WorldModel::instance()->getServerTime(), 0.0);
}
