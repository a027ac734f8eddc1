#pragma once

#include "evaluation/Selection.h"
#include "startup/StartUp.h"

#include <string>

// A temporary home with the factory data files, shared by the benchmarks of one run.
struct BenchWorkspace
{
    std::string home;
    std::string dataDir;
    rivet::Workspace workspace;

    static BenchWorkspace& instance();
    // The machine the window starts with.
    static rivet::Selection startupSelection();
};
