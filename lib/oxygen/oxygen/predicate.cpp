#include "oxygen/predicate.h"

#include <charconv>
#include <cmath>
#include <system_error>
#include <type_traits>

namespace oxygen {

namespace {

// from_chars takes no leading '+'; accept one in front of a digit or a point.
std::string_view withoutPlus(std::string_view atom)
{
    if (atom.size() > 1 && atom[0] == '+' && (atom[1] == '.' || (atom[1] >= '0' && atom[1] <= '9')))
        atom.remove_prefix(1);
    return atom;
}

template <class T> bool convertNumber(std::string_view atom, T& value)
{
    atom = withoutPlus(atom);
    T parsed{};
    const char* last = atom.data() + atom.size();
    const std::from_chars_result r = std::from_chars(atom.data(), last, parsed);
    if (r.ec != std::errc() || r.ptr != last) return false;
    if constexpr (std::is_floating_point_v<T>)
    {
        if (!std::isfinite(parsed)) return false;
    }
    value = parsed;
    return true;
}

} // namespace

bool ConvertAtom(std::string_view atom, std::string_view& value)
{
    value = atom;
    return true;
}

bool ConvertAtom(std::string_view atom, std::string& value)
{
    value.assign(atom);
    return true;
}

bool ConvertAtom(std::string_view atom, int& value) { return convertNumber(atom, value); }

bool ConvertAtom(std::string_view atom, float& value) { return convertNumber(atom, value); }

bool ConvertAtom(std::string_view atom, double& value) { return convertNumber(atom, value); }

bool Predicate::FindParameter(Iterator& iter, std::string_view key)
{
    const zeitgeist::ParameterList& list = iter.GetList();
    for (auto it = list.begin(); it != list.end(); ++it)
    {
        if (!it->IsList()) continue;
        const zeitgeist::ParameterList sub = zeitgeist::ParameterList::ElementsOf(*it);
        auto first = sub.begin();
        if (first == sub.end() || first->IsList() || first->atom != key) continue;
        iter = Iterator(sub, ++first);
        return true;
    }
    return false;
}

bool Predicate::DescentList(Iterator& iter)
{
    if (iter.AtEnd() || !iter->IsList()) return false;
    const zeitgeist::ParameterList sub = zeitgeist::ParameterList::ElementsOf(*iter);
    iter = Iterator(sub, sub.begin());
    return true;
}

} // namespace oxygen
