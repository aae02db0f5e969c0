#include "CommandLine.h"

#include <charconv>
#include <cstring>
#include <iostream>
#include <string>

#include "Agent/Connection.h"
#include "WorldModel/WorldModel.h"

namespace {

const char* valueOf(int ac, const char* const* av, int i)
{
    if (i + 1 >= ac) throw CommandLineError(std::string(av[i]) + " needs a value");
    return av[i + 1];
}

int wholeNumber(const char* option, const char* text, int lowest, int highest)
{
    int value = 0;
    const char* end = text + std::strlen(text);
    const auto res = std::from_chars(text, end, value);
    if (res.ec != std::errc() || res.ptr != end || value < lowest || value > highest)
        throw CommandLineError(std::string(option) + " needs a whole number from " + std::to_string(lowest) + " to " +
                               std::to_string(highest) + ", not '" + text + "'");
    return value;
}

} // namespace

bool CheckOptions(int ac, const char* const* av)
{
    bool haveUnum = false;
    for (int i = 1; i < ac; ++i)
    {
        const std::string arg = av[i];
        if (arg == "--help")
        {
            PrintHelp(std::cout);
            return false;
        }
        if (arg == "--host")
        {
            const char* host = valueOf(ac, av, i);
            std::cout << "--host" << arg << "\n" << host << std::endl;
            Connection::instance()->setServer(host);
            ++i;
        }
        else if (arg == "--port")
        {
            Connection::instance()->setPort(wholeNumber("--port", valueOf(ac, av, i), 1, 65535));
            ++i;
        }
        else if (arg == "--unum")
        {
            WorldModel::instance()->setNum(wholeNumber("--unum", valueOf(ac, av, i), 1, 11));
            haveUnum = true;
            ++i;
        }
    }
    if (!haveUnum) throw CommandLineError("--unum is required");
    return true;
}

void PrintHelp(std::ostream& out)
{
    out << "\nUsage: rovan [OPTIONS]\nOptions:\n\t--help: show this screen\n"
           "\t--host <hostname>: set host name of the server\n"
           "\t--port <port_no>: set the port number to connect to\n"
           "\t--unum <number>: set the uniform number of the player (1 to 11)\n\n";
}
