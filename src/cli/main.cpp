// rivet-cli: the planner without a window.
#include "cli/Command.h"

#include <cstdio>
#include <iostream>

int main(int argc, char* argv[])
{
    try {
        return rivet::cli::run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
    } catch (...) {
        // Outside the commands: taking the arguments, choosing the command, writing usage.
        try {
            std::cerr << rivet::cli::uncaughtMessage() << "\n";
        } catch (...) {
            std::fputs("メモリが足りません.\n", stderr); // not even the message could be formed
        }
        return rivet::cli::kExitFailure;
    }
}
