#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "WorldModel/Position.h"
#include "WorldModel/WorldModel.h"

namespace {

class PositionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Position::deleteT();
        WorldModel::deleteT();
    }
    void TearDown() override { SetUp(); }
};

// A stretch of calls in one play mode: the first `allowed` calls may beam,
// the rest may not.
struct Stretch
{
    PlayMode pm;
    int calls;
    int allowed;
};

struct BeamCase
{
    const char* name;
    std::vector<Stretch> stretches;
};

std::ostream& operator<<(std::ostream& os, const BeamCase& c) { return os << c.name; }

class BeamSequence : public PositionTest, public ::testing::WithParamInterface<BeamCase> {};

TEST_P(BeamSequence, AllowsNinetyNineCallsAfterAChangeToABeamMode)
{
    WorldModel& wm = *WorldModel::instance();
    Position& pos = *Position::instance();
    int call = 0;
    for (const Stretch& s : GetParam().stretches)
    {
        wm.setGameState(s.pm);
        for (int i = 0; i < s.calls; ++i, ++call)
            ASSERT_EQ(pos.canBeam(), i < s.allowed) << "call " << call << " in play mode " << s.pm;
    }
}

INSTANTIATE_TEST_SUITE_P(Sequences, BeamSequence, ::testing::Values(
    BeamCase{"BeforeKickOffFromTheStart", {{PM_BeforeKickOff, 150, 99}}},
    BeamCase{"GoalLeftAfterPlayOnThenKickOff",
             {{PM_PlayOn, 5, 0}, {PM_Goal_Left, 120, 99}, {PM_KickOff_Right, 3, 0}}},
    BeamCase{"PlayOnThroughout", {{PM_PlayOn, 200, 0}}},
    BeamCase{"ChangeAwayEndsBeamingAtOnce",
             {{PM_Goal_Right, 10, 10}, {PM_PlayOn, 5, 0}, {PM_Goal_Left, 100, 99}}},
    BeamCase{"UsedUpUntilTheModeChanges",
             {{PM_BeforeKickOff, 200, 99}, {PM_Goal_Right, 100, 99}, {PM_BeforeKickOff, 100, 99}}},
    BeamCase{"OtherModesNeverBeam",
             {{PM_KickOff_Left, 3, 0}, {PM_FreeKick_Left, 3, 0}, {PM_Goal_Kick_Right, 3, 0},
              {PM_Corner_Kick_Left, 3, 0}, {PM_GameOver, 3, 0}}}),
    [](const auto& info) { return std::string(info.param.name); });

struct HomeCase
{
    int unum;
    float x, y;
    const char* beam;
};

std::ostream& operator<<(std::ostream& os, const HomeCase& c) { return os << "unum " << c.unum; }

class HomePositions : public PositionTest, public ::testing::WithParamInterface<HomeCase> {};

TEST_P(HomePositions, HomeAndBeamText)
{
    WorldModel::instance()->setNum(GetParam().unum);
    Position& pos = *Position::instance();
    const salt::Vector3f home = pos.getHomePos();
    EXPECT_EQ(home, salt::Vector3f(GetParam().x, GetParam().y, 0.0f));
    const std::string text = pos.beam();
    const std::string expected = GetParam().beam;
    ASSERT_EQ(text.compare(0, expected.size(), expected), 0) << text;
    EXPECT_TRUE(text.size() == expected.size() || text[expected.size()] == '(') << text;
}

INSTANTIATE_TEST_SUITE_P(AllPlayers, HomePositions, ::testing::Values(
    HomeCase{1, -14.5f, -0.3f, "(beam -14.5 -0.3 0)"}, HomeCase{2, -14.8f, 0.3f, "(beam -14.8 0.3 0)"},
    HomeCase{3, -12.5f, 0.0f, "(beam -12.5 0 0)"}, HomeCase{4, -11.0f, -0.5f, "(beam -11 -0.5 0)"},
    HomeCase{5, -9.0f, 0.5f, "(beam -9 0.5 0)"}, HomeCase{6, -7.5f, 0.0f, "(beam -7.5 0 0)"},
    HomeCase{7, -0.6f, 0.1f, "(beam -0.6 0.1 0)"}, HomeCase{8, -2.0f, -0.7f, "(beam -2 -0.7 0)"},
    HomeCase{9, -2.0f, 0.65f, "(beam -2 0.65 0)"}, HomeCase{10, -0.4f, -1.5f, "(beam -0.4 -1.5 0)"},
    HomeCase{11, -0.4f, 2.0f, "(beam -0.4 2 0)"},
    HomeCase{0, 0.0f, 0.0f, "(beam 0 0 0)"}, HomeCase{12, 0.0f, 0.0f, "(beam 0 0 0)"}),
    [](const auto& info) { return "Unum" + std::to_string(info.param.unum); });

} // namespace
