#ifndef TESTS_SUPPORT_SHOOTOUTGOALIETEST_H
#define TESTS_SUPPORT_SHOOTOUTGOALIETEST_H

// Fixture of the shoot-out goalie tests (rovan_penalty_tests and
// rovan_keeper_tests): a cycle's command together with what it wrote on
// standard output.

#include <string>
#include <utility>
#include <vector>

#include "support/RoleTest.h"

class ShootoutGoalie : public RoleTest
{
public:
    static Call goalie1() { return goalie(RT_GOLIAR1); }
    static Call goalie2() { return goalie(RT_GOLIAR2); }
    static Call act(ActionType a) { return [a] { return action(a); }; }
    static Call home() { return [] { return walkTo(at(-14.5f, 0)); }; }
    static Call sideKickToGoal() { return [] { return skills().SideKick(at(15, 0)); }; }
    static Call step(std::string (Skills::*s)(double, HeadActionType, Object), double speed)
    {
        return [=] { return (skills().*s)(speed, HEAD_FOCUS_ON_OBJECT, BALL); };
    }

    static SkillScene g1(float x, float y, double heading = 0) { return SkillScene().unum(1).me(x, y, heading); }

    // One cycle from a fresh start and the lines it wrote.
    static std::pair<Cycle, std::string> written(const Scene& scene, const Call& call)
    {
        ::testing::internal::CaptureStdout();
        const Cycle c = cycle(scene, call);
        return {c, ::testing::internal::GetCapturedStdout()};
    }
    static std::pair<Cycle, std::string> written(const std::vector<Scene>& scenes, const Call& call)
    {
        ::testing::internal::CaptureStdout();
        const Cycle c = run(scenes, {call});
        return {c, ::testing::internal::GetCapturedStdout()};
    }

    // Ten cycles of a ball rolling from (-11, 0) toward the goal, 0.2 m a
    // cycle, with goalie 1 at (-14.5, 0) facing heading; the body-relative
    // ball bearing of the last cycle is set to bearing.
    static std::vector<Scene> rollingBall(double heading, double bearing, int cycleOffset = 0)
    {
        std::vector<Scene> scenes;
        for (int i = 0; i < 10; ++i)
        {
            const float x = -11.0f - 0.2f * static_cast<float>(i);
            const bool last = i == 9;
            scenes.push_back([=] {
                apply(g1(-14.5f, 0, heading).cycle(cycleOffset + i).ball(x, 0.1f));
                if (last) wm().mutableObjectVision(BALL).theta = bearing;
            });
        }
        return scenes;
    }
};

#endif
