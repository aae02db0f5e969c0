#include <ostream>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "sexpparser/sexpparser.h"

namespace {

void renderList(const zeitgeist::ParameterList& list, std::string& out)
{
    bool first = true;
    for (const zeitgeist::Parameter& p : list)
    {
        if (!first) out += ' ';
        first = false;
        if (p.IsList())
        {
            out += '(';
            renderList(zeitgeist::ParameterList::ElementsOf(p), out);
            out += ')';
        }
        else
            out.append(p.atom);
    }
}

// The predicates written back in canonical form: "(name value (key value))".
std::string render(const oxygen::PredicateList& predicates)
{
    std::string out;
    for (const oxygen::Predicate& pred : predicates)
    {
        out += '(';
        out.append(pred.name);
        if (!pred.parameter.IsEmpty()) out += ' ';
        renderList(pred.parameter, out);
        out += ')';
    }
    return out;
}

struct TokenCase
{
    const char* label;
    std::string input;
    std::string expected;
};

std::ostream& operator<<(std::ostream& os, const TokenCase& c) { return os << c.label; }

class Tokens : public ::testing::TestWithParam<TokenCase> {};

} // namespace

TEST_P(Tokens, Parse)
{
    SexpParser parser;
    EXPECT_EQ(render(parser.Parse(GetParam().input)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, Tokens, ::testing::Values(
    TokenCase{"Empty", "", ""},
    TokenCase{"OnlyWhitespace", " \t\r\n\f\v", ""},
    TokenCase{"Simple", "(time (now 0.36))", "(time (now 0.36))"},
    TokenCase{"Sequence", "(time (now 0.36))(GS (t 0.00) (pm BeforeKickOff))",
              "(time (now 0.36))(GS (t 0.00) (pm BeforeKickOff))"},
    TokenCase{"WhitespaceKinds", " ( a\tb\nc\r\nd\f(e\vf) ) ", "(a b c d (e f))"},
    TokenCase{"NoSpaceAroundParens", "(a(b c)d)(e)", "(a (b c) d)(e)"},
    TokenCase{"NameOnly", "(syn)", "(syn)"},
    TokenCase{"DeepNesting", "(See (P (team X) (head (pol 1 2 3))))", "(See (P (team X) (head (pol 1 2 3))))"},
    TokenCase{"EmptySubList", "(a () b)", "(a () b)"},
    TokenCase{"EmptyTopLevelListSkipped", "()(c)", "(c)"},
    TokenCase{"ListFirstNotAPredicate", "((a) b)(c)", "(c)"},
    TokenCase{"TopLevelAtomsSkipped", "x (a) y", "(a)"},
    TokenCase{"HighBytesAreAtoms", "(n \xff\x80 a\xc3\xa9)", "(n \xff\x80 a\xc3\xa9)"},
    TokenCase{"NulByteIsPartOfAtom", std::string("(n a\0b)", 7), std::string("(n a\0b)", 7)},
    TokenCase{"QuotesAreOrdinaryBytes", "(say \"a b\")", "(say \"a b\")"},
    TokenCase{"UnclosedAtEnd", "(a b)(c (d e)", "(a b)"},
    TokenCase{"UnclosedOnly", "(time (now 1.0)", ""},
    TokenCase{"StrayCloseStops", "(a b))(c)", "(a b)"},
    TokenCase{"LeadingClose", ")(a)", ""},
    TokenCase{"TruncatedInsideAtom", "(a b)(c de", "(a b)"}),
    [](const ::testing::TestParamInfo<TokenCase>& info) { return std::string(info.param.label); });

TEST(SexpParser, NestingIsBounded)
{
    SexpParser parser;
    auto nested = [](int depth) {
        return "(ok)" + std::string(depth, '(') + "x" + std::string(depth, ')') + "(after)";
    };
    EXPECT_EQ(render(parser.Parse(nested(SexpParser::kMaxDepth))), "(ok)(after)")
        << "the deepest allowed list parses (its first element is a list, so it is no predicate)";
    EXPECT_EQ(render(parser.Parse(nested(SexpParser::kMaxDepth + 1))), "(ok)");
    EXPECT_EQ(render(parser.Parse(std::string(100000, '('))), "");
}

TEST(SexpParser, HugeAtom)
{
    SexpParser parser;
    const std::string atom(1 << 20, 'x');
    const oxygen::PredicateList& list = parser.Parse("(say " + atom + ")");
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list.begin()->parameter.begin()->atom, atom);
}

// Storage is reused: a short text after a long one must not show any of the
// long one's elements, and the views must point at the new text.
TEST(SexpParser, ReuseKeepsOnlyTheLatestText)
{
    SexpParser parser;
    std::string longText;
    for (int i = 0; i < 200; ++i) longText += "(HJ (n hj1) (ax " + std::to_string(i) + "))";
    EXPECT_EQ(parser.Parse(longText).size(), 200u);
    std::string shortText = "(time (now 1.5))";
    const oxygen::PredicateList& list = parser.Parse(shortText);
    shortText.assign(shortText.size(), ' '); // the parser holds its own copy
    EXPECT_EQ(render(list), "(time (now 1.5))");
    EXPECT_EQ(render(parser.Parse("")), "");
}

// Random bytes drawn from the characters that matter: parsing never fails
// and every element stays inside the range of its list (run under the
// sanitizers this also checks every access).
TEST(SexpParser, RandomInputStaysInBounds)
{
    const char alphabet[] = "(()) \tab1.-\xff";
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> pick(0, sizeof alphabet - 2);
    std::uniform_int_distribution<int> length(0, 200);
    SexpParser parser;
    for (int round = 0; round < 3000; ++round)
    {
        std::string text(length(random), ' ');
        for (char& c : text) c = alphabet[pick(random)];
        std::string rendered = render(parser.Parse(text));
        for (char c : rendered) ASSERT_NE(std::string("(()) \tab1.-\xff").find(c), std::string::npos);
    }
}
