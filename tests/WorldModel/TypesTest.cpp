#include <cmath>

#include <gtest/gtest.h>

#include "WorldModel/Types.h"

struct JointNameCase
{
    JointID jid;
    const char* perceptor;
    const char* effector;
};

class JointNames : public ::testing::TestWithParam<JointNameCase> {};

TEST_P(JointNames, BothDirections)
{
    const Types& types = *Types::instance();
    JointID jid = JID_MAX;
    ASSERT_TRUE(types.findJointID(GetParam().perceptor, jid));
    EXPECT_EQ(jid, GetParam().jid);
    EXPECT_EQ(types.effectorName(GetParam().jid), GetParam().effector);
    EXPECT_EQ(types.mJointIDToStringMap.at(GetParam().jid), GetParam().effector);
}

INSTANTIATE_TEST_SUITE_P(Table, JointNames, ::testing::Values(
    JointNameCase{JID_HEAD_1, "hj1", "he1"}, JointNameCase{JID_HEAD_2, "hj2", "he2"},
    JointNameCase{JID_LLEG_1, "llj1", "lle1"}, JointNameCase{JID_RLEG_1, "rlj1", "rle1"},
    JointNameCase{JID_LLEG_2, "llj2", "lle2"}, JointNameCase{JID_RLEG_2, "rlj2", "rle2"},
    JointNameCase{JID_LLEG_3, "llj3", "lle3"}, JointNameCase{JID_RLEG_3, "rlj3", "rle3"},
    JointNameCase{JID_LLEG_4, "llj4", "lle4"}, JointNameCase{JID_RLEG_4, "rlj4", "rle4"},
    JointNameCase{JID_LLEG_5, "llj5", "lle5"}, JointNameCase{JID_RLEG_5, "rlj5", "rle5"},
    JointNameCase{JID_LLEG_6, "llj6", "lle6"}, JointNameCase{JID_RLEG_6, "rlj6", "rle6"},
    JointNameCase{JID_LARM_1, "laj1", "lae1"}, JointNameCase{JID_RARM_1, "raj1", "rae1"},
    JointNameCase{JID_LARM_2, "laj2", "lae2"}, JointNameCase{JID_RARM_2, "raj2", "rae2"},
    JointNameCase{JID_LARM_3, "laj3", "lae3"}, JointNameCase{JID_RARM_3, "raj3", "rae3"},
    JointNameCase{JID_LARM_4, "laj4", "lae4"}, JointNameCase{JID_RARM_4, "raj4", "rae4"}));

TEST(Types, TableSizesAndMisses)
{
    const Types& types = *Types::instance();
    EXPECT_EQ(types.mStringToJointIDMap.size(), 22u);
    EXPECT_EQ(types.mJointIDToStringMap.size(), 22u);
    EXPECT_EQ(types.mStringToObjectMap.size(), 31u);
    EXPECT_EQ(types.mPlayModeMap.size(), 21u);
    JointID jid = JID_HEAD_2;
    EXPECT_FALSE(types.findJointID("hj3", jid));
    EXPECT_FALSE(types.findJointID("", jid));
    EXPECT_EQ(jid, JID_HEAD_2);
    EXPECT_EQ(types.effectorName(JID_MAX), "");
    EXPECT_EQ(types.effectorName(JID_ROOT), "");
    Object obj = BALL;
    for (const char* name : {"TEAMMATE0", "TEAMMATE12", "TEAMMATE", "OPPONENT0", "OPPONENT12", "F3L", "b"})
        EXPECT_FALSE(types.findObject(name, obj)) << name;
    EXPECT_EQ(obj, BALL);
    EXPECT_EQ(types.mStringToObjectMap.size(), 31u) << "a lookup must not insert";
}

struct ObjectNameCase
{
    const char* name;
    Object obj;
};

class ObjectNames : public ::testing::TestWithParam<ObjectNameCase> {};

TEST_P(ObjectNames, Lookup)
{
    Object obj = OBJECT_MAX;
    ASSERT_TRUE(Types::instance()->findObject(GetParam().name, obj));
    EXPECT_EQ(obj, GetParam().obj);
}

