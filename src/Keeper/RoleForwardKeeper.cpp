// rovan-keeper definitions of the RoleForward functions that differ from the match.
