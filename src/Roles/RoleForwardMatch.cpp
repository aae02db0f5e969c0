// Match definition of the forward's play-on handler, replaced in the penalty programs.
