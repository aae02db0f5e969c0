#ifndef SAY_H
#define SAY_H

#include <cstddef>
#include <string>

#include "WorldModel/Singleton.h"
#include "WorldModel/Types.h"

// Team messages over the say channel. One player speaks per cycle, by a rota
// of 22 slots derived from the server time. A message is 17 characters in
// the position form (own and ball position with their fix times) or 8 in the
// ball form (distance to the ball and when it was seen); every character but
// the leading fall flag is a code of the Types alphabet.
class Say : public Singleton<Say>
{
public:
    static constexpr std::size_t kPositionFormLength = 17;
    static constexpr std::size_t kBallFormLength = 8;
    static constexpr char kFallenFlag = '~';
    static constexpr char kStandingFlag = '|';

    // "(say MESSAGE)" when this player owns the current rota slot, else "".
    std::string mergeSayMsg();
    // This player's message for the current cycle.
    std::string getSayMsgEncoded();
    // Applies the last heard message to the world model; anything not in
    // this team's format is ignored whole.
    void getSayMsgDecoded();

    // The teammate whose rota slot covers this server time.
    static Object speakerAt(double serverTime);

    // Codes, base 89. A coordinate: whole metres (44 and above for negative
    // values) and rounded 89ths; |v| is clamped to the largest value that
    // fits, 44 - 1/89.
    static void encodeNumber(double v, int& whole, int& frac);
    static double decodeNumber(int whole, int frac);
    // A distance: whole metres and truncated 89ths, clamped to 0 .. 89 - 1/89.
    static void encodeDistance(double d, int& whole, int& frac);
    static double decodeDistance(int whole, int frac);
    // A time: 89^2 s, s and 89ths of a second, truncated after adding 0.001;
    // a negative time (never measured) is all zero codes.
    static void encodeTime(double t, int codes[3]);
    static double decodeTime(const int codes[3]);

private:
    static char codeChar(int code);
    static void putNumber(std::string& msg, std::size_t at, double v);
    static void putTime(std::string& msg, std::size_t at, double t);
    static bool decodeAll(const std::string& msg, int codes[kPositionFormLength]);
    static void applyPositionForm(const int codes[kPositionFormLength], Object sender);
    static void applyBallForm(const int codes[kPositionFormLength], Object sender);
    static void applyPosition(Object o, int whole1, int frac1, int whole2, int frac2, const int timeCodes[3]);
};

#endif
