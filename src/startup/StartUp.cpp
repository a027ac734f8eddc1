#include "startup/StartUp.h"

#include "catalogue/CatalogueLoader.h"
#include "common/AtomicFile.h"
#include "common/ErrorText.h"
#include "common/Failure.h"
#include "common/TextFile.h"
#include "startup/DefaultFiles.h"
#include "startup/Settings.h"

#include <cerrno>

namespace rivet {

namespace {

// The folder everything else lives in is never made here: a RIVET_HOME that names nothing is
// a mistake to show, not a folder to create (tests rely on it).
void requireWorkFolder(const Paths& paths)
{
    if (folderExists(paths.exeDir)) {
        return;
    }
    const bool somethingElse = fileExists(paths.exeDir.substr(0, paths.exeDir.size() - 1));
    const char* const pattern = paths.fromRivetHome
        ? (somethingElse ? "RIVET_HOME の %s はフォルダではありません" : "RIVET_HOME のフォルダ %s がありません")
        : (somethingElse ? "作業フォルダ %s はフォルダではありません" : "作業フォルダ %s がありません");
    throw Failure(
        withDetail(ioErrorMessage(somethingElse ? ENOTDIR : ENOENT), formatText(pattern, paths.exeDir.c_str())));
}

} // namespace

void startUp(Workspace& workspace, const Paths& paths)
{
    workspace.paths = paths;
    requireWorkFolder(paths);
    // Assemblies are saved into the garage by default, so it has to be there first.
    ensureFolder(paths.garageDir);
    // What a killed save or start left behind goes before anything is written here again.
    for (const std::string& folder : {paths.exeDir, paths.garageDir, paths.dataDir}) {
        removeStaleTemporaries(folder);
    }
    // A deleted catalogue file or default template comes back before anything reads it.
    writeDefaultFiles(paths.dataDir);
    workspace.longList = readLongList(paths.settingsFile);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        loadSlotCatalogue(workspace.table, slot, paths.dataDir, slotFileNames[slotIndex(slot)]);
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
