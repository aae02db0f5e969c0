#include "WorldModel/Types.h"

namespace {

struct JointNames
{
    const char* perceptor;
    const char* effector;
};

// Indexed by JointID.
const JointNames kJointNames[JID_MAX] = {
    {"hj1", "he1"},   {"hj2", "he2"},
    {"llj1", "lle1"}, {"rlj1", "rle1"}, {"llj2", "lle2"}, {"rlj2", "rle2"},
    {"llj3", "lle3"}, {"rlj3", "rle3"}, {"llj4", "lle4"}, {"rlj4", "rle4"},
    {"llj5", "lle5"}, {"rlj5", "rle5"}, {"llj6", "lle6"}, {"rlj6", "rle6"},
    {"laj1", "lae1"}, {"raj1", "rae1"}, {"laj2", "lae2"}, {"raj2", "rae2"},
    {"laj3", "lae3"}, {"raj3", "rae3"}, {"laj4", "lae4"}, {"raj4", "rae4"},
};

struct PlayModeName
{
    const char* text;
    PlayMode mode;
};

const PlayModeName kPlayModeNames[] = {
    {"BeforeKickOff", PM_BeforeKickOff},
    {"KickOff_Left", PM_KickOff_Left},
    {"KickOff_Right", PM_KickOff_Right},
    {"PlayOn", PM_PlayOn},
    {"KickIn_Left", PM_KickIn_Left},
    {"KickIn_Right", PM_KickIn_Right},
    {"free_kick_left", PM_FreeKick_Left},
    {"free_kick_right", PM_FreeKick_Right},
    {"goal_kick_left", PM_Goal_Kick_Left},
    {"goal_kick_right", PM_Goal_Kick_Right},
    {"corner_kick_right", PM_Corner_Kick_Right},
    {"corner_kick_left", PM_Corner_Kick_Left},
    {"Goal_Left", PM_Goal_Left},
    {"Goal_Right", PM_Goal_Right},
    {"offside_left", PM_Offside_Left},
    {"offside_right", PM_Offside_Right},
    {"GameOver", PM_GameOver},
    // Further texts of the server we play on.
    {"direct_free_kick_left", PM_FreeKick_Left},
    {"direct_free_kick_right", PM_FreeKick_Right},
    {"pass_left", PM_PlayOn},
    {"pass_right", PM_PlayOn},
};

const std::string kNoName;

// The byte of a team-message code: the printable ASCII range 0x21..0x7E less
// the double quote, the apostrophe, the parentheses and the backslash.
char sayCodeChar(int code)
{
    if (code == 0) return '!';
    if (code <= 4) return static_cast<char>(0x23 + code - 1);
    if (code <= 54) return static_cast<char>(0x2A + code - 5);
    return static_cast<char>(0x5D + code - 55);
}

} // namespace

Types::Types()
{
    setupStringToJointIDMap();
    setupJointIDToStringMap();
    setupStringToObjectMap();
    setupStringToPlayModeMap();
    setupEncodingMap();
    setupDecodingMap();
    setupSayTimeToObjectMap();
}

void Types::setupStringToJointIDMap()
{
    mStringToJointIDMap.clear();
    for (int j = 0; j < JID_MAX; ++j)
        mStringToJointIDMap.emplace(kJointNames[j].perceptor, static_cast<JointID>(j));
}

void Types::setupJointIDToStringMap()
{
    mJointIDToStringMap.clear();
    for (int j = 0; j < JID_MAX; ++j)
    {
        mEffectorNames[j] = kJointNames[j].effector;
        mJointIDToStringMap.emplace(static_cast<JointID>(j), mEffectorNames[j]);
    }
}

void Types::setupStringToObjectMap()
{
    static const char* const landmarks[] = {"F1L", "F1R", "F2L", "F2R", "G1L", "G1R", "G2L", "G2R", "B"};
    mStringToObjectMap.clear();
    for (int o = FLAG_1L; o <= BALL; ++o)
        mStringToObjectMap.emplace(landmarks[o], static_cast<Object>(o));
    for (int n = 1; n <= 11; ++n)
    {
        mStringToObjectMap.emplace("TEAMMATE" + std::to_string(n), static_cast<Object>(TEAMMATE_1 + n - 1));
        mStringToObjectMap.emplace("OPPONENT" + std::to_string(n), static_cast<Object>(OPPONENT_1 + n - 1));
    }
}

void Types::setupStringToPlayModeMap()
{
    mPlayModeMap.clear();
    for (const PlayModeName& p : kPlayModeNames) mPlayModeMap.emplace(p.text, p.mode);
}

void Types::setupEncodingMap()
{
    mEncodingMap.clear();
    for (int code = 0; code < SayCodeCount; ++code) mEncodingMap.emplace(code, sayCodeChar(code));
}

void Types::setupDecodingMap()
{
    mDecodingMap.clear();
    for (int code = 0; code < SayCodeCount; ++code) mDecodingMap.emplace(sayCodeChar(code), code);
}

void Types::setupSayTimeToObjectMap()
{
    mSayTimeToObjectMap.clear();
    for (int slot = 0; slot < SayRotaSlots; ++slot)
        mSayTimeToObjectMap.emplace(slot, static_cast<Object>(TEAMMATE_1 + slot / 2));
}

bool Types::findJointID(std::string_view perceptor, JointID& jid) const
{
    auto it = mStringToJointIDMap.find(perceptor);
    if (it == mStringToJointIDMap.end()) return false;
    jid = it->second;
    return true;
}

const std::string& Types::effectorName(JointID jid) const
{
    if (jid < 0 || jid >= JID_MAX) return kNoName;
    return mEffectorNames[jid];
}

PlayMode Types::findPlayMode(std::string_view text) const
{
    auto it = mPlayModeMap.find(text);
    return it == mPlayModeMap.end() ? PM_BeforeKickOff : it->second;
}

bool Types::findObject(std::string_view name, Object& obj) const
{
    auto it = mStringToObjectMap.find(name);
    if (it == mStringToObjectMap.end()) return false;
    obj = it->second;
    return true;
}
