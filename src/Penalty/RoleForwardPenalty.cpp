// rovan-penalty definitions of the RoleForward functions that differ from the match.
