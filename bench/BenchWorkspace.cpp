#include "BenchWorkspace.h"

#include "document/Machine.h"
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
    return rivet::initialSelection();
}
