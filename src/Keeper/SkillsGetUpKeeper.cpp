// rovan-keeper's get-up skill.
