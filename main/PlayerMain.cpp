#include "PlayerMain.h"

#include <exception>
#include <iostream>

#include "Agent/Connection.h"
#include "CommandLine.h"

int PlayerMain(int argc, char** argv, void (*run)())
{
    try
    {
        if (!CheckOptions(argc, argv)) return 0;
        if (!Connection::instance()->init()) return 1;
        run();
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
