#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Actions/KeyFrameMotion.h"
#include "MotionTestText.h"
#include "WorldModel/Types.h"
#include "WorldModel/WorldModel.h"

namespace {

class KeyFrameMotionTest : public ::testing::Test
{
protected:
    void SetUp() override { WorldModel::deleteT(); }
    void TearDown() override { WorldModel::deleteT(); }

    // Reads text (nullptr: no file) as the motion "Probe"; its report goes to readErr.
    std::unique_ptr<KeyFrameMotion> load(const char* text)
    {
        return buildFromFile<KeyFrameMotion>(acts, "Probe.txt", text, readErr, "Probe", acts.dir());
    }

    ScratchActs acts;
    std::string readErr;
};

TEST_F(KeyFrameMotionTest, SingleFrameRunsTwentyFiveCyclesThenEndsAndRestarts)
{
    auto motion = load("3 2\n0 0\n0 0.51\n1 10\n");
    EXPECT_EQ(readErr, "");
    for (int cycle = 0; cycle < 25; ++cycle)
    {
        const std::string text = motion->execute("");
        ASSERT_NE(text, "") << "cycle " << cycle;
        EXPECT_EQ(std::count(text.begin(), text.end(), '('), JID_MAX);
    }
    EXPECT_EQ(motion->execute(""), "");
    const std::string restart = motion->execute("");
    EXPECT_EQ(speedOf(restart, "he1"), "0.392157");  // 10 degrees over 0.51 s, / 50
    EXPECT_EQ(speedOf(restart, "he2"), "0");
}

TEST_F(KeyFrameMotionTest, SpeedAimsAtTheFrameEndFromTheCurrentAngle)
{
    WorldModel::instance()->setJointAngle(JID_LLEG_3, -20.0);
    auto motion = load("3 2\n0 0\n0 1.0\n7 30\n");
    motion->execute("");
    EXPECT_EQ(speedOf(motion->execute(""), "lle3"), "1.02041");  // 50 degrees over 0.98 s, / 50
}

TEST_F(KeyFrameMotionTest, MinusThousandHoldsByItsIntegerPart)
{
    auto motion = load("5 2\n0 0\n0 1.0\n1 -1000\n2 -1000.5\n3 -999.5\n");
    const std::string text = motion->execute("");
    EXPECT_EQ(speedOf(text, "he1"), "0");
    EXPECT_EQ(speedOf(text, "he2"), "0");
    EXPECT_EQ(speedOf(text, "lle1"), "-19.99");
}

TEST_F(KeyFrameMotionTest, GapBetweenFramesGivesEmptyCyclesAndTheRunGoesOn)
{
    auto motion = load("3 3\n0 0 0.2\n0 0.1 0.3\n1 10 -10\n");
    std::vector<std::string> texts;
    for (int cycle = 0; cycle < 12; ++cycle) texts.push_back(motion->execute(""));
    for (int cycle = 0; cycle < 5; ++cycle) EXPECT_NE(texts[cycle], "") << cycle;
    for (int cycle = 5; cycle < 10; ++cycle) EXPECT_EQ(texts[cycle], "") << cycle;
    EXPECT_EQ(speedOf(texts[10], "he1"), "-2");  // second frame: -10 degrees over 0.1 s, / 50
    EXPECT_NE(texts[11], "");
}

struct BadFile
{
    const char* name;
    const char* text;  // nullptr: no file at all
    bool plays;        // the rest of the file is still played
};

std::ostream& operator<<(std::ostream& os, const BadFile& c) { return os << c.name; }

class MalformedKeyFrameFile : public KeyFrameMotionTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(MalformedKeyFrameFile, ReportsOnceAndFinishesWithFiniteText)
{
    const BadFile& c = GetParam();
    auto motion = load(c.text);
    expectReportedOnce(readErr, acts.path("Probe.txt"));

    const std::string first = motion->execute("");
    EXPECT_EQ(first != "", c.plays) << first;
    bool finished = first.empty();
    for (int cycle = 0; cycle < 100 && !finished; ++cycle)
    {
        const std::string text = motion->execute("");
        EXPECT_EQ(text.find("nan"), std::string::npos) << text;
        EXPECT_EQ(text.find("inf"), std::string::npos) << text;
        finished = text.empty();
    }
    EXPECT_TRUE(finished);
    EXPECT_EQ(Types::instance()->mStringToJointIDMap.size(), static_cast<std::size_t>(JID_MAX));
    EXPECT_EQ(Types::instance()->mJointIDToStringMap.size(), static_cast<std::size_t>(JID_MAX));
}

INSTANTIATE_TEST_SUITE_P(Files, MalformedKeyFrameFile, ::testing::Values(
    BadFile{"Missing", nullptr, false},
    BadFile{"Empty", "", false},
    BadFile{"HeaderOnly", "3 2\n", false},
    BadFile{"Words", "three two\n", false},
    BadFile{"TooFewRows", "1 2\n0 0\n", false},
    BadFile{"NoFrames", "3 1\n0\n0\n1\n", false},
    BadFile{"NegativeHeader", "-5 -5\n", false},
    BadFile{"HugeFrameCount", "3 2000000000\n0 0\n0 1\n1 5\n", false},
    BadFile{"EndsInTimeRow", "3 3\n0 0 0.5\n0 0.5\n", false},
    BadFile{"EndsInJointRow", "3 2\n0 0\n0 0.5\n1\n", false},
    BadFile{"FewerRowsThanHeader", "10 2\n0 0\n0 0.5\n1 5\n", false},
    BadFile{"NotANumber", "3 2\n0 0\n0 0.5\n1 nan\n", false},
    BadFile{"OutOfRangeNumber", "3 2\n0 0\n0 0.5\n1 1e999\n", false},
    BadFile{"JointZeroSkipped", "4 2\n0 0\n0 0.5\n0 5\n2 5\n", true},
    BadFile{"JointTwentyThreeSkipped", "3 2\n0 0\n0 0.5\n23 5\n", true},
    BadFile{"NegativeJointSkipped", "3 2\n0 0\n0 0.5\n-4 5\n", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(KeyFrameMotionTest, SkippedRowLeavesTheOtherJointsPlaying)
{
    auto motion = load("4 2\n0 0\n0 0.5\n23 5\n2 5\n");
    const std::string text = motion->execute("");
    EXPECT_EQ(speedOf(text, "he2"), "0.2");
    EXPECT_EQ(speedOf(text, "he1"), "0");
}

} // namespace
