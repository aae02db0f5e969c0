#include <algorithm>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "Actions/PeriodicFade.h"
#include "Actions/PeriodicMotion.h"
#include "MotionTestText.h"
#include "WorldModel/Types.h"
#include "WorldModel/WorldModel.h"

namespace {

// A periodic motion whose table the test can look at.
class ProbeMotion : public PeriodicMotion
{
public:
    using PeriodicMotion::PeriodicMotion;
    const WalkPara& para() const { return actStruct; }
};

class PeriodicMotionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        WorldModel::deleteT();
        PeriodicFade::deleteT();
    }
    void TearDown() override { SetUp(); }

    // Reads text (nullptr: no file) as the motion name; its report goes to readErr.
    std::unique_ptr<ProbeMotion> load(const std::string& name, const char* text)
    {
        return buildFromFile<ProbeMotion>(acts, name + ".txt", text, readErr, name, acts.dir());
    }

    static double factor() { return PeriodicFade::instance()->factor(); }

    ScratchActs acts;
    std::string readErr;
};

// Calls with the empty word after a first call with `first` until the motion
// gives "", at most limit calls; returns how many calls gave text.
int runUntilEmpty(PeriodicMotion& motion, const std::string& first, int limit = 1000)
{
    int texts = 0;
    for (std::string word = first; texts < limit; word = "")
    {
        if (motion.execute(word).empty()) break;
        ++texts;
    }
    return texts;
}

TEST_F(PeriodicMotionTest, StartFadesTheAmplitudeInOverTheStartupTime)
{
    auto motion = load("Probe", "1.0 1.0\nhj1 a 10 100 1.5707963267948966 0\n");
    EXPECT_EQ(readErr, "");
    EXPECT_EQ(speedOf(motion->execute("start"), "he1"), "0.02");  // 10 x 0.02 x sin(pi/2), gain 0.1
    EXPECT_DOUBLE_EQ(factor(), 0.02);
    for (int cycle = 2; cycle < 50; ++cycle) motion->execute("");
    EXPECT_LT(factor(), 1.0);
    motion->execute("");
    EXPECT_EQ(factor(), 1.0);
    motion->execute("");
    EXPECT_EQ(factor(), 1.0);
}

TEST_F(PeriodicMotionTest, PeriodEndGivesEmptyAndTheNextCallRestartsIt)
{
    auto motion = load("Probe", "0.5 0.5\nhj1 a 10 0.1 0 0\n");
    EXPECT_EQ(runUntilEmpty(*motion, "start"), 6);  // t = 0 .. 0.1, empty once t passes 0.1
    EXPECT_EQ(runUntilEmpty(*motion, "normal"), 6);
    EXPECT_EQ(PeriodicFade::instance()->phase(), "normal");
}

TEST_F(PeriodicMotionTest, EndRunsOnThroughPeriodEndsUntilTheFactorIsBelowTwoHundredths)
{
    auto motion = load("Probe", "0.02 1.0\nhj1 a 10 0.1 0 0\n");
    motion->execute("start");
    ASSERT_EQ(factor(), 1.0);
    int texts = 0;
    for (std::string word = "end"; texts < 200; word = "", ++texts)
        if (motion->execute(word).empty()) break;
    EXPECT_LT(factor(), 0.02);
    EXPECT_GT(texts, 5 * 6);  // many period ends went by with text
    EXPECT_LE(texts, 54);     // the first period end after 49 steps down stops it
    EXPECT_EQ(PeriodicFade::instance()->phase(), "end");
}

TEST_F(PeriodicMotionTest, FactorAndPhaseWordAreSharedBetweenMotions)
{
    auto first = load("First", "1.0 1.0\nhj1 a 10 100 0 0\n");
    auto second = load("Second", "1.0 0.5\nhj1 a 10 100 0 0\n");
    first->execute("start");
    for (int cycle = 1; cycle < 20; ++cycle) first->execute("");
    EXPECT_NEAR(factor(), 0.4, 1e-12);
    first->execute("end");
    EXPECT_NEAR(factor(), 0.38, 1e-12);
    second->execute("");  // carries on winding down, at its own shut-down rate
    EXPECT_NEAR(factor(), 0.34, 1e-12);
    EXPECT_EQ(PeriodicFade::instance()->phase(), "end");
    second->execute("start");
    EXPECT_DOUBLE_EQ(factor(), 0.02);
}

struct TermCase
{
    const char* name;
    const char* line;
    const char* speed;  // of he1 in the first cycle, factor 1, joint at 0
};

std::ostream& operator<<(std::ostream& os, const TermCase& c) { return os << c.name; }

class SineTerms : public PeriodicMotionTest, public ::testing::WithParamInterface<TermCase> {};

TEST_P(SineTerms, TargetIsTheSumOfThePlayedTerms)
{
    auto motion = load("Probe", (std::string("0.02 0.02\n") + GetParam().line + "\n").c_str());
    EXPECT_EQ(speedOf(motion->execute("start"), "he1"), GetParam().speed);
}

