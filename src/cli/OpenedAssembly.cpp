#include "cli/OpenedAssembly.h"

#include "common/Failure.h"

#include "common/TextFile.h"
#include "document/AssemblyFile.h"
#include "document/NewAssembly.h"
#include <cerrno>

namespace rivet::cli {

std::unique_ptr<Assembly> openAsTheWindowDoes(const Workspace& workspace, const std::string& path)
{
    if (!fileExists(path)) {
        throw Failure(ioErrorMessage(ENOENT));
    }
    auto assembly = startAsTheWindowDoes(workspace);
    openAssembly(*assembly, path);
    return assembly;
}

std::unique_ptr<Assembly> startAsTheWindowDoes(const Workspace& workspace)
{
    auto assembly = std::make_unique<Assembly>(workspace.table);
    prepareNewAssembly(*assembly);
    assembly->change();
    assembly->logic().rangeChange();
    return assembly;
}

} // namespace rivet::cli
