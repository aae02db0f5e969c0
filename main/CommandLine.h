#ifndef COMMANDLINE_H
#define COMMANDLINE_H

#include <iosfwd>
#include <stdexcept>

// A command line the program cannot run with; what() says why.
class CommandLineError : public std::invalid_argument
{
public:
    using std::invalid_argument::invalid_argument;
};

// Reads "--help", "--host", "--port" and "--unum" into the connection and
// the world model; other arguments are skipped. False after "--help" (the
// program ends at once); throws CommandLineError for a missing or bad value
// and when no uniform number is given.
bool CheckOptions(int ac, const char* const* av);

// The usage text.
void PrintHelp(std::ostream& out);

#endif
