// rovan-keeper's get-up: as rovan's, without a report of an unknown fall.
#include <string>

#include <gtest/gtest.h>

#include "support/RecordingActionSwitch.h"
#include "support/SkillScene.h"
#include "support/SkillTest.h"

namespace {

using KeeperGetUp = SkillTest;

TEST_F(KeeperGetUp, NoFallDirectionWalksToTheBallSilently)
{
    SkillScene().unum(1).me(-14, 0, 0).ball(-12, 0).posture(Posture::STANDING).apply();
    testing::internal::CaptureStdout();
    const std::string text = Skills::instance()->getUp(HEAD_SWING, OPPONENT_3);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(text, SwitchRecord::marker(WALK_OMNI));
    ASSERT_EQ(SwitchRecord::actions().size(), 1u);
    EXPECT_EQ(SwitchRecord::actions()[0].obj, BALL);
    ASSERT_EQ(SwitchRecord::walkRequests().size(), 1u);
    EXPECT_EQ(SwitchRecord::walkRequests()[0].walkType, WALK_OMNI_FORWARD);
}

TEST_F(KeeperGetUp, FallDirectionsRunTheirGetUp)
{
    const std::pair<Posture, ActionType> cases[] = {
        {Posture::RIGHT, GET_UP_FRONT}, {Posture::LEFT, GET_UP_FRONT},
        {Posture::FRONT, GET_UP_FRONT}, {Posture::BACK, GET_UP_BACK}};
    for (const auto& [posture, motion] : cases)
    {
        SCOPED_TRACE(motion);
        deleteSkillSingletons();
        SkillScene().unum(1).me(-14, 0, 0).ball(-12, 0).posture(posture).apply();
        testing::internal::CaptureStdout();
        EXPECT_EQ(Skills::instance()->getUp(HEAD_SWING, OPPONENT_3), SwitchRecord::marker(motion));
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
        ASSERT_EQ(SwitchRecord::actions().size(), 1u);
        EXPECT_EQ(SwitchRecord::actions()[0].head, HEAD_SWING);
        EXPECT_EQ(SwitchRecord::actions()[0].obj, OPPONENT_3);
    }
}

} // namespace
