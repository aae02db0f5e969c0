#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Actions/MotionFiles.h"
#include "MotionTestText.h"

namespace {

struct NumberCase
{
    const char* name;
    const char* content;
    std::vector<double> expected;
    bool reported;
};

std::ostream& operator<<(std::ostream& os, const NumberCase& c) { return os << c.name; }

class MotionFilesNumbers : public testing::TestWithParam<NumberCase>
{
};

TEST_P(MotionFilesNumbers, ReadsBoundedAndNamesTheFault)
{
    const NumberCase& c = GetParam();
    ScratchActs acts;
    acts.write("f.txt", c.content);
    std::vector<double> numbers{7.0};
    const std::string fault = MotionFiles::readNumbers(acts.path("f.txt"), 4, numbers);
    EXPECT_EQ(numbers, c.expected);
    EXPECT_EQ(fault.empty(), !c.reported) << fault;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MotionFilesNumbers,
    testing::Values(NumberCase{"Exact", "1 2 3 4", {1, 2, 3, 4}, false},
                    NumberCase{"AnyWhitespaceExtraIgnored", "1\n2\t3   4 5 junk", {1, 2, 3, 4}, false},
                    NumberCase{"SignsAndExponents", "+1.5 -0.25 2e-3 .5", {1.5, -0.25, 0.002, 0.5}, false},
                    NumberCase{"ShortPaddedWithZero", "1 2", {1, 2, 0, 0}, true},
                    NumberCase{"EmptyFile", "", {0, 0, 0, 0}, true},
                    NumberCase{"WordStopsReading", "1 abc 3 4", {1, 0, 0, 0}, true},
                    NumberCase{"NotANumberStopsReading", "1 2 nan 4", {1, 2, 0, 0}, true},
                    NumberCase{"InfinityStopsReading", "inf 2 3 4", {0, 0, 0, 0}, true},
                    NumberCase{"OutOfRangeStopsReading", "1 1e999 3 4", {1, 0, 0, 0}, true},
                    NumberCase{"DoubleSignStopsReading", "1 2 3 +-4", {1, 2, 3, 0}, true},
                    NumberCase{"TrailingGarbageStopsReading", "1 2x 3 4", {1, 0, 0, 0}, true}),
    [](const testing::TestParamInfo<NumberCase>& info) { return std::string(info.param.name); });

TEST(MotionFiles, MissingFileReadsAsZeros)
{
    ScratchActs acts;
    std::vector<double> numbers;
    std::vector<std::string> tokens;
    EXPECT_NE(MotionFiles::readNumbers(acts.path("none.txt"), 3, numbers), "");
    EXPECT_NE(MotionFiles::readNumberTokens(acts.path("none.txt"), 2, tokens), "");
    EXPECT_EQ(numbers, (std::vector<double>{0, 0, 0}));
    EXPECT_EQ(tokens, (std::vector<std::string>{"0", "0"}));
}

TEST(MotionFiles, ReportIsOneLineNamingTheFile)
{
    testing::internal::CaptureStderr();
    MotionFiles::report("./Acts/X.txt", "");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    testing::internal::CaptureStderr();
    MotionFiles::report("./Acts/X.txt", "cannot be read");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "motion file ./Acts/X.txt cannot be read\n");
}

TEST(MotionFiles, TokensKeepTheirCharacters)
{
    ScratchActs acts;
    acts.write("t.txt", "-0.000 0.50\n1e-3");
    std::vector<std::string> tokens;
    EXPECT_NE(MotionFiles::readNumberTokens(acts.path("t.txt"), 4, tokens), "");
    EXPECT_EQ(tokens, (std::vector<std::string>{"-0.000", "0.50", "1e-3", "0"}));
}

TEST(MotionFiles, TokenWithFrameSeparatorIsRejected)
{
    ScratchActs acts;
    acts.write("t.txt", "1 2z 3");
    std::vector<std::string> tokens;
    EXPECT_NE(MotionFiles::readNumberTokens(acts.path("t.txt"), 3, tokens), "");
    EXPECT_EQ(tokens, (std::vector<std::string>{"1", "0", "0"}));
}

struct LineCase
{
    const char* name;
    std::string content;
    std::vector<std::string> expected;
    bool reported;
};

std::ostream& operator<<(std::ostream& os, const LineCase& c) { return os << c.name; }

class MotionFilesLines : public testing::TestWithParam<LineCase>
{
};

TEST_P(MotionFilesLines, KeepsCommandLinesWithinBounds)
{
    const LineCase& c = GetParam();
    ScratchActs acts;
    acts.write("k.txt", c.content);
    std::vector<std::string> lines{"(stale)"};
    const std::string fault = MotionFiles::readCommandLines(acts.path("k.txt"), 3, 10, lines);
    EXPECT_EQ(lines, c.expected);
    EXPECT_EQ(fault.empty(), !c.reported) << fault;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MotionFilesLines,
    testing::Values(
        LineCase{"OnlyParenthesisLines", "(a 1)\n  (b 2)\n\n# note\n(c 3)", {"(a 1)", "(c 3)"}, false},
        LineCase{"CarriageReturnDropped", "(a 1)\r\n(b 2)\r\n", {"(a 1)", "(b 2)"}, false},
        LineCase{"LongestLineKept", "(123456789\n", {"(123456789"}, false},
        LineCase{"TooLongLineEndsReading", "(a)\n(1234567890\n(b)\n", {"(a)"}, true},
        LineCase{"TooLongSkippedLineEndsReading", "(a)\n 1234567890\n(b)\n", {"(a)"}, true},
        LineCase{"TooLongLastLineWithoutBreak", "(a)\n(1234567890", {"(a)"}, true},
        LineCase{"CarriageReturnNotCounted", "(123456789\r\n(b)", {"(123456789", "(b)"}, false},
        LineCase{"FarTooLongLineEndsReading", "(a)\n(" + std::string(100, 'x') + "\n(b)\n", {"(a)"}, true},
        LineCase{"AtMostMaxLines", "(a)\n(b)\n x\n(c)\n(d)\n(e)\n", {"(a)", "(b)", "(c)"}, true},
        LineCase{"MaxLinesThenOthers", "(a)\n(b)\n(c)\n x\n\n", {"(a)", "(b)", "(c)"}, false}),
    [](const testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

TEST(MotionFiles, MissingCommandFileGivesNoLines)
{
    ScratchActs acts;
    std::vector<std::string> lines{"(stale)"};
    EXPECT_NE(MotionFiles::readCommandLines(acts.path("none.txt"), 3, 10, lines), "");
    EXPECT_TRUE(lines.empty());
}

} // namespace
