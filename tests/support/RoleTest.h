#ifndef TESTS_SUPPORT_ROLETEST_H
#define TESTS_SUPPORT_ROLETEST_H

// Fixture of the role tests (rovan_skill_tests, recording action switch).
// The roles keep pointers to the world model, the switch, the skills, the
// tactic and the positions, so all of them are deleted together.
//
// A cycle is compared with what one skill call alone does: cycle() runs a
// call over fresh singletons in a scene and describes the switch calls it
// made, so
//
//     EXPECT_EQ(cycle(scene, forward(RT_ATTACKER_LEFT)), cycle(scene, walkToBall));
//
// says that the forward walks to the ball in that scene.

#include <functional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Actions/ActionSwitchMechanism.h"
#include "Roles/RoleDefender.h"
#include "Roles/RoleForward.h"
#include "Roles/RoleGoalie.h"
#include "Skills/GetWalkOmniType.h"
#include "Skills/Skills.h"
#include "Tactic/Tactic.h"
#include "WorldModel/FallDownRecognition.h"
#include "WorldModel/Position.h"
#include "WorldModel/WorldModel.h"
#include "support/RecordingActionSwitch.h"
#include "support/SkillScene.h"

// The answer of one cycle and the switch calls made for it.
struct Cycle
{
    std::string text;
    std::string calls;
    bool operator==(const Cycle& o) const { return text == o.text && calls == o.calls; }
};

inline void PrintTo(const Cycle& c, std::ostream* os) { *os << "\"" << c.text << "\" " << c.calls; }

// One row of a scene table: what the role does there.
struct RoleCase
{
    const char* what;
    std::function<void()> scene;
    std::function<std::string()> expected;
};

class RoleTest : public ::testing::Test
{
public:
    using Scene = std::function<void()>;
    using Call = std::function<std::string()>;


    static void reset()
    {
        RoleForward::deleteT();
        RoleDefender::deleteT();
        RoleGoalie::deleteT();
        Tactic::deleteT();
        Skills::deleteT();
        GetWalkOmniType::deleteT();
        Position::deleteT();
        ActionSwitchMechanism::deleteT();
        FallDownRecognition::deleteT();
        WorldModel::deleteT();
    }

    static WorldModel& wm() { return *WorldModel::instance(); }
    static Skills& skills() { return *Skills::instance(); }
    static Tactic& tactic() { return *Tactic::instance(); }

    // The orderings as a role refreshes them.
    static void sortLists()
    {
        Tactic& t = tactic();
        t.sortOurAllByDistToBall(t.ourAllDistToBall);
        t.sortOurAllByDistToMe(t.ourAllDistToMe);
        t.sortOppAllByDistToBall(t.oppAllDistToBall);
        t.sortOppAllByDistToMe(t.oppAllDistToMe);
        t.sortOurDefensiveByEquivalentDistToBall(t.ourDefensiveEquivalentDistToBall);
        t.sortOurForwardByEquivalentDistBall(t.ourForwardEquivalentDistToBall);
    }

    // One call over fresh singletons in a fresh scene, lists sorted first.
    static Cycle cycle(const Scene& scene, const Call& call)
    {
        reset();
        scene();
        sortLists();
        return next(call);
    }

    // Cycles over fresh singletons: scene i, then call i (or the one call);
    // the last cycle.
    static Cycle run(const std::vector<Scene>& scenes, const std::vector<Call>& calls)
    {
        reset();
        Cycle last;
        for (std::size_t i = 0; i < scenes.size(); ++i)
        {
            scenes[i]();
            sortLists();
            last = next(calls[i < calls.size() ? i : calls.size() - 1]);
        }
        return last;
    }

    // One more call on the singletons as they are.
    static Cycle next(const Call& call)
    {
        const std::size_t before = SwitchRecord::calls().size();
        Cycle c;
        c.text = call();
        c.calls = describe(SwitchRecord::calls(), before);
        return c;
    }

    static Call forward(RoleType rt) { return [rt] { return RoleForward::instance()->execute(rt); }; }
    static Call defender(RoleType rt) { return [rt] { return RoleDefender::instance()->execute(rt); }; }
    static Call goalie(RoleType rt) { return [rt] { return RoleGoalie::instance()->execute(rt); }; }

    // Skill calls as the roles make them: head on the ball, no slowing down.
    static std::string walkTo(const salt::Vector3f& p) { return skills().walkOmni(p, false, HEAD_FOCUS_ON_OBJECT, BALL); }
    static std::string walkToBall() { return skills().walkOmni(BALL, false, HEAD_FOCUS_ON_OBJECT, BALL); }
    static std::string waitForBall() { return skills().walkOmniWait(HEAD_FOCUS_ON_OBJECT, BALL); }
    static std::string action(ActionType a, HeadActionType head = HEAD_FOCUS_ON_OBJECT)
    {
        return ActionSwitchMechanism::instance()->doAction(a, head, BALL);
    }

    static salt::Vector3f at(float x, float y) { return salt::Vector3f(x, y, 0.0f); }
    // Kicking and dribbling toward the opponent goal centre.
    static std::string kickToGoal() { return skills().kickBall(at(15, 0)); }
    static std::string dribbleToGoal() { return skills().fastDribbleToPoint(at(15, 0)); }

    // Applies a scene and gives the own object the own position, localised
    // as the own pose was; then sets the side.
    static void apply(const SkillScene& scene, TeamSide side = TEAM_LEFT)
    {
        scene.apply();
        VisionSense& me = wm().mutableObjectVision(wm().getMyObject());
        me.globalPos = wm().getMyPos();
        me.timeLastSeen = me.timeLastLocalized;
        wm().setTeamSide(side);
    }

protected:
    void SetUp() override { reset(); }
    void TearDown() override { reset(); }

private:
    static std::string describe(const std::vector<SwitchCall>& calls, std::size_t from)
    {
        std::ostringstream os;
        os.precision(9);
        for (std::size_t i = from; i < calls.size(); ++i)
        {
            const SwitchCall& c = calls[i];
            switch (c.kind)
            {
            case SwitchCall::DO_ACTION: os << "do(" << c.action << "," << c.head << "," << c.obj << ")"; break;
            case SwitchCall::WALK_PARA:
                os << "walk(" << c.walk.walkType << "," << c.walk.relTheta << "," << c.walk.holdZthe << ","
                   << c.walk.moveZthe << "," << c.walk.maxSpeed << ")";
                break;
            case SwitchCall::LEFT_HOLD: os << "leftHold(" << c.leftHold << ")"; break;
            case SwitchCall::KICK_TYPE: os << "kickType(" << c.kickType << ")"; break;
            case SwitchCall::INIT_STATE: os << "initState"; break;
            }
        }
        return os.str();
    }
};

#endif
