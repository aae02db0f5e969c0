// rovan-penalty definitions of the RoleGoalie functions that differ from the match.
