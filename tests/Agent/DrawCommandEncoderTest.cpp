#include <cfloat>
#include <cmath>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "Agent/DrawCommandEncoder.h"

using namespace std::string_literals;
using Buffer = DrawCommandEncoder::Buffer;

namespace {

std::string bytes(const Buffer& buf)
{
    return std::string(buf.begin(), buf.end());
}

std::string repeat(const std::string& s, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

const float kNaN = std::nanf("");
const float kZeros[3 * 255] = {};

struct LayoutCase
{
    const char* name;
    std::function<Buffer()> build;
    std::string expected;
    std::size_t length; // from the command's length rule
};

class CommandLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(CommandLayout, Bytes)
{
    const LayoutCase& c = GetParam();
    const Buffer buf = c.build();
    EXPECT_EQ(bytes(buf), c.expected);
    EXPECT_EQ(buf.size(), c.length);
}

const LayoutCase kLayouts[] = {
    {"SwapAnimated", [] { return DrawCommandEncoder::newBufferSwap("animated"); }, "\0\0animated\0"s, 3 + 8},
    {"SwapUnnamed", [] { return DrawCommandEncoder::newBufferSwap(""); }, "\0\0\0"s, 3},
    {"Circle", [] { return DrawCommandEncoder::newCircle({1, -2}, 2, 0.5f, {1, 0.5f, 0}, "c"); },
     "\x01\x00" "1.0000" "-2.000" "2.0000" "0.5000" "\xff\x7f\x00" "c\0"s, 30 + 1},
    {"Line", [] { return DrawCommandEncoder::newLine({0, 0, 0}, {-14.5f, 10, 0.25f}, 2, {1, 1, 0}, "animated.1"); },
     "\x01\x01" "0.0000" "0.0000" "0.0000" "-14.50" "10.000" "0.2500" "2.0000" "\xff\xff\x00" "animated.1\0"s,
     48 + 10},
    {"Point", [] { return DrawCommandEncoder::newPoint({3, 4, 0.1f}, 4, {0, 0.6f, 1}, "animated.points"); },
     "\x01\x02" "3.0000" "4.0000" "0.1000" "4.0000" "\x00\x99\xff" "animated.points\0"s, 30 + 15},
    {"Sphere", [] { return DrawCommandEncoder::newSphere({15, 0, 0.8f}, 0.2f, {1, 0, 0}, "static.spheres"); },
     "\x01\x03" "15.000" "0.0000" "0.8000" "0.2000" "\xff\x00\x00" "static.spheres\0"s, 30 + 14},
    {"Polygon",
     [] {
         const float v[] = {1, 0, 0, 0, 1, 0};
         return DrawCommandEncoder::newPolygon(v, 2, {1, 1, 1, 0.5f}, "p");
     },
     "\x01\x04" "\x02" "\xff\xff\xff\x7f" "1.0000" "0.0000" "0.0000" "0.0000" "1.0000" "0.0000" "p\0"s,
     8 + 18 * 2 + 1},
    {"PolygonOf255", [] { return DrawCommandEncoder::newPolygon(kZeros, 255, {0, 0, 0, 1}, ""); },
     "\x01\x04" "\xff" "\x00\x00\x00\xff"s + repeat("0.0000", 3 * 255) + "\0"s, 8 + 18 * 255},
    {"Annotation",
     [] { return DrawCommandEncoder::newAnnotation("12.5", {0, 0, 1.5f}, {1, 1, 1}, "animated.annotation"); },
     "\x02\x00" "0.0000" "0.0000" "1.5000" "\xff\xff\xff" "12.5\0" "animated.annotation\0"s, 25 + 4 + 19},
    {"AnnotationTextCutAtZeroByte",
     [] { return DrawCommandEncoder::newAnnotation("ab\0cd"s, {0, 0, 0}, {0, 0, 0}, "s"); },
     "\x02\x00" "0.0000" "0.0000" "0.0000" "\x00\x00\x00" "ab\0" "s\0"s, 25 + 2 + 1},
    {"AgentLeft1", [] { return DrawCommandEncoder::newAgentAnnotation("hi", true, 1, {1, 0, 0}); },
     "\x02\x01\x00" "\xff\x00\x00" "hi\0"s, 7 + 2},
    {"AgentRight1", [] { return DrawCommandEncoder::newAgentAnnotation("hi", false, 1, {1, 0, 0}); },
     "\x02\x01\x80" "\xff\x00\x00" "hi\0"s, 7 + 2},
    {"AgentLeft11Removed", [] { return DrawCommandEncoder::newAgentAnnotation(true, 11); }, "\x02\x02\x0a"s, 3},
    {"AgentRight11Removed", [] { return DrawCommandEncoder::newAgentAnnotation(false, 11); }, "\x02\x02\x8a"s, 3},
    {"ColourClamped", [] { return DrawCommandEncoder::newPoint({0, 0, 0}, 1, {1.5f, -0.25f, kNaN}, "c"); },
     "\x01\x02" "0.0000" "0.0000" "0.0000" "1.0000" "\xff\x00\x00" "c\0"s, 30 + 1},
};

INSTANTIATE_TEST_SUITE_P(Commands, CommandLayout, ::testing::ValuesIn(kLayouts),
                         [](const auto& info) { return std::string(info.param.name); });

struct RefusedCase
{
    const char* name;
    std::function<Buffer()> build;
};

class RefusedCommand : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedCommand, GivesEmptyBuffer)
{
    EXPECT_TRUE(GetParam().build().empty());
}

const RefusedCase kRefused[] = {
    {"PolygonOf256",
     [] {
         static const float v[3 * 256] = {};
         return DrawCommandEncoder::newPolygon(v, 256, {1, 1, 1, 1}, "p");
     }},
    {"PolygonNegativeCount", [] { return DrawCommandEncoder::newPolygon(kZeros, -1, {1, 1, 1, 1}, "p"); }},
    {"PolygonWithoutVertices", [] { return DrawCommandEncoder::newPolygon(nullptr, 3, {1, 1, 1, 1}, "p"); }},
    {"PolygonNaNVertex",
     [] {
         const float v[] = {0, 0, 0, 1, kNaN, 0};
         return DrawCommandEncoder::newPolygon(v, 2, {1, 1, 1, 1}, "p");
     }},
    {"LineInfiniteEnd",
     [] { return DrawCommandEncoder::newLine({0, 0, 0}, {INFINITY, 0, 0}, 1, {1, 1, 1}, "l"); }},
    {"CircleNaNRadius", [] { return DrawCommandEncoder::newCircle({0, 0}, kNaN, 1, {1, 1, 1}, "c"); }},
    {"AnnotationNaNHeight",
     [] { return DrawCommandEncoder::newAnnotation("t", {0, 0, kNaN}, {1, 1, 1}, "a"); }},
    {"AgentNumber0", [] { return DrawCommandEncoder::newAgentAnnotation("hi", true, 0, {1, 1, 1}); }},
    {"AgentNumber129", [] { return DrawCommandEncoder::newAgentAnnotation(false, 129); }},
};

INSTANTIATE_TEST_SUITE_P(Commands, RefusedCommand, ::testing::ValuesIn(kRefused),
                         [](const auto& info) { return std::string(info.param.name); });

struct NumberCase
{
    const char* name;
    float value;
    const char* text;
};

class NumberField : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberField, SixCharacters)
{
    Buffer buf{'x'};
    EXPECT_EQ(DrawCommandEncoder::writeFloatToBuf(buf, GetParam().value), 6);
    EXPECT_EQ(bytes(buf), "x"s + GetParam().text);
}

const NumberCase kNumbers[] = {
    {"Two", 2.0f, "2.0000"},
    {"NegativeFraction", -14.5f, "-14.50"},
    {"Tenth", 0.1f, "0.1000"},
    {"NegativeTiny", -1e-40f, "-0.000"},
    {"Large", 123456789.0f, "123456"},
    {"LargestFloat", FLT_MAX, "340282"},
    {"MostNegativeFloat", -FLT_MAX, "-34028"},
    {"Infinity", INFINITY, "   inf"},
};

INSTANTIATE_TEST_SUITE_P(Values, NumberField, ::testing::ValuesIn(kNumbers),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