INSTANTIATE_TEST_SUITE_P(Table, ObjectNames, ::testing::Values(
    ObjectNameCase{"F1L", FLAG_1L}, ObjectNameCase{"F1R", FLAG_1R}, ObjectNameCase{"F2L", FLAG_2L},
    ObjectNameCase{"F2R", FLAG_2R}, ObjectNameCase{"G1L", GOAL_1L}, ObjectNameCase{"G1R", GOAL_1R},
    ObjectNameCase{"G2L", GOAL_2L}, ObjectNameCase{"G2R", GOAL_2R}, ObjectNameCase{"B", BALL},
    ObjectNameCase{"TEAMMATE1", TEAMMATE_1}, ObjectNameCase{"TEAMMATE11", TEAMMATE_11},
    ObjectNameCase{"OPPONENT1", OPPONENT_1}, ObjectNameCase{"OPPONENT11", OPPONENT_11},
    ObjectNameCase{"TEAMMATE4", static_cast<Object>(12)}, ObjectNameCase{"OPPONENT4", static_cast<Object>(23)}));

struct PlayModeCase
{
    const char* text;
    PlayMode mode;
    int number;
};

class PlayModes : public ::testing::TestWithParam<PlayModeCase> {};

TEST_P(PlayModes, TextAndNumber)
{
    EXPECT_EQ(Types::instance()->findPlayMode(GetParam().text), GetParam().mode);
    EXPECT_EQ(static_cast<int>(GetParam().mode), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(Table, PlayModes, ::testing::Values(
    PlayModeCase{"BeforeKickOff", PM_BeforeKickOff, 0}, PlayModeCase{"KickOff_Left", PM_KickOff_Left, 1},
    PlayModeCase{"KickOff_Right", PM_KickOff_Right, 2}, PlayModeCase{"PlayOn", PM_PlayOn, 3},
    PlayModeCase{"free_kick_left", PM_FreeKick_Left, 4}, PlayModeCase{"free_kick_right", PM_FreeKick_Right, 5},
    PlayModeCase{"Goal_Left", PM_Goal_Left, 6}, PlayModeCase{"Goal_Right", PM_Goal_Right, 7},
    PlayModeCase{"KickIn_Left", PM_KickIn_Left, 8}, PlayModeCase{"KickIn_Right", PM_KickIn_Right, 9},
    PlayModeCase{"goal_kick_left", PM_Goal_Kick_Left, 10}, PlayModeCase{"goal_kick_right", PM_Goal_Kick_Right, 11},
    PlayModeCase{"corner_kick_right", PM_Corner_Kick_Right, 12},
    PlayModeCase{"corner_kick_left", PM_Corner_Kick_Left, 13},
    PlayModeCase{"offside_left", PM_Offside_Left, 14}, PlayModeCase{"offside_right", PM_Offside_Right, 15},
    PlayModeCase{"GameOver", PM_GameOver, 16},
    PlayModeCase{"direct_free_kick_left", PM_FreeKick_Left, 4},
    PlayModeCase{"direct_free_kick_right", PM_FreeKick_Right, 5},
    PlayModeCase{"pass_left", PM_PlayOn, 3}, PlayModeCase{"pass_right", PM_PlayOn, 3},
    // Unknown or miscased texts fall back to BeforeKickOff; nothing maps to PM_Unknown.
    PlayModeCase{"playon", PM_BeforeKickOff, 0}, PlayModeCase{"", PM_BeforeKickOff, 0}));

TEST(Types, UnknownPlayModeDoesNotInsert)
{
    const size_t before = Types::instance()->mPlayModeMap.size();
    Types::instance()->findPlayMode("Nonsense");
    EXPECT_EQ(Types::instance()->mPlayModeMap.size(), before);
    EXPECT_EQ(PM_Unknown, 17);
}

TEST(Types, EnumerationValues)
{
    EXPECT_EQ(JID_RARM_4, 21);
    EXPECT_EQ(JID_MAX, 22);
    EXPECT_EQ(JID_ROOT, 23);
    EXPECT_EQ(TEAMMATE_1, 9);
    EXPECT_EQ(OPPONENT_1, 20);
    EXPECT_EQ(OBJECT_MAX, 31);
    EXPECT_EQ(RT_ATTACKER_FROWARD, 11);
    EXPECT_EQ(WALK_OMNI, 19);
    EXPECT_EQ(WALK_SIDE_SHORT_R, 33);
    EXPECT_EQ(WAIT, 42);
    EXPECT_EQ(ACTION_MAX, 43);
    EXPECT_EQ(WALK_OMNI_FORWARD, 1);
    EXPECT_EQ(WALK_OMNI_WAIT, 8);
    EXPECT_EQ(FT_FRONT, 4);
    EXPECT_EQ(HEAD_SWING, 2);
    EXPECT_EQ(KICK_TYPE_3, 2);
    EXPECT_EQ(TEAM_RIGHT, 1);
}

TEST(Records, Defaults)
{
    const VisionSense vs;
    for (double field : {vs.distance, vs.theta, vs.phi, vs.distanceFromRightArm, vs.thetaFromRightArm,
                         vs.phiFromRightArm, vs.distanceFromLeftArm, vs.thetaFromLeftArm, vs.phiFromLeftArm,
                         vs.distanceFromRightFoot, vs.thetaFromRightFoot, vs.phiFromRightFoot,
                         vs.distanceFromLeftFoot, vs.thetaFromLeftFoot, vs.phiFromLeftFoot, vs.timeLastSeen,
                         vs.timeLastLocalized})
        EXPECT_EQ(field, -1000.0);
    EXPECT_EQ(vs.localPos, salt::Vector3f(-1000, -1000, -1000));
    EXPECT_EQ(vs.globalPos, salt::Vector3f(-1000, -1000, -1000));

    const FRPSense frp;
    EXPECT_EQ(frp.point, salt::Vector3f());
    EXPECT_EQ(frp.force, salt::Vector3f());

    const Kpid k0, k1(0.6);
    EXPECT_EQ(k0.Kp + k0.Ki + k0.Kd + k0.Tf, 0.0);
    EXPECT_EQ(k1.Kp, 0.6);
    EXPECT_EQ(k1.Ki + k1.Kd + k1.Tf, 0.0);

    const WalkOmniPara walk;
    EXPECT_EQ(walk.walkType, WALK_OMNI_FORWARD);
    EXPECT_DOUBLE_EQ(walk.relTheta, M_PI / 2);
    EXPECT_EQ(walk.holdZthe, 0.0);
    EXPECT_EQ(walk.moveZthe, 0.0);
    EXPECT_EQ(walk.maxSpeed, 1.0);

    const sayDistanceToBallInfo said;
    EXPECT_EQ(said.seeTime, -1000.0);
    EXPECT_EQ(said.distance, 1000.0);

    const Link link;
    EXPECT_EQ(link.name, "<unnamed>");
    EXPECT_EQ(link.eff_name, "<unnamed>");
    EXPECT_EQ(link.id, 0);
    EXPECT_EQ(link.twin, JID_MAX);
    EXPECT_EQ(link.sister, JID_MAX);
    EXPECT_EQ(link.child, JID_MAX);
    EXPECT_EQ(link.mother, JID_MAX);
    EXPECT_EQ(link.q + link.dq + link.ddq + link.m, 0.0f);
    for (const salt::Vector3f& v : {link.a, link.b, link.c, link.p, link.v, link.w}) EXPECT_EQ(v, salt::Vector3f());
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) EXPECT_EQ(link.R(r, c), r == c ? 1.0f : 0.0f);
}

TEST(Constants, Values)
{
    EXPECT_EQ(TeamName, "Kestro3D");
    EXPECT_EQ(NaoHeaght, 0.57);
    EXPECT_EQ(FieldLength, 30.0);
    EXPECT_EQ(FieldWidth, 20.0);
    EXPECT_EQ(FlagHeight, 0.0);
    EXPECT_EQ(GoalWidth, 2.1);
    EXPECT_EQ(GoalHeight, 0.8);
}