INSTANTIATE_TEST_SUITE_P(Lines, SineTerms, ::testing::Values(
    TermCase{"OneGroup", "hj1 a 10 1 1.5707963267948966 5", "1.5"},
    TermCase{"TwoGroups", "hj1 a 10 1 1.5707963267948966 5 b 4 2 1.5707963267948966 1", "2"},
    TermCase{"SecondAmplitudeNotGiven", "hj1 a 10 1 1.5707963267948966 5 b -1000 2 0 7", "1.5"},
    TermCase{"FirstAmplitudeNotGiven", "hj1 a -1000 1 0 0 b 4 2 1.5707963267948966 1\nraj4 a 1 1 0 0", "0"},
    TermCase{"OtherJointOnly", "raj4 a 10 1 0 0", "0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PeriodicMotionTest, PeriodIsTheLastTermPlayed)
{
    auto motion = load("Probe", "0.5 0.5\nhj1 a 10 0.1 0 0 b 5 0.2 0 0\nraj4 a 10 0.5 0 0 b -1000 0.05 0 0\n");
    // raj4's 0.5 s, not hj1's: t passes 0.5 after 25 accumulated steps of 0.02.
    EXPECT_EQ(runUntilEmpty(*motion, "start"), 25);
}

TEST_F(PeriodicMotionTest, MotionWithoutTermsEndsAtOnceWhateverTheWord)
{
    auto motion = load("Probe", "0.5 0.5\nhj1 a -1000 1 0 0\n");
    for (const char* word : {"start", "", "normal", "end", ""}) EXPECT_EQ(motion->execute(word), "") << word;
}

struct BadPeriodic
{
    const char* name;
    const char* text;  // nullptr: no file
    double startup, shutdown;
    bool term0, term1;  // stored for hj1
};

std::ostream& operator<<(std::ostream& os, const BadPeriodic& c) { return os << c.name; }

class MalformedPeriodicFile : public PeriodicMotionTest, public ::testing::WithParamInterface<BadPeriodic> {};

TEST_P(MalformedPeriodicFile, ReportsOnceStoresOnlySoundGroupsAndFinishes)
{
    const BadPeriodic& c = GetParam();
    auto motion = load("Probe", c.text);
    expectReportedOnce(readErr, acts.path("Probe.txt"));

    const Action::WalkPara& para = motion->para();
    EXPECT_EQ(para.startupTime, c.startup);
    EXPECT_EQ(para.shutdownTime, c.shutdown);
    EXPECT_EQ(para.ATPhiAlpha[JID_HEAD_1].A[0] != -1000.0, c.term0);
    EXPECT_EQ(para.ATPhiAlpha[JID_HEAD_1].A[1] != -1000.0, c.term1);
    for (int j = 1; j < JID_MAX; ++j) EXPECT_EQ(para.ATPhiAlpha[j].A[0], -1000.0) << j;
    EXPECT_EQ(Types::instance()->mStringToJointIDMap.size(), static_cast<std::size_t>(JID_MAX));

    EXPECT_LT(runUntilEmpty(*motion, "start"), 100);
    EXPECT_LT(runUntilEmpty(*motion, "end"), 100);
}

INSTANTIATE_TEST_SUITE_P(Files, MalformedPeriodicFile, ::testing::Values(
    BadPeriodic{"Missing", nullptr, 0.2, 0.2, false, false},
    BadPeriodic{"Empty", "\n  \n", 0.2, 0.2, false, false},
    BadPeriodic{"NoTimes", "hj1 a 10 1 0 0\n", 0.2, 0.2, true, false},
    BadPeriodic{"OneTime", "0.5\nhj1 a 10 1 0 0\n", 0.5, 0.2, true, false},
    BadPeriodic{"NonPositiveTimes", "0 -1\nhj1 a 10 1 0 0\n", 0.2, 0.2, true, false},
    BadPeriodic{"UnknownJointSkipped", "0.5 0.5\nxx9 a 10 1 0 0\nhj1 a 10 1 0 0\n", 0.5, 0.5, true, false},
    BadPeriodic{"IncompleteGroup", "0.5 0.5\nhj1 a 10 1 0\n", 0.5, 0.5, false, false},
    BadPeriodic{"GroupWithoutLabel", "0.5 0.5\nhj1 10 1 0 0\n", 0.5, 0.5, false, false},
    BadPeriodic{"ZeroPeriod", "0.5 0.5\nhj1 a 10 0 0 0\n", 0.5, 0.5, false, false},
    BadPeriodic{"NegativeSecondPeriod", "0.5 0.5\nhj1 a 10 1 0 0 b 5 -1 0 0\n", 0.5, 0.5, true, false},
    BadPeriodic{"NotANumber", "0.5 0.5\nhj1 a nan 1 0 0\n", 0.5, 0.5, false, false},
    BadPeriodic{"ThreeGroups", "0.5 0.5\nhj1 a 10 1 0 0 b 5 1 0 0 c 1 1 0 0\n", 0.5, 0.5, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PeriodicMotionTest, SoundFileWithBlankLinesIsSilent)
{
    auto motion = load("Probe", "\n0.4 0.6\n\n \t\nhj1 a 10 1 0 0 b 5 2 0 0\r\n\nraj4 x 1 1 0 0\n");
    EXPECT_EQ(readErr, "");
    EXPECT_EQ(motion->para().startupTime, 0.4);
    EXPECT_EQ(motion->para().shutdownTime, 0.6);
    EXPECT_EQ(motion->para().ATPhiAlpha[JID_HEAD_1].T[1], 2.0);
    EXPECT_EQ(motion->para().ATPhiAlpha[JID_RARM_4].A[0], 1.0);
}

} // namespace
