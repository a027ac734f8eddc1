#pragma once

#include "app/Paths.h"
#include "catalogue/PartsTable.h"

#include <memory>

namespace rivet::cli {

// What the window's start-up prepares, without a window: the folders, the default files,
// the settings and the catalogue.
struct Workspace
{
    Paths paths;
    PartsTable table;
    bool longList = true;
};

// Runs the start-up; fails (rivet::Failure) exactly where the window's start-up would.
std::unique_ptr<Workspace> startWorkspace();

} // namespace rivet::cli
