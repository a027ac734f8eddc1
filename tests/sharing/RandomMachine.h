#pragma once

#include "document/Machine.h"

#include <random>

namespace rivet::test {

struct RandomMachineOptions
{
    // Texts a report can give back exactly: no "#", no blanks at either end, no "<br>".
    bool reportSafe = false;
};

// A machine with every field drawn at random over the factory catalogue: Japanese and ASCII
// names (and, unless report-safe, characters Shift-JIS lacks), empty and long descriptions,
// hand-edited colour texts, any positions including none, any ticks and pilot settings.
Machine randomMachine(std::mt19937& random, RandomMachineOptions options = {});

} // namespace rivet::test
