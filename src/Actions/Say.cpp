#include "Actions/Say.h"

#include <algorithm>
#include <cmath>
#include <iostream>

#include "WorldModel/WorldModel.h"

namespace {

constexpr int kBase = SayCodeCount;
constexpr int kNegativeOffset = 44;
constexpr double kMaxCoordinate = kNegativeOffset - 1.0 / kBase;
constexpr double kMaxDistance = kBase - 1.0 / kBase;
constexpr double kMaxTime = double(kBase) * kBase - 1.0 / kBase;
constexpr double kTimeOffset = static_cast<double>(0.001f);
constexpr int kPositionForm = 0;
constexpr int kBallForm = 1;
// Own global confidence at most this (a float constant) and the ball seen
// now: send the ball form.
constexpr double kBallFormConfidence = static_cast<double>(9.94f);
// Below this own global confidence heard messages are not used.
constexpr double kMinListenConfidence = 9.7;

int clampCode(double value)
{
    return std::clamp(static_cast<int>(value), 0, kBase - 1);
}

bool isZeroTime(const int codes[3])
{
    return codes[0] == 0 && codes[1] == 0 && codes[2] == 0;
}

} // namespace

Object Say::speakerAt(double serverTime)
{
    if (!std::isfinite(serverTime)) return OBJECT_MAX;
    const double hundredths = std::trunc((serverTime + 0.001) * 100.0);
    double inRota = std::fmod(hundredths, 2.0 * SayRotaSlots);
    if (inRota < 0.0) inRota += 2.0 * SayRotaSlots;
    const Types& types = *Types::instance();
    auto it = types.mSayTimeToObjectMap.find(static_cast<int>(inRota) / 2);
    return it == types.mSayTimeToObjectMap.end() ? OBJECT_MAX : it->second;
}

std::string Say::mergeSayMsg()
{
    const WorldModel& wm = *WorldModel::instance();
    if (speakerAt(wm.getServerTime()) != wm.getMyObject()) return "";
    return "(say " + getSayMsgEncoded() + ")";
}

void Say::encodeNumber(double v, int& whole, int& frac)
{
    if (std::isnan(v)) v = 0.0;
    const double magnitude = std::min(std::fabs(v), kMaxCoordinate);
    whole = static_cast<int>(magnitude);
    frac = static_cast<int>((magnitude - whole) * kBase + 0.5);
    if (frac == kBase)
    {
        ++whole;
        frac = 0;
    }
    if (v < 0.0) whole += kNegativeOffset;
}

double Say::decodeNumber(int whole, int frac)
{
    const double fraction = static_cast<double>(frac) / kBase;
    const double value = whole < kNegativeOffset ? whole + fraction : -((whole - kNegativeOffset) + fraction);
    return static_cast<float>(value);
}

void Say::encodeDistance(double d, int& whole, int& frac)
{
    if (std::isnan(d)) d = 0.0;
    d = std::clamp(d, 0.0, kMaxDistance);
    whole = static_cast<int>(d);
    frac = clampCode((d - whole) * kBase);
}

double Say::decodeDistance(int whole, int frac)
{
    return whole + static_cast<double>(frac) / kBase;
}

void Say::encodeTime(double t, int codes[3])
{
    codes[0] = codes[1] = codes[2] = 0;
    if (!(t >= 0.0)) return;
    t = std::min(t + kTimeOffset, kMaxTime);
    codes[0] = clampCode(t / kBase);
    const double rest = t - double(kBase) * codes[0];
    codes[1] = clampCode(rest);
    codes[2] = clampCode((rest - codes[1]) * kBase);
}

double Say::decodeTime(const int codes[3])
{
    return double(kBase) * codes[0] + codes[1] + static_cast<double>(codes[2]) / kBase;
}

char Say::codeChar(int code)
{
    const TEncodingMap& table = Types::instance()->mEncodingMap;
    auto it = table.find(code);
    return it == table.end() ? table.at(0) : it->second;
}

void Say::putNumber(std::string& msg, std::size_t at, double v)
{
    int whole = 0, frac = 0;
    encodeNumber(v, whole, frac);
    msg[at] = codeChar(whole);
    msg[at + 1] = codeChar(frac);
}

void Say::putTime(std::string& msg, std::size_t at, double t)
{
    int codes[3];
    encodeTime(t, codes);
    for (int i = 0; i < 3; ++i) msg[at + i] = codeChar(codes[i]);
}

