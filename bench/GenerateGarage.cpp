// A garage of generated machines for measuring the garage window and `rivet-cli list`:
// rivet-generate-garage FOLDER COUNT [SEED]. The catalogue is the one of the program's
// folder (RIVET_HOME, as for both programs).
#include "GarageMaker.h"

#include "startup/StartUp.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: rivet-generate-garage FOLDER COUNT [SEED]\n");
        return 2;
    }
    try {
        const auto workspace = rivet::startWorkspace();
        makeGarage(workspace->table, argv[1], std::atoi(argv[2]),
                   argc > 3 ? static_cast<unsigned>(std::atoi(argv[3])) : 21u);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "rivet-generate-garage: %s\n", failure.what());
        return 1;
    }
    return 0;
}
