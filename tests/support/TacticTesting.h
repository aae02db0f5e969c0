#ifndef TESTS_SUPPORT_TACTICTESTING_H
#define TESTS_SUPPORT_TACTICTESTING_H

// Fixture of the tactic tests (in rovan_skill_tests, against the recording
// switch): the tactic keeps pointers to the world model, the switch and the
// skills, so it is deleted together with them.

#include <initializer_list>
#include <vector>

#include "Tactic/Tactic.h"
#include "support/SkillScene.h"
#include "support/SkillTest.h"

class TacticTest : public SkillTest
{
protected:
    void SetUp() override { reset(); }
    void TearDown() override { reset(); }
    static void reset()
    {
        Tactic::deleteT();
        deleteSkillSingletons();
    }
    static Tactic& tactic() { return *Tactic::instance(); }
    static WorldModel& wm() { return *WorldModel::instance(); }
};

// The given entries, then OBJECT_MAX up to size.
inline std::vector<Object> objects(std::initializer_list<Object> head, std::size_t size)
{
    std::vector<Object> list(head);
    list.resize(size, OBJECT_MAX);
    return list;
}

inline Object teammate(int num)
{
    return static_cast<Object>(TEAMMATE_1 + num - 1);
}

#endif
