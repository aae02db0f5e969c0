#ifndef TESTS_SUPPORT_SKILLTEST_H
#define TESTS_SUPPORT_SKILLTEST_H

// Fixture of the skill tests: every singleton a skill reaches is deleted
// before and after each test, all together. Skills and GetWalkOmniType keep
// the WorldModel (and switch) pointers they took at construction, so
// deleting the WorldModel alone would leave them dangling;
// FallDownRecognition keeps its six-cycle history; deleting the recording
// switch clears its record.

#include <gtest/gtest.h>

#include "Actions/ActionSwitchMechanism.h"
#include "Skills/GetWalkOmniType.h"
#include "Skills/Skills.h"
#include "WorldModel/FallDownRecognition.h"
#include "WorldModel/WorldModel.h"

class SkillTest : public ::testing::Test
{
protected:
    void SetUp() override { deleteSkillSingletons(); }
    void TearDown() override { deleteSkillSingletons(); }

    static void deleteSkillSingletons()
    {
        Skills::deleteT();
        GetWalkOmniType::deleteT();
        ActionSwitchMechanism::deleteT();
        FallDownRecognition::deleteT();
        WorldModel::deleteT();
    }
};

#endif
