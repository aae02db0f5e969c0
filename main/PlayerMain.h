#ifndef PLAYERMAIN_H
#define PLAYERMAIN_H

// The body of a player's main: reads the command line, connects, then runs
// the given loop. Exit status: 0 after a session, or after --help; 1 when the
// server could not be reached or the session failed; 2 for a bad command line.
int PlayerMain(int argc, char** argv, void (*run)());

#endif
