#include <exception>
#include <iostream>

#include "Agent/Connection.h"
#include "CommandLine.h"
#include "MainLoop.h"

// Exit status: 0 after a session, or after --help; 1 when the server could
// not be reached or the session failed; 2 for a bad command line.
int main(int argc, char** argv)
{
    try
    {
        if (!CheckOptions(argc, argv)) return 0;
        if (!Connection::instance()->init()) return 1;
        Run();
        return 0;
    }
    catch (const CommandLineError& e)
    {
        std::cerr << e.what() << std::endl;
        PrintHelp(std::cerr);
        return 2;
    }
    catch (const std::exception& e)
    {
        std::cerr << e.what() << std::endl;
        return 1;
    }
}
