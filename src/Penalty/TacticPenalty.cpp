// rovan-penalty definitions of the Tactic functions that differ from the match.
