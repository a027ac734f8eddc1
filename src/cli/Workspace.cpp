#include "cli/Workspace.h"

#include "catalogue/CatalogueLoader.h"
#include "catalogue/DefaultFiles.h"
#include "common/TextFile.h"

namespace rivet::cli {

std::unique_ptr<Workspace> startWorkspace()
{
    auto workspace = std::make_unique<Workspace>();
    workspace->paths = Paths::forExecutable(Paths::executablePath());
    ensureFolder(workspace->paths.garageDir);
    writeDefaultFiles(workspace->paths.dataDir);
    workspace->longList = readLongList(workspace->paths.settingsFile);
    loadCatalogue(workspace->table, workspace->paths.dataDir);
    return workspace;
}

} // namespace rivet::cli
