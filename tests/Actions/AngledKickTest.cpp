#include <functional>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "Actions/KickLeft45.h"
#include "Actions/KickLeft90.h"
#include "Actions/KickRight45.h"
#include "Actions/KickRight90.h"
#include "MotionTestText.h"
#include "WorldModel/WorldModel.h"

namespace {

constexpr int kPostureCommands = 22 + 16;
constexpr int kSettleCommands = 44;

std::string moveToken(int i) { return i == 0 ? "-0.000" : std::to_string(100 + i) + ".50"; }
std::string holdToken(int i) { return std::to_string(500 + i) + ".0"; }

struct KickKind
{
    const char* name;
    std::function<std::unique_ptr<Action>(const std::string&)> make;
    const char* movingLeg;
    const char* holdingLeg;
    bool testsArmRoll;
    int endCycle;
};

std::ostream& operator<<(std::ostream& os, const KickKind& k) { return os << k.name; }

template <class K>
std::function<std::unique_ptr<Action>(const std::string&)> factory()
{
    return [](const std::string& dir) { return std::make_unique<K>(dir); };
}

const KickKind kLeft45{"KickLeft45", factory<KickLeft45>(), "rle", "lle", false, 20};
const KickKind kRight45{"KickRight45", factory<KickRight45>(), "lle", "rle", true, 20};
const KickKind kLeft90{"KickLeft90", factory<KickLeft90>(), "lle", "rle", false, 31};
const KickKind kRight90{"KickRight90", factory<KickRight90>(), "rle", "lle", false, 31};

std::string expectedFrame(const KickKind& kind, int k)
{
    std::string out;
    for (int j = 1; j <= 6; ++j) out += "(" + std::string(kind.movingLeg) + std::to_string(j) + " " + moveToken(6 * k + j - 1) + ")";
    for (int j = 1; j <= 6; ++j) out += "(" + std::string(kind.holdingLeg) + std::to_string(j) + " " + holdToken(6 * k + j - 1) + ")";
    return out;
}

// The value of the second command of an effector (the reset speed of resetJointShoot).
double secondValue(const std::string& text, const std::string& effector)
{
    const std::string key = "(" + effector + " ";
    const std::size_t first = text.find(key);
    const std::size_t second = text.find(key, first + 1);
    std::istringstream in(text.substr(second + key.size()));
    double value = 0;
    in >> value;
    return value;
}

class AngledKickTest : public testing::Test
{
protected:
    void SetUp() override
    {
        WorldModel::deleteT();
        wm = WorldModel::instance();
        for (const KickKind* kind : {&kLeft45, &kRight45, &kLeft90, &kRight90}) writeFiles(kind->name, 180);
    }
    void TearDown() override { WorldModel::deleteT(); }

    void writeFiles(const std::string& name, int tokens) const
    {
        std::string move, hold;
        for (int i = 0; i < tokens; ++i)
        {
            move += moveToken(i) + (i % 6 == 5 ? "\n" : " ");
            hold += holdToken(i) + (i % 6 == 5 ? "\n" : "\t");
        }
        acts.write(name + "move.txt", move);
        acts.write(name + "hold.txt", hold);
    }

    void standAtPosture() const
    {
        wm->setJointAngle(JID_LARM_1, -90.0);
        wm->setJointAngle(JID_RARM_1, -90.0);
        wm->setJointAngle(JID_LARM_2, 30.0);
        wm->setJointAngle(JID_RARM_2, 30.0);
        for (JointID leg : {JID_LLEG_3, JID_RLEG_3, JID_LLEG_5, JID_RLEG_5}) wm->setJointAngle(leg, 39.94);
        for (JointID leg : {JID_LLEG_4, JID_RLEG_4}) wm->setJointAngle(leg, -64.92);
    }

