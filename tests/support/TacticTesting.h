#ifndef TESTS_SUPPORT_TACTICTESTING_H
#define TESTS_SUPPORT_TACTICTESTING_H

#include <initializer_list>
#include <vector>

#include <gtest/gtest.h>

#include "Actions/ActionSwitchMechanism.h"
#include "Actions/HeadAction.h"
#include "Actions/Kick.h"
#include "Actions/PeriodicFade.h"
#include "Actions/Say.h"
#include "Actions/WalkOmni.h"
#include "Skills/Skills.h"
#include "Tactic/Tactic.h"
#include "WorldModel/WorldModel.h"
#include "support/TeamScene.h"

// A fresh tactic over a fresh world model in every test.
class TacticTest : public ::testing::Test
{
protected:
    void SetUp() override { reset(); }
    void TearDown() override { reset(); }
    static void reset()
    {
        Tactic::deleteT();
        Skills::deleteT();
        ActionSwitchMechanism::deleteT();
        HeadAction::deleteT();
        Say::deleteT();
        PeriodicFade::deleteT();
        WalkOmni::deleteT();
        Kick::deleteT();
        WorldModel::deleteT();
    }
    static Tactic& tactic() { return *Tactic::instance(); }
};

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

inline Object opponent(int num)
{
    return static_cast<Object>(OPPONENT_1 + num - 1);
}

#endif
