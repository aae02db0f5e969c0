// Match definition of the opponent ordering, replaced in the penalty programs.
#include "Tactic/Tactic.h"

void Tactic::sortOppAllByDistToBall(std::vector<Object>& list)
{
    sortSeenOppByDistToBall(list);
}
