#include <gtest/gtest.h>

#include "WorldModel/Types.h"

namespace {

bool isForbiddenSayByte(unsigned char c)
{
    return c <= 0x20 || c >= 0x7F || c == '"' || c == '\'' || c == '(' || c == ')' || c == '\\';
}

} // namespace

TEST(SayAlphabet, EightyNineCodesOnPrintableAsciiInByteOrder)
{
    const Types& types = *Types::instance();
    ASSERT_EQ(types.mEncodingMap.size(), 89u);
    int previous = -1;
    for (int code = 0; code < 89; ++code)
    {
        const unsigned char c = static_cast<unsigned char>(types.mEncodingMap.at(code));
        EXPECT_FALSE(isForbiddenSayByte(c)) << "code " << code;
        EXPECT_GT(c, previous) << "code " << code;
        previous = c;
    }
}

TEST(SayAlphabet, RangeEnds)
{
    const TEncodingMap& table = Types::instance()->mEncodingMap;
    const std::pair<int, char> ends[] = {{0, '!'}, {1, '#'}, {4, '&'}, {5, '*'},
                                         {54, '['}, {55, ']'}, {88, '~'}};
    for (const auto& [code, c] : ends) EXPECT_EQ(table.at(code), c) << "code " << code;
    EXPECT_EQ(table.count(89), 0u);
    EXPECT_EQ(table.count(-1), 0u);
}

TEST(SayAlphabet, DecodingIsTheExactInverse)
{
    const Types& types = *Types::instance();
    ASSERT_EQ(types.mDecodingMap.size(), 89u);
    for (const auto& [code, c] : types.mEncodingMap) EXPECT_EQ(types.mDecodingMap.at(c), code);
    for (char c : {' ', '"', '\'', '(', ')', '\\', '\x7F', '\x80', '\x8A'})
        EXPECT_EQ(types.mDecodingMap.count(c), 0u) << static_cast<int>(static_cast<unsigned char>(c));
}

TEST(SayRota, TwoSlotsPerTeammate)
{
    const TSayTimeToObjectMap& rota = Types::instance()->mSayTimeToObjectMap;
    ASSERT_EQ(rota.size(), 22u);
    for (int k = 0; k < 11; ++k)
    {
        EXPECT_EQ(rota.at(2 * k), TEAMMATE_1 + k);
        EXPECT_EQ(rota.at(2 * k + 1), TEAMMATE_1 + k);
    }
}
