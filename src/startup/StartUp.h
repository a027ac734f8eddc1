#pragma once

#include "catalogue/PartsTable.h"
#include "startup/Paths.h"

#include <memory>

namespace rivet {

// What start-up prepares before any window or command works: the folders, the default
// files, the settings and the catalogue. The window, rivet-cli, the benchmarks and the tests
// all start through it, so they all see the same catalogue the same way.
struct Workspace
{
    Paths paths;
    PartsTable table;
    bool longList = true;
    // Slots whose catalogue file loaded completely, counted in slot order. After a failure
    // the later slots have nothing and the table must not be worked with.
    int loadedSlots = 0;

    bool catalogueReady() const { return loadedSlots == kSlotCount; }
};

// Start-up in these folders: the garage folder, the missing default files, the long-list
// setting, then the eleven catalogue files. Stops with the failure of the first step that
// fails (rivet::Failure); what was prepared before it stays in the workspace.
void startUp(Workspace& workspace, const Paths& paths);

// Start-up in the program's own folders (Paths::forExecutable: RIVET_HOME, beside the
// program, or the player's data folder of an installed one).
std::unique_ptr<Workspace> startWorkspace();

} // namespace rivet
