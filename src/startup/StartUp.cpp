#include "startup/StartUp.h"

#include "catalogue/CatalogueLoader.h"
#include "common/TextFile.h"
#include "startup/DefaultFiles.h"
#include "startup/Settings.h"

namespace rivet {

void startUp(Workspace& workspace, const Paths& paths)
{
    workspace.paths = paths;
    // Assemblies are saved into the garage by default, so it has to be there first.
    ensureFolder(paths.garageDir);
    // A deleted catalogue file or default template comes back before anything reads it.
    writeDefaultFiles(paths.dataDir);
    workspace.longList = readLongList(paths.settingsFile);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        loadSlotCatalogue(workspace.table, slot, paths.dataDir, slotFileNames[static_cast<std::size_t>(slot)]);
        workspace.loadedSlots = slot + 1;
    }
}

std::unique_ptr<Workspace> startWorkspace()
{
    auto workspace = std::make_unique<Workspace>();
    startUp(*workspace, Paths::forExecutable(Paths::executablePath()));
    return workspace;
}

} // namespace rivet
