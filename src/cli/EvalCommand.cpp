#include "cli/EvalCommand.h"

#include "cli/Arguments.h"
#include "cli/MachineOutput.h"
#include "document/DocumentService.h"
#include "startup/StartUp.h"

#include <ostream>

namespace rivet::cli {

int EvalCommand::execute(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    const auto parsed = parseJsonArguments(arguments);
    if (!parsed || parsed->names.empty()) {
        err << "usage: rivet-cli " << synopsis() << "\n";
        return kExitUsage;
    }
    auto workspace = startWorkspace();
    for (const auto& path : parsed->names) {
        auto document = openAsTheWindowDoes(workspace->table, path);
        if (parsed->json) {
            out << machineJson(path, *document) << "\n";
        } else {
            writeMachineTable(out, path, *document);
        }
    }
    return kExitOk;
}

} // namespace rivet::cli
