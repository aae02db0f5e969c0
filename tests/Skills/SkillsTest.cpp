#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "salt/gmath.h"
#include "Skills/GetWalkOmniType.h"
#include "Skills/Skills.h"
#include "support/RecordingActionSwitch.h"
#include "support/SkillScene.h"
#include "support/SkillTest.h"

namespace {

void expectAction(const SwitchCall& call, ActionType type, HeadActionType head, Object obj)
{
    EXPECT_EQ(call.kind, SwitchCall::DO_ACTION);
    EXPECT_EQ(call.action, type);
    EXPECT_EQ(call.head, head);
    EXPECT_EQ(call.obj, obj);
}

void expectSameRequest(const WalkOmniPara& got, const WalkOmniPara& want)
{
    EXPECT_EQ(got.walkType, want.walkType);
    EXPECT_DOUBLE_EQ(got.relTheta, want.relTheta);
    EXPECT_DOUBLE_EQ(got.holdZthe, want.holdZthe);
    EXPECT_DOUBLE_EQ(got.moveZthe, want.moveZthe);
    EXPECT_DOUBLE_EQ(got.maxSpeed, want.maxSpeed);
}

class WalkOmniSkill : public SkillTest {};

// Turning on the spot runs the key-frame fast turn; the walk request held by
// the switch is left alone.
TEST_F(WalkOmniSkill, FarTargetWellToTheSideTurnsWithoutARequest)
{
    struct Row { double heading; ActionType turn; };
    for (const Row& row : {Row{-120, FAST_TURN_L}, Row{120, FAST_TURN_R}})
    {
        SCOPED_TRACE(row.heading);
        deleteSkillSingletons();
        SkillScene().me(0, 0, row.heading).teammate(3, 5, 0).apply();
        const std::string point = Skills::instance()->walkOmni(salt::Vector3f(5, 0, 0), false, HEAD_SWING, OPPONENT_2);
        const std::string object = Skills::instance()->walkOmni(TEAMMATE_3, true, HEAD_SWING_AROUND_OBJECT, GOAL_1L);
        EXPECT_EQ(point, SwitchRecord::marker(row.turn));
        EXPECT_EQ(object, SwitchRecord::marker(row.turn));
        const std::vector<SwitchCall>& calls = SwitchRecord::calls();
        ASSERT_EQ(calls.size(), 2u);
        expectAction(calls[0], row.turn, HEAD_SWING, OPPONENT_2);
        expectAction(calls[1], row.turn, HEAD_SWING_AROUND_OBJECT, GOAL_1L);
    }
}

TEST_F(WalkOmniSkill, NearTargetHandsTheRequestOnThenWalks)
{
    SkillScene().me(0, 0, -50).ball(1, 0).apply();
    const std::string out = Skills::instance()->walkOmni(salt::Vector3f(1, 0, 0), true, HEAD_SWING, TEAMMATE_4);
    EXPECT_EQ(out, SwitchRecord::marker(WALK_OMNI));
    const std::vector<SwitchCall>& calls = SwitchRecord::calls();
    ASSERT_EQ(calls.size(), 2u);
    ASSERT_EQ(calls[0].kind, SwitchCall::WALK_PARA);
    EXPECT_EQ(calls[0].walk.walkType, WALK_OMNI_INCLINE);
    EXPECT_DOUBLE_EQ(calls[0].walk.relTheta, salt::gDegToRad(50.0) + salt::gPI / 2);
    EXPECT_DOUBLE_EQ(calls[0].walk.maxSpeed, 1.0);
    expectAction(calls[1], WALK_OMNI, HEAD_SWING, TEAMMATE_4);

    // The object form hands on what the walk-type choice gives.
    const WalkOmniPara want = GetWalkOmniType::instance()->setTargetPos(BALL, false);
    Skills::instance()->walkOmni(BALL, false, HEAD_FOCUS_ON_OBJECT, BALL);
    const std::vector<WalkOmniPara> requests = SwitchRecord::walkRequests();
    ASSERT_EQ(requests.size(), 2u);
    expectSameRequest(requests[1], want);
}

// Walks in a fixed direction: the recorded request, then WALK_OMNI.
struct FixedWalkCase
{
    const char* name;
    std::function<std::string(Skills&)> run;  // with HEAD_SWING, OPPONENT_7
    WalkOmniPara want;
};

std::ostream& operator<<(std::ostream& os, const FixedWalkCase& c) { return os << c.name; }

WalkOmniPara para(WalkOmniType type, double speed, double relTheta = salt::gPI / 2)
{
    WalkOmniPara p;
    p.walkType = type;
    p.maxSpeed = speed;
    p.relTheta = relTheta;
    return p;
}

class FixedWalk : public SkillTest, public ::testing::WithParamInterface<FixedWalkCase> {};

TEST_P(FixedWalk, RequestThenWalk)
{
    SkillScene().me(2, 3, 77).apply();
    EXPECT_EQ(GetParam().run(*Skills::instance()), SwitchRecord::marker(WALK_OMNI));
    const std::vector<SwitchCall>& calls = SwitchRecord::calls();
    ASSERT_EQ(calls.size(), 2u);
    ASSERT_EQ(calls[0].kind, SwitchCall::WALK_PARA);
    expectSameRequest(calls[0].walk, GetParam().want);
    expectAction(calls[1], WALK_OMNI, HEAD_SWING, OPPONENT_7);
}

INSTANTIATE_TEST_SUITE_P(Table, FixedWalk, ::testing::Values(
    FixedWalkCase{"Forward", [](Skills& s) { return s.walkOmniForward(0.4, HEAD_SWING, OPPONENT_7); },
                  para(WALK_OMNI_FORWARD, 0.4)},
    FixedWalkCase{"Backward", [](Skills& s) { return s.walkOmniBackward(0.7, HEAD_SWING, OPPONENT_7); },
                  para(WALK_OMNI_BACKWARD, 0.7)},
    FixedWalkCase{"Left", [](Skills& s) { return s.walkOmniLeft(0.3, HEAD_SWING, OPPONENT_7); },
                  para(WALK_OMNI_LEFT, 0.3)},
    FixedWalkCase{"Right", [](Skills& s) { return s.walkOmniRight(0.9, HEAD_SWING, OPPONENT_7); },
                  para(WALK_OMNI_RIGHT, 0.9)},
    FixedWalkCase{"InclineLeft", [](Skills& s) { return s.walkOmniIncline(30, 0.5, HEAD_SWING, OPPONENT_7); },
                  para(WALK_OMNI_INCLINE, 0.5, salt::gDegToRad(30.0) + salt::gPI / 2)},
    FixedWalkCase{"InclineBackRight", [](Skills& s) { return s.walkOmniIncline(-135, 1.0, HEAD_SWING, OPPONENT_7); },
                  para(WALK_OMNI_INCLINE, 1.0, salt::gDegToRad(-135.0) + salt::gPI / 2)},
    FixedWalkCase{"TurnLeft", [](Skills& s) { return s.walkOmniTurnLeft(HEAD_SWING, OPPONENT_7); },
                  para(WALK_OMNI_TURN_L, 1.0)},
    FixedWalkCase{"TurnRight", [](Skills& s) { return s.walkOmniTurnRight(HEAD_SWING, OPPONENT_7); },
                  para(WALK_OMNI_TURN_R, 1.0)},
    FixedWalkCase{"Wait", [](Skills& s) { return s.walkOmniWait(HEAD_SWING, OPPONENT_7); },
                  para(WALK_OMNI_WAIT, 1.0)}),
    [](const auto& info) { return std::string(info.param.name); });

// The fifteen one-motion wrappers.
struct WrapperCase
{
    const char* name;
    std::string (Skills::*run)(HeadActionType, Object);
    ActionType type;
};

std::ostream& operator<<(std::ostream& os, const WrapperCase& c) { return os << c.name; }

class MotionWrapper : public SkillTest, public ::testing::WithParamInterface<WrapperCase> {};

TEST_P(MotionWrapper, OneActionWithTheCallersHead)
{
    SkillScene().apply();
    Skills& skills = *Skills::instance();
    EXPECT_EQ((skills.*GetParam().run)(HEAD_SWING_AROUND_OBJECT, TEAMMATE_9), SwitchRecord::marker(GetParam().type));
    const std::vector<SwitchCall>& calls = SwitchRecord::calls();
    ASSERT_EQ(calls.size(), 1u);
    expectAction(calls[0], GetParam().type, HEAD_SWING_AROUND_OBJECT, TEAMMATE_9);
}

INSTANTIATE_TEST_SUITE_P(Table, MotionWrapper, ::testing::Values(
    WrapperCase{"walkForward", &Skills::walkForward, WALK_FORWARD},
    WrapperCase{"walkBackward", &Skills::walkBackward, WALK_BACKWARD},
    WrapperCase{"fastTurnLeft", &Skills::fastTurnLeft, FAST_TURN_L},
    WrapperCase{"fastTurnRight", &Skills::fastTurnRight, FAST_TURN_R},
    WrapperCase{"slowTurnLeft", &Skills::slowTurnLeft, SLOW_TURN_L},
    WrapperCase{"slowTurnRight", &Skills::slowTurnRight, SLOW_TURN_R},
    WrapperCase{"turnLeft", &Skills::turnLeft, TURN_L},
    WrapperCase{"turnRight", &Skills::turnRight, TURN_R},
    WrapperCase{"fastWalkLeft", &Skills::fastWalkLeft, WALK_FAST_LEFT},
    WrapperCase{"fastWalkRight", &Skills::fastWalkRight, WALK_FAST_RIGHT},
    WrapperCase{"slowWalkLeft", &Skills::slowWalkLeft, WALK_SLOW_LEFT},
    WrapperCase{"slowWalkRight", &Skills::slowWalkRight, WALK_SLOW_RIGHT},
    WrapperCase{"walkLeft", &Skills::walkLeft, WALK_LEFT},
    WrapperCase{"walkRight", &Skills::walkRight, WALK_RIGHT},
    WrapperCase{"wait", &Skills::wait, WAIT}),
    [](const auto& info) { return std::string(info.param.name); });

class KeepDir : public SkillTest {};

TEST_F(KeepDir, TurnsBackBeyondTenDegrees)
{
    struct Row { double heading; ActionType type; };
    for (const Row& row : {Row{10, STEP}, Row{-10, STEP}, Row{0, STEP}, Row{10.5, FAST_TURN_R}, Row{-10.5, FAST_TURN_L},
                           Row{170, FAST_TURN_R}})
    {
        SCOPED_TRACE(row.heading);
        deleteSkillSingletons();
        SkillScene().me(0, 0, row.heading).apply();
        EXPECT_EQ(Skills::instance()->keepDir(), SwitchRecord::marker(row.type));
        ASSERT_EQ(SwitchRecord::calls().size(), 1u);
        expectAction(SwitchRecord::calls()[0], row.type, HEAD_FOCUS_ON_OBJECT, BALL);
    }
}

class TurnToObject : public SkillTest
{
protected:
    // obj seen at bearing theta with the given local confidence.
    static void see(Object obj, double theta, double confidence = 10.0)
    {
        WorldModel::instance()->mutableObjectVision(obj).theta = theta;
        SkillScene::setLocalConfidence(obj, confidence);
    }
    static ActionType lastAction() { return SwitchRecord::actions().back().action; }
};

TEST_F(TurnToObject, WaitsWithinTheAngleAndTurnsBeyondIt)
{
    struct Row { double bearing; ActionType type; };
    for (const Row& row : {Row{10, WAIT}, Row{-10, WAIT}, Row{10.5, FAST_TURN_L}, Row{-10.5, FAST_TURN_R}})
    {
        SCOPED_TRACE(row.bearing);
        deleteSkillSingletons();
        SkillScene().apply();
        see(TEAMMATE_3, row.bearing);
        EXPECT_EQ(Skills::instance()->turnToObject(TEAMMATE_3, 10), SwitchRecord::marker(row.type));
        ASSERT_EQ(SwitchRecord::calls().size(), 1u);
        expectAction(SwitchRecord::calls()[0], row.type, HEAD_FOCUS_ON_OBJECT, BALL);
    }
}

TEST_F(TurnToObject, HeadYawAddsToTheBearing)
{
    SkillScene().apply();
    see(FLAG_2R, 5);
    WorldModel::instance()->setJointAngle(JID_HEAD_1, 6);
    Skills::instance()->turnToObject(FLAG_2R, 10);
    EXPECT_EQ(lastAction(), FAST_TURN_L);
}

// The gate is the single-precision 9.96: 9.96 as a double lies below it.
TEST_F(TurnToObject, NewBearingOnlyAtSingleNineNinetySix)
{
    SkillScene().apply();
    Skills& skills = *Skills::instance();
    see(BALL, 20, static_cast<double>(9.96f));
    skills.turnToObject(BALL, 10);
    EXPECT_EQ(lastAction(), FAST_TURN_L);
    see(BALL, -20, 9.96);
    skills.turnToObject(BALL, 10);
    EXPECT_EQ(lastAction(), FAST_TURN_L) << "the bearing of 20 degrees is kept";
    see(BALL, -20, 10.0);
    skills.turnToObject(BALL, 10);
    EXPECT_EQ(lastAction(), FAST_TURN_R);
}

TEST_F(TurnToObject, AnUnseenObjectTurnsByTheBearingOfAnother)
{
    SkillScene().apply();
    Skills& skills = *Skills::instance();
    see(OPPONENT_2, 30);
    skills.turnToObject(OPPONENT_2, 10);
    see(FLAG_1L, 0, 9.0);
    EXPECT_EQ(skills.turnToObject(FLAG_1L, 10), SwitchRecord::marker(FAST_TURN_L));
    EXPECT_EQ(skills.turnToObject(FLAG_1L, 40), SwitchRecord::marker(WAIT));
}

TEST_F(TurnToObject, NothingSeenYetWaits)
{
    SkillScene().apply();
    EXPECT_EQ(Skills::instance()->turnToObject(OPPONENT_11, 10), SwitchRecord::marker(WAIT));
}

class RecordingSwitch : public SkillTest {};

// What the kicking skills read before they ask for a motion.
TEST_F(RecordingSwitch, RunningMotionFollowsRequestsUnlessFixed)
{
    SkillScene().apply();
    ActionSwitchMechanism& sw = *ActionSwitchMechanism::instance();
    EXPECT_EQ(sw.getCurAct(), UNKNOWN);
    Skills::instance()->wait(HEAD_FOCUS_ON_OBJECT, BALL);
    EXPECT_EQ(sw.getCurAct(), WAIT);
    SwitchRecord::fixRunning(KICK);
    EXPECT_EQ(sw.getCurAct(), KICK);
    Skills::instance()->walkOmniForward(1.0, HEAD_FOCUS_ON_OBJECT, BALL);
    EXPECT_EQ(sw.getCurAct(), KICK);
    deleteSkillSingletons();
    EXPECT_EQ(ActionSwitchMechanism::instance()->getCurAct(), UNKNOWN) << "deleting the switch ends the fix";
    EXPECT_TRUE(SwitchRecord::calls().empty());
}

} // namespace
