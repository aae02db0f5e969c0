#include <algorithm>
#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include <gtest/gtest.h>

#include "Actions/Action.h"
#include "Actions/ActionSwitchMechanism.h"
#include "Actions/HeadAction.h"
#include "Actions/Kick.h"
#include "Actions/PeriodicFade.h"
#include "Actions/Say.h"
#include "Actions/WalkOmni.h"
#include "ScratchActs.h"
#include "WorldModel/Position.h"
#include "WorldModel/WorldModel.h"

namespace {

std::string nameOf(int code)
{
    switch (code)
    {
    case TURN_L: return "TurnL";
    case TURN_R: return "TurnR";
    case WALK_OMNI: return "Omni";
    case WALK_FORWARD: return "WalkForward";
    case WALK_SIDE_SHORT_L: return "SideL";
    case GET_UP_FRONT: return "GetUpFront";
    case KICK: return "Kick";
    case KICK_L: return "KickL";
    case STEP: return "Step";
    case WAIT: return "Wait";
    default: return "m" + std::to_string(code);
    }
}

// Answers from a script, one character per call: 'x' gives the text
// "Name/word", '.' (and the end of the script) gives "". Logs every call.
class FakeMotion : public Action
{
public:
    FakeMotion(std::string name, std::string& log) : mName(std::move(name)), mLog(log) {}
    void script(const std::string& answers) { mScript = answers; }
    std::string execute(const std::string& phase) override
    {
        const std::string call = mName + "/" + phase;
        mLog += (mLog.empty() ? "" : " ") + call;
        const bool gives = mNext < mScript.size() && mScript[mNext] == 'x';
        ++mNext;
        return gives ? call : "";
    }

private:
    std::string mName;
    std::string& mLog;
    std::string mScript;
    std::size_t mNext = 0;
};

class ActionSwitchTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        reset();
        WorldModel::instance()->setNum(1);  // speaks at server time 0
    }
    void TearDown() override { reset(); }
    static void reset()
    {
        ActionSwitchMechanism::deleteT();
        HeadAction::deleteT();
        Say::deleteT();
        PeriodicFade::deleteT();
        WalkOmni::deleteT();
        Kick::deleteT();
        WorldModel::deleteT();
    }

    // A switch over fakes for every action type 1..42.
    ActionSwitchMechanism& fakeSwitch()
    {
        ActionSwitchMechanism::MotionTable table{};
        for (int code = DIVE_FRONT; code < ACTION_MAX; ++code)
        {
            fakes[code] = std::make_unique<FakeMotion>(nameOf(code), log);
            table[code] = fakes[code].get();
        }
        switcher = std::make_unique<ActionSwitchMechanism>(table);
        return *switcher;
    }
    // What doAction appends after the motion text in this test's world.
    static std::string headAndSay()
    {
        return HeadAction::instance()->mergeHeadMsg(HEAD_FOCUS_ON_OBJECT, BALL) + Say::instance()->mergeSayMsg();
    }

    std::string log;
    std::array<std::unique_ptr<FakeMotion>, ACTION_MAX> fakes;
    std::unique_ptr<ActionSwitchMechanism> switcher;
};

struct Cycle
{
    int request;
    const char* calls;  // the motion calls of the cycle, in order
    const char* text;   // the motion part of the result
    ActionType curAct;  // after the cycle
    bool error = false;
};

struct Scenario
{
    const char* name;
    std::vector<std::pair<ActionType, const char*>> scripts;
    std::vector<Cycle> cycles;
};

std::ostream& operator<<(std::ostream& os, const Scenario& s) { return os << s.name; }

class SwitchScenario : public ActionSwitchTest, public ::testing::WithParamInterface<Scenario> {};

