#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Actions/Say.h"
#include "WorldModel/WorldModel.h"

namespace {

constexpr double kStep = 1.0 / 89;

std::string chars(const std::vector<int>& codes)
{
    std::string s;
    for (int c : codes) s += Types::instance()->mEncodingMap.at(c);
    return s;
}

::testing::AssertionResult allInTable(const std::string& msg)
{
    const TDecodingMap& table = Types::instance()->mDecodingMap;
    for (std::size_t i = 0; i < msg.size(); ++i)
        if (table.count(msg[i]) == 0)
            return ::testing::AssertionFailure()
                   << "byte " << static_cast<int>(static_cast<unsigned char>(msg[i])) << " at " << i << " in \""
                   << msg << "\"";
    return ::testing::AssertionSuccess();
}

struct Sender
{
    int unum = 2;
    salt::Vector3f pos;
    double fixTime = 100.0;
    salt::Vector3f ball;
    double ballFixTime = 100.0;
    bool fallen = false;
    double now = 100.0;
};

class SayTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Say::deleteT();
        WorldModel::deleteT();
    }
    void TearDown() override { SetUp(); }

    static std::string encodeAs(const Sender& s)
    {
        WorldModel::deleteT();
        WorldModel& wm = *WorldModel::instance();
        wm.setNum(s.unum);
        wm.setServerTime(s.now);
        wm.setMyPos(s.pos);
        wm.mutableObjectVision(wm.getMyObject()).timeLastLocalized = s.fixTime;
        wm.mutableObjectVision(BALL).globalPos = s.ball;
        wm.mutableObjectVision(BALL).timeLastLocalized = s.ballFixTime;
        wm.setIsObjectFallDown(wm.getMyObject(), s.fallen);
        return Say::instance()->getSayMsgEncoded();
    }

    // A fresh receiver, number 1, localised now, that hears msg.
    static WorldModel& receiver(double now = 100.02)
    {
        WorldModel::deleteT();
        WorldModel& wm = *WorldModel::instance();
        wm.setNum(1);
        wm.setServerTime(now);
        wm.mutableObjectVision(TEAMMATE_1).timeLastLocalized = now;
        return wm;
    }

    static void hear(WorldModel& wm, const std::string& msg)
    {
        wm.setCommunicationString(msg, wm.getServerTime());
        Say::instance()->getSayMsgDecoded();
    }
};

TEST_F(SayTest, RotaSlotsOfThePartsExamples)
{
    EXPECT_EQ(Say::speakerAt(12.34), TEAMMATE_1);
    EXPECT_EQ(Say::speakerAt(12.38), TEAMMATE_2);
    EXPECT_EQ(Say::speakerAt(static_cast<float>(12.34)), TEAMMATE_1);
    EXPECT_EQ(Say::speakerAt(std::numeric_limits<double>::quiet_NaN()), OBJECT_MAX);
}

TEST_F(SayTest, ExactlyOneSpeakerPerCycleTwoCyclesInARow)
{
    WorldModel& wm = *WorldModel::instance();
    int runLength = 0;
    Object last = OBJECT_MAX;
    for (int cycle = 0; cycle < 1000; ++cycle)
    {
        wm.setServerTime(static_cast<float>(0.36 + 0.02 * cycle));
        int speakers = 0;
        Object speaker = OBJECT_MAX;
        for (int unum = 1; unum <= 11; ++unum)
        {
            wm.setNum(unum);
            const std::string say = Say::instance()->mergeSayMsg();
            if (say.empty()) continue;
            ++speakers;
            speaker = wm.getMyObject();
            ASSERT_EQ(say.compare(0, 5, "(say "), 0) << say;
            ASSERT_EQ(say.back(), ')');
            ASSERT_TRUE(allInTable(say.substr(5, say.size() - 6)));
        }
        ASSERT_EQ(speakers, 1) << "cycle " << cycle;
        runLength = speaker == last ? runLength + 1 : 1;
        if (speaker != last && cycle > 1)
        {
            ASSERT_EQ(speaker, last == TEAMMATE_11 ? TEAMMATE_1 : last + 1);
        }
        ASSERT_LE(runLength, 2) << "cycle " << cycle;
        last = speaker;
    }
}

