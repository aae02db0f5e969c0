#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "oxygen/predicate.h"
#include "sexpparser/sexpparser.h"

using oxygen::Predicate;
typedef Predicate::Iterator Iterator;

namespace {

// The first predicate of text; the parser must outlive its use.
const Predicate& first(SexpParser& parser, const std::string& text)
{
    const oxygen::PredicateList& list = parser.Parse(text);
    EXPECT_EQ(list.size(), 1u) << text;
    return *list.begin();
}

enum class Kind { Int, Float, Double };

struct ConversionCase
{
    const char* label;
    const char* atom;
    Kind kind;
    bool converts;
    double value;
};

std::ostream& operator<<(std::ostream& os, const ConversionCase& c) { return os << c.label; }

class Conversion : public ::testing::TestWithParam<ConversionCase> {};

template <class T> void checkConversion(const ConversionCase& c)
{
    SexpParser parser;
    const Predicate& pred = first(parser, std::string("(x ") + c.atom + ")");
    T value = T(42);
    EXPECT_EQ(Predicate::GetValue(pred.begin(), value), c.converts);
    EXPECT_EQ(value, c.converts ? T(c.value) : T(42)) << "a failed conversion leaves the value unchanged";
}

} // namespace

TEST_P(Conversion, WholeAtomOnly)
{
    switch (GetParam().kind)
    {
    case Kind::Int: checkConversion<int>(GetParam()); break;
    case Kind::Float: checkConversion<float>(GetParam()); break;
    case Kind::Double: checkConversion<double>(GetParam()); break;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, Conversion, ::testing::Values(
    ConversionCase{"IntPlain", "12", Kind::Int, true, 12},
    ConversionCase{"IntNegative", "-3", Kind::Int, true, -3},
    ConversionCase{"IntPlus", "+4", Kind::Int, true, 4},
    ConversionCase{"IntFromDecimal", "1.5", Kind::Int, false, 0},
    ConversionCase{"IntTrailingLetter", "7a", Kind::Int, false, 0},
    ConversionCase{"IntHex", "0x10", Kind::Int, false, 0},
    ConversionCase{"IntOutOfRange", "99999999999", Kind::Int, false, 0},
    ConversionCase{"IntSignOnly", "-", Kind::Int, false, 0},
    ConversionCase{"FloatServerTime", "12.34", Kind::Float, true, 12.34f},
    ConversionCase{"FloatNegativeZero", "-0.00", Kind::Float, true, 0},
    ConversionCase{"FloatWord", "self", Kind::Float, false, 0},
    ConversionCase{"FloatComma", "1,5", Kind::Float, false, 0},
    ConversionCase{"FloatInfinity", "inf", Kind::Float, false, 0},
    ConversionCase{"FloatTooLarge", "1e39", Kind::Float, false, 0},
    ConversionCase{"DoubleExponent", "1.5e3", Kind::Double, true, 1500},
    ConversionCase{"DoubleLeadingPoint", ".5", Kind::Double, true, 0.5},
    ConversionCase{"DoublePlusPoint", "+.25", Kind::Double, true, 0.25},
    ConversionCase{"DoubleNaN", "nan", Kind::Double, false, 0},
    ConversionCase{"DoubleTrailingDot", "3.", Kind::Double, true, 3},
    ConversionCase{"DoubleDangling", "1e", Kind::Double, false, 0},
    ConversionCase{"DoublePlusOnly", "+", Kind::Double, false, 0},
    ConversionCase{"DoubleHighByte", "1.0\xc2\xb0", Kind::Double, false, 0}),
    [](const ::testing::TestParamInfo<ConversionCase>& info) { return std::string(info.param.label); });

TEST(Predicate, GetValueAtEndOrOnListFails)
{
    SexpParser parser;
    const Predicate& pred = first(parser, "(x (a 1) word)");
    Iterator iter = pred.begin();
    std::string word = "kept";
    EXPECT_FALSE(Predicate::GetValue(iter, word)) << "a list element is no value";
    EXPECT_EQ(word, "kept");
    EXPECT_FALSE(Predicate::AdvanceValue(iter, word));
    EXPECT_EQ(iter, pred.begin()) << "a failed AdvanceValue does not move";
    ++iter;
    EXPECT_TRUE(Predicate::AdvanceValue(iter, word));
    EXPECT_EQ(word, "word");
    EXPECT_TRUE(iter.AtEnd());
    EXPECT_FALSE(Predicate::GetValue(iter, word));
    ++iter; // stepping past the end stays at the end
    EXPECT_TRUE(iter.AtEnd());
}

TEST(Predicate, AdvanceValueReadsInOrder)
{
    SexpParser parser;
    const Predicate& pred = first(parser, "(hear Kestro3D 12.34 self abc)");
    Iterator iter = pred.begin();
    std::string team, message;
    float time = 0, direction = 7;
    EXPECT_FALSE(Predicate::GetValue(iter, time));
    EXPECT_TRUE(Predicate::AdvanceValue(iter, team));
    EXPECT_TRUE(Predicate::AdvanceValue(iter, time));
    EXPECT_FALSE(Predicate::AdvanceValue(iter, direction));
    EXPECT_EQ(direction, 7.0f);
    EXPECT_TRUE(Predicate::AdvanceValue(iter, message));
    EXPECT_EQ(team, "Kestro3D");
    EXPECT_EQ(time, 12.34f);
    EXPECT_EQ(message, "self");
}

TEST(Predicate, FindParameterSearchesTheWholeListFromItsBeginning)
{
    SexpParser parser;
    const Predicate& pred = first(parser, "(GS (t 0.00) word (pm PlayOn) (t 9) (deep (pm Inner)))");
    Iterator iter = pred.begin();
    ++iter;
    ++iter; // past "(t 0.00)" and "word"
    Iterator found = iter;
    ASSERT_TRUE(Predicate::FindParameter(found, "t"));
    float t = -1;
    EXPECT_TRUE(Predicate::GetValue(found, t));
    EXPECT_EQ(t, 0.0f) << "the first match, even behind the iterator";

    std::string pm;
    EXPECT_TRUE(Predicate::GetValue(iter, "pm", pm));
    EXPECT_EQ(pm, "PlayOn") << "only direct sub-lists; the nested one comes later";

    Iterator missing = iter;
    EXPECT_FALSE(Predicate::FindParameter(missing, "word")) << "an atom is no keyed list";
    EXPECT_FALSE(Predicate::FindParameter(missing, "Inner"));
    EXPECT_EQ(missing, iter) << "not found: unchanged";
}

TEST(Predicate, FindParameterLeavesTheIteratorBehindTheKey)
{
    SexpParser parser;
    const Predicate& pred = first(parser, "(x (pol 1 2 3) (key))");
    Iterator iter = pred.begin();
    ASSERT_TRUE(Predicate::FindParameter(iter, "pol"));
    double d = 0, t = 0, p = 0, more = -5;
    EXPECT_TRUE(Predicate::AdvanceValue(iter, d));
    EXPECT_TRUE(Predicate::AdvanceValue(iter, t));
    EXPECT_TRUE(Predicate::AdvanceValue(iter, p));
    EXPECT_FALSE(Predicate::AdvanceValue(iter, more)) << "the sub-list ends there";
    EXPECT_EQ(d + t + p, 6.0);

    int v = 3;
    EXPECT_FALSE(Predicate::GetValue(pred.begin(), "key", v)) << "a key without value";
    EXPECT_EQ(v, 3);
}

TEST(Predicate, DescentList)
{
    SexpParser parser;
    const Predicate& pred = first(parser, "(See atom (B (pol 1 2 3)) ())");
    Iterator iter = pred.begin();
    Iterator atom = iter;
    EXPECT_FALSE(Predicate::DescentList(atom));
    EXPECT_EQ(atom, iter);

    ++iter;
    Iterator ball = iter;
    ASSERT_TRUE(Predicate::DescentList(ball));
    std::string name;
    EXPECT_TRUE(Predicate::GetValue(ball, name));
    EXPECT_EQ(name, "B");
    double distance = 0;
    EXPECT_TRUE(Predicate::GetValue(ball, "pol", distance)) << "keys are searched inside the entered list";
    EXPECT_EQ(distance, 1.0);

    ++iter;
    Iterator empty = iter;
    ASSERT_TRUE(Predicate::DescentList(empty));
    EXPECT_TRUE(empty.AtEnd());

    ++iter;
    EXPECT_TRUE(iter.AtEnd());
    EXPECT_FALSE(Predicate::DescentList(iter));
}
