#include "MainLoop.h"
#include "PlayerMain.h"

int main(int argc, char** argv)
{
    return PlayerMain(argc, argv, Run);
}