    ScratchActs acts;
    WorldModel* wm = nullptr;
};

class AngledKickKindTest : public AngledKickTest, public testing::WithParamInterface<KickKind>
{
};

TEST_P(AngledKickKindTest, WholeKick)
{
    const KickKind& kind = GetParam();
    std::unique_ptr<Action> kick = kind.make(acts.dir());
    standAtPosture();
    const std::string posture = kick->execute("");
    EXPECT_EQ(posture.substr(0, fixText().size()), fixText());
    EXPECT_EQ(commandCount(posture), kPostureCommands);
    for (int step = 0; step < kind.endCycle; ++step)
        ASSERT_EQ(kick->execute(""), expectedFrame(kind, std::min(step, 29))) << "step " << step;
    EXPECT_EQ(kick->execute("normal"), fixText());
    for (int step = kind.endCycle + 1; step < kind.endCycle + 10; ++step)
    {
        const std::string settle = kick->execute("");
        ASSERT_EQ(commandCount(settle), kSettleCommands) << "step " << step;
        EXPECT_NEAR(secondValue(settle, "lle3"), -39.94 / step, 1e-5) << "step " << step;
    }
    EXPECT_EQ(kick->execute(""), "");
    EXPECT_EQ(kick->execute(""), "");
    EXPECT_EQ(commandCount(kick->execute("")), kPostureCommands);
    EXPECT_EQ(kick->execute(""), expectedFrame(kind, 0)); // the next kick starts at frame 0
}

TEST_P(AngledKickKindTest, ShortTokenFilesNeverEndTheKickEarly)
{
    const KickKind& kind = GetParam();
    writeFiles(kind.name, 10);
    testing::internal::CaptureStderr();
    std::unique_ptr<Action> kick = kind.make(acts.dir());
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find(std::string(kind.name) + "move.txt"), std::string::npos) << err;
    EXPECT_NE(err.find(std::string(kind.name) + "hold.txt"), std::string::npos) << err;
    standAtPosture();
    kick->execute("");
    EXPECT_EQ(kick->execute(""), expectedFrame(kind, 0));
    const std::string frame1 = kick->execute("");
    EXPECT_NE(frame1.find(std::string("(") + kind.holdingLeg + "4 509.0)(" + kind.holdingLeg + "5 0)"),
              std::string::npos)
        << frame1;
    for (int step = 2; step < kind.endCycle + 10; ++step) ASSERT_NE(kick->execute(""), "") << "step " << step;
    EXPECT_EQ(kick->execute(""), "");
}

TEST_P(AngledKickKindTest, UnreachablePostureIsGivenUp)
{
    const KickKind& kind = GetParam();
    std::unique_ptr<Action> kick = kind.make(acts.dir());
    for (int call = 1; call <= 100; ++call) ASSERT_EQ(commandCount(kick->execute("")), kPostureCommands);
    testing::internal::CaptureStderr();
    EXPECT_EQ(kick->execute(""), "");
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find(kind.name), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);
    // A new attempt that reaches the posture in its 100th call kicks.
    for (int call = 1; call < 100; ++call) ASSERT_EQ(commandCount(kick->execute("")), kPostureCommands);
    standAtPosture();
    EXPECT_EQ(commandCount(kick->execute("")), kPostureCommands);
    EXPECT_EQ(kick->execute(""), expectedFrame(kind, 0));
}

INSTANTIATE_TEST_SUITE_P(Kinds, AngledKickKindTest, testing::Values(kLeft45, kRight45, kLeft90, kRight90),
                         testing::PrintToStringParamName());

struct ArmCase
{
    const KickKind* kind;
    double armRoll;
    bool ready;
};

std::ostream& operator<<(std::ostream& os, const ArmCase& c)
{
    std::string angle = std::to_string(c.armRoll);
    for (char& ch : angle)
        if (ch == '.') ch = '_';
        else if (ch == '-') ch = 'm';
    return os << c.kind->name << "ArmRoll" << angle.substr(0, angle.find('_') + 3);
}

class AngledKickArmTest : public AngledKickTest, public testing::WithParamInterface<ArmCase>
{
};

TEST_P(AngledKickArmTest, OnlyKickRight45TestsArmRoll)
{
    const ArmCase& c = GetParam();
    std::unique_ptr<Action> kick = c.kind->make(acts.dir());
    standAtPosture();
    wm->setJointAngle(JID_RARM_2, c.armRoll);
    kick->execute("");
    EXPECT_EQ(commandCount(kick->execute("")), c.ready ? 12 : kPostureCommands);
}

INSTANTIATE_TEST_SUITE_P(Arms, AngledKickArmTest,
                         testing::Values(ArmCase{&kRight45, 20.0, false}, ArmCase{&kRight45, 40.0, false},
                                         ArmCase{&kRight45, 20.01, true}, ArmCase{&kRight45, 39.99, true},
                                         ArmCase{&kRight45, 1.0, false}, ArmCase{&kLeft45, 1.0, true},
                                         ArmCase{&kLeft90, -30.0, true}, ArmCase{&kRight90, 90.0, true}),
                         testing::PrintToStringParamName());

TEST_F(AngledKickTest, EachKickKeepsItsOwnProgress)
{
    const KickKind* kinds[] = {&kLeft45, &kRight45, &kLeft90, &kRight90};
    std::unique_ptr<Action> kicks[4];
    for (int i = 0; i < 4; ++i) kicks[i] = kinds[i]->make(acts.dir());
    standAtPosture();
    // Kick i reaches its posture and plays i + 1 frames, the kicks interleaved.
    for (int i = 0; i < 4; ++i) ASSERT_EQ(commandCount(kicks[i]->execute("")), kPostureCommands);
    for (int round = 0; round < 4; ++round)
        for (int i = round; i < 4; ++i) ASSERT_EQ(kicks[i]->execute(""), expectedFrame(*kinds[i], round));
    for (int i = 0; i < 4; ++i) EXPECT_EQ(kicks[i]->execute(""), expectedFrame(*kinds[i], i + 1)) << kinds[i]->name;
}

} // namespace
