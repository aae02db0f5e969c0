#ifndef TYPES_H
#define TYPES_H

// Constants, enumerations, plain records and the name tables shared by the
// whole player.

#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "salt/matrix.h"
#include "salt/vector.h"
#include "WorldModel/Singleton.h"

inline const std::string TeamName = "Kestro3D";
constexpr double NaoHeaght = 0.57;
constexpr double FieldLength = 30.0;
constexpr double FieldWidth = 20.0;
constexpr double FlagHeight = 0.0;
constexpr double GoalWidth = 2.1;
constexpr double GoalHeight = 0.8;
// Centre of the opponent goal line, in the own side's frame.
inline const salt::Vector3f OppGoalCentre(static_cast<float>(FieldLength / 2), 0.0f, 0.0f);
// Team-message alphabet size and speaking-rota length.
constexpr int SayCodeCount = 89;
constexpr int SayRotaSlots = 22;

enum JointID
{
    JID_HEAD_1 = 0, JID_HEAD_2,
    JID_LLEG_1, JID_RLEG_1, JID_LLEG_2, JID_RLEG_2, JID_LLEG_3, JID_RLEG_3,
    JID_LLEG_4, JID_RLEG_4, JID_LLEG_5, JID_RLEG_5, JID_LLEG_6, JID_RLEG_6,
    JID_LARM_1, JID_RARM_1, JID_LARM_2, JID_RARM_2, JID_LARM_3, JID_RARM_3,
    JID_LARM_4, JID_RARM_4,
    JID_MAX, JID_ROOT
};

enum Object
{
    FLAG_1L = 0, FLAG_1R, FLAG_2L, FLAG_2R, GOAL_1L, GOAL_1R, GOAL_2L, GOAL_2R,
    BALL,
    TEAMMATE_1, TEAMMATE_2, TEAMMATE_3, TEAMMATE_4, TEAMMATE_5, TEAMMATE_6,
    TEAMMATE_7, TEAMMATE_8, TEAMMATE_9, TEAMMATE_10, TEAMMATE_11,
    OPPONENT_1, OPPONENT_2, OPPONENT_3, OPPONENT_4, OPPONENT_5, OPPONENT_6,
    OPPONENT_7, OPPONENT_8, OPPONENT_9, OPPONENT_10, OPPONENT_11,
    OBJECT_MAX
};

enum PlayMode
{
    PM_BeforeKickOff = 0, PM_KickOff_Left, PM_KickOff_Right, PM_PlayOn,
    PM_FreeKick_Left, PM_FreeKick_Right, PM_Goal_Left, PM_Goal_Right,
    PM_KickIn_Left, PM_KickIn_Right, PM_Goal_Kick_Left, PM_Goal_Kick_Right,
    PM_Corner_Kick_Right, PM_Corner_Kick_Left, PM_Offside_Left, PM_Offside_Right,
    PM_GameOver, PM_Unknown
};

enum TeamSide { TEAM_LEFT = 0, TEAM_RIGHT };

enum RoleType
{
    RT_NONE = 0, RT_GOLIAR1, RT_GOLIAR2, RT_DEFENDRE_LEFT, RT_DEFENDER_RIGHT,
    RT_MIDDLE_LEFT, RT_MIDDLE_RIGHT, RT_ATTACKER_LEFT, RT_ATTACKER_MIDDLE,
    RT_ATTACKER_RIGHT, RT_ATTACKER_FRONT, RT_ATTACKER_FROWARD
};

enum ActionType
{
    UNKNOWN = 0, DIVE_FRONT, DIVE_BACK, DIVE_HAND_L, DIVE_HAND_R, DIVE_LEG_L,
    DIVE_LEG_R, DEFEND_GOAL_L, DEFEND_GOAL_R, GET_UP_FRONT, GET_UP_BACK,
    TURN_L, TURN_R, FAST_TURN_L, FAST_TURN_R, SLOW_TURN_L, SLOW_TURN_R,
    LARGE_TURN_L, LARGE_TURN_R, WALK_OMNI, WALK_FAST, WALK_FORWARD,
    MINI_WALK_FORWARD, WALK_BACKWARD, WALK_LEFT, WALK_FAST_LEFT, WALK_SLOW_LEFT,
    WALK_RIGHT, WALK_FAST_RIGHT, WALK_SLOW_RIGHT, WALK_AROUND_BALL_L,
    WALK_AROUND_BALL_R, WALK_SIDE_SHORT_L, WALK_SIDE_SHORT_R, KICK, KICKLEFT90,
    KICKRIGHT90, KICKLEFT45, KICKRIGHT45, KICK_L, KICK_R, STEP, WAIT, ACTION_MAX
};

enum HeadActionType { HEAD_FOCUS_ON_OBJECT = 0, HEAD_SWING_AROUND_OBJECT, HEAD_SWING };

enum KickType { KICK_TYPE_1 = 0, KICK_TYPE_2, KICK_TYPE_3 };

