#ifndef OXYGEN_PREDICATE_H
#define OXYGEN_PREDICATE_H

// A predicate is a named parameter list, "(name value (key value ...) ...)".
// Values are read through an Iterator, which knows the list it walks so that
// keyed sub-lists can be looked up from the list's beginning.

#include <string>
#include <string_view>
#include <vector>

#include "zeitgeist/parameterlist.h"

namespace oxygen {

// Whole-atom conversions, independent of the locale. Numbers accept an
// optional sign and decimal or exponent notation; anything else in the atom
// (a trailing letter, "inf", "nan", hexadecimal, out of range) fails and
// leaves the value unchanged.
bool ConvertAtom(std::string_view atom, std::string_view& value);
bool ConvertAtom(std::string_view atom, std::string& value);
bool ConvertAtom(std::string_view atom, int& value);
bool ConvertAtom(std::string_view atom, float& value);
bool ConvertAtom(std::string_view atom, double& value);

class Predicate
{
public:
    class Iterator
    {
    public:
        Iterator() = default;
        Iterator(const zeitgeist::ParameterList& list, zeitgeist::ParameterList::const_iterator pos)
            : mList(list), mPos(pos)
        {
        }

        const zeitgeist::ParameterList& GetList() const { return mList; }
        bool AtEnd() const { return mPos == mList.end(); }
        const zeitgeist::Parameter& operator*() const { return *mPos; }
        const zeitgeist::Parameter* operator->() const { return mPos.operator->(); }
        // Stepping past the end is a no-op.
        Iterator& operator++()
        {
            if (!AtEnd()) ++mPos;
            return *this;
        }
        bool operator==(const Iterator& other) const { return mPos == other.mPos; }
        bool operator!=(const Iterator& other) const { return mPos != other.mPos; }

    private:
        zeitgeist::ParameterList mList;
        zeitgeist::ParameterList::const_iterator mPos;
    };

    Predicate() = default;
    Predicate(std::string_view n, const zeitgeist::ParameterList& p) : name(n), parameter(p) {}

    Iterator begin() const { return Iterator(parameter, parameter.begin()); }

    // Reads the atom at iter; false at the end of the list, on a list element
    // or when the atom does not convert.
    template <class T> static bool GetValue(const Iterator& iter, T& value)
    {
        return !iter.AtEnd() && !iter->IsList() && ConvertAtom(iter->atom, value);
    }

    // GetValue, then steps on when it succeeded.
    template <class T> static bool AdvanceValue(Iterator& iter, T& value)
    {
        if (!GetValue(iter, value)) return false;
        ++iter;
        return true;
    }

    // Reads the value behind key in the first sub-list "(key value ...)" of
    // iter's list; iter itself does not move.
    template <class T> static bool GetValue(const Iterator& iter, std::string_view key, T& value)
    {
        Iterator found = iter;
        return FindParameter(found, key) && GetValue(found, value);
    }

    // Searches iter's list from its beginning for the first sub-list whose
    // first element is the atom key and points iter behind that key. Leaves
    // iter unchanged when there is none.
    static bool FindParameter(Iterator& iter, std::string_view key);

    // Points iter at the first element of the list element it stands on.
    static bool DescentList(Iterator& iter);

    std::string_view name;
    zeitgeist::ParameterList parameter;
};

// The predicates of one parsed text, in text order.
class PredicateList
{
public:
    typedef std::vector<Predicate>::const_iterator const_iterator;

    const_iterator begin() const { return mList.begin(); }
    const_iterator end() const { return mList.end(); }
    std::size_t size() const { return mList.size(); }
    bool empty() const { return mList.empty(); }

    void Clear() { mList.clear(); }
    void AddPredicate(const Predicate& p) { mList.push_back(p); }

private:
    std::vector<Predicate> mList;
};

} // namespace oxygen

#endif
