#include "BenchWorkspace.h"

#include "document/Assembly.h"
#include "document/NewAssembly.h"
#include "startup/StartUp.h"

#include <cstdlib>
#include <filesystem>

BenchWorkspace& BenchWorkspace::instance()
{
    static BenchWorkspace workspace = [] {
        BenchWorkspace made;
        std::string pattern = (std::filesystem::temp_directory_path() / "rivet-bench-XXXXXX").string();
        made.home = std::string(::mkdtemp(pattern.data())) + "/";
        made.dataDir = made.home + "data/";
        rivet::startUp(made.workspace, rivet::Paths::inFolder(made.home));
        return made;
    }();
    return workspace;
}

rivet::Selection BenchWorkspace::startupSelection()
{
    rivet::Assembly assembly(instance().workspace.table);
    rivet::applyInitialSelection(assembly);
    return assembly.selection();
}