// The ball form carries only its 8 characters: the padding blanks would be
// cut by the server anyway, and a blank is no code.
std::string Say::getSayMsgEncoded()
{
    const WorldModel& wm = *WorldModel::instance();
    const Object me = wm.getMyObject();
    const bool ballForm = wm.getGlobalConfidence() <= kBallFormConfidence && wm.getLocalConfidence(BALL) == 10.0;
    std::string msg(ballForm ? kBallFormLength : kPositionFormLength, ' ');
    msg[0] = wm.getIsObjectFallDown(me) ? kFallenFlag : kStandingFlag;
    msg[1] = codeChar(me - BALL);
    if (ballForm)
    {
        msg[2] = codeChar(kBallForm);
        int whole = 0, frac = 0;
        encodeDistance(wm.objectVision(BALL).distance, whole, frac);
        msg[3] = codeChar(whole);
        msg[4] = codeChar(frac);
        putTime(msg, 5, wm.objectVision(BALL).timeLastSeen);
        return msg;
    }
    const salt::Vector3f myPos = wm.getMyPos();
    const salt::Vector3f ballPos = wm.getBallPos();
    msg[2] = codeChar(kPositionForm);
    putNumber(msg, 3, myPos.x());
    putNumber(msg, 5, myPos.y());
    putTime(msg, 7, wm.objectVision(me).timeLastLocalized);
    putNumber(msg, 10, ballPos.x());
    putNumber(msg, 12, ballPos.y());
    putTime(msg, 14, wm.objectVision(BALL).timeLastLocalized);
    return msg;
}

// Every character must be a code; the first kPositionFormLength are kept.
bool Say::decodeAll(const std::string& msg, int codes[kPositionFormLength])
{
    const TDecodingMap& table = Types::instance()->mDecodingMap;
    for (std::size_t i = 0; i < msg.size(); ++i)
    {
        auto it = table.find(msg[i]);
        if (it == table.end()) return false;
        if (i < kPositionFormLength) codes[i] = it->second;
    }
    return true;
}

void Say::getSayMsgDecoded()
{
    WorldModel& wm = *WorldModel::instance();
    const std::string& msg = wm.getCommunicationString();
    if (msg.empty() || (msg[0] != kStandingFlag && msg[0] != kFallenFlag)) return;
    if (wm.getGlobalConfidence() < kMinListenConfidence) return;
    int codes[kPositionFormLength] = {};
    if (msg.size() < 3 || !decodeAll(msg, codes)) return;
    const int unum = codes[1];
    const Object sender = static_cast<Object>(BALL + unum);
    if (unum < 1 || unum > 11 || sender == wm.getMyObject()) return;
    const int form = codes[2];
    if (form != kPositionForm && form != kBallForm)
    {
        std::cout << "Say::getSayDecoded Error\n";
        return;
    }
    if (msg.size() < (form == kPositionForm ? kPositionFormLength : kBallFormLength)) return;
    wm.setIsObjectFallDown(sender, msg[0] == kFallenFlag);
    if (form == kPositionForm) applyPositionForm(codes, sender);
    else applyBallForm(codes, sender);
}

void Say::applyPositionForm(const int codes[kPositionFormLength], Object sender)
{
    applyPosition(sender, codes[3], codes[4], codes[5], codes[6], codes + 7);
    applyPosition(BALL, codes[10], codes[11], codes[12], codes[13], codes + 14);
}

// Taken only when the heard fix is strictly fresher than the known one; an
// all-zero stamp means the speaker never had that position.
void Say::applyPosition(Object o, int whole1, int frac1, int whole2, int frac2, const int timeCodes[3])
{
    if (isZeroTime(timeCodes)) return;
    WorldModel& wm = *WorldModel::instance();
    const double stamp = decodeTime(timeCodes);
    if (10.0 - (wm.getServerTime() - stamp) <= wm.getGlobalConfidence(o)) return;
    VisionSense& vision = wm.mutableObjectVision(o);
    vision.globalPos = salt::Vector3f(static_cast<float>(decodeNumber(whole1, frac1)),
                                      static_cast<float>(decodeNumber(whole2, frac2)), 0.0f);
    vision.timeLastLocalized = stamp;
}

void Say::applyBallForm(const int codes[kPositionFormLength], Object sender)
{
    sayDistanceToBallInfo info;
    info.distance = decodeDistance(codes[3], codes[4]);
    info.seeTime = decodeTime(codes + 5);
    WorldModel::instance()->setSayDisanceToBallInfo(sender, info);
}
