// Match definitions of the goalie handlers that the penalty programs replace.
