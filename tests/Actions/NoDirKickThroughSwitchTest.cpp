// NoDirkickBall through the real action switch, Wait and Kick, with the
// motion files of the repository.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Actions/ActionSwitchMechanism.h"
#include "Actions/HeadAction.h"
#include "Actions/Kick.h"
#include "Actions/PeriodicFade.h"
#include "Actions/Say.h"
#include "Actions/WalkOmni.h"
#include "Math/Kinematics.h"
#include "MotionTestText.h"
#include "Skills/GetWalkOmniType.h"
#include "Skills/Skills.h"
#include "support/SkillScene.h"
#include "WorldModel/FallDownRecognition.h"
#include "WorldModel/WorldModel.h"

namespace {

enum class Text { OTHER, POSTURE, FRAME, STOP, EMPTY };

// The kick's part of a cycle's text: it starts with fix(); the head
// commands follow it.
Text classify(const std::string& text)
{
    if (text.compare(0, Kick::kStopCommand.size(), Kick::kStopCommand) == 0) return Text::STOP;
    if (text.compare(0, fixText().size(), fixText()) != 0) return text.find("(he") == 0 ? Text::EMPTY : Text::OTHER;
    const int commands = commandCount(text.substr(0, text.find("(he1", 1)));
    if (commands == 22 + 16) return Text::POSTURE;
    if (commands == 22 + 12) return Text::FRAME;
    return Text::OTHER;
}

class NoDirKickThroughSwitch : public ::testing::Test
{
protected:
    void SetUp() override
    {
        reset();
        SkillScene().unum(1).me(0, 0, 0).apply();
    }
    void TearDown() override { reset(); }
    static void reset()
    {
        Skills::deleteT();
        GetWalkOmniType::deleteT();
        ActionSwitchMechanism::deleteT();
        HeadAction::deleteT();
        Say::deleteT();
        PeriodicFade::deleteT();
        WalkOmni::deleteT();
        Kinematics::deleteT();
        Kick::deleteT();
        FallDownRecognition::deleteT();
        WorldModel::deleteT();
    }

    // One cycle: the counter and server time advance, the ball is seen
    // x metres straight ahead, the skill runs once.
    std::string cycle(float x)
    {
        WorldModel& wm = *WorldModel::instance();
        wm.updateCurrentCycle();
        wm.setServerTime(wm.getServerTime() + SkillScene::kCycle);
        EXPECT_TRUE(SkillScene::ballAt(x, 0));
        return Skills::instance()->NoDirkickBall();
    }

    // Joint angles at the posture of the right-leg support (ball at y 0).
    static void standAtPosture()
    {
        WorldModel& wm = *WorldModel::instance();
        wm.setJointAngle(JID_LARM_1, -60.0);
        wm.setJointAngle(JID_RARM_1, -60.0);
        for (JointID j : {JID_LLEG_1, JID_RLEG_1}) wm.setJointAngle(j, 0.0);
        for (JointID j : {JID_LLEG_2, JID_RLEG_2}) wm.setJointAngle(j, 8.1303);
        for (JointID j : {JID_LLEG_3, JID_RLEG_3}) wm.setJointAngle(j, 12.9947);
        for (JointID j : {JID_LLEG_4, JID_RLEG_4}) wm.setJointAngle(j, -28.5677);
        for (JointID j : {JID_LLEG_5, JID_RLEG_5}) wm.setJointAngle(j, 15.573);
        for (JointID j : {JID_LLEG_6, JID_RLEG_6}) wm.setJointAngle(j, -8.1303);
    }

    // Waits until the kick is served; then its first cycle (the empty word).
    void waitUntilTheKick()
    {
        ActionSwitchMechanism& sw = *ActionSwitchMechanism::instance();
        int calls = 0;
        for (; calls < 200; ++calls)
        {
            const std::string out = cycle(0.3f);
            if (sw.getCurAct() == KICK)
            {
                EXPECT_EQ(classify(out), Text::EMPTY);
                break;
            }
            ASSERT_EQ(sw.getCurAct(), WAIT) << "call " << calls + 1;
        }
        EXPECT_GE(calls, 30);  // thirty counted waits first
        ASSERT_LT(calls, 200);
    }

    // Posture commands until the posture is reached.
    void reachThePosture()
    {
        ASSERT_EQ(classify(cycle(0.3f)), Text::POSTURE);
        standAtPosture();
        ASSERT_EQ(classify(cycle(0.3f)), Text::POSTURE);
    }
};

TEST_F(NoDirKickThroughSwitch, WaitsThenKicksToTheEndWithoutRestart)
{
    waitUntilTheKick();
    reachThePosture();
    for (int k = 0; k <= 40; ++k) ASSERT_EQ(classify(cycle(0.3f)), Text::FRAME) << "frame " << k;
    EXPECT_EQ(classify(cycle(0.3f)), Text::STOP);
    EXPECT_EQ(ActionSwitchMechanism::instance()->getCurAct(), KICK);
}

// The kick gives nothing to the probe: when the skill stops asking for it
// (ball 0.8 m ahead), the walk replaces it in the next cycle, mid-swing.
TEST_F(NoDirKickThroughSwitch, KickIsReplacedAtOnceWhenNoLongerRequested)
{
    waitUntilTheKick();
    reachThePosture();
    for (int k = 0; k <= 10; ++k) ASSERT_EQ(classify(cycle(0.3f)), Text::FRAME) << "frame " << k;
    const std::string out = cycle(0.8f);
    EXPECT_EQ(ActionSwitchMechanism::instance()->getCurAct(), WALK_OMNI);
    EXPECT_EQ(classify(out), Text::OTHER);
    EXPECT_EQ(Skills::instance()->noDirKickState().kickCount, 0);
}

}  // namespace
