#include "sexpparser/sexpparser.h"

#include <array>
#include <limits>

namespace {

enum ByteClass : std::uint8_t { ATOM = 0, SPACE, OPEN, CLOSE };

constexpr std::array<std::uint8_t, 256> makeByteClasses()
{
    std::array<std::uint8_t, 256> classes{};
    for (char c : {' ', '\t', '\n', '\r', '\f', '\v'}) classes[static_cast<unsigned char>(c)] = SPACE;
    classes['('] = OPEN;
    classes[')'] = CLOSE;
    return classes;
}

constexpr std::array<std::uint8_t, 256> kByteClass = makeByteClasses();

std::uint8_t classOf(char c) { return kByteClass[static_cast<unsigned char>(c)]; }

} // namespace

const oxygen::PredicateList& SexpParser::Parse(std::string_view text)
{
    mPredicates.Clear();
    // Element counts are 32-bit; no server message comes near that size.
    if (text.size() >= std::numeric_limits<std::uint32_t>::max()) return mPredicates;
    mText.assign(text);
    tokenize();
    return mPredicates;
}

// Every element starts at a byte of its own ('(' or an atom's first byte), so
// the text's length bounds the number of elements; sizing the storage once
// keeps the views that predicates hold stable while parsing goes on.
void SexpParser::tokenize()
{
    if (mElements.size() < mText.size()) mElements.resize(mText.size());
    zeitgeist::Parameter* const elements = mElements.data();
    std::uint32_t count = 0;
    std::uint32_t open[kMaxDepth];
    int depth = 0;

    const char* const begin = mText.data();
    const char* const end = begin + mText.size();
    for (const char* p = begin; p != end;)
    {
        switch (classOf(*p))
        {
        case SPACE:
            ++p;
            break;
        case OPEN:
            if (depth == kMaxDepth) return;
            open[depth++] = count;
            elements[count++] = zeitgeist::Parameter{std::string_view(), 1, true};
            ++p;
            break;
        case CLOSE:
        {
            if (depth == 0) return;
            const std::uint32_t list = open[--depth];
            elements[list].span = count - list;
            if (depth == 0) addPredicate(list);
            ++p;
            break;
        }
        default:
        {
            const char* first = p;
            while (p != end && classOf(*p) == ATOM) ++p;
            if (depth > 0)
                elements[count++] = zeitgeist::Parameter{std::string_view(first, p - first), 1, false};
            break;
        }
        }
    }
}

void SexpParser::addPredicate(std::uint32_t list)
{
    const zeitgeist::Parameter& whole = mElements[list];
    if (whole.span < 2) return; // "()"
    const zeitgeist::Parameter& name = mElements[list + 1];
    if (name.IsList()) return;
    mPredicates.AddPredicate(oxygen::Predicate(name.atom, {&name + 1, &whole + whole.span}));
}
