// The opponent ordering of rovan-penalty and rovan-keeper.
#include "Tactic/Tactic.h"

// Every opponent is listed, a long-unseen one at its last known place.
void Tactic::sortOppAllByDistToBall(std::vector<Object>& list)
{
    sortEveryOppByDistToBall(list);
}
