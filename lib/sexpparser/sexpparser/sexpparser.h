#ifndef SEXPPARSER_SEXPPARSER_H
#define SEXPPARSER_SEXPPARSER_H

// Splits a text of S-expressions into predicates. Whitespace separates,
// '(' and ')' delimit lists, every other byte belongs to an atom. Each
// top-level list whose first element is an atom becomes one predicate; other
// top-level elements are skipped.
//
// Bad input ends parsing early and keeps the predicates finished before it:
// a ')' without its '(', a list left open at the end, or nesting deeper than
// kMaxDepth.
//
// The parser keeps a copy of the text and the parsed elements, and reuses
// their storage from one call to the next: what Parse returns is valid until
// the next Parse on the same parser.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "oxygen/predicate.h"
#include "zeitgeist/parameterlist.h"

class SexpParser
{
public:
    static constexpr int kMaxDepth = 64;

    const oxygen::PredicateList& Parse(std::string_view text);

private:
    void tokenize();
    void addPredicate(std::uint32_t list);

    std::string mText;
    std::vector<zeitgeist::Parameter> mElements;
    oxygen::PredicateList mPredicates;
};

#endif
