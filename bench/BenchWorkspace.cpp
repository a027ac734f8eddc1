#include "BenchWorkspace.h"

#include "catalogue/CatalogueLoader.h"
#include "catalogue/DefaultFiles.h"
#include "document/Assembly.h"
#include "document/NewAssembly.h"

#include <cstdlib>
#include <filesystem>

BenchWorkspace& BenchWorkspace::instance()
{
    static BenchWorkspace workspace = [] {
        BenchWorkspace made;
        std::string pattern = (std::filesystem::temp_directory_path() / "rivet-bench-XXXXXX").string();
        made.home = std::string(::mkdtemp(pattern.data())) + "/";
        made.dataDir = made.home + "data/";
        rivet::writeDefaultFiles(made.dataDir);
        rivet::loadCatalogue(made.table, made.dataDir);
        return made;
    }();
    return workspace;
}

rivet::Selection BenchWorkspace::startupSelection()
{
    rivet::Assembly assembly(instance().table);
    rivet::applyInitialSelection(assembly);
    return assembly.selection();
}
