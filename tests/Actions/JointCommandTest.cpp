#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "Actions/Action.h"
#include "Actions/JointCommand.h"
#include "WorldModel/WorldModel.h"

namespace {

// Opens the protected helpers of the motion base class.
class HelperAction : public Action
{
public:
    std::string execute(const std::string&) override { return ""; }
    using Action::fix;
    using Action::moveJoint;
    using Action::moveJointTo;
    using Action::resetJointShoot;
};

class JointCommandTest : public ::testing::Test
{
protected:
    void SetUp() override { WorldModel::deleteT(); }
    void TearDown() override { WorldModel::deleteT(); }
};

struct NumberCase
{
    const char* name;
    double value;
    const char* text;
};

std::ostream& operator<<(std::ostream& os, const NumberCase& c) { return os << c.name; }

class NumberText : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberText, WrittenAsADefaultStream)
{
    std::string out;
    JointCommand::appendNumber(out, GetParam().value);
    EXPECT_EQ(out, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Formats, NumberText, ::testing::Values(
    NumberCase{"Zero", 0.0, "0"}, NumberCase{"NegativeZero", -0.0, "-0"},
    NumberCase{"SixDigits", 0.5235987756, "0.523599"}, NumberCase{"SmallExponent", 0.0000123, "1.23e-05"},
    NumberCase{"LargeExponent", 2.5e6, "2.5e+06"}, NumberCase{"JustBelowExponent", 999999.4, "999999"},
    NumberCase{"TenThousandth", 0.0001, "0.0001"}, NumberCase{"NoTrailingZeros", -1.5, "-1.5"},
    NumberCase{"Integer", 40.0, "40"}),
    [](const auto& info) { return std::string(info.param.name); });

struct MoveToCase
{
    const char* name;
    JointID jid;
    double current, target, maxDelta, kp;
    const char* text;
};

std::ostream& operator<<(std::ostream& os, const MoveToCase& c) { return os << c.name; }

class MoveJointTo : public JointCommandTest, public ::testing::WithParamInterface<MoveToCase> {};

TEST_P(MoveJointTo, CommandText)
{
    const MoveToCase& c = GetParam();
    WorldModel::instance()->setJointAngle(c.jid, c.current);
    HelperAction action;
    EXPECT_EQ(action.moveJointTo(c.jid, c.target, c.maxDelta, Kpid(c.kp)), c.text);
}

INSTANTIATE_TEST_SUITE_P(Cases, MoveJointTo, ::testing::Values(
    MoveToCase{"WithinStep", JID_HEAD_1, 0.0, 1.0, 10.0, 0.6, "(he1 0.523599)"},
    MoveToCase{"LimitedToStep", JID_HEAD_1, 0.0, 20.0, 10.0, 0.6, "(he1 5.23599)"},
    MoveToCase{"LimitedDownward", JID_LLEG_3, 30.0, 0.0, 10.0, 0.6, "(lle3 -5.23599)"},
    MoveToCase{"AtTarget", JID_HEAD_1, 12.0, 12.0, 10.0, 0.6, "(he1 0)"},
    MoveToCase{"ZeroStepAboveTarget", JID_HEAD_2, 5.0, 0.0, 0.0, 0.6, "(he2 -0)"},
    MoveToCase{"FullGain", JID_RARM_4, 0.0, 1.0, 10.0, 1.0, "(rae4 0.872665)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(JointCommandTest, NegativeStepPrintsTheErrorWithoutLineEndAndHoldsTheJoint)
{
    HelperAction action;
    testing::internal::CaptureStdout();
    const std::string text = action.moveJointTo(JID_HEAD_1, 30.0, -1.0, Kpid(0.6));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Action::moveJointTo Error");
    EXPECT_EQ(text, "(he1 0)");
}

TEST_F(JointCommandTest, NonFiniteSpeedIsSentAsZeroWithOneErrorLine)
{
    HelperAction action;
    for (double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()})
    {
        testing::internal::CaptureStderr();
        EXPECT_EQ(action.moveJoint(JID_LARM_2, bad), "(lae2 0)");
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_NE(err.find("lae2"), std::string::npos) << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    }
}

TEST_F(JointCommandTest, FixListsEveryEffectorInJointOrder)
{
    HelperAction action;
    EXPECT_EQ(action.fix(), "(he1 0)(he2 0)(lle1 0)(rle1 0)(lle2 0)(rle2 0)(lle3 0)(rle3 0)(lle4 0)(rle4 0)"
                            "(lle5 0)(rle5 0)(lle6 0)(rle6 0)(lae1 0)(rae1 0)(lae2 0)(rae2 0)(lae3 0)(rae3 0)"
                            "(lae4 0)(rae4 0)");
}

TEST_F(JointCommandTest, ResetJointShootBringsTheLowerArmsBackTwiceAsFast)
{
    for (int j = 0; j < JID_MAX; ++j) WorldModel::instance()->setJointAngle(static_cast<JointID>(j), 40.0);
    HelperAction action;
    const std::string fixText = action.fix();
    const std::string text = action.resetJointShoot(10);
    ASSERT_EQ(text.compare(0, fixText.size(), fixText), 0);
    EXPECT_EQ(text.substr(fixText.size()),
              "(he1 -4)(he2 -4)(lle1 -4)(rle1 -4)(lle2 -4)(rle2 -4)(lle3 -4)(rle3 -4)(lle4 -4)(rle4 -4)"
              "(lle5 -4)(rle5 -4)(lle6 -4)(rle6 -4)(lae1 -4)(rae1 -4)(lae2 -4)(rae2 -4)(lae3 -4)(rae3 -4)"
              "(lae4 -8)(rae4 -8)");
}

} // namespace
