// orvante-engine: the puzzle engine on the command line.
#include "EngineCli.h"

#include <iostream>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return enginecli::Main(arguments, std::cin, std::cout, std::cerr);
}