TEST_F(SayTest, PositionFormLayout)
{
    Sender s;
    s.pos = salt::Vector3f(-3.25f, 0.5f, 0.55f);
    s.fixTime = static_cast<float>(100.02);
    s.now = s.fixTime;
    s.ball = salt::Vector3f(1.0f, -2.5f, 0.0f);
    s.ballFixTime = 99.5;
    const std::string msg = encodeAs(s);
    // -3.25: 3 + 44, round(0.25 * 89); 0.5: 0, round(44.5); 100.02 + 0.001: 89 + 11 + 1/89.
    EXPECT_EQ(msg, "|" + chars({2, 0, 47, 22, 0, 45, 1, 11, 1, 1, 0, 46, 45, 1, 10, 44}));
    EXPECT_TRUE(allInTable(msg));
    s.fallen = true;
    EXPECT_EQ(encodeAs(s)[0], '~');
}

TEST_F(SayTest, BallFormWhenTheOwnFixIsOldAndTheBallSeenNow)
{
    Sender s;
    s.fixTime = 99.92;  // four cycles old
    encodeAs(s);
    WorldModel& wm = *WorldModel::instance();
    VisionSense ball;
    ball.distance = 3.999;
    ball.theta = ball.phi = 0;
    wm.setObjectVision(BALL, ball);
    const std::string msg = Say::instance()->getSayMsgEncoded();
    EXPECT_EQ(msg, "|" + chars({2, 1, 3, 88, 1, 11, 0}));
    EXPECT_TRUE(allInTable(msg));

    WorldModel& rx = receiver();
    hear(rx, msg);
    EXPECT_NEAR(rx.getSayDisanceToBallInfo(TEAMMATE_2).distance, 3 + 88 * kStep, 1e-9);
    EXPECT_NEAR(rx.getSayDisanceToBallInfo(TEAMMATE_2).seeTime, 100.0, kStep);
}

TEST_F(SayTest, FormChoiceBoundaries)
{
    Sender s;
    s.fixTime = 99.94;  // three cycles old: confidence 9.94 is above the float 9.94
    encodeAs(s);
    VisionSense ball;
    ball.distance = 2;
    ball.theta = ball.phi = 0;
    WorldModel::instance()->setObjectVision(BALL, ball);
    EXPECT_EQ(Say::instance()->getSayMsgEncoded().size(), Say::kPositionFormLength);

    s.fixTime = 90.0;  // old fix, but the ball was last seen a cycle ago
    encodeAs(s);
    WorldModel::instance()->setServerTime(99.98);
    WorldModel::instance()->setObjectVision(BALL, ball);
    WorldModel::instance()->setServerTime(100.0);
    EXPECT_EQ(Say::instance()->getSayMsgEncoded().size(), Say::kPositionFormLength);
}

TEST_F(SayTest, RoundTripsOverPositionsAndTimes)
{
    const float coords[] = {-43.9f, -20.37f, -3.25f, -0.3f, -0.004f, 0.0f, 0.004f, 0.5f, 7.77f, 14.99f, 43.9f};
    const double times[] = {0.04, 1.37, 88.99, 89.0, 100.02, 599.98, 7000.5};
    for (float x : coords)
        for (double t : times)
        {
            const float y = -x / 2;
            Sender s;
            s.unum = 5;
            s.pos = salt::Vector3f(x, y, 0.55f);
            s.ball = salt::Vector3f(y, x, 0.04f);
            s.fixTime = s.now = t;
            s.ballFixTime = t - 0.02;
            const std::string msg = encodeAs(s);
            ASSERT_EQ(msg.size(), Say::kPositionFormLength);
            ASSERT_TRUE(allInTable(msg));
            WorldModel& rx = receiver(t + 0.02);
            hear(rx, msg);
            const VisionSense mate = rx.getObjectVision(TEAMMATE_5);
            const VisionSense ball = rx.getObjectVision(BALL);
            const std::string where = "x " + std::to_string(x) + " t " + std::to_string(t);
            EXPECT_NEAR(mate.globalPos.x(), x, kStep / 2 + 1e-5) << where;
            EXPECT_NEAR(mate.globalPos.y(), y, kStep / 2 + 1e-5) << where;
            EXPECT_EQ(mate.globalPos.z(), 0.0f);
            EXPECT_NEAR(ball.globalPos.x(), y, kStep / 2 + 1e-5) << where;
            EXPECT_NEAR(ball.globalPos.y(), x, kStep / 2 + 1e-5) << where;
            EXPECT_LE(mate.timeLastLocalized, t + 0.001 + 1e-6) << where;
            EXPECT_GT(mate.timeLastLocalized, t - kStep) << where;
            EXPECT_LE(ball.timeLastLocalized, t - 0.02 + 0.001 + 1e-6) << where;
            EXPECT_GT(ball.timeLastLocalized, t - 0.02 - kStep) << where;
        }
}

