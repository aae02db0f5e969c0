#ifndef ZEITGEIST_PARAMETERLIST_H
#define ZEITGEIST_PARAMETERLIST_H

// Parsed elements are stored flat, in text order: a list element is followed
// by its own elements, and `span` counts an element together with everything
// nested in it. Stepping over an element is therefore one addition, and a
// list's elements form one contiguous range.

#include <cstdint>
#include <string_view>

namespace zeitgeist {

struct Parameter
{
    std::string_view atom; // the atom's bytes; empty for a list
    std::uint32_t span = 1; // 1 for an atom
    bool list = false;

    bool IsList() const { return list; }
};

// A view of the elements of one list; valid as long as the storage it points
// into (the parser that produced it) is not reused.
class ParameterList
{
public:
    class const_iterator
    {
    public:
        const_iterator() = default;
        explicit const_iterator(const Parameter* p) : mPos(p) {}

        const Parameter& operator*() const { return *mPos; }
        const Parameter* operator->() const { return mPos; }
        const_iterator& operator++()
        {
            mPos += mPos->span;
            return *this;
        }
        bool operator==(const const_iterator& other) const { return mPos == other.mPos; }
        bool operator!=(const const_iterator& other) const { return mPos != other.mPos; }

    private:
        const Parameter* mPos = nullptr;
    };

    ParameterList() = default;
    ParameterList(const Parameter* first, const Parameter* last) : mBegin(first), mEnd(last) {}

    // The elements of a list element.
    static ParameterList ElementsOf(const Parameter& list) { return {&list + 1, &list + list.span}; }

    const_iterator begin() const { return const_iterator(mBegin); }
    const_iterator end() const { return const_iterator(mEnd); }
    bool IsEmpty() const { return mBegin == mEnd; }

private:
    const Parameter* mBegin = nullptr;
    const Parameter* mEnd = nullptr;
};

} // namespace zeitgeist

#endif
