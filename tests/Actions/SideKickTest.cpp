#include <map>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "Actions/KickL.h"
#include "Actions/KickR.h"
#include "MotionTestText.h"
#include "WorldModel/WorldModel.h"

namespace {

constexpr int kApproachItems = 20;

// The approach items " (name value) " of one text, by effector name.
std::map<std::string, double> approachValues(const std::string& text)
{
    std::map<std::string, double> values;
    std::istringstream in(text);
    std::string name;
    double value = 0;
    char open = 0, close = 0;
    while (in >> open >> name >> value >> close) values[name] = value;
    return values;
}

class SideKickTest : public testing::Test
{
protected:
    void SetUp() override
    {
        WorldModel::deleteT();
        wm = WorldModel::instance();
    }
    void TearDown() override { WorldModel::deleteT(); }

    // A kick from a sound file, which is not reported.
    template <class K>
    std::unique_ptr<K> make(const std::string& file, const std::string& text)
    {
        std::string err;
        std::unique_ptr<K> kick = buildFromFile<K>(acts, file, text.c_str(), err, acts.dir());
        EXPECT_EQ(err, "");
        return kick;
    }

    ScratchActs acts;
    WorldModel* wm = nullptr;
};

void expectApproach(const std::string& text, int call)
{
    EXPECT_EQ(commandCount(text), kApproachItems) << "call " << call << ": " << text;
    EXPECT_EQ(text.substr(0, 7), " (rae1 ") << "call " << call;
}

struct EmptyFileCase
{
    const char* name;
    const char* content; // nullptr: no file
};

std::ostream& operator<<(std::ostream& os, const EmptyFileCase& c) { return os << c.name; }

class SideKickEmptyFileTest : public SideKickTest, public testing::WithParamInterface<EmptyFileCase>
{
};

TEST_P(SideKickEmptyFileTest, ApproachOnlyThenEnd)
{
    std::string err;
    std::unique_ptr<KickL> kick = buildFromFile<KickL>(acts, "KickL.txt", GetParam().content, err, acts.dir());
    if (GetParam().content)
        EXPECT_EQ(err, "");
    else
        expectReportedOnce(err, acts.path("KickL.txt"));
    for (int call = 0; call < 25; ++call) expectApproach(kick->execute("normal"), call);
    EXPECT_EQ(kick->execute(""), "");
    expectApproach(kick->execute(""), 0); // a new kick
}

INSTANTIATE_TEST_SUITE_P(Files, SideKickEmptyFileTest,
                         testing::Values(EmptyFileCase{"NoFile", nullptr},
                                         EmptyFileCase{"NoCommandLines", "\n  (indented)\n# comment\nx\n"}),
                         [](const testing::TestParamInfo<EmptyFileCase>& info) { return std::string(info.param.name); });

TEST_F(SideKickTest, ReplaysCommandLinesOnePerCycle)
{
    auto kick = make<KickR>("KickR.txt", "(rle1 1.5)(rle2 0)\n  (lle1 9)\n\n(rle1 0) \n(lle1 -0)");
    for (int call = 0; call < 25; ++call) expectApproach(kick->execute(""), call);
    EXPECT_EQ(kick->execute(""), "(rle1 1.5)(rle2 0)");
    EXPECT_EQ(kick->execute("start"), "(rle1 0) ");
    EXPECT_EQ(kick->execute(""), "(lle1 -0)");
    EXPECT_EQ(kick->execute(""), "");
    expectApproach(kick->execute(""), 0);
}

TEST_F(SideKickTest, FirstApproachTextFromZeroAngles)
{
    auto kick = make<KickL>("KickL.txt", "");
    EXPECT_EQ(kick->execute(""),
              " (rae1 -10.8)  (rae2 2.7504)  (rae3 0)  (rae4 0)  (lae1 -10.8)  (lae2 2.76)  (lae3 0)  (lae4 0) "
              " (rle1 0)  (rle2 0)  (rle3 1.08)  (rle4 -4.1268)  (rle5 3.09)  (rle6 0) "
              " (lle1 0)  (lle2 0)  (lle3 1.1004)  (lle4 -4.1256)  (lle5 3.0936)  (lle6 0) ");
}

struct SpeedCase
{
    int call;       // 1-based approach call
    double angle;   // perceived lle4
    double value;   // expected lle4 value
};

std::ostream& operator<<(std::ostream& os, const SpeedCase& c) { return os << "Call" << c.call; }

class SideKickSpeedTest : public SideKickTest, public testing::WithParamInterface<SpeedCase>
{
};

// (target - angle) / (25 - counter) * 3, the gain growing to three times the error.
TEST_P(SideKickSpeedTest, ApproachGainGrowsAsTheApproachRunsOut)
{
    const SpeedCase& c = GetParam();
    auto kick = make<KickL>("KickL.txt", "");
    std::string text;
    for (int call = 1; call <= c.call; ++call)
    {
        if (call == c.call) wm->setJointAngle(JID_LLEG_4, c.angle);
        text = kick->execute("");
    }
    EXPECT_NEAR(approachValues(text).at("lle4"), c.value, 1e-9) << text;
}

INSTANTIATE_TEST_SUITE_P(Law, SideKickSpeedTest,
                         testing::Values(SpeedCase{1, -30.0, -4.38 / 25 * 3}, SpeedCase{11, -40.0, 5.62 / 15 * 3},
                                         SpeedCase{24, -34.38, 0.0}, SpeedCase{25, -30.0, -4.38 * 3}),
                         testing::PrintToStringParamName());

TEST_F(SideKickTest, KickRDiffersFromKickLOnlyInArmRoll)
{
    auto left = make<KickL>("KickL.txt", "(a)");
    auto right = make<KickR>("KickR.txt", "(b)");
    for (int j = 0; j < JID_MAX; ++j) wm->setJointAngle(static_cast<JointID>(j), 3.5 * j - 20.0);
    for (int call = 0; call < 25; ++call)
    {
        const std::map<std::string, double> l = approachValues(left->execute(""));
        const std::map<std::string, double> r = approachValues(right->execute(""));
        ASSERT_EQ(l.size(), 20u);
        ASSERT_EQ(r.size(), 20u);
        const double divisor = 25 - call;
        for (const auto& [name, value] : l)
        {
            if (name == "lae2" || name == "rae2") continue;
            EXPECT_EQ(r.at(name), value) << name << " call " << call;
        }
        EXPECT_NEAR(l.at("lae2"), (23.0 - wm->getJointAngle(JID_LARM_2)) / divisor * 3, 1e-4);
        EXPECT_NEAR(r.at("lae2"), (-23.0 - wm->getJointAngle(JID_LARM_2)) / divisor * 3, 1e-4);
        EXPECT_NEAR(l.at("rae2"), (22.92 - wm->getJointAngle(JID_RARM_2)) / divisor * 3, 1e-4);
        EXPECT_NEAR(r.at("rae2"), (-22.92 - wm->getJointAngle(JID_RARM_2)) / divisor * 3, 1e-4);
    }
    EXPECT_EQ(left->execute(""), "(a)");
    EXPECT_EQ(right->execute(""), "(b)");
}

TEST_F(SideKickTest, AtMostThreeHundredLines)
{
    std::string text;
    for (int i = 0; i < 305; ++i) text += "(rle1 " + std::to_string(i) + ")\n";
    std::string err;
    auto kick = buildFromFile<KickL>(acts, "KickL.txt", text.c_str(), err, acts.dir());
    expectReportedOnce(err, acts.path("KickL.txt"));
    for (int call = 0; call < 25; ++call) kick->execute("");
    for (int i = 0; i < 300; ++i) ASSERT_EQ(kick->execute(""), "(rle1 " + std::to_string(i) + ")");
    EXPECT_EQ(kick->execute(""), "");
}

TEST_F(SideKickTest, KicksKeepTheirOwnCounters)
{
    auto left = make<KickL>("KickL.txt", "(a)");
    auto right = make<KickR>("KickR.txt", "(b)");
    for (int call = 0; call < 25; ++call) left->execute("");
    expectApproach(right->execute(""), 0);
    EXPECT_EQ(left->execute(""), "(a)");
}

} // namespace
