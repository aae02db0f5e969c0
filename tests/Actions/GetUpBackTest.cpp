#include <algorithm>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "Actions/GetUpBack.h"
#include "MotionTestText.h"
#include "WorldModel/WorldModel.h"

namespace {

const char* const kFinish = "*********getupback finish************\n";

class GetUpBackTest : public ::testing::Test
{
protected:
    void SetUp() override { WorldModel::deleteT(); }
    void TearDown() override { WorldModel::deleteT(); }

    // Builds the motion; nullptr text: no file.
    std::unique_ptr<GetUpBack> load(const char* text)
    {
        return buildFromFile<GetUpBack>(acts, "GetUpBack.txt", text, readErr, acts.dir());
    }
    static void approach(GetUpBack& motion)
    {
        for (int cycle = 0; cycle < GetUpBack::kApproachCycles; ++cycle)
            ASSERT_EQ(motion.execute("").compare(0, 5, " (he1"), 0) << "cycle " << cycle;
    }
    static std::string finishCall(GetUpBack& motion)
    {
        testing::internal::CaptureStdout();
        const std::string text = motion.execute("");
        EXPECT_EQ(testing::internal::GetCapturedStdout(), kFinish);
        return text;
    }
    void expectOneLineNamingTheFile() const { expectReportedOnce(readErr, acts.path("GetUpBack.txt")); }

    ScratchActs acts;
    std::string readErr;
};

TEST_F(GetUpBackTest, ApproachThenStoredLinesThenFinishAndRestart)
{
    auto motion = load("# comment\n(he1 1)(he2 1)\n\n (he1 9)\n(he1 2)\r\nnot a command\n(he1 3)");
    EXPECT_EQ(readErr, "");
    approach(*motion);
    EXPECT_EQ(motion->execute("start"), "(he1 1)(he2 1)");
    EXPECT_EQ(motion->execute("end"), "(he1 2)");
    EXPECT_EQ(motion->execute(""), "(he1 3)");
    EXPECT_EQ(finishCall(*motion), "");  // the fortieth call
    approach(*motion);
}

TEST_F(GetUpBackTest, ApproachTextFromTheLyingPosture)
{
    auto motion = load("");
    EXPECT_EQ(motion->execute(""),
              " (he1 0)  (he2 0)  (rae1 -6.66667)  (rae2 0.416667)  (rae3 0)  (rae4 0)  (lae1 -6.66667)"
              "  (lae2 -0.416667)  (lae3 0)  (lae4 0)  (rle1 0)  (rle2 0)  (rle3 0.833333)  (rle4 0)"
              "  (rle5 -0.478333)  (rle6 0)  (lle1 0)  (lle2 0)  (lle3 0.833333)  (lle4 0)  (lle5 -0.478333)"
              "  (lle6 0) ");
}

TEST_F(GetUpBackTest, ApproachSpeedIsThreeTimesTheShareOfTheCyclesLeft)
{
    auto motion = load("");
    WorldModel::instance()->setJointAngle(JID_HEAD_1, -36.0);
    EXPECT_EQ(motion->execute("").compare(0, 9, " (he1 3) "), 0);
    for (int cycle = 1; cycle < 35; ++cycle) motion->execute("");
    WorldModel::instance()->setJointAngle(JID_HEAD_1, 1.0);
    EXPECT_EQ(motion->execute("").compare(0, 10, " (he1 -3) "), 0);
    EXPECT_EQ(finishCall(*motion), "");
}

TEST_F(GetUpBackTest, MissingFileIsReportedAndTheGetUpOnlyApproaches)
{
    auto motion = load(nullptr);
    expectOneLineNamingTheFile();
    approach(*motion);
    EXPECT_EQ(finishCall(*motion), "");
}

TEST_F(GetUpBackTest, AtMostOneHundredLinesAreStored)
{
    std::string text;
    for (int n = 0; n < 150; ++n) text += "(he1 " + std::to_string(n) + ")\n";
    auto motion = load(text.c_str());
    expectOneLineNamingTheFile();
    approach(*motion);
    for (int n = 0; n < GetUpBack::kMaxLines; ++n) ASSERT_EQ(motion->execute(""), "(he1 " + std::to_string(n) + ")");
    EXPECT_EQ(finishCall(*motion), "");
}

TEST_F(GetUpBackTest, OverlongLineEndsReadingAndKeepsTheLinesBefore)
{
    const std::string longest(GetUpBack::kMaxLineLength - 1, 'x');
    const std::string text = "(" + longest.substr(1) + "\n(he1 1)\n(" + longest + "\n(he1 2)\n";
    auto motion = load(text.c_str());
    expectOneLineNamingTheFile();
    approach(*motion);
    EXPECT_EQ(motion->execute("").size(), longest.size());
    EXPECT_EQ(motion->execute(""), "(he1 1)");
    EXPECT_EQ(finishCall(*motion), "");
}

} // namespace
