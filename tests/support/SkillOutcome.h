#ifndef TESTS_SUPPORT_SKILLOUTCOME_H
#define TESTS_SUPPORT_SKILLOUTCOME_H

// What one skill call asked of the recording switch: the motion, and for a
// walk the request handed over just before it. Ball skills always pass
// HEAD_FOCUS_ON_OBJECT and BALL. Also a scene with the ball at an exact
// body-relative position.

#include <cmath>
#include <cstddef>
#include <ostream>
#include <vector>

#include <gtest/gtest.h>

#include "support/RecordingActionSwitch.h"
#include "support/SkillScene.h"

struct Outcome
{
    ActionType action = UNKNOWN;
    WalkOmniType walk = WALK_OMNI_FORWARD;  // for WALK_OMNI
    double speed = -1.0;                    // for WALK_OMNI; below 0: not checked
    double tolerance = 1e-12;
};

inline Outcome walkOut(WalkOmniType type, double speed, double tolerance = 1e-12)
{
    return {WALK_OMNI, type, speed, tolerance};
}
inline Outcome motionOut(ActionType type) { return {type, WALK_OMNI_FORWARD, -1.0, 0.0}; }

inline std::ostream& operator<<(std::ostream& os, const Outcome& o)
{
    return os << "action " << o.action << " walk " << o.walk << " speed " << o.speed;
}

// The switch calls made since the record held `from` calls.
inline std::vector<SwitchCall> callsSince(std::size_t from)
{
    const std::vector<SwitchCall>& all = SwitchRecord::calls();
    return std::vector<SwitchCall>(all.begin() + static_cast<long>(from), all.end());
}

// Exactly one doAction since `from`, as wanted; a walk's request just before it.
inline void expectOutcome(std::size_t from, const Outcome& want)
{
    const std::vector<SwitchCall> calls = callsSince(from);
    ASSERT_FALSE(calls.empty());
    const SwitchCall& last = calls.back();
    ASSERT_EQ(last.kind, SwitchCall::DO_ACTION);
    EXPECT_EQ(last.action, want.action);
    EXPECT_EQ(last.head, HEAD_FOCUS_ON_OBJECT);
    EXPECT_EQ(last.obj, BALL);
    int actions = 0;
    for (const SwitchCall& c : calls) actions += c.kind == SwitchCall::DO_ACTION;
    EXPECT_EQ(actions, 1);
    if (want.action != WALK_OMNI) return;
    ASSERT_GE(calls.size(), 2u);
    const SwitchCall& para = calls[calls.size() - 2];
    ASSERT_EQ(para.kind, SwitchCall::WALK_PARA);
    EXPECT_EQ(para.walk.walkType, want.walk);
    if (want.speed >= 0) { EXPECT_NEAR(para.walk.maxSpeed, want.speed, want.tolerance); }
}

// One float step above and below a value.
inline float above(float v) { return std::nextafter(v, 1.0f); }
inline float below(float v) { return std::nextafter(v, -1.0f); }

// Robot at the centre (heading in degrees), ball at body-relative (x, y).
inline void sceneWithBall(float x, float y, double heading = 0.0)
{
    SkillScene().me(0, 0, heading).apply();
    ASSERT_TRUE(SkillScene::ballAt(x, y)) << x << ", " << y;
}

#endif