struct NumberCase
{
    const char* name;
    double v;
    int whole, frac;
    double decoded;
};

std::ostream& operator<<(std::ostream& os, const NumberCase& c) { return os << c.name; }

class NumberCodes : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberCodes, ClampAndCarry)
{
    int whole = -1, frac = -1;
    Say::encodeNumber(GetParam().v, whole, frac);
    EXPECT_EQ(whole, GetParam().whole);
    EXPECT_EQ(frac, GetParam().frac);
    EXPECT_NEAR(Say::decodeNumber(whole, frac), GetParam().decoded, 1e-5);
}

const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(Cases, NumberCodes, ::testing::Values(
    NumberCase{"MinusPointThree", -0.3, 44, 27, -(27 * kStep)},
    NumberCase{"Half", 0.5, 0, 45, 45 * kStep},
    NumberCase{"CarryPositive", 3.995, 4, 0, 4.0},
    NumberCase{"CarryNegative", -3.999, 48, 0, -4.0},
    NumberCase{"TinyNegativeIsZero", -0.001, 44, 0, 0.0},
    NumberCase{"LargestThatFits", 43.98, 43, 87, 43 + 87 * kStep},
    NumberCase{"FortyFourClamped", 44.0, 43, 88, 43 + 88 * kStep},
    NumberCase{"FiftyClamped", 50.0, 43, 88, 43 + 88 * kStep},
    NumberCase{"MinusFiftyClamped", -50.0, 87, 88, -(43 + 88 * kStep)},
    NumberCase{"NeverMeasured", -1000.0, 87, 88, -(43 + 88 * kStep)},
    NumberCase{"Infinity", kInf, 43, 88, 43 + 88 * kStep},
    NumberCase{"NaNIsZero", kNaN, 0, 0, 0.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SayCodes, DistanceTruncatesAndClamps)
{
    struct { double d; int whole, frac; } cases[] = {
        {3.999, 3, 88}, {0.0, 0, 0}, {12.5, 12, 44}, {-1.0, 0, 0}, {kNaN, 0, 0}, {88.5, 88, 44}};
    for (const auto& c : cases)
    {
        int whole = -1, frac = -1;
        Say::encodeDistance(c.d, whole, frac);
        EXPECT_EQ(whole, c.whole) << c.d;
        EXPECT_EQ(frac, c.frac) << c.d;
    }
    for (double d : {89.0, 1000.0, kInf})
    {
        int whole = -1, frac = -1;
        Say::encodeDistance(d, whole, frac);
        EXPECT_EQ(whole, 88) << d;
        EXPECT_GE(frac, 87) << d;
        EXPECT_LE(frac, 88) << d;
    }
}

TEST(SayCodes, TimeCodes)
{
    struct { double t; int c0, c1, c2; } cases[] = {
        {100.02, 1, 11, 1},  {88.999, 1, 0, 0},   {0.5, 0, 0, 44},      {-1000.0, 0, 0, 0},
        {-0.01, 0, 0, 0},    {kNaN, 0, 0, 0},     {7920.98, 88, 88, 87}, {7921.0, 88, 88, 88},
        {1e9, 88, 88, 88}};
    for (const auto& c : cases)
    {
        int codes[3] = {-1, -1, -1};
        Say::encodeTime(c.t, codes);
        EXPECT_EQ(codes[0], c.c0) << c.t;
        EXPECT_EQ(codes[1], c.c1) << c.t;
        EXPECT_EQ(codes[2], c.c2) << c.t;
    }
    const int codes[3] = {1, 11, 1};
    EXPECT_NEAR(Say::decodeTime(codes), 100 + kStep, 1e-12);
}

// A valid position message from number 3, fallen, at (2, 3) fixed at 100.
std::string validFromThree()
{
    return "~" + chars({3, 0, 2, 0, 3, 0, 1, 11, 0, 5, 0, 6, 0, 1, 11, 0});
}

struct RejectCase
{
    const char* name;
    std::string msg;
};

std::ostream& operator<<(std::ostream& os, const RejectCase& c) { return os << c.name; }

class Rejections : public SayTest, public ::testing::WithParamInterface<RejectCase> {};

TEST_P(Rejections, ChangeNothing)
{
    WorldModel& rx = receiver();
    const VisionSense mateBefore = rx.getObjectVision(TEAMMATE_3);
    const VisionSense ballBefore = rx.getObjectVision(BALL);
    ::testing::internal::CaptureStdout();
    hear(rx, GetParam().msg);
    const std::string out = ::testing::internal::GetCapturedStdout();
    for (int o = TEAMMATE_1; o <= TEAMMATE_11; ++o)
    {
        EXPECT_FALSE(rx.getIsObjectFallDown(static_cast<Object>(o))) << o;
        EXPECT_EQ(rx.getSayDisanceToBallInfo(static_cast<Object>(o)).seeTime, -1000) << o;
    }
    EXPECT_EQ(rx.getObjectVision(TEAMMATE_3).globalPos, mateBefore.globalPos);
    EXPECT_EQ(rx.getObjectVision(TEAMMATE_3).timeLastLocalized, mateBefore.timeLastLocalized);
    EXPECT_EQ(rx.getObjectVision(BALL).globalPos, ballBefore.globalPos);
    EXPECT_EQ(rx.getObjectVision(BALL).timeLastLocalized, ballBefore.timeLastLocalized);
    const bool formError = std::string(GetParam().name).rfind("Form", 0) == 0;
    EXPECT_EQ(out, formError ? "Say::getSayDecoded Error\n" : "");
}

std::string with(std::string msg, std::size_t at, char c)
{
    msg[at] = c;
    return msg;
}

INSTANTIATE_TEST_SUITE_P(Messages, Rejections, ::testing::Values(
    RejectCase{"Empty", ""},
    RejectCase{"OtherTeamsText", "abc"},
    RejectCase{"OtherTeamsTextWithOurFlag", "|hello world"},
    RejectCase{"FlagOnly", "|"},
    RejectCase{"NoFlag", with(validFromThree(), 0, '!')},
    RejectCase{"PositionFormShort", validFromThree().substr(0, 16)},
    RejectCase{"BallFormShort", "~" + chars({3, 1, 2, 0, 1, 11})},
    RejectCase{"BlankInside", with(validFromThree(), 5, ' ')},
    RejectCase{"ParenthesisAtEnd", with(validFromThree(), 16, '(')},
    RejectCase{"NonAsciiByte", with(validFromThree(), 9, '\x8A')},
    RejectCase{"UnumZero", with(validFromThree(), 1, Types::instance()->mEncodingMap.at(0))},
    RejectCase{"UnumTwelve", with(validFromThree(), 1, Types::instance()->mEncodingMap.at(12))},
    RejectCase{"OwnUnum", with(validFromThree(), 1, Types::instance()->mEncodingMap.at(1))},
    RejectCase{"FormTwo", with(validFromThree(), 2, Types::instance()->mEncodingMap.at(2))},
    RejectCase{"FormTwoShort", "~" + chars({3, 2})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SayTest, ValidMessageIsApplied)
{
    WorldModel& rx = receiver();
    hear(rx, validFromThree());
    EXPECT_TRUE(rx.getIsObjectFallDown(TEAMMATE_3));
    EXPECT_EQ(rx.getObjectVision(TEAMMATE_3).globalPos, salt::Vector3f(2.0f, 3.0f, 0.0f));
    EXPECT_EQ(rx.getObjectVision(BALL).globalPos, salt::Vector3f(5.0f, 6.0f, 0.0f));
    EXPECT_NEAR(rx.getObjectVision(BALL).timeLastLocalized, 100.0, 1e-9);
    hear(rx, with(validFromThree(), 0, '|'));
    EXPECT_FALSE(rx.getIsObjectFallDown(TEAMMATE_3));
}

TEST_F(SayTest, ShortBallFormAsTheServerDeliversItIsApplied)
{
    WorldModel& rx = receiver();
    hear(rx, "|" + chars({4, 1, 2, 44, 1, 11, 1}));
    EXPECT_NEAR(rx.getSayDisanceToBallInfo(TEAMMATE_4).distance, 2.5 - 0.5 * kStep, 1e-9);
    EXPECT_NEAR(rx.getSayDisanceToBallInfo(TEAMMATE_4).seeTime, 100 + kStep, 1e-9);
}

TEST_F(SayTest, ReceiverBelowNinePointSevenIgnores)
{
    WorldModel& rx = receiver();
    rx.mutableObjectVision(TEAMMATE_1).timeLastLocalized = 99.70;  // confidence 9.68
    hear(rx, validFromThree());
    EXPECT_FALSE(rx.getIsObjectFallDown(TEAMMATE_3));
    EXPECT_EQ(rx.getObjectVision(TEAMMATE_3).timeLastLocalized, -1000);
    rx.mutableObjectVision(TEAMMATE_1).timeLastLocalized = 99.74;  // confidence 9.72
    hear(rx, validFromThree());
    EXPECT_TRUE(rx.getIsObjectFallDown(TEAMMATE_3));
}

TEST_F(SayTest, OnlyStrictlyFresherPositionsReplace)
{
    const std::string msg = validFromThree();  // both stamps decode to 89 + 11 = 100
    struct { double known; bool replaced; } cases[] = {{99.98, true}, {100.0, false}, {100.02, false}};
    for (const auto& c : cases)
    {
        WorldModel& rx = receiver();
        for (Object o : {TEAMMATE_3, BALL})
        {
            rx.mutableObjectVision(o).globalPos = salt::Vector3f(-1, -1, 0);
            rx.mutableObjectVision(o).timeLastLocalized = c.known;
        }
        hear(rx, msg);
        EXPECT_EQ(rx.getObjectVision(TEAMMATE_3).globalPos == salt::Vector3f(2, 3, 0), c.replaced) << c.known;
        EXPECT_EQ(rx.getObjectVision(BALL).globalPos == salt::Vector3f(5, 6, 0), c.replaced) << c.known;
    }
}

TEST_F(SayTest, StaleBallIsNotRebroadcastAsFresh)
{
    Sender s;
    s.unum = 3;
    s.pos = salt::Vector3f(1, 1, 0.55f);
    s.fixTime = s.now = 100.0;
    s.ball = salt::Vector3f(4, 4, 0);
    s.ballFixTime = 95.0;
    const std::string msg = encodeAs(s);
    WorldModel& rx = receiver(100.02);
    rx.mutableObjectVision(BALL).globalPos = salt::Vector3f(-2, 0, 0);
    rx.mutableObjectVision(BALL).timeLastLocalized = 98.0;
    hear(rx, msg);
    EXPECT_EQ(rx.getObjectVision(BALL).globalPos, salt::Vector3f(-2, 0, 0));
    EXPECT_NEAR(rx.getObjectVision(TEAMMATE_3).globalPos.x(), 1.0, 1e-6);
}

TEST_F(SayTest, NeverLocalisedPositionsAreNotTaken)
{
    Sender s;
    s.unum = 3;
    s.fixTime = -1000;
    s.ball = salt::Vector3f(-1000, -1000, -1000);
    s.ballFixTime = -1000;
    const std::string msg = encodeAs(s);
    ASSERT_TRUE(allInTable(msg));
    WorldModel& rx = receiver();
    hear(rx, msg);
    EXPECT_EQ(rx.getObjectVision(TEAMMATE_3).timeLastLocalized, -1000);
    EXPECT_EQ(rx.getObjectVision(BALL).timeLastLocalized, -1000);
    EXPECT_FALSE(rx.getIsObjectFallDown(TEAMMATE_3));
}

TEST_F(SayTest, OwnMessageChangesNothing)
{
    Sender s;
    s.unum = 1;
    s.fallen = true;
    s.pos = salt::Vector3f(3, 3, 0.55f);
    const std::string msg = encodeAs(s);
    WorldModel& rx = receiver();
    hear(rx, msg);
    EXPECT_FALSE(rx.getIsObjectFallDown(TEAMMATE_1));
    EXPECT_EQ(rx.getObjectVision(TEAMMATE_1).globalPos, salt::Vector3f(-1000, -1000, -1000));
}

} // namespace
