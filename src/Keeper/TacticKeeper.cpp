// rovan-keeper definitions of the Tactic functions that differ from the match.
