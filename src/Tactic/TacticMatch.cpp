// Match definition of the opponent ordering, replaced in the penalty programs.
