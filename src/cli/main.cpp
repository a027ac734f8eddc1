// rivet-cli: the planner without a window.
#include "cli/Command.h"

#include <iostream>

int main(int argc, char* argv[])
{
    return rivet::cli::run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
