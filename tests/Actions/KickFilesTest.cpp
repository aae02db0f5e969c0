#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Actions/KickFiles.h"
#include "ScratchActs.h"

namespace {

int lineCount(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

struct NumberCase
{
    const char* name;
    const char* content;
    std::vector<double> expected;
    bool reported;
};

std::ostream& operator<<(std::ostream& os, const NumberCase& c) { return os << c.name; }

class KickFilesNumbers : public testing::TestWithParam<NumberCase>
{
};

TEST_P(KickFilesNumbers, ReadsBoundedAndReportsMalformedFilesOnce)
{
    const NumberCase& c = GetParam();
    ScratchActs acts;
    acts.write("f.txt", c.content);
    testing::internal::CaptureStderr();
    const std::vector<double> numbers = KickFiles::readNumbers(acts.path("f.txt"), 4);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(numbers, c.expected);
    if (c.reported)
    {
        EXPECT_EQ(lineCount(err), 1) << err;
        EXPECT_NE(err.find(acts.path("f.txt")), std::string::npos) << err;
    }
    else
        EXPECT_EQ(err, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KickFilesNumbers,
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

TEST(KickFiles, MissingFileReadsAsZerosWithOneLine)
{
    ScratchActs acts;
    testing::internal::CaptureStderr();
    const std::vector<double> numbers = KickFiles::readNumbers(acts.path("none.txt"), 3);
    const std::vector<std::string> tokens = KickFiles::readNumberTokens(acts.path("none.txt"), 2);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(numbers, (std::vector<double>{0, 0, 0}));
    EXPECT_EQ(tokens, (std::vector<std::string>{"0", "0"}));
    EXPECT_EQ(lineCount(err), 2) << err;
    EXPECT_NE(err.find(acts.path("none.txt")), std::string::npos);
}

TEST(KickFiles, TokensKeepTheirCharacters)
{
    ScratchActs acts;
    acts.write("t.txt", "-0.000 0.50\n1e-3");
    testing::internal::CaptureStderr();
    const std::vector<std::string> tokens = KickFiles::readNumberTokens(acts.path("t.txt"), 4);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(tokens, (std::vector<std::string>{"-0.000", "0.50", "1e-3", "0"}));
    EXPECT_EQ(lineCount(err), 1);
}

TEST(KickFiles, TokenWithFrameSeparatorIsRejected)
{
    ScratchActs acts;
    acts.write("t.txt", "1 2z 3");
    testing::internal::CaptureStderr();
    const std::vector<std::string> tokens = KickFiles::readNumberTokens(acts.path("t.txt"), 3);
    testing::internal::GetCapturedStderr();
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

class KickFilesLines : public testing::TestWithParam<LineCase>
{
};

TEST_P(KickFilesLines, KeepsCommandLinesWithinBounds)
{
    const LineCase& c = GetParam();
    ScratchActs acts;
    acts.write("k.txt", c.content);
    testing::internal::CaptureStderr();
    const std::vector<std::string> lines = KickFiles::readCommandLines(acts.path("k.txt"), 3, 10);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(lines, c.expected);
    EXPECT_EQ(lineCount(err), c.reported ? 1 : 0) << err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KickFilesLines,
    testing::Values(
        LineCase{"OnlyParenthesisLines", "(a 1)\n  (b 2)\n\n# note\n(c 3)", {"(a 1)", "(c 3)"}, false},
        LineCase{"CarriageReturnDropped", "(a 1)\r\n(b 2)\r\n", {"(a 1)", "(b 2)"}, false},
        LineCase{"LongestLineKept", "(123456789\n", {"(123456789"}, false},
        LineCase{"TooLongLineEndsReading", "(a)\n(1234567890\n(b)\n", {"(a)"}, true},
        LineCase{"TooLongSkippedLineEndsReading", "(a)\n 1234567890\n(b)\n", {"(a)"}, true},
        LineCase{"AtMostMaxLines", "(a)\n(b)\n x\n(c)\n(d)\n(e)\n", {"(a)", "(b)", "(c)"}, true},
        LineCase{"MaxLinesThenOthers", "(a)\n(b)\n(c)\n x\n\n", {"(a)", "(b)", "(c)"}, false}),
    [](const testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

TEST(KickFiles, MissingCommandFileGivesNoLinesAndOneLine)
{
    ScratchActs acts;
    testing::internal::CaptureStderr();
    EXPECT_TRUE(KickFiles::readCommandLines(acts.path("none.txt"), 3, 10).empty());
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(lineCount(err), 1);
    EXPECT_NE(err.find(acts.path("none.txt")), std::string::npos);
}

} // namespace
