// The get-up of rovan and rovan-penalty (SkillsGetUp.cpp).
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Skills/Skills.h"
#include "support/RecordingActionSwitch.h"
#include "support/SkillScene.h"
#include "support/SkillTest.h"

namespace {

struct GetUpCase
{
    const char* name;
    Posture posture;
    ActionType motion;  // WALK_OMNI: no fall direction, walk to the ball
    const char* out;
};

std::ostream& operator<<(std::ostream& os, const GetUpCase& c) { return os << c.name; }

class GetUp : public SkillTest, public ::testing::WithParamInterface<GetUpCase> {};

TEST_P(GetUp, MotionForTheFallDirection)
{
    const GetUpCase& c = GetParam();
    SkillScene().me(0, 0, 0).ball(1, 0).posture(c.posture).apply();
    testing::internal::CaptureStdout();
    const std::string text = Skills::instance()->getUp(HEAD_SWING, OPPONENT_3);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), c.out);
    EXPECT_EQ(text, SwitchRecord::marker(c.motion));
    const std::vector<SwitchCall> actions = SwitchRecord::actions();
    ASSERT_EQ(actions.size(), 1u);
    EXPECT_EQ(actions[0].action, c.motion);
    if (c.motion == WALK_OMNI)
    {
        EXPECT_EQ(actions[0].head, HEAD_FOCUS_ON_OBJECT);
        EXPECT_EQ(actions[0].obj, BALL);
        const std::vector<WalkOmniPara> requests = SwitchRecord::walkRequests();
        ASSERT_EQ(requests.size(), 1u);
        EXPECT_EQ(requests[0].walkType, WALK_OMNI_FORWARD) << "toward the ball straight ahead";
    }
    else
    {
        EXPECT_EQ(actions[0].head, HEAD_SWING);
        EXPECT_EQ(actions[0].obj, OPPONENT_3);
        EXPECT_TRUE(SwitchRecord::walkRequests().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Table, GetUp, ::testing::Values(
    GetUpCase{"Back", Posture::BACK, GET_UP_BACK, ""},
    GetUpCase{"Front", Posture::FRONT, GET_UP_FRONT, ""},
    GetUpCase{"Left", Posture::LEFT, GET_UP_FRONT, ""},
    GetUpCase{"Right", Posture::RIGHT, GET_UP_FRONT, ""},
    GetUpCase{"StandingWalksToTheBall", Posture::STANDING, WALK_OMNI, "Skills::getUp Error\n"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