TEST_P(SwitchScenario, CallsAndText)
{
    ActionSwitchMechanism& sw = fakeSwitch();
    for (const auto& [type, answers] : GetParam().scripts) fakes[type]->script(answers);
    const std::string tail = headAndSay();
    ASSERT_NE(tail.find("(say "), std::string::npos);
    for (std::size_t i = 0; i < GetParam().cycles.size(); ++i)
    {
        const Cycle& c = GetParam().cycles[i];
        log.clear();
        testing::internal::CaptureStderr();
        const std::string result = sw.doAction(static_cast<ActionType>(c.request), HEAD_FOCUS_ON_OBJECT, BALL);
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(log, c.calls) << "cycle " << i;
        EXPECT_EQ(result, c.text + tail) << "cycle " << i;
        EXPECT_EQ(sw.getCurAct(), c.curAct) << "cycle " << i;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), c.error ? 1 : 0) << "cycle " << i << ": " << err;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, SwitchScenario, ::testing::Values(
    Scenario{"FirstGaitIsStarted", {{WALK_OMNI, "x"}},
             {{WALK_OMNI, "Omni/start", "Omni/start", WALK_OMNI}}},
    Scenario{"FirstOtherGetsTheEmptyWord", {{KICK_L, "x"}},
             {{KICK_L, "KickL/", "KickL/", KICK_L}}},
    Scenario{"ProbeTextDropsTheRequest", {{TURN_L, "xx"}},
             {{TURN_L, "TurnL/start", "TurnL/start", TURN_L}, {TURN_R, "TurnL/", "TurnL/", TURN_L}}},
    Scenario{"GaitToGaitGoesThroughEndThenStart", {{TURN_L, "x.x."}, {TURN_R, "x"}},
             {{TURN_L, "TurnL/start", "TurnL/start", TURN_L},
              {TURN_R, "TurnL/ TurnL/end", "TurnL/end", TURN_L},
              {TURN_R, "TurnL/ TurnR/start", "TurnR/start", TURN_R}}},
    Scenario{"RepeatedRequestIsContinuedWithNormal", {{STEP, "x.x"}},
             {{STEP, "Step/", "Step/", STEP}, {STEP, "Step/ Step/normal", "Step/normal", STEP}}},
    Scenario{"RepeatedGaitIsContinuedWithNormal", {{TURN_L, "x.x"}},
             {{TURN_L, "TurnL/start", "TurnL/start", TURN_L},
              {TURN_L, "TurnL/ TurnL/normal", "TurnL/normal", TURN_L}}},
    Scenario{"OtherToGaitStartsAtOnce", {{GET_UP_FRONT, "x."}, {WALK_FORWARD, "x"}},
             {{GET_UP_FRONT, "GetUpFront/", "GetUpFront/", GET_UP_FRONT},
              {WALK_FORWARD, "GetUpFront/ WalkForward/start", "WalkForward/start", WALK_FORWARD}}},
    Scenario{"SideStepPlaysOnceMoreAfterEnd", {{WALK_SIDE_SHORT_L, "x.xx."}, {WAIT, "x"}},
             {{WALK_SIDE_SHORT_L, "SideL/start", "SideL/start", WALK_SIDE_SHORT_L},
              {WAIT, "SideL/ SideL/end", "SideL/end", WALK_SIDE_SHORT_L},
              {WAIT, "SideL/", "SideL/", WALK_SIDE_SHORT_L},
              {WAIT, "SideL/ Wait/", "Wait/", WAIT}}},
    Scenario{"KickIsReplacedAtOnce", {{KICK, "..x."}, {WALK_OMNI, "x"}},
             {{KICK, "Kick/", "", KICK},
              {KICK, "Kick/ Kick/normal", "Kick/normal", KICK},
              {WALK_OMNI, "Kick/ Omni/start", "Omni/start", WALK_OMNI}}},
    Scenario{"WoundDownTurnThenKick", {{TURN_L, "x.x."}, {KICK, "..x"}},
             {{TURN_L, "TurnL/start", "TurnL/start", TURN_L},
              {KICK, "TurnL/ TurnL/end", "TurnL/end", TURN_L},
              {KICK, "TurnL/ Kick/", "", KICK},
              {KICK, "Kick/ Kick/normal", "Kick/normal", KICK}}},
    Scenario{"InvalidTypesCallNothing", {{TURN_L, "x.x"}},
             {{UNKNOWN, "", "", UNKNOWN, true},
              {TURN_L, "TurnL/start", "TurnL/start", TURN_L},
              {UNKNOWN, "", "", TURN_L, true},
              {ACTION_MAX, "", "", TURN_L, true},
              {57, "", "", TURN_L, true},
              {TURN_L, "TurnL/ TurnL/normal", "TurnL/normal", TURN_L}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ActionSwitchTest, InitStateHoldsJointsWithinOneDegreeAndRestartsTheMotion)
{
    ActionSwitchMechanism& sw = fakeSwitch();
    fakes[TURN_L]->script("xx");
    sw.doAction(TURN_L, HEAD_FOCUS_ON_OBJECT, BALL);
    WorldModel& wm = *WorldModel::instance();
    wm.setJointAngle(JID_HEAD_1, 0.99);
    wm.setJointAngle(JID_HEAD_2, -0.99);
    wm.setJointAngle(JID_LLEG_1, 1.0);
    wm.setJointAngle(JID_RLEG_1, -1.0);
    wm.setJointAngle(JID_RARM_4, 20.0);
    EXPECT_EQ(sw.initState(), "(he1 0)(he2 0)(lle1 -0.523599)(rle1 0.523599)(lle2 0)(rle2 0)(lle3 0)(rle3 0)"
                              "(lle4 0)(rle4 0)(lle5 0)(rle5 0)(lle6 0)(rle6 0)(lae1 0)(rae1 0)(lae2 0)(rae2 0)"
                              "(lae3 0)(rae3 0)(lae4 0)(rae4 -5.23599)");
    EXPECT_EQ(sw.getCurAct(), UNKNOWN);
    log.clear();
    sw.doAction(TURN_L, HEAD_FOCUS_ON_OBJECT, BALL);
    EXPECT_EQ(log, "TurnL/start");  // started afresh, no probe
}

TEST_F(ActionSwitchTest, BeamIsFollowedByTheInitialPosture)
{
    Position::deleteT();
    WorldModel::instance()->setJointAngle(JID_LLEG_4, 30.0);
    testing::internal::CaptureStderr();
    const std::string text = Position::instance()->beam();
    testing::internal::GetCapturedStderr();
    const std::string posture = ActionSwitchMechanism::instance()->initState();
    EXPECT_EQ(text, "(beam -14.5 -0.3 0)" + posture);
    EXPECT_NE(posture.find("(lle4 -5.23599)"), std::string::npos) << posture;
    Position::deleteT();
}

// The real table, built where no motion file exists: every action type has
// a motion, and the files are asked for in the table's creation order.
TEST_F(ActionSwitchTest, RealTableCoversEveryTypeAndReadsInOrder)
{
    ScratchActs empty;
    const std::filesystem::path home = std::filesystem::current_path();
    std::filesystem::current_path(empty.dir());
    testing::internal::CaptureStderr();
    ActionSwitchMechanism* sw = ActionSwitchMechanism::instance();
    const std::string readErr = testing::internal::GetCapturedStderr();
    std::filesystem::current_path(home);

    const char* const order[] = {
        "DiveFront", "DiveBack", "DiveHandL", "DiveHandR", "DiveLegL", "DiveLegR", "DefendGoalL", "DefendGoalR",
        "GetUpFront", "GetUpBack", "Step", "Wait", "TurnL", "FastTurnL", "SlowTurnL", "TurnR", "FastTurnR",
        "SlowTurnR", "LargeTurnL", "LargeTurnR", "WalkForward", "WalkFast", "MiniWalkForward", "WalkBackward",
        "WalkLeft", "WalkFastLeft", "WalkSlowLeft", "WalkRight", "WalkFastRight", "WalkSlowRight",
        "WalkAroundBallL", "WalkAroundBallR", "WalkSideShortL", "WalkSideShortR", "KickRMove1", "KickRHold1",
        "KickRMove2", "KickRHold2", "KickRMove3", "KickRHold3", "KickLeft45move", "KickLeft45hold",
        "KickRight45move", "KickRight45hold", "KickLeft90move", "KickLeft90hold", "KickRight90move",
        "KickRight90hold", "KickL", "KickR"};
    std::size_t from = 0;
    for (const char* name : order)
    {
        const std::size_t at = readErr.find("./Acts/" + std::string(name) + ".txt", from);
        ASSERT_NE(at, std::string::npos) << name << " not reported after position " << from << ":\n" << readErr;
        from = at;
    }

    for (int code = DIVE_FRONT; code < ACTION_MAX; ++code)
    {
        testing::internal::CaptureStderr();
        testing::internal::CaptureStdout();
        sw->doAction(static_cast<ActionType>(code), HEAD_SWING, BALL);
        testing::internal::GetCapturedStdout();
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(err.find("no motion"), std::string::npos) << code << ": " << err;
    }
}

} // namespace
