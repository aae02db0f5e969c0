// rovan-keeper definitions of the Tactic functions that differ from the match.
#include "Tactic/Tactic.h"

// Still the match ordering.
void Tactic::sortOppAllByDistToBall(std::vector<Object>& list)
{
    sortSeenOppByDistToBall(list);
}
