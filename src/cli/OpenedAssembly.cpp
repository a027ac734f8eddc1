#include "cli/OpenedAssembly.h"

#include "common/ErrorText.h"
#include "common/Failure.h"
#include "common/TextFile.h"
#include "document/DocumentService.h"

#include <cerrno>

namespace rivet::cli {

std::unique_ptr<Assembly> openAsTheWindowDoes(const Workspace& workspace, const std::string& path)
{
    requireFile(path);
    auto assembly = startAsTheWindowDoes(workspace);
    openAssembly(*assembly, path);
    return assembly;
}

std::unique_ptr<Assembly> startAsTheWindowDoes(const Workspace& workspace)
{
    auto assembly = std::make_unique<Assembly>(workspace.table);
    startNewAssembly(*assembly);
    return assembly;
}

} // namespace rivet::cli