enum WalkOmniType
{
    WALK_OMNI_FORWARD = 1, WALK_OMNI_BACKWARD, WALK_OMNI_INCLINE, WALK_OMNI_TURN_L,
    WALK_OMNI_TURN_R, WALK_OMNI_LEFT, WALK_OMNI_RIGHT, WALK_OMNI_WAIT
};

enum FeltType { FT_NONE = 0, FT_BACK, FT_LEFT, FT_RIGHT, FT_FRONT };

// What is known of one object; -1000 marks a value never measured.
struct VisionSense
{
    double distance = -1000, theta = -1000, phi = -1000;
    double distanceFromRightArm = -1000, thetaFromRightArm = -1000, phiFromRightArm = -1000;
    double distanceFromLeftArm = -1000, thetaFromLeftArm = -1000, phiFromLeftArm = -1000;
    double distanceFromRightFoot = -1000, thetaFromRightFoot = -1000, phiFromRightFoot = -1000;
    double distanceFromLeftFoot = -1000, thetaFromLeftFoot = -1000, phiFromLeftFoot = -1000;
    double timeLastSeen = -1000;
    double timeLastLocalized = -1000;
    salt::Vector3f localPos{-1000, -1000, -1000};
    salt::Vector3f globalPos{-1000, -1000, -1000};
};

// One foot-force reading: centre of pressure and force vector.
struct FRPSense
{
    salt::Vector3f point;
    salt::Vector3f force;
};

struct Kpid
{
    double Kp = 0, Ki = 0, Kd = 0, Tf = 0;
    Kpid() = default;
    explicit Kpid(double p) : Kp(p) {}
};

// A walk request; relTheta in radians in the walk frame (pi/2 straight ahead).
struct WalkOmniPara
{
    WalkOmniType walkType = WALK_OMNI_FORWARD;
    double relTheta = 1.5707963267948966;
    double holdZthe = 0;
    double moveZthe = 0;
    double maxSpeed = 1.0;
};

struct sayDistanceToBallInfo
{
    double seeTime = -1000;
    double distance = 1000;
};

// One link of the kinematic chain.
struct Link
{
    std::string name = "<unnamed>";
    std::string eff_name = "<unnamed>";
    int id = 0;
    JointID twin = JID_MAX, sister = JID_MAX, child = JID_MAX, mother = JID_MAX;
    salt::Vector3f a, b, c;
    float q = 0, dq = 0, ddq = 0, m = 0;
    salt::Vector3f p;
    salt::Matrix R;
    salt::Vector3f v, w;
};

typedef std::map<JointID, double> TJointIDToAngleMap;
typedef std::map<Object, VisionSense> TObjectToVisionMap;
typedef std::map<Object, bool> TIsFallDownMap;
typedef std::map<Object, salt::Vector3f> TObjectToBeamPosMap;
typedef std::map<std::string, JointID, std::less<>> TStringToJointIDMap;
typedef std::map<JointID, std::string> TJointIDToStringMap;
typedef std::map<std::string, PlayMode, std::less<>> TStateIDMap;
typedef std::map<std::string, Object, std::less<>> TStringToObjectMap;
typedef std::map<int, char> TEncodingMap;
typedef std::map<char, int> TDecodingMap;
typedef std::map<int, Object> TSayTimeToObjectMap;

// The name tables between the server's words and the enumerations. Lookups
// go through the find helpers, which never insert into a table.
class Types : public Singleton<Types>
{
public:
    Types();

    void setupStringToJointIDMap();
    void setupJointIDToStringMap();
    void setupStringToObjectMap();
    void setupStringToPlayModeMap();
    // Team-message alphabet: codes 0..88 on printable ASCII without blank,
    // quotes, parentheses and backslash; the decoding map is its inverse.
    void setupEncodingMap();
    void setupDecodingMap();
    // Speaking rota: slots 2k and 2k + 1 belong to TEAMMATE_(k+1).
    void setupSayTimeToObjectMap();

    // Joint from its perceptor name ("hj1" .. "raj4").
    bool findJointID(std::string_view perceptor, JointID& jid) const;
    // Effector name ("he1" .. "rae4") of a joint 0..21; "" for any other value.
    const std::string& effectorName(JointID jid) const;
    // Play mode of a server text; an unknown text is PM_BeforeKickOff.
    PlayMode findPlayMode(std::string_view text) const;
    bool findObject(std::string_view name, Object& obj) const;

    TStringToJointIDMap mStringToJointIDMap;
    TJointIDToStringMap mJointIDToStringMap;
    TStateIDMap mPlayModeMap;
    TStringToObjectMap mStringToObjectMap;
    TEncodingMap mEncodingMap;
    TDecodingMap mDecodingMap;
    TSayTimeToObjectMap mSayTimeToObjectMap;

private:
    std::string mEffectorNames[JID_MAX];
};

#endif
